#pragma once

#include <QMap>
#include <QProcess>
#include <QRect>
#include <QStringList>

namespace TalvikTest {

// What a desktop tool prints; empty when it fails, which pOk tells apart from an empty answer.
inline QByteArray toolOutput(const QString& program, const QStringList& arguments,
                             bool* pOk = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool bOk = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    if (pOk)
        *pOk = bOk;
    return bOk ? process.readAllStandardOutput().trimmed() : QByteArray();
}

inline QByteArray xdotool(const QStringList& arguments)
{
    return toolOutput(QStringLiteral("xdotool"), arguments);
}

// Where the first window an xdotool search finds lies on the X screen; null while none is.
inline QRect windowGeometry(const QStringList& search)
{
    const QString shell = QString::fromLatin1(
        xdotool(QStringList{"search"} + search + QStringList{"getwindowgeometry", "--shell"}));
    QMap<QString, int> values;
    for (const QString& line : shell.split(QLatin1Char('\n')))
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                 values.value("HEIGHT"));
}

} // namespace TalvikTest
