#include "app/shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include "core/services/file_names.h"

SingleInstanceLock::SingleInstanceLock()
{
    const QByteArray where = QByteArray(GetLibraryDirectory()) + '\n' + GetUserSettingsDirectory();
    const QString tag = QString::fromLatin1(QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex().left(12));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    path_ = folder + QStringLiteral("/cantrel-") + tag + QStringLiteral(".lock");
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::Acquire()
{
    if (lock_ && lock_->isLocked()) return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a dead owner's lock is taken over, never a slow one's.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

QString SingleInstanceLock::ChannelPath() const
{
    QString path = path_;
    path.chop(int(QStringLiteral(".lock").size()));
    return path + QStringLiteral(".socket");
}
