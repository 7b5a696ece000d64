#include "core/studio/studio_file_ending.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/services/hex_record.h"
#include "core/services/profile.h"
#include "core/theory/name_compare.h"

namespace {

// Only the last line of a file can be broken off; a line the program writes
// is far shorter than this.
constexpr std::size_t TailLength = 64 * 1024;

// Where the link ends lie in a component line: the base record's bytes
// start behind the placement record and the base record's own length.
constexpr int BaseBytesColumn = StudioFile::TypeIdColumn;
constexpr int LinkToOffset = 98;
constexpr int LinkFromOffset = 104;
constexpr int LinkSlots = 3;

// True, with the text of the file's last line, when the file does not end
// with a line end.
bool ReadUnendedLastLine(const std::string& path, std::string& line)
{
    line.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    bool unended = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        const std::size_t length = std::min<std::size_t>(std::size_t(st.st_size), TailLength);
        std::string tail(length, '\0');
        const ssize_t got = ::pread(fd, tail.data(), length, st.st_size - off_t(length));
        if (got == ssize_t(length) && tail.back() != '\n') {
            unended = true;
            const std::size_t lineEnd = tail.rfind('\n');
            line = lineEnd == std::string::npos ? tail : tail.substr(lineEnd + 1);
        }
    }
    ::close(fd);
    return unended;
}

bool IsLastSection(const std::string& path, const char* section)
{
    const std::vector<std::string> sections = GetProfileSectionNames(path);
    return !sections.empty() && SameNameIgnoringCase(sections.back().c_str(), section);
}

// Component n (1-based) and extra line j (0 for the component line itself)
// of a [Windows] key, or n = 0 for a key of neither kind.
void ParseWindowsKey(const std::string& key, int& n, int& j)
{
    n = j = 0;
    char* end = nullptr;
    const long component = std::strtol(key.c_str(), &end, 10);
    if (end == key.c_str() || component <= 0 || component > 1000000000) return;
    if (*end == '\0') {
        n = int(component);
    } else if (*end == '.') {
        const char* extraStart = end + 1;
        const long extra = std::strtol(extraStart, &end, 10);
        if (end != extraStart && *end == '\0' && extra > 0 && extra <= 1000000000) {
            n = int(component);
            j = int(extra);
        }
    }
}

// Drops the [Windows] line the file breaks off in, when it is one of a
// component or of its extra lines.
void DropBrokenOffLine(const std::string& path, StudioFileContents& contents)
{
    const std::vector<std::string> keys = GetProfileKeyNames(path, StudioFile::Windows);
    if (keys.empty()) return;
    int n = 0, j = 0;
    ParseWindowsKey(keys.back(), n, j);
    auto& components = contents.components;
    if (n == 0 || std::size_t(n) > components.size()) return;
    if (j == 0) {
        components.resize(std::size_t(n - 1));
        return;
    }
    std::vector<std::string>& extra = components[std::size_t(n - 1)].extraLines;
    if (std::size_t(j) <= extra.size()) extra.resize(std::size_t(j - 1));
    components.resize(std::size_t(n));
}

int LinkEndAt(const std::string& line, int offset)
{
    if (line.size() < std::size_t(BaseBytesColumn) ||
        GetHex(line.c_str() + StudioFile::PlacementRecordLength) != BaseSettingsRecord::Size)
        return 0;
    const std::size_t column = std::size_t(BaseBytesColumn + 2 * offset);
    if (line.size() < column + 4) return 0;
    const int low = GetHex(line.c_str() + column);
    const int high = GetHex(line.c_str() + column + 2);
    if (low < 0 || high < 0) return 0;
    return static_cast<std::int16_t>(low | (high << 8));
}

bool LinksBeyond(const StudioComponentLine& component, int count)
{
    for (int slot = 0; slot < LinkSlots; ++slot)
        if (LinkEndAt(component.line, LinkToOffset + 2 * slot) > count ||
            LinkEndAt(component.line, LinkFromOffset + 2 * slot) > count)
            return true;
    return false;
}

}  // namespace

bool DropCutShortEnd(const std::string& path, StudioFileContents& contents)
{
    // The program writes the components' titles and palettes behind them: a
    // file whose components come last may have lost those and more.
    if (!IsLastSection(path, StudioFile::Windows)) return false;
    bool cutShort = false;
    std::string lastLine;
    if (ReadUnendedLastLine(path, lastLine)) {
        cutShort = true;
        // Broken off before its '=', the line gave no entry to drop.
        if (lastLine.find('=') != std::string::npos) DropBrokenOffLine(path, contents);
    }
    const auto& components = contents.components;
    const int count = int(components.size());
    if (std::any_of(components.begin(), components.end(),
                    [count](const StudioComponentLine& c) { return LinksBeyond(c, count); }))
        cutShort = true;
    return cutShort;
}
