// SPDX-License-Identifier: GPL-3.0-or-later
// The layering rules over the includes of src/, apart from reading files, so that the test of
// the checker itself can feed it small made-up layouts.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace layering {

struct Layout {
    std::vector<std::string> order;                           // folders, lowest first
    std::map<std::string, std::string> owner;                 // file under src/ -> its target
    std::map<std::string, std::set<std::string>> links;       // target -> targets it links
    std::map<std::string, std::vector<std::string>> includes; // file -> "folder/..." included
};

// One kind of fault between two parties, e.g. "unlinked speech -> data", with the first
// include that shows it. The key is what allowed.txt names.
struct Fault {
    std::string key;
    std::string example;
};

struct Verdict {
    std::vector<Fault> unexpected;
    std::vector<std::string> stale; // allowed, but not found any more
};

// Lines "order A B ...", "file TARGET PATH" and "link TARGET OTHER"; paths absolute or under
// src/. Files outside src/ (generated ones) are left out.
bool readManifest(const std::string& text, const std::filesystem::path& srcDir, Layout& layout,
                  std::string& problem);
// The quoted includes naming a folder: `#include "data/Sql.h"`, not `#include "Version.h"`.
std::vector<std::string> includesOf(const std::string& source);
std::vector<Fault> check(const Layout& layout);
// Keys one per line; blank lines and lines starting with # are ignored.
std::set<std::string> readAllowed(const std::string& text);
Verdict judge(const std::vector<Fault>& faults, const std::set<std::string>& allowed);

} // namespace layering
