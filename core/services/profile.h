#pragma once
// Sectioned key=value settings files ("profile" files), read and written
// entry by entry. Sections and keys match without regard to case; a missing
// file or key gives the default. Each file is kept parsed in memory and
// rewritten atomically (temporary file in the same folder, then rename), so
// the old file stays whole until the new one is complete. Every rewrite holds
// an advisory lock shared by all processes of ours and makes the caller's
// changes on the file as it is on disk at that moment, so that two processes
// writing different keys of one file never lose each other's.
//
// Writes go to disk at once, except inside a ProfileBatch or while a flush
// scheduler is installed: then a burst of writes costs one rewrite.

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Value of key in section, or def. Surrounding blanks of the value are dropped.
std::string GetProfileString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def);

// Windows-style form: copies at most size - 1 characters into out and returns
// how many were copied.
std::size_t GetPrivateProfileString(const char* section, const char* key, const char* def, char* out, std::size_t size,
                                    const char* file);

// Leading decimal integer of the value (optional sign), or def when the key is
// missing; a value that does not start with a number gives 0.
int GetPrivateProfileInt(const char* section, const char* key, int def, const char* file);

// section and key given, value given: sets the key (adding section and key at
// the end when new). value null: deletes the key. key null: deletes the whole
// section. All three null: writes every pending change of file to disk.
// Returns false when the change could not be made or written.
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file);

// Replaces every entry of section with entries ("key=value", the value
// written as given, blanks and all) in one atomic rewrite that reaches the
// disk before this returns; the rest of the file stays byte for byte, and the
// section keeps its place and comments. False, with the file as it was, when
// an entry could not be read back or the rewrite failed.
bool WriteProfileSection(const char* section, const std::vector<std::pair<std::string, std::string>>& entries,
                         const char* file);

// The names of all sections, and of all keys of one section, in file order.
std::vector<std::string> GetProfileSectionNames(const std::string& file);
std::vector<std::string> GetProfileKeyNames(const std::string& file, const std::string& section);

// Writes every pending change of every file; false when any rewrite failed.
bool FlushProfiles();

// Drops the parsed copies (the next read goes to disk). Pending changes are
// written first.
void ForgetProfiles();

// While a batch lives, writes stay in memory; its end (or Commit) writes each
// changed file once.
class ProfileBatch {
public:
    ProfileBatch();
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;
    // Writes now; false when a rewrite failed or a write of the batch was
    // refused (a file that cannot be read as settings).
    bool Commit();
};

// The program installs a scheduler that flushes before it waits for the user
// again; it is called once each time a file first gets a pending change.
void SetProfileFlushScheduler(std::function<void()> schedule);

// A run that must leave the settings files as they are (the command line's
// reading commands) keeps every change in its parsed copies, where reads see
// it, and never writes them to disk.
void SetProfileChangesStayInMemory(bool stay);

// Diagnostics: how many times a profile file has been rewritten in this run.
std::size_t ProfileRewriteCount();
