// cantrel-szdd: compresses a file into the SZDD format the program expands
// (the templates in data/ are made with it).
//   cantrel-szdd SOURCE DESTINATION
#include <cstdio>
#include <string>

#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/szdd.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cantrel-szdd SOURCE DESTINATION\n");
        return 2;
    }
    std::string bytes;
    FileIdentity ignored;
    if (!ReadWholeFile(argv[1], bytes, ignored)) {
        std::fprintf(stderr, "cantrel-szdd: cannot read %s\n", argv[1]);
        return 1;
    }
    // The header keeps the last letter of the name the file had.
    const std::string name = FilenameOnly(argv[1]);
    const char last = name.empty() ? '\0' : name.back();
    if (!ReplaceFileAtomically(argv[2], CompressSzdd(bytes, last))) {
        std::fprintf(stderr, "cantrel-szdd: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
