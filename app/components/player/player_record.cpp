#include "app/components/player/player_record.h"

#include <algorithm>
#include <cstring>

#include "core/services/hex_record.h"
#include "core/studio/byte_fields.h"

namespace {
constexpr int PieceBytes = 200;
constexpr int LengthBytes = 2;
constexpr std::size_t LongestPath = 0xFFFF;
}  // namespace

void PlayerRecord::Encode(std::uint8_t* bytes) const
{
    PutLE(bytes, static_cast<std::uint32_t>(positionMilliseconds), 4);
    PutLE(bytes + 4, heard, 2);
    PutLE(bytes + 6, analysed, 2);
    PutLE(bytes + 8, tempoPercent, 2);
    PutLE(bytes + 10, static_cast<std::uint16_t>(output), 2);
}

void PlayerRecord::Decode(const std::uint8_t* bytes)
{
    positionMilliseconds = GetLE32(bytes);
    heard = static_cast<std::uint16_t>(GetLE(bytes + 4, 2));
    analysed = static_cast<std::uint16_t>(GetLE(bytes + 6, 2));
    tempoPercent = static_cast<std::uint16_t>(GetLE(bytes + 8, 2));
    output = GetLE16(bytes + 10);
}

int WritePathPiece(const std::string& path, int index, char* buf, int size)
{
    if (path.empty() || path.size() > LongestPath || index < 0) return 0;
    // The first piece carries the length and PieceBytes - LengthBytes bytes of the path.
    const std::size_t from = index == 0 ? 0 : std::size_t(index) * PieceBytes - LengthBytes;
    if (from >= path.size()) return 0;
    std::uint8_t piece[PieceBytes];
    int used = 0;
    if (index == 0) {
        PutLE(piece, static_cast<std::uint32_t>(path.size()), LengthBytes);
        used = LengthBytes;
    }
    const std::size_t take = std::min(path.size() - from, std::size_t(PieceBytes - used));
    std::memcpy(piece + used, path.data() + from, take);
    return ToString(piece, used + static_cast<int>(take), buf, size);
}

bool ReadPathPiece(const char* text, int length, int index, PathPieces& pieces)
{
    auto fail = [&pieces] {
        pieces.broken = true;
        pieces.path.clear();
        return false;
    };
    if (pieces.broken || index < 0 || length < 2) return fail();
    const int bytes = GetHex(text);
    if (bytes <= 0 || bytes > PieceBytes || length < 2 + 2 * bytes) return fail();
    std::uint8_t piece[PieceBytes];
    int used = 0;
    if (ReadHexRecord(text, piece, bytes, used) != HexRecordRead::Read) return fail();
    if (index == 0) {
        if (bytes <= LengthBytes) return fail();
        pieces.length = GetLE(piece, LengthBytes);
        pieces.path.assign(reinterpret_cast<const char*>(piece + LengthBytes), bytes - LengthBytes);
    } else {
        // Each piece follows the whole ones before it.
        if (pieces.path.size() != std::size_t(index) * PieceBytes - LengthBytes) return fail();
        pieces.path.append(reinterpret_cast<const char*>(piece), bytes);
    }
    if (pieces.path.size() > pieces.length) return fail();
    return true;
}
