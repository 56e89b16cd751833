// Writes the manual pages and the bash completion at build time:
//   kestrane-cli-docs OUT-FOLDER
#include "cli/ManPages.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kestrane-cli-docs OUT-FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::pair<const char*, std::string> files[] = {
        {"kestrane-cli.1", CliManPage()},
        {"kestrane.1", DesktopManPage()},
        {"kestrane-cli", CliBashCompletion()},
    };
    for (const auto& [name, text] : files) {
        std::ofstream out(folder / name, std::ios::binary);
        out << text;
        if (!out.flush()) {
            std::cerr << "kestrane-cli-docs: cannot write " << (folder / name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
