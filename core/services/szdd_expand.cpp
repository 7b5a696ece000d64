#include "core/services/szdd.h"

#include <array>
#include <cstring>

#include "core/services/atomic_file.h"
#include "core/services/szdd_window.h"

namespace {

std::uint32_t ReadLength(std::string_view in)
{
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = length << 8 | static_cast<unsigned char>(in[10 + i]);
    return length;
}

// The most a stream can give: eight matches of 18 bytes for every 17 bytes.
constexpr std::uint64_t MaxExpansion = 9;

}  // namespace

bool IsSzdd(std::string_view bytes)
{
    return bytes.size() >= sizeof szdd::Signature &&
           std::memcmp(bytes.data(), szdd::Signature, sizeof szdd::Signature) == 0;
}

bool ExpandSzdd(std::string_view in, std::string& out)
{
    out.clear();
    if (in.size() < SzddHeaderSize || !IsSzdd(in) || in[8] != szdd::ModeLzss) return false;
    const std::uint32_t length = ReadLength(in);
    std::string_view data = in.substr(SzddHeaderSize);
    // A promise the data cannot keep is refused before anything is allocated.
    if (length > data.size() * MaxExpansion + szdd::MaxMatch) return false;
    out.reserve(length);

    std::array<char, szdd::WindowSize> window;
    window.fill(szdd::WindowFill);
    std::size_t position = szdd::FirstPosition;
    std::size_t next = 0;
    auto put = [&](char c) {
        out.push_back(c);
        window[position] = c;
        position = (position + 1) & szdd::WindowMask;
    };

    while (out.size() < length) {
        if (next >= data.size()) break;
        const unsigned control = static_cast<unsigned char>(data[next++]);
        for (int bit = 0; bit < 8 && out.size() < length; ++bit) {
            if (control & (1u << bit)) {
                if (next >= data.size()) break;
                put(data[next++]);
                continue;
            }
            if (next + 1 >= data.size()) {
                next = data.size();
                break;
            }
            const unsigned low = static_cast<unsigned char>(data[next]);
            const unsigned high = static_cast<unsigned char>(data[next + 1]);
            next += 2;
            std::size_t from = low | (high & 0xF0u) << 4;
            const std::size_t count = (high & 0x0Fu) + szdd::MinMatch;
            for (std::size_t k = 0; k < count && out.size() < length; ++k) {
                put(window[from]);
                from = (from + 1) & szdd::WindowMask;
            }
        }
    }
    if (out.size() != length) {
        out.clear();
        return false;
    }
    return true;
}

int ExpandFile(const char* source, const char* destination)
{
    if (source == nullptr || destination == nullptr) return 0;
    std::string bytes;
    FileIdentity ignored;
    if (!ReadWholeFile(source, bytes, ignored)) return 0;
    if (!IsSzdd(bytes)) return ReplaceFileAtomically(destination, bytes) ? 1 : 0;
    std::string expanded;
    if (!ExpandSzdd(bytes, expanded)) return 0;
    return ReplaceFileAtomically(destination, expanded) ? 1 : 0;
}
