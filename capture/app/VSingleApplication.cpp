// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VSingleApplication.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {
constexpr int kMaxMessageBytes = 64 * 1024;
} // namespace

VSingleApplication::VSingleApplication(const QString& id, int& argc, char** argv)
    : VSingleApplication(VSingleInstance(id), argc, argv)
{
}

VSingleApplication::VSingleApplication(VSingleInstance instance, int& argc, char** argv)
    : QApplication(argc, argv), m_instance(std::move(instance))
{
}

VSingleApplication::~VSingleApplication() = default;

bool VSingleApplication::isRunning()
{
    const bool bPrimary = m_instance.claim();
    if (bPrimary && !m_pServer)
        listen();
    return !bPrimary;
}

void VSingleApplication::listen()
{
    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed instance would block listen().
    QLocalServer::removeServer(m_instance.serverName());
    m_pServer->listen(m_instance.serverName());
    connect(m_pServer, &QLocalServer::newConnection, this, &VSingleApplication::onNewConnection);
}

bool VSingleApplication::sendMessage(const QString& message, int timeoutMs) const
{
    return m_instance.sendMessage(message, timeoutMs);
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
