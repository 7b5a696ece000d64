#include "cli/channel_list.h"

#include <charconv>

namespace {

bool ReadChannel(const std::string& text, int& channel)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, channel);
    return error == std::errc() && stop == end && channel >= 1 && channel <= 16;
}

}  // namespace

bool ReadChannelList(const std::string& text, std::uint16_t& channels, std::string& problem)
{
    channels = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string item = text.substr(at, comma - at);
        const std::size_t dash = item.find('-');
        int first = 0, last = 0;
        const bool read = dash == std::string::npos
                              ? ReadChannel(item, first) && ReadChannel(item, last)
                              : ReadChannel(item.substr(0, dash), first) && ReadChannel(item.substr(dash + 1), last);
        if (!read || first > last) {
            problem = "--channels takes channels 1 to 16 such as 1,2,5-8, not '" + text + "'";
            return false;
        }
        for (int c = first; c <= last; ++c) channels |= static_cast<std::uint16_t>(1u << (c - 1));
        at = comma + 1;
    }
    return true;
}
