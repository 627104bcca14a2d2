#include "gui/InstanceLink.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QStringList>

#include "gui/QtText.h"

namespace morvalent::gui {
namespace {

constexpr int kConnectMs = 1000;
// The window answers once its event loop runs again; a long batch repaints often.
constexpr int kAnswerMs = 10000;
constexpr char kTaken = 'k';

}  // namespace

QString InstanceLink::SocketPath() {
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(QString::fromLocal8Bit(folder)).exists()) return {};
    return QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("morvalent-window"));
}

bool InstanceLink::HandOver(const QString& socketPath, const std::vector<std::u16string>& paths) {
    if (socketPath.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kConnectMs)) return false;
    // UTF-16 as held, so a name that is not UTF-8 arrives with every byte.
    QStringList list;
    for (const auto& path : paths) list << ToQString(path);
    QDataStream out(&socket);
    out.setVersion(QDataStream::Qt_6_0);
    out << list;
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

bool InstanceLink::Listen(const QString& socketPath, Arrival arrival) {
    if (socketPath.isEmpty()) return false;
    arrival_ = std::move(arrival);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceLink::Accept);
    if (server_.listen(socketPath)) return true;
    // Nobody answered there (HandOver came first), so the socket was left by a
    // window that ended without closing it.
    QLocalServer::removeServer(socketPath);
    return server_.listen(socketPath);
}

void InstanceLink::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            QStringList list;
            in >> list;
            if (!in.commitTransaction()) return;  // the rest is still on its way
            socket->putChar(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            std::vector<std::u16string> paths;
            for (const QString& path : list) paths.push_back(ToU16(path));
            if (arrival_) arrival_(std::move(paths));
        });
    }
}

}  // namespace morvalent::gui
