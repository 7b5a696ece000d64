#include "cli/input_lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::size_t Block = 64 * 1024;

}  // namespace

// Room for the longest line that is kept with its line end, a whole block
// behind it, and a byte behind a last line without a line end.
InputLines::InputLines() : buffer_(MaxLine + 1 + Block + 1) {}

bool InputLines::Fill()
{
    if (atEnd_) return false;
    std::fflush(stdout);
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer_.data() + end_, buffer_.size() - 1 - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        failed_ = got < 0;
        atEnd_ = true;
        return false;
    }
}

void InputLines::SkipRestOfLine()
{
    for (;;) {
        const char* start = buffer_.data() + begin_;
        if (const void* lineEnd = std::memchr(start, '\n', end_ - begin_)) {
            begin_ += static_cast<std::size_t>(static_cast<const char*>(lineEnd) - start) + 1;
            return;
        }
        begin_ = end_ = 0;
        if (!Fill()) return;
    }
}

InputLines::Read InputLines::Next(std::span<char>& line)
{
    std::size_t searched = begin_;
    for (;;) {
        char* data = buffer_.data();
        const void* lineEnd = std::memchr(data + searched, '\n', end_ - searched);
        const bool complete = lineEnd != nullptr || atEnd_;
        const std::size_t length =
            lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) - data) - begin_ : end_ - begin_;
        if (length > MaxLine) {
            if (!complete)
                SkipRestOfLine();
            else
                begin_ += length + (lineEnd ? 1 : 0);
            return Read::TooLong;
        }
        if (complete) {
            if (!lineEnd && length == 0) return Read::End;
            line = std::span<char>(data + begin_, length);
            if (!line.empty() && line.back() == '\r') line = line.first(length - 1);
            begin_ += length + (lineEnd ? 1 : 0);
            return Read::Line;
        }
        // The search goes on behind what has been searched, which Fill moves to the front.
        const std::size_t pending = end_ - begin_;
        Fill();
        searched = begin_ + pending;
    }
}
