#include "controls/window_placement_record.h"

#include <algorithm>
#include <array>

#include "core/services/hex_record.h"

namespace {

using Bytes = std::array<unsigned char, WindowPlacementRecord::Size>;

void Put(Bytes& bytes, int field, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[field * 4 + i] = static_cast<unsigned char>(bits >> (8 * i));
}

std::int32_t Get(const Bytes& bytes, int field)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes[field * 4 + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

}  // namespace

std::string WindowPlacementRecord::ToHex() const
{
    Bytes bytes{};
    Put(bytes, 0, Size);
    Put(bytes, 1, flags);
    Put(bytes, 2, showCommand);
    Put(bytes, 3, minimizedPosition.x());
    Put(bytes, 4, minimizedPosition.y());
    Put(bytes, 5, maximizedPosition.x());
    Put(bytes, 6, maximizedPosition.y());
    // Windows rectangles end one past the last pixel.
    Put(bytes, 7, normalPosition.left());
    Put(bytes, 8, normalPosition.top());
    Put(bytes, 9, normalPosition.left() + normalPosition.width());
    Put(bytes, 10, normalPosition.top() + normalPosition.height());
    char text[HexLength + 1];
    if (!ToString(bytes.data(), Size, text, sizeof text)) return {};
    return text;
}

int WindowPlacementRecord::FromHex(const char* text)
{
    Bytes bytes{};
    int used = 0;
    if (!text) return 0;
    // Two spare terminators, so that a text cut short inside a digit pair
    // is never read past its end.
    std::string padded(text);
    padded.append(2, '\0');
    if (!FromString(padded.c_str(), bytes.data(), Size, used)) return 0;
    flags = Get(bytes, 1);
    showCommand = Get(bytes, 2);
    minimizedPosition = QPoint(Get(bytes, 3), Get(bytes, 4));
    maximizedPosition = QPoint(Get(bytes, 5), Get(bytes, 6));
    // A damaged record may hold any numbers; keep them where arithmetic on
    // them cannot overflow.
    constexpr std::int32_t Limit = 1 << 24;
    const int left = std::clamp(Get(bytes, 7), -Limit, Limit);
    const int top = std::clamp(Get(bytes, 8), -Limit, Limit);
    const auto extent = [](std::int64_t from, std::int64_t to) {
        return static_cast<int>(std::clamp<std::int64_t>(to - from, 0, 1 << 20));
    };
    normalPosition = QRect(left, top, extent(left, Get(bytes, 9)), extent(top, Get(bytes, 10)));
    return 1;
}
