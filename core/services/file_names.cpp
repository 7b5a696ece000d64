#include "core/services/file_names.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/services/atomic_file.h"
#include "core/services/error.h"
#include "core/services/profile.h"

namespace {

constexpr int MessageIniMissing = 448;
constexpr int MessageIniNotWritable = 408;
constexpr char IniName[] = "cantrel.ini";
constexpr char SheetTemplateName[] = "TEMPLATE.!CD";
constexpr char StudioTemplateName[] = "TEMPLATE.!CT";

char iniFileName[PathSize];
char sheetTemplateFileName[PathSize];
char studioTemplateFileName[PathSize];
char libraryDirectory[PathSize];
char userSettingsDirectory[PathSize];

bool IsSeparator(char c) { return c == '/' || c == '\\' || c == ':'; }

// Copies text into a path buffer; false (buffer empty) when it does not fit,
// since a cut path names another file.
bool SetPath(char* out, const std::string& text)
{
    if (text.size() >= PathSize) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

std::string WithTrailingSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') folder.push_back('/');
    return folder;
}

// The settings file's folder, ending in a separator.
std::string FolderOf(const char* file)
{
    char folder[PathSize];
    std::snprintf(folder, sizeof folder, "%s", file);
    RemoveFilename(folder);
    return folder;
}

// Whether the settings file can be rewritten, found out without rewriting
// it: another process may be writing it at this moment, and a rewrite from a
// copy read now would undo that. A rewrite needs the file writable and its
// folder open to a new file (the atomic replacement). A missing file is
// created empty when that is allowed.
bool CanRewrite(const char* ini, SettingsAccess access)
{
    const std::string folder = FolderOf(ini);
    if (::faccessat(AT_FDCWD, folder.empty() ? "." : folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) return false;
    if (::faccessat(AT_FDCWD, ini, F_OK, AT_EACCESS) == 0)
        return ::faccessat(AT_FDCWD, ini, W_OK, AT_EACCESS) == 0 && Exists(ini);
    if (access == SettingsAccess::ReadOnly) return true;
    // O_EXCL: a file another process has just made is left alone.
    const int fd = ::open(ini, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EEXIST;
}

// Whether folder exists or could be made: its nearest existing ancestor is a
// folder that can be written.
bool CouldMakeFolder(const std::string& folder)
{
    std::filesystem::path path(folder);
    std::error_code error;
    while (!path.empty() && !std::filesystem::exists(path, error)) {
        if (error) return false;  // a path below a regular file
        if (path == path.parent_path()) break;
        path = path.parent_path();
    }
    return std::filesystem::is_directory(path, error) &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// A read-only installation would otherwise start from an empty per-user
// file and lose every definition.
void SeedFrom(const std::string& source, const std::string& destination)
{
    std::string bytes;
    FileIdentity ignored;
    if (ReadWholeFile(source, bytes, ignored)) ReplaceFileAtomically(destination, bytes);
}

// [Templates] key, by default name in the settings folder. When the settings
// file is the per-user copy, the default template lies beside the library
// (which is where the installation puts it), unless the user has one.
void ReadTemplatePath(const char* key, const char* name, char* out)
{
    const std::string settingsCopy = FolderOf(iniFileName) + name;
    std::string fallback = settingsCopy;
    if (!Exists(settingsCopy.c_str())) {
        const std::string libraryCopy = std::string(GetLibraryDirectory()) + name;
        if (Exists(libraryCopy.c_str())) fallback = libraryCopy;
    }
    GetPrivateProfileString("Templates", key, fallback.c_str(), out, PathSize, iniFileName);
}

void ReadTemplatePaths()
{
    ReadTemplatePath("Sheet", SheetTemplateName, sheetTemplateFileName);
    ReadTemplatePath("Studio", StudioTemplateName, studioTemplateFileName);
}

}  // namespace

const char* GetLibraryDirectory()
{
    // CANTREL_LIBRARY_DIR stands in for the library's folder (tests use it to
    // point at scratch folders).
    const char* overridden = std::getenv("CANTREL_LIBRARY_DIR");
    if (overridden != nullptr && *overridden != '\0') {
        SetPath(libraryDirectory, WithTrailingSlash(overridden));
        return libraryDirectory;
    }
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&GetLibraryDirectory), &info) == 0 || info.dli_fname == nullptr) {
        libraryDirectory[0] = '\0';
        return libraryDirectory;
    }
    std::error_code ignored;
    std::filesystem::path module = std::filesystem::absolute(info.dli_fname, ignored);
    SetPath(libraryDirectory, WithTrailingSlash(module.parent_path().string()));
    return libraryDirectory;
}

const char* GetUserSettingsDirectory()
{
    std::string base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        base = config;  // a relative value is to be ignored
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || *home == '\0') {
            const passwd* user = ::getpwuid(::getuid());
            home = user != nullptr ? user->pw_dir : "";
        }
        base = std::string(home) + "/.config";
    }
    SetPath(userSettingsDirectory, WithTrailingSlash(base) + "cantrel/");
    return userSettingsDirectory;
}

bool InitializeFileNames(SettingsAccess access)
{
    iniFileName[0] = sheetTemplateFileName[0] = studioTemplateFileName[0] = '\0';
    // An unknown folder (too long a path, no home) is no place at all, never
    // the working directory.
    const std::string libraryFolder = GetLibraryDirectory();
    const std::string userFolder = GetUserSettingsDirectory();
    const std::string libraryIni = libraryFolder.empty() ? std::string() : libraryFolder + IniName;
    const std::string userIni = userFolder.empty() ? std::string() : userFolder + IniName;
    const bool libraryCopyExists = Exists(libraryIni.c_str()) != 0;
    const bool userCopyExists = Exists(userIni.c_str()) != 0;

    if (!libraryCopyExists && !userCopyExists) Error(MessageIniMissing);

    auto use = [](const std::string& ini) {
        if (!SetPath(iniFileName, ini)) return false;
        ReadTemplatePaths();
        return true;
    };

    // The library's folder comes first, unless it has no settings file while
    // the user has one.
    if (!libraryIni.empty() && (libraryCopyExists || !userCopyExists) && CanRewrite(libraryIni.c_str(), access) &&
        use(libraryIni))
        return true;

    if (access == SettingsAccess::ReadOnly) {
        // Where the program would read: its per-user copy, or, before it has
        // made one, the copy beside the library that it would be seeded from.
        if (!userCopyExists && libraryCopyExists && use(libraryIni)) return true;
        if (!userIni.empty() && (userCopyExists || CouldMakeFolder(userFolder)) && use(userIni)) return true;
    } else if (!userIni.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(userFolder, ignored);
        if (!userCopyExists && libraryCopyExists) SeedFrom(libraryIni, userIni);
        if (CanRewrite(userIni.c_str(), access) && use(userIni)) return true;
    }

    iniFileName[0] = '\0';
    Error(MessageIniNotWritable);
    return false;
}

void UseINIFileName(const char* iniPath)
{
    sheetTemplateFileName[0] = studioTemplateFileName[0] = '\0';
    if (iniPath == nullptr || !SetPath(iniFileName, iniPath)) return;
    ReadTemplatePaths();
}

const char* GetINIFileName() { return iniFileName; }

const char* GetSheetTemplateFileName() { return sheetTemplateFileName; }

const char* GetStudioTemplateFileName() { return studioTemplateFileName; }

int Exists(const char* path)
{
    if (path == nullptr || *path == '\0') return 0;
    // Non-blocking: a pipe without a writer must not hold the caller up.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return 0;
    struct stat st;
    const bool isFile = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return isFile ? 1 : 0;
}

void RemoveFilename(char* path)
{
    if (path == nullptr) return;
    char* cut = path;
    for (char* p = path; *p != '\0'; ++p)
        if (IsSeparator(*p)) cut = p + 1;
    *cut = '\0';
}

char* AppendFilename(char* path, const char* name)
{
    if (path == nullptr) return path;
    std::size_t length = std::strlen(path);
    if (length > 0 && !IsSeparator(path[length - 1]) && length + 1 < PathSize) path[length++] = '/';
    for (const char* p = name != nullptr ? name : ""; *p != '\0' && length + 1 < PathSize; ++p) path[length++] = *p;
    path[length] = '\0';
    return path;
}

const char* FilenameOnly(const char* path)
{
    if (path == nullptr) return path;
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (IsSeparator(*p)) name = p + 1;
    return name;
}
