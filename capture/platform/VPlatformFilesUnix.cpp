// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFiles.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace VPlatform {

namespace {

QString systemReason(int error)
{
    return QString::fromStdString(std::system_category().message(error));
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

VPendingFile::VPendingFile(const QString& folder)
{
    const QByteArray where = QFile::encodeName(folder);
    int fd = ::open(where.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // File systems without unnamed files (some network and FUSE ones): a hidden name.
        QByteArray name = where + "/.talvik-XXXXXX";
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) {
            m_tempPath = QFile::decodeName(name);
            ::fchmod(fd, 0666 & ~currentUmask());
        }
    }
    if (fd < 0) {
        m_error = systemReason(errno);
        return;
    }
    if (!m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        m_error = m_file.errorString();
        ::close(fd);
    }
}

VPendingFile::~VPendingFile()
{
    m_file.close();
    if (!m_bPlaced && !m_tempPath.isEmpty())
        ::unlink(QFile::encodeName(m_tempPath).constData());
}

VPendingFile::Placement VPendingFile::placeAs(const QString& path)
{
    if (!m_file.isOpen() || m_bPlaced)
        return Placement::Failed;
    if (!m_file.flush()) {
        m_error = m_file.errorString();
        return Placement::Failed;
    }
    const QByteArray target = QFile::encodeName(path);
    int result = 0;
    if (m_tempPath.isEmpty()) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_file.handle());
        result =
            ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW);
    } else {
        const QByteArray temp = QFile::encodeName(m_tempPath);
        result =
            ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
            result = ::link(temp.constData(), target.constData());
            if (result == 0)
                ::unlink(temp.constData());
        }
    }
    if (result == 0) {
        m_bPlaced = true;
        return Placement::Placed;
    }
    m_error = systemReason(errno);
    return errno == EEXIST ? Placement::NameTaken : Placement::Failed;
}

bool keepOwnership(int fd, const QString& target, QString* pReason)
{
    struct stat old = {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0)
        return true;
    struct stat fresh = {};
    if (::fstat(fd, &fresh) != 0) {
        *pReason = systemReason(errno);
        return false;
    }
    if ((old.st_uid != fresh.st_uid || old.st_gid != fresh.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        *pReason = QCoreApplication::translate("VOutput",
                                               "a new copy could not keep its owner and group (%1)")
                       .arg(systemReason(errno));
        return false;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        *pReason = systemReason(errno);
        return false;
    }
    return true;
}

int binaryStandardOutput()
{
    return STDOUT_FILENO;
}

// Programs here always have the standard streams they were started with.
void useParentConsole() {}

} // namespace VPlatform
