#include "app/shell/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

// A line of UTF-8 text each way: the studio, then the answer.
constexpr char Answered[] = "ok\n";
constexpr qint64 MaxMessage = 64 * 1024;

}  // namespace

InstanceChannel::InstanceChannel(const QString& path, QObject* parent)
    : QObject(parent), path_(path), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::Answer);
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::Listen()
{
    QLocalServer::removeServer(path_);
    return server_->listen(path_);
}

void InstanceChannel::Answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (socket->bytesAvailable() > MaxMessage) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine()) return;
            const QString studio = QString::fromUtf8(socket->readLine()).trimmed();
            // Taken before it is answered: the answer says it arrived.
            if (Received) Received(studio);
            socket->write(Answered);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool InstanceChannel::HandOver(const QString& path, const QString& studio, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    QString line = studio;
    line.remove('\n');
    socket.write(line.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine() == Answered;
}
