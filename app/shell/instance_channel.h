#pragma once
// How a second start reaches the program already running on the same
// settings: it hands over its studio argument (or nothing) through a local
// socket beside the single-instance lock; the running program opens that
// studio and comes to the front, as desktop programs do.

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // path: the socket's file (beside the lock file).
    explicit InstanceChannel(const QString& path, QObject* parent = nullptr);
    ~InstanceChannel() override;

    // Starts answering; only the holder of the lock calls it, so a socket
    // left by a program that died is taken over. False when it cannot.
    bool Listen();

    // Told of every hand-over: the studio to open (an absolute path, or
    // empty when the second start named none).
    std::function<void(const QString& studio)> Received;

    // From a second start: hands studio over to the program listening at
    // path and waits for its answer; false when none came within timeoutMs.
    static bool HandOver(const QString& path, const QString& studio, int timeoutMs = 3000);

private:
    void Answer();

    QString path_;
    QLocalServer* server_;
};
