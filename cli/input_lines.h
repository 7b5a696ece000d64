#pragma once
// The lines of standard input, as the batch commands read them: in large
// blocks, without a line end (LF, or CR LF), each line on its own.

#include <cstddef>
#include <span>
#include <vector>

class InputLines {
public:
    // A chord line is a few dozen bytes; a longer one than this is an error
    // for that line, and the input is not held in memory to find its end.
    static constexpr std::size_t MaxLine = 64 * 1024;

    enum class Read { Line, TooLong, End };

    InputLines();
    // The next line; it stays valid until the next call, and the caller may
    // change its bytes and the one byte behind it. Before waiting for more
    // input, what has been written to standard output goes out, so that a
    // program that writes a line and waits for its answer gets it.
    Read Next(std::span<char>& line);
    // Whether reading stopped on an error rather than at the end.
    bool Failed() const { return failed_; }

private:
    // Reads more behind what is held; false at the end or on an error.
    bool Fill();
    // Drops the rest of a line that is too long, up to and with its line end.
    void SkipRestOfLine();

    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first byte not yet handed out
    std::size_t end_ = 0;    // behind the last byte read
    bool atEnd_ = false;
    bool failed_ = false;
};
