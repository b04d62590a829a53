// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtTest>

namespace TalvikTest {

// The capture application's settings file inside the private home.
inline QString captureSettingsPath()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
           QStringLiteral("/Morvane/TalvikCapture.ini");
}

// Replaces that file with the given keys, as a user editing it by hand would.
inline void writeCaptureSettings(const QByteArray& content)
{
    QDir().mkpath(QFileInfo(captureSettingsPath()).absolutePath());
    QFile file(captureSettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\n" + content);
}

} // namespace TalvikTest
