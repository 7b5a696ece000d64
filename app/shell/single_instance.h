#pragma once
// One running program per settings location: a lock file in the runtime
// folder, named after the folders the settings are looked for in, so that
// programs started on other settings (tests) do not stop each other. A lock
// left by a program that died is taken over.

#include <QString>

#include <memory>

class QLockFile;

class SingleInstanceLock {
public:
    SingleInstanceLock();
    ~SingleInstanceLock();
    // True when this process now holds the lock.
    bool Acquire();
    QString Path() const { return path_; }
    // Where the program holding the lock listens for later starts.
    QString ChannelPath() const;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
