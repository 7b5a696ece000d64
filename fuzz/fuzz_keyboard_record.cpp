// The Keyboard's record of a studio line on arbitrary text: whatever the hex
// record holds, the Keyboard it gives starts on a C the settings dialog can
// choose, ends on a white key at most seven octaves on, holds every note it
// was given within those bounds, and has a typing method and label rows it
// knows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/components/keyboard/keyboard_range.h"
#include "app/components/keyboard/keyboard_record.h"
#include "core/services/error.h"
#include "core/services/hex_record.h"
#include "fuzz/quiet_errors.h"

using namespace KeyboardLayout;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint8_t bytes[KeyboardRecord::Size];
    int used = 0;
    if (!FromString(text.c_str(), bytes, KeyboardRecord::Size, used)) return 0;
    KeyboardRecord stored;
    stored.Decode(bytes);
    const KeyboardRecord r = stored.Sane();
    const Range range = MakeRange(r.FirstNote, r.KeyCount);
    if (!IsC(r.FirstNote) || r.FirstNote < LowestStart || r.FirstNote > HighestStart) std::abort();
    if (r.KeyCount < 1 || r.KeyCount > MostKeys || IsBlackKey(r.FirstNote + r.KeyCount - 1)) std::abort();
    if (range.FirstNote != r.FirstNote || range.KeyCount != r.KeyCount || range.WhiteUnits <= 0) std::abort();
    const long long wantedLast = static_cast<long long>(stored.FirstNote) + stored.KeyCount - 1;
    if (stored.FirstNote >= LowestStart && stored.FirstNote <= HighestStart && stored.KeyCount > 0 &&
        wantedLast < stored.FirstNote - FromC(stored.FirstNote) + MostKeys &&
        (stored.FirstNote < r.FirstNote || wantedLast > r.FirstNote + r.KeyCount - 1))
        std::abort();
    if ((r.TypingMethod != 0 && r.TypingMethod != 1) || (r.LabelFlags & ~3)) std::abort();
    return 0;
}
