#include "core/services/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity IdentityFromStat(const struct stat& st)
{
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    id.size = static_cast<std::int64_t>(st.st_size);
    id.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return id;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Where the bytes must go: the target of a symbolic link, else path itself.
std::string ResolveTarget(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

// The process's file-creation mask, read without changing it (setting it to
// find out would race with other threads creating files).
mode_t ModeForNewFile()
{
    mode_t mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

struct TargetParts {
    std::string folder;  // ending in '/'
    std::string name;
};

TargetParts SplitTarget(const std::string& path)
{
    const std::string target = ResolveTarget(path);
    const auto slash = target.rfind('/');
    if (slash == std::string::npos) return {"./", target};
    return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

// mkostemp's pattern: "." name "." and six letters or digits.
constexpr char TemporarySuffix[] = ".XXXXXX";
constexpr std::size_t TemporaryRandomLength = 6;

bool IsTemporaryOf(const std::string& entry, const std::string& name)
{
    const std::size_t prefix = 1 + name.size() + 1;
    if (entry.size() != prefix + TemporaryRandomLength || entry[0] != '.' || entry.compare(1, name.size(), name) != 0 ||
        entry[prefix - 1] != '.')
        return false;
    for (std::size_t i = prefix; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileIdentity IdentityOf(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return {};
    return IdentityFromStat(st);
}

bool IsTooLargeToRead(const std::string& path) { return IdentityOf(path).size > WholeFileReadLimit; }

bool ReadWholeFile(const std::string& path, std::string& bytes, FileIdentity& identity)
{
    bytes.clear();
    identity = {};
    // Non-blocking, so that a pipe in the file's place does not wait for a
    // writer; it is then refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > WholeFileReadLimit) {
        ::close(fd);
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<std::int64_t>(bytes.size()) > WholeFileReadLimit) {
            ::close(fd);
            bytes.clear();
            bytes.shrink_to_fit();
            return false;
        }
    }
    identity = IdentityFromStat(st);
    ::close(fd);
    return true;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileIdentity* written)
{
    if (path.empty()) return false;
    const auto [folder, name] = SplitTarget(path);
    if (name.empty()) return false;
    const std::string target = folder + name;

    // A file its owner made read-only stays as it is, as it would if it were
    // written in place; the folder being writable is not enough.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;

    std::string temporary = folder + "." + name + TemporarySuffix;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;

    struct stat old;
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : ModeForNewFile();
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    if (written != nullptr) *written = IdentityOf(target);
    return true;
}

std::string ReplacementFolder(const std::string& path) { return SplitTarget(path).folder; }

void RemoveStaleTemporaries(const std::string& path)
{
    const auto [folder, name] = SplitTarget(path);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const uid_t self = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        // Only regular files of our own user: never another user's file
        // that happens to match the name.
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == self)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}
