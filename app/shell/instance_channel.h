#pragma once
// How a second start reaches the program already running on the same
// settings: it hands over its studio argument (or nothing) through a local
// socket beside the single-instance lock; the running program opens that
// studio and comes to the front, as desktop programs do.
//
// The studio goes as the bytes of its path ended by a zero byte, so that any
// name the file system allows (blanks at the end, a line break) arrives as it
// was given. Each answer is a line: "ok" (taken), "no" (refused), or first
// "wait" while the running program is still starting (in a start-up message,
// say), then "ok" or "no" once it can tell.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // path: the socket's file (beside the lock file).
    explicit InstanceChannel(const QString& path, QObject* parent = nullptr);
    // Hand-overs still held are refused: this program never got to them.
    ~InstanceChannel() override;

    // Starts answering; only the holder of the lock calls it, so a socket
    // left by a program that died is taken over. False when it cannot.
    bool Listen();

    // From here on every hand-over is taken, those held first. Until then
    // they are held and their second starts told to wait.
    void StartTaking();

    // Told of every hand-over taken: the studio to open (an absolute path,
    // or empty when the second start named none).
    std::function<void(const std::string& studio)> Received;

    enum class Outcome { Taken, Refused, NoAnswer };
    // From a second start: hands studio over to the program listening at
    // path. NoAnswer when nothing listens or no answer came within
    // timeoutMs; once told to wait (and told waiting), it waits for the
    // final answer as long as the running program lives.
    static Outcome HandOver(const QString& path, const std::string& studio, int timeoutMs = 3000,
                            const std::function<void()>& waiting = {});

private:
    struct Request {
        QPointer<QLocalSocket> socket;
        std::string studio;
    };
    void Answer();
    void Read(QLocalSocket* socket);
    void Take(const Request& request);

    QString path_;
    QLocalServer* server_;
    bool taking_ = false;
    QList<Request> held_;
};
