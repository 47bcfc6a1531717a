// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the validation table into the folder given, for the install step:
// the installed data folder gets the table the builder library makes.
#include "vtbl.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vtbl_write FOLDER/\n");
        return 2;
    }
    BuildValDtaFile(argv[1]);
    // The builder says nothing when it fails; the file tells.
    std::error_code error;
    const auto path = std::filesystem::path(argv[1]) / "qvedval.dta";
    if (std::filesystem::file_size(path, error) == 0 || error) {
        std::fprintf(stderr, "vtbl_write: %s was not written\n", path.string().c_str());
        return 1;
    }
    return 0;
}
