#include "cli/chord_box_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/services/error.h"
#include "core/theory/chord_box_svg.h"

namespace {

// The whole file, or none: a file cut short (a full disk) is removed.
bool WriteFile(const std::string& path, const std::string& bytes, int& problem)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        problem = errno;
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    problem = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    if (written) problem = errno;
    std::remove(path.c_str());
    return false;
}

}  // namespace

std::string ChordBoxFileName(std::size_t rank, std::size_t count)
{
    const std::size_t digits = std::max<std::size_t>(2, std::to_string(count).size());
    std::string number = std::to_string(rank);
    return std::string(digits > number.size() ? digits - number.size() : 0, '0') + number + ".svg";
}

bool WriteChordBoxFiles(const std::string& folder, const std::vector<Fingering>& fingerings, int capo,
                        ChordBoxHand hand)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        Error(470, folder.c_str(), made.message().c_str());
        return false;
    }
    for (std::size_t i = 0; i < fingerings.size(); ++i) {
        const std::string path = (std::filesystem::path(folder) / ChordBoxFileName(i + 1, fingerings.size())).string();
        int problem = 0;
        if (!WriteFile(path, ChordBoxSvg(DrawChordBox(fingerings[i], capo, hand)), problem)) {
            Error(471, path.c_str(), problem ? std::strerror(problem) : "the file could not be written");
            return false;
        }
    }
    return true;
}
