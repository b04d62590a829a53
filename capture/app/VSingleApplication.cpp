#include "VSingleApplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace {
// Names are per user: two users on one machine each get their own instance.
QString userKey(const QString& id)
{
    const QByteArray seed = id.toUtf8() + '\0' + QDir::homePath().toUtf8();
    return id + QLatin1Char('-') +
           QString::fromLatin1(
               QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex().left(16));
}

constexpr int kMaxMessageBytes = 64 * 1024;
} // namespace

VSingleApplication::VSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), m_id(id)
{
}

bool VSingleApplication::isRunning()
{
    if (!m_bClaimed)
        claim();
    return !m_bPrimary;
}

void VSingleApplication::claim()
{
    m_bClaimed = true;
    QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    m_pLock = std::make_unique<QLockFile>(lockFolder + QLatin1Char('/') + userKey(m_id) +
                                          QStringLiteral(".lock"));
    // A lock left by a crashed instance is stale and taken over.
    m_pLock->setStaleLockTime(0);
    m_bPrimary = m_pLock->tryLock(0);
    if (!m_bPrimary)
        return;

    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed instance would block listen().
    QLocalServer::removeServer(serverName());
    m_pServer->listen(serverName());
    connect(m_pServer, &QLocalServer::newConnection, this, &VSingleApplication::onNewConnection);
}

VSingleApplication::~VSingleApplication() = default;

QString VSingleApplication::serverName() const
{
    return userKey(m_id);
}

bool VSingleApplication::sendMessage(const QString& message, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray block;
    {
        QDataStream stream(&block, QIODevice::WriteOnly);
        stream << message;
    }
    socket.write(block);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

void VSingleApplication::onNewConnection()
{
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        // The sender disconnects once it has written everything: read then.
        const auto deliver = [this, pSocket] {
            QByteArray data = pSocket->readAll();
            if (data.size() > kMaxMessageBytes)
                return;
            QString message;
            QDataStream stream(data);
            stream >> message;
            if (stream.status() != QDataStream::Ok)
                return;
            if (m_bActivateOnMessage && activatesWindow(message))
                activateWindow();
            emit messageReceived(message);
        };
        connect(pSocket, &QLocalSocket::disconnected, this, deliver);
    }
}

bool VSingleApplication::activatesWindow(const QString&) const
{
    return true;
}

void VSingleApplication::setActivationWindow(QWidget* pWindow, bool activateOnMessage)
{
    m_pActivationWindow = pWindow;
    m_bActivateOnMessage = activateOnMessage;
}

void VSingleApplication::activateWindow()
{
    if (!m_pActivationWindow)
        return;
    m_pActivationWindow->setWindowState(m_pActivationWindow->windowState() & ~Qt::WindowMinimized);
    m_pActivationWindow->raise();
    m_pActivationWindow->activateWindow();
}
