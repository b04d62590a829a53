// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VSingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

namespace {
// Names are per user: two users on one machine each get their own instance.
QString userKey(const QString& id)
{
    const QByteArray seed = id.toUtf8() + '\0' + QDir::homePath().toUtf8();
    return id + QLatin1Char('-') +
           QString::fromLatin1(
               QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex().left(16));
}

constexpr int kRetryPauseMs = 50;

// A lock naming this very process was left by a dead one whose number the system gave to us
// (Windows reuses process numbers soon, Wine at once): it would otherwise look alive for good.
bool tryLock(QLockFile& lock)
{
    if (lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.error() != QLockFile::LockFailedError ||
        !lock.getLockInfo(&pid, &host, &application) || pid != QCoreApplication::applicationPid() ||
        host != QSysInfo::machineHostName())
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}
} // namespace

VSingleInstance::VSingleInstance(const QString& id) : m_id(id) {}

VSingleInstance::VSingleInstance(VSingleInstance&& other) noexcept = default;
VSingleInstance& VSingleInstance::operator=(VSingleInstance&& other) noexcept = default;
VSingleInstance::~VSingleInstance() = default;

bool VSingleInstance::claim()
{
    if (m_bPrimary)
        return true;
    if (m_pLock) {
        // Asked again after the instance did not answer: it may have died since.
        m_bPrimary = tryLock(*m_pLock);
        return m_bPrimary;
    }
    QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    m_pLock = std::make_unique<QLockFile>(lockFolder + QLatin1Char('/') + userKey(m_id) +
                                          QStringLiteral(".lock"));
    // Only a lock of a process that no longer runs is stale; it is taken over.
    m_pLock->setStaleLockTime(0);
    m_bPrimary = tryLock(*m_pLock);
    return m_bPrimary;
}

QString VSingleInstance::serverName() const
{
    return userKey(m_id);
}

bool VSingleInstance::sendMessage(const QString& message, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The instance takes its lock before it listens: until then there is nobody to answer.
    for (;;) {
        socket.connectToServer(serverName());
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        socket.abort();
        if (deadline.remainingTime() <= kRetryPauseMs)
            return false;
        QThread::msleep(kRetryPauseMs);
    }
    QByteArray block;
    {
        QDataStream stream(&block, QIODevice::WriteOnly);
        stream << message;
    }
    socket.write(block);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(int(deadline.remainingTime()));
    return true;
}
