// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VAutoRun.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kRunGroup = QStringLiteral("CurrentVersion/Run/");
} // namespace

namespace VAutoRun {

QString command(const QString& programPath)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(programPath) + QLatin1String("\" /autorun");
}

QString location(const QString& entryName)
{
    return QStringLiteral(
               "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\") +
           entryName;
}

State state(const QString& entryName)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("Microsoft"), QStringLiteral("Windows"));
    return settings.contains(kRunGroup + entryName) ? State::Enabled : State::Absent;
}

void apply(const QString& entryName, const QString& programPath, bool on)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Microsoft"),
                       QStringLiteral("Windows"));
    const QString key = kRunGroup + entryName;
    if (!on) {
        if (settings.contains(key))
            settings.remove(key);
        return;
    }
    const QString wanted = command(programPath);
    if (settings.value(key).toString() != wanted)
        settings.setValue(key, wanted);
}

} // namespace VAutoRun
