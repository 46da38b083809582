#pragma once

#include "shell/StartArguments.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// The start arguments in `arguments`, as the command line's bytes.
trevik::StartArguments startArgumentsOf(const QStringList& arguments);

// How a second start hands its arguments to the running instance: a local socket beside the
// instance lock, open to this user alone. The running instance listens; a second start
// connects, writes its arguments and ends.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // The socket beside the instance lock ($XDG_RUNTIME_DIR/trevik.socket).
    static QString defaultPath();

    explicit InstanceChannel(QObject* parent = nullptr);
    // Only the holder of the instance lock calls this, so a socket left there is stale.
    // Returns why it cannot listen, empty when it does.
    QString listen(const QString& path);

    // Hands `arguments` to the instance listening at `path`; returns why it could not.
    static QString send(const QString& path, const QStringList& arguments);

signals:
    void argumentsReceived(const QStringList& arguments);

private:
    void takeConnection();

    QLocalServer* server_;
};
