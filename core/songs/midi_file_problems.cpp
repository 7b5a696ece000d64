#include "core/songs/midi_file_problems.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/services/error.h"
#include "resources/core/core_strings.h"

namespace {

// Far beyond any song (a full orchestral score is a few hundred kilobytes);
// reading more would only hold the window up.
constexpr std::streamoff MidiFileSizeLimit = 64 * 1024 * 1024;

}  // namespace

MidiFileProblem MakeMidiFileProblem(int number, const std::string& file, const std::string& detail)
{
    MidiFileProblem problem;
    problem.number = number;
    problem.file = file;
    problem.detail = detail;
    const char* format = CoreStrings().Find(number);
    const std::string shownFile = file.empty() ? std::string("The file") : file;
    problem.text = format ? FormatMessage(format, shownFile.c_str(), detail.c_str()) : detail;
    return problem;
}

MidiFileReading ReadMidiSongFile(const std::string& path)
{
    MidiFileReading reading;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reading.problem = MakeMidiFileProblem(MidiFileCannotOpen, path, "it is a folder");
        return reading;
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        reading.problem = MakeMidiFileProblem(MidiFileCannotOpen, path, std::strerror(errno));
        return reading;
    }
    const std::streamoff size = in.tellg();
    if (size < 0) {
        reading.problem = MakeMidiFileProblem(MidiFileCannotOpen, path, "it cannot be read");
        return reading;
    }
    if (size > MidiFileSizeLimit) {
        reading.problem = MakeMidiFileProblem(MidiFileTooLarge, path, "it is larger than 64 MB");
        return reading;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        reading.problem = MakeMidiFileProblem(MidiFileCannotOpen, path, "it cannot be read");
        return reading;
    }
    reading = ReadMidiSong(bytes.data(), bytes.size());
    if (reading.problem) reading.problem = MakeMidiFileProblem(reading.problem->number, path, reading.problem->detail);
    return reading;
}

int ReportMidiFileProblem(const MidiFileProblem& problem)
{
    const std::string shownFile = problem.file.empty() ? std::string("The file") : problem.file;
    return Error(problem.number, shownFile.c_str(), problem.detail.c_str());
}
