#include "office/ui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace bunrako {
namespace {

constexpr int kConnectMilliseconds = 1000;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    // The home folder tells users apart on every system without asking it
    // for names; hashed, it makes a short name that is safe as a socket name.
    const QByteArray home = QDir::homePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("bunrako-") + QString::fromLatin1(hash.left(16));
}

bool SingleInstance::start() {
    if (askRunningCopy()) return false;
    listen();
    // Even when listening fails the program runs; only the guard is lost.
    return true;
}

bool SingleInstance::askRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectMilliseconds)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (m_server->listen(m_serverName)) return true;
    // A socket left behind by a copy that crashed: nobody answered on it.
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        return m_server->listen(m_serverName);
    }
    return false;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Any copy that connects wants this one in front; what it wrote
        // needs no reading.
        emit activationRequested();
    }
}

}  // namespace bunrako
