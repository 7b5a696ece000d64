// The studio-file reader on arbitrary file contents: it reads whatever is
// there without reading past a line, every line it returns is within the
// limit, and decoding each component line never overruns its records.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "core/studio/studio_file_reader.h"
#include "core/services/error.h"
#include "core/services/profile.h"
#include "fuzz/quiet_errors.h"

namespace {

const std::string& ScratchFile()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/cantrel-fuzz-studio-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0) close(fd);
        return std::string(pattern);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    ResetUnknownErrorNumbers();
    std::FILE* f = std::fopen(ScratchFile().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    ForgetProfiles();

    StudioFileContents contents;
    if (!ReadStudioFile(ScratchFile(), contents)) {
        if (!contents.components.empty()) std::abort();
        return 0;
    }
    int expected = 1;
    for (const StudioComponentLine& line : contents.components) {
        if (line.index != expected++ || line.line.empty()) std::abort();
        if (line.line.size() > std::size_t(StudioFile::LineLimit)) std::abort();
        const int type = TypeIdOfLine(line.line);
        if (type != line.typeId) std::abort();
        DecodedComponentLine decoded = DecodeComponentLine(line.line);
        if (decoded.baseRead && !decoded.placementRead) std::abort();
        if (decoded.baseRead && decoded.base.typeId != type && line.line.size() >= 96 &&
            line.line.compare(0, 2, "2C") == 0)
            std::abort();
    }
    return 0;
}
