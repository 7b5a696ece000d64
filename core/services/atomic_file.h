#pragma once
// Whole-file reads and atomic replacement, with the on-disk identity that
// tells a cached copy whether the file has changed since.

#include <cstdint>
#include <string>
#include <string_view>

struct FileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::string& path);

// No settings or studio file comes near this size; a larger file is taken
// for something else and never read into memory.
constexpr std::int64_t WholeFileReadLimit = std::int64_t(64) << 20;

// Reads the whole regular file. False (bytes empty, identity "missing") when
// it cannot be opened, is not a regular file or is larger than
// WholeFileReadLimit (found before reading, and again should it grow).
bool ReadWholeFile(const std::string& path, std::string& bytes, FileIdentity& identity);

// True when path is a file larger than WholeFileReadLimit.
bool IsTooLargeToRead(const std::string& path);

// Writes bytes to a temporary file in the same folder, flushes it to disk and
// renames it over path, so that path is at every moment either the old file
// or the complete new one. A symbolic link is followed, not replaced. The
// file keeps its permission bits; a new one gets the usual ones (umask).
// False when any step fails; path is then untouched and no temporary file is
// left behind (unless the process dies in between).
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileIdentity* written = nullptr);

// The folder that a replacement of path writes into (that of a symbolic
// link's target), ending in '/'.
std::string ReplacementFolder(const std::string& path);

// Removes the temporary files that replacements of path left behind when
// their process was killed between writing and renaming. Only safe while no
// other replacement of path can be under way (the caller holds the
// FolderLock that every writer of ours takes).
void RemoveStaleTemporaries(const std::string& path);
