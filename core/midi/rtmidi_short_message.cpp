#include "core/midi/rtmidi_short_message.h"

namespace RtMidiBridge {

namespace {

// Bytes a message with this status byte has; 0 for long data (system
// exclusive) and for bytes that are no status.
int ShortMessageLength(std::uint8_t status)
{
    if (status < 0x80) return 0;
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0: return 2;
    case 0xF0: break;
    default: return 3;
    }
    switch (status) {
    case 0xF0: return 0;
    case 0xF1:
    case 0xF3: return 2;
    case 0xF2: return 3;
    default: return 1;
    }
}

}  // namespace

bool ReadShortMessage(const std::vector<unsigned char>* bytes, std::chrono::steady_clock::time_point start,
                      MidiInputMessage& m)
{
    if (!bytes || bytes->empty()) return false;
    const std::uint8_t status = (*bytes)[0];
    const int expected = ShortMessageLength(status);
    if (bytes->size() > 3 || (status >= 0x80 && expected == 0)) return false;  // long data
    m = {};
    for (std::size_t i = 0; i < bytes->size(); ++i) m.message |= static_cast<std::uint32_t>((*bytes)[i]) << (8 * i);
    m.invalid = expected != static_cast<int>(bytes->size());
    m.time = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    return true;
}

}  // namespace RtMidiBridge
