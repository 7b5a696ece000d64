#include "core/services/szdd.h"

#include <algorithm>
#include <vector>

#include "core/services/szdd_window.h"

namespace {

constexpr std::size_t HashSize = 1 << 12;
constexpr int MaxChain = 256;
// The source of a match must not be overwritten while it is copied.
constexpr std::size_t MaxDistance = szdd::WindowSize - szdd::MaxMatch;

std::size_t Hash(std::string_view in, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(in[at + i]); };
    return (b(0) << 8 ^ b(1) << 4 ^ b(2)) & (HashSize - 1);
}

void PutLength(std::string& out, std::size_t length)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(length >> (8 * i) & 0xFF));
}

}  // namespace

std::string CompressSzdd(std::string_view in, char missingChar)
{
    std::string out(szdd::Signature, sizeof szdd::Signature);
    out.push_back(szdd::ModeLzss);
    out.push_back(missingChar);
    PutLength(out, in.size());

    // Hash chains over the input: head of each 3-byte prefix, then earlier ones.
    std::vector<std::ptrdiff_t> head(HashSize, -1);
    std::vector<std::ptrdiff_t> previous(in.size(), -1);
    auto remember = [&](std::size_t at) {
        if (at + szdd::MinMatch > in.size()) return;
        const std::size_t h = Hash(in, at);
        previous[at] = head[h];
        head[h] = static_cast<std::ptrdiff_t>(at);
    };

    std::size_t at = 0;
    while (at < in.size()) {
        const std::size_t controlAt = out.size();
        out.push_back('\0');
        unsigned control = 0;
        for (int bit = 0; bit < 8 && at < in.size(); ++bit) {
            std::size_t bestLength = 0;
            std::size_t bestFrom = 0;
            if (at + szdd::MinMatch <= in.size()) {
                const std::size_t limit = std::min(szdd::MaxMatch, in.size() - at);
                std::ptrdiff_t candidate = head[Hash(in, at)];
                for (int chain = 0; candidate >= 0 && chain < MaxChain; ++chain) {
                    const auto from = static_cast<std::size_t>(candidate);
                    if (at - from > MaxDistance) break;
                    std::size_t length = 0;
                    while (length < limit && in[from + length] == in[at + length]) ++length;
                    if (length > bestLength) {
                        bestLength = length;
                        bestFrom = from;
                        if (length == limit) break;
                    }
                    candidate = previous[from];
                }
            }
            if (bestLength >= szdd::MinMatch) {
                const std::size_t position = (szdd::FirstPosition + bestFrom) & szdd::WindowMask;
                out.push_back(static_cast<char>(position & 0xFF));
                out.push_back(static_cast<char>((position >> 4 & 0xF0) | (bestLength - szdd::MinMatch)));
                for (std::size_t k = 0; k < bestLength; ++k) remember(at + k);
                at += bestLength;
            } else {
                control |= 1u << bit;
                out.push_back(in[at]);
                remember(at);
                ++at;
            }
        }
        out[controlAt] = static_cast<char>(control);
    }
    return out;
}
