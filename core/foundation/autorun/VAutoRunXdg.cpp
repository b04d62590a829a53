// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VAutoRun.h"

#include <QCoreApplication>
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

// Line breaks would end the value early.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QByteArray entryText(const QString& programPath)
{
    // The desktop's start-up settings list the entry by these, in the user's language.
    const QString name = QCoreApplication::translate("VAutoRun", "Talvik Capture");
    const QString comment = QCoreApplication::translate(
        "VAutoRun", "Starts Talvik Capture in the tray, ready for its hotkeys");
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=%1\n"
                                  "Comment=%2\n"
                                  "Icon=talvikcapture\n"
                                  "Exec=%3\n"
                                  "Terminal=false\n"
                                  "X-GNOME-Autostart-enabled=true\n")
                       .arg(oneLine(name), oneLine(comment), VAutoRun::command(programPath));
    return text.toUtf8();
}

// The value of a key of the main group, or a null string.
QString entryValue(const QByteArray& text, const QByteArray& key)
{
    bool bMainGroup = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            bMainGroup = line == "[Desktop Entry]";
        else if (const int equals = line.indexOf('=');
                 bMainGroup && equals > 0 && line.left(equals).trimmed() == key)
            return QString::fromUtf8(line.mid(equals + 1)).trimmed();
    }
    return QString();
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

State state(const QString& entryName)
{
    QFile entry(location(entryName));
    if (!entry.open(QIODevice::ReadOnly))
        return State::Absent;
    const QByteArray text = entry.readAll();
    if (entryValue(text, "Hidden") == QLatin1String("true") ||
        entryValue(text, "X-GNOME-Autostart-enabled") == QLatin1String("false"))
        return State::Disabled;
    return State::Enabled;
}

void apply(const QString& entryName, const QString& programPath, bool on)
{
    const QString path = location(entryName);
    if (!on) {
        QFile::remove(path);
        return;
    }
    const QByteArray wanted = entryText(programPath);
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
