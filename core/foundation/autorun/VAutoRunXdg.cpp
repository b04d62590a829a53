// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VAutoRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Inside a quoted Exec argument the desktop-entry rules escape " ` $ and \ with a backslash,
// and the value itself escapes every backslash once more.
QString quoteExecArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QLatin1String("\\\\");
        else if (c == QLatin1Char('\\'))
            quoted += QLatin1String("\\\\\\");
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray entryText(const QString& entryName, const QString& programPath)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=%1\n"
                                  "Exec=%2\n"
                                  "Terminal=false\n"
                                  "X-GNOME-Autostart-enabled=true\n")
                       .arg(entryName, VAutoRun::command(programPath));
    return text.toUtf8();
}

} // namespace

namespace VAutoRun {

QString command(const QString& programPath)
{
    return quoteExecArgument(programPath) + QLatin1String(" /autorun");
}

QString location(const QString& entryName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/autostart/") + entryName + QLatin1String(".desktop");
}

void apply(const QString& entryName, const QString& programPath, bool on)
{
    const QString path = location(entryName);
    if (!on) {
        QFile::remove(path);
        return;
    }
    const QByteArray wanted = entryText(entryName, programPath);
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == wanted)
        return;
    existing.close();

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(wanted) == wanted.size())
        file.commit();
}

} // namespace VAutoRun
