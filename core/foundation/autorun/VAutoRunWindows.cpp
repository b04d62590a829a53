// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VAutoRun.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kRunGroup = QStringLiteral("CurrentVersion/Run/");
// Where the system's start-up settings record an entry switched off: an odd first byte.
const QString kApprovedGroup = QStringLiteral("CurrentVersion/Explorer/StartupApproved/Run/");

QSettings windowsSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Microsoft"),
                     QStringLiteral("Windows"));
}
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
    const QSettings settings = windowsSettings();
    if (!settings.contains(kRunGroup + entryName))
        return State::Absent;
    const QVariant approval = settings.value(kApprovedGroup + entryName);
    const QByteArray bytes = approval.typeId() == QMetaType::QByteArray
                                 ? approval.toByteArray()
                                 : approval.toString().toLatin1();
    return !bytes.isEmpty() && (bytes.at(0) & 1) ? State::Disabled : State::Enabled;
}

void apply(const QString& entryName, const QString& programPath, bool on)
{
    QSettings settings = windowsSettings();
    const QString key = kRunGroup + entryName;
    // The user's own tick switches it on again also where the system had it off.
    settings.remove(kApprovedGroup + entryName);
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
