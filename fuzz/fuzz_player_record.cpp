// The Player's studio lines on arbitrary text: its record, and its song's
// path in pieces, one line after another. A line either adds its piece or
// breaks the path for good, and never overflows; a path that becomes whole
// writes back into the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/components/player/player_record.h"
#include "app/components/shared/quiet_hex_record.h"
#include "core/services/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        SetErrorPresenter([](const ErrorReport&) { std::abort(); });  // nothing here may speak
        return true;
    }();
    (void)quiet;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint8_t bytes[PlayerRecord::Size];
    int used = 0;
    if (ReadHexRecordQuietly(text.c_str(), int(text.size()), bytes, PlayerRecord::Size, used)) {
        PlayerRecord record;
        record.Decode(bytes);
    }

    // Each line of the input is one extra line of the studio file.
    PathPieces pieces;
    std::size_t from = 0;
    for (int index = 0; from <= text.size() && index < 400; ++index) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        ReadPathPiece(text.c_str() + from, int(end - from), index, pieces);
        if (pieces.broken && !pieces.path.empty()) std::abort();
        if (pieces.path.size() > pieces.length && !pieces.broken) std::abort();
        from = end + 1;
    }
    if (!pieces.Whole()) return 0;
    PathPieces again;
    char line[1024];
    for (int index = 0; WritePathPiece(pieces.path, index, line, sizeof line); ++index)
        if (!ReadPathPiece(line, int(std::char_traits<char>::length(line)), index, again)) std::abort();
    if (!again.Whole() || again.path != pieces.path) std::abort();
    return 0;
}
