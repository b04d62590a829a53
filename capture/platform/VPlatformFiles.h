// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

namespace VPlatform {

// A file written without a name (or under a hidden temporary one where the file system cannot
// do that) and given its final name only once complete, so an interrupted write leaves nothing
// under a name the user sees. Never replaces what is already at the name.
class VPendingFile
{
public:
    explicit VPendingFile(const QString& folder);
    ~VPendingFile();
    VPendingFile(const VPendingFile&) = delete;
    VPendingFile& operator=(const VPendingFile&) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    QFile& device() { return m_file; }
    // The system's reason for the last failure.
    QString errorString() const { return m_error; }

    enum class Placement
    {
        Placed,
        NameTaken, // something (a file, a folder, a dangling link) is there already
        Failed
    };
    Placement placeAs(const QString& path);

private:
    QFile m_file;
    QString m_tempPath; // empty while the file has no name at all
    QString m_error;
    bool m_bPlaced = false;
};

// Gives the open file fd the owner, group and permission bits of the file at target (links
// followed), so replacing target changes its content only. False with the reason when the
// owner cannot be kept; true when there is no target yet.
bool keepOwnership(int fd, const QString& target, QString* pReason);

// Standard output's descriptor, made to pass bytes unchanged (a picture piped on).
int binaryStandardOutput();

// A windowed program started from a console writes its answers there, as a console program
// would; standard output and error that already lead somewhere (a pipe, a file) stay.
void useParentConsole();

} // namespace VPlatform
