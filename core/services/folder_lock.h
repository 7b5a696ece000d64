#pragma once
// An advisory lock shared by every process of ours that rewrites a file in
// one folder: the whole read-modify-write of a settings file happens under
// it, so that two writers never lose each other's keys. The folder itself is
// locked (flock), because the file is replaced by a rename and a lock on it
// would stay with the old copy.

#include <string>

class FolderLock {
public:
    // Waits for the lock on folder; Held() is false when the folder cannot be
    // opened (the caller then goes on unlocked, as a lone writer would).
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
