#include "app/shell/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <utility>

namespace {

constexpr char Taken[] = "ok\n";
constexpr char Refused[] = "no\n";
constexpr char Wait[] = "wait\n";
// Far more than any path; more is not a second start of ours.
constexpr qint64 MaxMessage = 64 * 1024;

void Reply(QLocalSocket* socket, const char* answer)
{
    socket->write(answer);
    socket->flush();
}

}  // namespace

InstanceChannel::InstanceChannel(const QString& path, QObject* parent)
    : QObject(parent), path_(path), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::Answer);
}

InstanceChannel::~InstanceChannel()
{
    for (const Request& request : held_) {
        if (!request.socket) continue;
        Reply(request.socket, Refused);
        request.socket->waitForBytesWritten(1000);
        request.socket->disconnectFromServer();
    }
}

bool InstanceChannel::Listen()
{
    QLocalServer::removeServer(path_);
    return server_->listen(path_);
}

void InstanceChannel::StartTaking()
{
    taking_ = true;
    const QList<Request> held = std::exchange(held_, {});
    for (const Request& request : held)
        // A second start that gave up waiting has said so to its user.
        if (request.socket && request.socket->state() == QLocalSocket::ConnectedState) Take(request);
}

void InstanceChannel::Answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
    }
}

void InstanceChannel::Read(QLocalSocket* socket)
{
    const QByteArray available = socket->peek(socket->bytesAvailable());
    const qsizetype end = available.indexOf('\0');
    if (end < 0) {
        if (available.size() > MaxMessage) socket->abort();
        return;
    }
    // One hand-over a connection.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    const QByteArray message = socket->read(end + 1);
    Request request{socket, std::string(message.constData(), std::size_t(end))};
    if (taking_) {
        Take(request);
        return;
    }
    held_.append(request);
    Reply(socket, Wait);
}

void InstanceChannel::Take(const Request& request)
{
    // Taken before it is answered: the answer says it arrived.
    if (Received) Received(request.studio);
    Reply(request.socket, Taken);
    request.socket->disconnectFromServer();
}

InstanceChannel::Outcome InstanceChannel::HandOver(const QString& path, const std::string& studio, int timeoutMs,
                                                   const std::function<void()>& waiting)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return Outcome::NoAnswer;
    socket.write(studio.data(), qint64(studio.size()));
    socket.write("", 1);
    if (!socket.waitForBytesWritten(timeoutMs)) return Outcome::NoAnswer;
    bool told = false;
    for (;;) {
        while (!socket.canReadLine()) {
            if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0)
                return told ? Outcome::Refused : Outcome::NoAnswer;
            if (!socket.waitForReadyRead(told ? -1 : timeoutMs) && !socket.canReadLine())
                return told ? Outcome::Refused : Outcome::NoAnswer;
        }
        const QByteArray line = socket.readLine();
        if (line == Taken) return Outcome::Taken;
        if (line == Refused) return Outcome::Refused;
        if (line != Wait || told) return Outcome::NoAnswer;
        told = true;
        if (waiting) waiting();
    }
}
