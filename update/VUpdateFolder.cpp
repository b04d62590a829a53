// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdateFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kPrefix = QStringLiteral("TalvikUpdate-");

// The lock of a dead updater is broken by its process id alone, never by its age: an updater
// that downloads for an hour still holds its lock.
std::unique_ptr<QLockFile> lockIn(const QString& folder)
{
    auto pLock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + VUpdateFolder::kLockName);
    pLock->setStaleLockTime(0);
    return pLock;
}

// A fresh folder only we can enter: nobody can plant a file or link under the name we are
// about to write and later run.
std::unique_ptr<QTemporaryDir> makeFolder(const QString& tempPath)
{
    auto pFolder = std::make_unique<QTemporaryDir>(tempPath + QLatin1Char('/') + kPrefix +
                                                   QStringLiteral("XXXXXX"));
    if (!pFolder->isValid())
        return nullptr;
    QFile::setPermissions(pFolder->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return pFolder;
}

} // namespace

VUpdateFolder::VUpdateFolder()
{
    const auto pFolder = makeFolder(QDir::tempPath());
    if (!pFolder)
        return;
    auto pLock = lockIn(pFolder->path());
    if (!pLock->tryLock(0))
        return;
    pFolder->setAutoRemove(false);
    m_path = pFolder->path();
    m_pLock = std::move(pLock);
}

VUpdateFolder::~VUpdateFolder()
{
    if (!m_path.isEmpty() && !m_bKept)
        remove(m_path, std::move(m_pLock));
}

void VUpdateFolder::setKept(bool bKept)
{
    m_bKept = bKept;
    if (bKept)
        m_pLock.reset();
}

int VUpdateFolder::removeStale(const QString& tempPath)
{
    static const QRegularExpression name(
        QRegularExpression::anchoredPattern(kPrefix + QStringLiteral("[A-Za-z0-9]{6}")));
    const QFileInfoList folders = QDir(tempPath).entryInfoList(
        {kPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    // Ours look just like a fresh one: another user's folder, or one others may enter, is not.
    const auto pProbe = makeFolder(tempPath);
    if (!pProbe)
        return 0;
    const QFileInfo own(pProbe->path());
    int removed = 0;
    for (const QFileInfo& folder : folders) {
        if (!name.match(folder.fileName()).hasMatch() || folder.ownerId() != own.ownerId() ||
            folder.permissions() != own.permissions())
            continue;
        // Without a lock file it is being made, or holds a started installer, or is not ours.
        const QFileInfo lockFile(folder.filePath() + QLatin1Char('/') + kLockName);
        if (lockFile.isSymLink() || !lockFile.isFile())
            continue;
        auto pLock = lockIn(folder.filePath());
        if (pLock->tryLock(0) && remove(folder.filePath(), std::move(pLock)))
            ++removed;
    }
    return removed;
}

bool VUpdateFolder::remove(const QString& folder, std::unique_ptr<QLockFile> pLock)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files) {
        if (file.fileName() != QLatin1String(kLockName))
            QFile::remove(file.filePath()); // a link itself, never what it points to
    }
    pLock.reset(); // takes the lock file with it
    return QDir().rmdir(folder);
}
