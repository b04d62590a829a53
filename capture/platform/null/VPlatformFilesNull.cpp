// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace VPlatform {

// Without unnamed files: a hidden temporary name, then a rename, which the toolkit makes
// refuse an existing target.
VPendingFile::VPendingFile(const QString& folder)
{
    for (int attempt = 0; attempt < 100 && !m_file.isOpen(); ++attempt) {
        m_tempPath = QDir(folder).filePath(
            QStringLiteral(".talvik-%1")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        m_file.setFileName(m_tempPath);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            m_error = m_file.errorString();
    }
    if (!m_file.isOpen())
        m_tempPath.clear();
}

VPendingFile::~VPendingFile()
{
    m_file.close();
    if (!m_bPlaced && !m_tempPath.isEmpty())
        QFile::remove(m_tempPath);
}

VPendingFile::Placement VPendingFile::placeAs(const QString& path)
{
    if (!m_file.isOpen() || m_bPlaced)
        return Placement::Failed;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        m_error = m_file.errorString();
        return Placement::Failed;
    }
    if (m_file.rename(path)) {
        m_bPlaced = true;
        return Placement::Placed;
    }
    m_error = m_file.errorString();
    const QFileInfo occupant(path);
    // Reopened, so another name can still be tried.
    m_file.setFileName(m_tempPath);
    m_file.open(QIODevice::Append);
    return occupant.exists() || occupant.isSymLink() ? Placement::NameTaken : Placement::Failed;
}

bool keepOwnership(int, const QString&, QString*)
{
    return true;
}

int binaryStandardOutput()
{
#ifdef _WIN32
    // A console's text mode would turn every byte 10 of the picture into 13 10.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return fileno(stdout);
}

void useParentConsole()
{
#ifdef _WIN32
    const auto missing = [](DWORD stream) {
        const HANDLE handle = GetStdHandle(stream);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool bOutput = missing(STD_OUTPUT_HANDLE);
    const bool bError = missing(STD_ERROR_HANDLE);
    if ((!bOutput && !bError) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (bOutput)
        (void)std::freopen("CONOUT$", "w", stdout);
    if (bError)
        (void)std::freopen("CONOUT$", "w", stderr);
#endif
}

} // namespace VPlatform
