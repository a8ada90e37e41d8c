// SPDX-License-Identifier: GPL-3.0-or-later
// Reads every `#include "folder/..."` under src/ and judges it against the layers: a folder
// uses only the folders below it, a rules library only rules libraries and data, a library
// links every library whose headers it includes, and no group of files includes itself in a
// circle. CMake writes the manifest (which target owns which file, which target links which);
// allowed.txt lists the faults known today, each to be removed once mended.
//
// usage: include_check MANIFEST SRC_DIR ALLOWED
#include "IncludeRules.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: include_check MANIFEST SRC_DIR ALLOWED\n";
        return 2;
    }
    const std::filesystem::path srcDir = argv[2];
    layering::Layout layout;
    std::string problem;
    if (!layering::readManifest(readAll(argv[1]), srcDir, layout, problem)) {
        std::cerr << argv[1] << ": " << problem << '\n';
        return 2;
    }
    for (const auto& [file, owner] : layout.owner)
        layout.includes[file] = layering::includesOf(readAll(srcDir / file));

    const std::vector<layering::Fault> faults = layering::check(layout);
    const layering::Verdict verdict =
        layering::judge(faults, layering::readAllowed(readAll(argv[3])));
    for (const layering::Fault& fault : verdict.unexpected)
        std::cerr << "fault: " << fault.key << " (" << fault.example << ")\n";
    for (const std::string& stale : verdict.stale)
        std::cerr << "allowed but no longer found (remove it from " << argv[3] << "): " << stale
                  << '\n';
    if (!verdict.unexpected.empty() || !verdict.stale.empty())
        return 1;
    std::cout << layout.owner.size() << " files, " << faults.size()
              << " known exceptions: the layers hold\n";
    return 0;
}
