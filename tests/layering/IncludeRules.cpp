// SPDX-License-Identifier: GPL-3.0-or-later
#include "IncludeRules.h"

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>

namespace layering {
namespace {

std::string folderOf(const std::string& path) {
    return path.substr(0, path.find('/'));
}

bool isRulesTarget(const std::string& target) {
    const std::string suffix = "_rules";
    return target.size() > suffix.size() &&
           target.compare(target.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// "learn/rules/Scoring.h" lies in a rules folder; "learn/Scoring.h" does not.
bool inRulesFolder(const std::string& path) {
    const auto slash = path.find('/');
    return slash != std::string::npos && path.compare(slash, 7, "/rules/") == 0;
}

// Every target `target` reaches through its links.
std::set<std::string> reached(const Layout& layout, const std::string& target) {
    std::set<std::string> seen;
    std::vector<std::string> pending{target};
    while (!pending.empty()) {
        const std::string current = pending.back();
        pending.pop_back();
        const auto it = layout.links.find(current);
        if (it == layout.links.end())
            continue;
        for (const std::string& next : it->second)
            if (seen.insert(next).second)
                pending.push_back(next);
    }
    return seen;
}

// Groups of files that include each other in a circle (Tarjan's strongly connected parts).
std::vector<std::vector<std::string>>
circles(const std::map<std::string, std::set<std::string>>& edges) {
    std::map<std::string, int> index, low;
    std::set<std::string> onStack;
    std::vector<std::string> stack;
    std::vector<std::vector<std::string>> found;
    int next = 0;
    std::function<void(const std::string&)> visit = [&](const std::string& file) {
        index[file] = low[file] = next++;
        stack.push_back(file);
        onStack.insert(file);
        if (const auto it = edges.find(file); it != edges.end()) {
            for (const std::string& to : it->second) {
                if (!index.contains(to)) {
                    visit(to);
                    low[file] = std::min(low[file], low[to]);
                } else if (onStack.contains(to)) {
                    low[file] = std::min(low[file], index[to]);
                }
            }
        }
        if (low[file] != index[file])
            return;
        std::vector<std::string> group;
        std::string member;
        do {
            member = stack.back();
            stack.pop_back();
            onStack.erase(member);
            group.push_back(member);
        } while (member != file);
        if (group.size() > 1) {
            std::sort(group.begin(), group.end());
            found.push_back(group);
        }
    };
    for (const auto& [file, to] : edges)
        if (!index.contains(file))
            visit(file);
    return found;
}

class Faults {
  public:
    void add(const std::string& key, const std::string& example) {
        if (keys_.insert(key).second)
            list_.push_back({key, example});
    }
    std::vector<Fault> list() && { return std::move(list_); }

  private:
    std::set<std::string> keys_;
    std::vector<Fault> list_;
};

void checkInclude(const Layout& layout, const std::map<std::string, std::set<std::string>>& reach,
                  const std::string& file, const std::string& included, Faults& faults) {
    const std::string& target = layout.owner.at(file);
    const std::string shown = file + " includes " + included;
    const auto owner = layout.owner.find(included);
    if (owner == layout.owner.end()) {
        faults.add("unowned " + included, shown + ", a file no target holds");
        return;
    }
    const std::string& other = owner->second;
    const auto& order = layout.order;
    const auto below = std::find(order.begin(), order.end(), folderOf(file));
    const auto above = std::find(order.begin(), order.end(), folderOf(included));
    if (below != order.end() && above != order.end() && above > below)
        faults.add("up " + folderOf(file) + " -> " + folderOf(included), shown);
    if (isRulesTarget(target) && !isRulesTarget(other) && other != "data")
        faults.add("rules " + target + " -> " + other, shown);
    if (other != target && !reach.at(target).contains(other))
        faults.add("unlinked " + target + " -> " + other, shown);
}

} // namespace

bool readManifest(const std::string& text, const std::filesystem::path& srcDir, Layout& layout,
                  std::string& problem) {
    std::istringstream lines(text);
    std::string line;
    const std::string root = srcDir.lexically_normal().generic_string() + "/";
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "order") {
            for (std::string folder; words >> folder;)
                layout.order.push_back(folder);
        } else if (kind == "file" || kind == "link") {
            std::string target, value;
            if (!(words >> target >> value)) {
                problem = "a line without its two words: " + line;
                return false;
            }
            layout.links[target]; // every target has an entry, linking nothing at least
            if (kind == "link") {
                layout.links[target].insert(value);
                continue;
            }
            std::string path = std::filesystem::path(value).lexically_normal().generic_string();
            if (path.rfind(root, 0) == 0)
                path = path.substr(root.size());
            else if (std::filesystem::path(path).is_absolute())
                continue;
            layout.owner[path] = target;
        } else if (!kind.empty()) {
            problem = "a line of an unknown kind: " + line;
            return false;
        }
    }
    if (layout.order.empty() || layout.owner.empty()) {
        problem = "no folder order or no files";
        return false;
    }
    return true;
}

std::vector<std::string> includesOf(const std::string& source) {
    static const std::regex include(R"re(^[ \t]*#[ \t]*include[ \t]*"([^"/]+/[^"]+)")re",
                                    std::regex::multiline);
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), include);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::vector<Fault> check(const Layout& layout) {
    Faults faults;
    std::map<std::string, std::set<std::string>> reach;
    for (const auto& [target, links] : layout.links)
        reach[target] = reached(layout, target);
    std::map<std::string, std::set<std::string>> edges;
    for (const auto& [file, target] : layout.owner) {
        const std::string folder = folderOf(file);
        if (std::find(layout.order.begin(), layout.order.end(), folder) == layout.order.end())
            faults.add("unordered " + folder, file + " lies in a folder the order leaves out");
        if (isRulesTarget(target) != inRulesFolder(file))
            faults.add("rules-folder " + target,
                       file + (isRulesTarget(target)
                                   ? " is a rules file outside a rules folder"
                                   : " lies in a rules folder but is no rules file"));
        edges[file];
        const auto it = layout.includes.find(file);
        if (it == layout.includes.end())
            continue;
        for (const std::string& included : it->second) {
            checkInclude(layout, reach, file, included, faults);
            edges[file].insert(included);
        }
    }
    for (const std::vector<std::string>& group : circles(edges)) {
        std::string members;
        for (const std::string& file : group)
            members += (members.empty() ? "" : " ") + file;
        faults.add("circle " + members, "these files include each other in a circle");
    }
    return std::move(faults).list();
}

std::set<std::string> readAllowed(const std::string& text) {
    std::set<std::string> allowed;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            allowed.insert(line);
    }
    return allowed;
}

Verdict judge(const std::vector<Fault>& faults, const std::set<std::string>& allowed) {
    Verdict verdict;
    std::set<std::string> seen;
    for (const Fault& fault : faults) {
        seen.insert(fault.key);
        if (!allowed.contains(fault.key))
            verdict.unexpected.push_back(fault);
    }
    for (const std::string& key : allowed)
        if (!seen.contains(key))
            verdict.stale.push_back(key);
    return verdict;
}

} // namespace layering
