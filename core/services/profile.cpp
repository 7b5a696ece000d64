#include "core/services/profile.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/services/atomic_file.h"
#include "core/services/folder_lock.h"
#include "core/services/profile_document.h"

namespace {

// One change a caller made, kept until it is on disk, so that it can be made
// again on a copy another process wrote in the meantime.
struct ProfileChange {
    enum class Kind { Set, DeleteKey, DeleteSection };
    Kind kind;
    std::string section;
    std::string key;
    std::string value;

    // True when the document changed.
    bool ApplyTo(ProfileDocument& document) const
    {
        switch (kind) {
        case Kind::Set: document.Set(section, key, value); return true;
        case Kind::DeleteKey: return document.DeleteKey(section, key);
        case Kind::DeleteSection: return document.DeleteSection(section);
        }
        return false;
    }
};

struct CachedFile {
    ProfileDocument document;
    FileIdentity identity;  // of the disk copy the document matches
    bool dirty = false;
    std::vector<ProfileChange> pending;  // made since that disk copy was read
    // The file is there but could not be read: the empty document stands for
    // nothing, and writing it would replace every entry.
    bool unreadable = false;
};

struct ProfileCache {
    std::mutex mutex;
    std::unordered_map<std::string, CachedFile> files;  // by absolute path
    int batchDepth = 0;
    bool batchRefused = false;  // a write of the running batch was refused
    std::function<void()> scheduler;
    std::size_t rewrites = 0;
    bool changesStayInMemory = false;
};

ProfileCache& Cache()
{
    static ProfileCache cache;
    return cache;
}

// A real settings or studio file has far fewer lines than this; each line
// costs more to hold parsed than it takes on disk, so a file of little but
// line ends (within the size bound) would take gigabytes. Not read.
constexpr std::size_t ParsedLineLimit = std::size_t(1) << 20;

bool HasTooManyLines(std::string_view bytes)
{
    return std::size_t(std::count(bytes.begin(), bytes.end(), '\n')) > ParsedLineLimit;
}

// One cache entry per file however the caller spells its path.
bool IsNormalAbsolutePath(std::string_view file)
{
    return file.starts_with('/') && file.find("//") == std::string_view::npos &&
           file.find("/./") == std::string_view::npos && file.find("/../") == std::string_view::npos &&
           !file.ends_with("/.") && !file.ends_with("/..");
}

std::string CacheKey(std::string_view file)
{
    if (IsNormalAbsolutePath(file)) return std::string(file);  // the usual case, and a cheap one
    std::filesystem::path path(file);
    if (path.is_relative()) {
        std::error_code ignored;
        auto absolute = std::filesystem::absolute(path, ignored);
        if (!absolute.empty()) path = std::move(absolute);
    }
    return path.lexically_normal().string();
}

// The parsed copy of path, read again when the file changed on disk since.
// Pending changes of our own win over a change made outside. A file that has
// gone (deleted, or its folder with it) keeps the copy read before: it holds
// everything the program loaded, and the next rewrite puts all of it back
// rather than an empty file with one key. Lock held.
CachedFile& Load(ProfileCache& cache, const std::string& path)
{
    auto it = cache.files.find(path);
    if (it != cache.files.end()) {
        if (it->second.dirty) return it->second;
        const FileIdentity onDisk = IdentityOf(path);
        if (it->second.identity == onDisk || (!onDisk.exists && !it->second.unreadable)) return it->second;
    }
    CachedFile& file = cache.files[path];
    std::string bytes;
    file.unreadable = !ReadWholeFile(path, bytes, file.identity) && IdentityOf(path).exists;
    if (HasTooManyLines(bytes)) {
        file.unreadable = true;
        bytes.clear();
    }
    file.document = ProfileDocument::Parse(bytes);
    file.dirty = false;
    file.pending.clear();
    return file;
}

// Writes the pending changes of path to disk, under the folder lock that
// every process of ours takes for it: the file is read again under the lock,
// and when another process has rewritten it since our copy was read, our
// changes are made again on its copy, so that neither loses the other's keys.
// A file that has gone is written whole from our copy, and a folder that has
// gone is made again. A failed rewrite drops the parsed copy, so memory again
// agrees with the old file that is still on disk (a copy of a file that has
// gone is kept for the next write). Cache lock held.
bool Rewrite(ProfileCache& cache, const std::string& path)
{
    auto it = cache.files.find(path);
    if (it == cache.files.end() || !it->second.dirty) return true;
    if (cache.changesStayInMemory) return true;
    CachedFile& file = it->second;
    const std::string folder = ReplacementFolder(path);
    std::error_code ignored;
    if (!std::filesystem::exists(folder, ignored)) std::filesystem::create_directories(folder, ignored);

    FolderLock lock(folder);
    const FileIdentity onDisk = IdentityOf(path);
    if (onDisk.exists && onDisk != file.identity) {
        std::string bytes;
        FileIdentity read;
        if (!ReadWholeFile(path, bytes, read) || HasTooManyLines(bytes)) {
            cache.files.erase(it);
            return false;
        }
        ProfileDocument current = ProfileDocument::Parse(bytes);
        for (const ProfileChange& change : file.pending) change.ApplyTo(current);
        file.document = std::move(current);
    }
    FileIdentity written;
    if (!ReplaceFileAtomically(path, file.document.Serialize(), &written)) {
        // A copy read from a file that has gone since is all there is of it:
        // kept (with the failed changes) for the next write that can be made.
        if (onDisk.exists || !file.identity.exists) {
            cache.files.erase(it);
        } else {
            file.dirty = false;
            file.pending.clear();
        }
        return false;
    }
    RemoveStaleTemporaries(path);
    ++cache.rewrites;
    file.identity = written;
    file.dirty = false;
    file.pending.clear();
    return true;
}

bool RewriteAll(ProfileCache& cache)
{
    std::vector<std::string> dirty;
    for (const auto& [path, file] : cache.files)
        if (file.dirty) dirty.push_back(path);
    bool ok = true;
    for (const auto& path : dirty) ok = Rewrite(cache, path) && ok;
    return ok;
}

// Names and values that could not be read back as written are refused.
bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool IsWritableSection(std::string_view section)
{
    section = TrimProfileBlanks(section);
    return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key)
{
    key = TrimProfileBlanks(key);
    return !key.empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos && key.front() != '[' &&
           key.front() != ';';
}

// Makes change on the parsed copy of file, then writes at once, or leaves it
// to the batch or the installed scheduler.
bool ChangeFile(const char* file, ProfileChange change)
{
    ProfileCache& cache = Cache();
    const std::string path = CacheKey(file);
    std::function<void()> schedule;
    bool ok = true;
    {
        std::lock_guard lock(cache.mutex);
        CachedFile& cached = Load(cache, path);
        if (cached.unreadable) {
            if (cache.batchDepth > 0) cache.batchRefused = true;
            return false;
        }
        if (!change.ApplyTo(cached.document)) return true;
        cached.pending.push_back(std::move(change));
        const bool wasDirty = cached.dirty;
        cached.dirty = true;
        if (cache.batchDepth > 0) return true;
        if (cache.scheduler) {
            if (!wasDirty) schedule = cache.scheduler;
        } else {
            ok = Rewrite(cache, path);
        }
    }
    if (schedule) schedule();
    return ok;
}

// Runs read on the current parsed copy of file, under the lock.
template <typename Read>
auto ReadDocument(std::string_view file, Read read)
{
    ProfileCache& cache = Cache();
    const std::string path = CacheKey(file);
    std::lock_guard lock(cache.mutex);
    return read(std::as_const(Load(cache, path).document));
}

// The leading decimal integer (optional sign) of text, 0 when there is none;
// out-of-range values saturate.
int LeadingInteger(const char* p)
{
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long number = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        number = std::min(number * 10 + (*p - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative) number = -number;
    return static_cast<int>(std::min(number, static_cast<long long>(INT_MAX)));
}

// Names joined by zeros and ended by two, cut to fit like the Windows call.
std::size_t CopyNameList(const std::vector<std::string>& names, char* out, std::size_t size)
{
    std::string list;
    for (const auto& name : names) list.append(name).push_back('\0');
    if (list.size() + 1 <= size) {
        std::memcpy(out, list.data(), list.size());
        out[list.size()] = '\0';
        return list.empty() ? 0 : list.size() - 1;
    }
    if (size < 2) {
        out[0] = '\0';
        return 0;
    }
    std::memcpy(out, list.data(), size - 2);
    out[size - 2] = '\0';
    out[size - 1] = '\0';
    return size - 2;
}

}  // namespace

std::string GetProfileString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def)
{
    return ReadDocument(file, [&](const ProfileDocument& doc) {
        const std::string* value = doc.Find(section, key);
        return value != nullptr ? *value : def;
    });
}

std::size_t GetPrivateProfileString(const char* section, const char* key, const char* def, char* out, std::size_t size,
                                    const char* file)
{
    if (out == nullptr || size == 0) return 0;
    const bool haveFile = file != nullptr && *file != '\0';
    if (haveFile && section == nullptr) return CopyNameList(GetProfileSectionNames(file), out, size);
    if (haveFile && key == nullptr) return CopyNameList(GetProfileKeyNames(file, section), out, size);
    auto copy = [&](std::string_view value) {
        const std::size_t copied = value.size() < size - 1 ? value.size() : size - 1;
        std::memcpy(out, value.data(), copied);
        out[copied] = '\0';
        return copied;
    };
    const std::string_view fallback = def != nullptr ? def : "";
    if (!haveFile || section == nullptr || key == nullptr) return copy(fallback);
    return ReadDocument(file, [&](const ProfileDocument& doc) {
        const std::string* value = doc.Find(section, key);
        return copy(value != nullptr ? std::string_view(*value) : fallback);
    });
}

int GetPrivateProfileInt(const char* section, const char* key, int def, const char* file)
{
    if (section == nullptr || key == nullptr || file == nullptr || *file == '\0') return def;
    return ReadDocument(file, [&](const ProfileDocument& doc) {
        const std::string* value = doc.Find(section, key);
        return value != nullptr ? LeadingInteger(value->c_str()) : def;
    });
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file)
{
    if (file == nullptr || *file == '\0') return false;
    if (section == nullptr) {
        if (key != nullptr || value != nullptr) return false;
        ProfileCache& cache = Cache();
        const std::string path = CacheKey(file);
        std::lock_guard lock(cache.mutex);
        return Rewrite(cache, path);
    }
    using Kind = ProfileChange::Kind;
    if (key == nullptr) return ChangeFile(file, {Kind::DeleteSection, section, {}, {}});
    if (value == nullptr) return ChangeFile(file, {Kind::DeleteKey, section, key, {}});
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreak(value)) return false;
    // Always a change, even to the same value: a write must really reach the
    // disk.
    return ChangeFile(file, {Kind::Set, section, key, value});
}

bool WriteProfileSection(const char* section, const std::vector<std::pair<std::string, std::string>>& entries,
                         const char* file)
{
    if (section == nullptr || file == nullptr || *file == '\0' || !IsWritableSection(section)) return false;
    for (const auto& [key, value] : entries)
        if (!IsWritableKey(key) || HasLineBreak(value)) return false;
    ProfileCache& cache = Cache();
    const std::string path = CacheKey(file);
    std::lock_guard lock(cache.mutex);
    CachedFile& cached = Load(cache, path);
    if (cached.unreadable) return false;
    cached.document.ReplaceEntries(section, entries);
    cached.dirty = true;
    return Rewrite(cache, path);
}

std::vector<std::string> GetProfileSectionNames(const std::string& file)
{
    return ReadDocument(file, [](const ProfileDocument& doc) { return doc.SectionNames(); });
}

std::vector<std::string> GetProfileKeyNames(const std::string& file, const std::string& section)
{
    return ReadDocument(file, [&](const ProfileDocument& doc) { return doc.KeyNames(section); });
}

bool FlushProfiles()
{
    ProfileCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    return RewriteAll(cache);
}

void ForgetProfiles()
{
    ProfileCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    RewriteAll(cache);
    cache.files.clear();
}

ProfileBatch::ProfileBatch()
{
    std::lock_guard lock(Cache().mutex);
    if (Cache().batchDepth++ == 0) Cache().batchRefused = false;
}

ProfileBatch::~ProfileBatch()
{
    ProfileCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    // Only the outermost batch writes: nested ones belong to its burst.
    if (--cache.batchDepth == 0) RewriteAll(cache);
}

bool ProfileBatch::Commit()
{
    bool refused = false;
    {
        std::lock_guard lock(Cache().mutex);
        refused = Cache().batchRefused;
    }
    return FlushProfiles() && !refused;
}

void SetProfileFlushScheduler(std::function<void()> schedule)
{
    std::lock_guard lock(Cache().mutex);
    Cache().scheduler = std::move(schedule);
}

void SetProfileChangesStayInMemory(bool stay)
{
    std::lock_guard lock(Cache().mutex);
    Cache().changesStayInMemory = stay;
}

std::size_t ProfileRewriteCount()
{
    std::lock_guard lock(Cache().mutex);
    return Cache().rewrites;
}
