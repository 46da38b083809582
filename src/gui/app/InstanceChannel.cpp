#include "app/InstanceChannel.h"

#include "common/InstanceLock.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

// Arguments travel NUL-separated: a path may hold any other byte.
constexpr char kSeparator = '\0';
// More than any command line, so that a stray client cannot make the window hold much.
constexpr qint64 kLongestMessage = 256 * 1024;
constexpr int kWaitMs = 3000;

} // namespace

trevik::StartArguments startArgumentsOf(const QStringList& arguments) {
    std::vector<std::string> words;
    for (const QString& argument : arguments) {
        words.push_back(argument.toLocal8Bit().toStdString());
    }
    return trevik::parseStartArguments(words);
}

QString InstanceChannel::defaultPath() {
    return QString::fromStdString(
        (trevik::InstanceLock::defaultPath().parent_path() / "trevik.socket").string());
}

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::takeConnection);
}

QString InstanceChannel::listen(const QString& path) {
    QLocalServer::removeServer(path);
    if (!server_->listen(path)) {
        return server_->errorString();
    }
    return {};
}

void InstanceChannel::takeConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto* received = new QByteArray;
        connect(socket, &QLocalSocket::readyRead, socket, [socket, received] {
            received->append(socket->readAll());
            if (received->size() > kLongestMessage) {
                socket->abort();
            }
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
            received->append(socket->readAll());
            QStringList arguments;
            if (received->size() <= kLongestMessage && received->endsWith(kSeparator)) {
                received->chop(1);
                for (const QByteArray& argument : received->split(kSeparator)) {
                    arguments.append(QString::fromLocal8Bit(argument));
                }
                emit argumentsReceived(arguments);
            }
            delete received;
            socket->deleteLater();
        });
    }
}

QString InstanceChannel::send(const QString& path, const QStringList& arguments) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kWaitMs)) {
        return socket.errorString();
    }
    QByteArray message;
    for (const QString& argument : arguments) {
        message.append(argument.toLocal8Bit());
        message.append(kSeparator);
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(kWaitMs)) {
        return socket.errorString();
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kWaitMs);
    }
    return {};
}
