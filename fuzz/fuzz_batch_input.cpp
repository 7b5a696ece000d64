// The input of the batch commands (cantrel-cli name --batch): any bytes on
// standard input give one chord per line, the last line also without a line
// end, each chord with at most 12 notes, all of them notes there are.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cli/chord_arguments.h"
#include "core/theory/chord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int quiet = open("/dev/null", O_WRONLY);  // the messages of bad lines
    const int input = memfd_create("batch-input", 0);
    if (input < 0 || quiet < 0) return 0;
    if (size > 0 && write(input, data, size) != static_cast<ssize_t>(size)) std::abort();
    lseek(input, 0, SEEK_SET);
    const int standardInput = dup(0), standardError = dup(2);
    dup2(input, 0);
    dup2(quiet, 2);

    long lines = 0;
    ForEachInputChord([&lines](const chord& c) {
        ++lines;
        if (c.CountNotes() > chord::Slots) std::abort();
        for (NOTES n : c.notes)
            if (n != NoNote && (n < LowestNote || n > HighestNote)) std::abort();
    });

    dup2(standardInput, 0);
    dup2(standardError, 2);
    close(standardInput);
    close(standardError);
    close(input);
    const long expected = std::count(data, data + size, '\n') + (size > 0 && data[size - 1] != '\n' ? 1 : 0);
    if (lines != expected) std::abort();
    return 0;
}
