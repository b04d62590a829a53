// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdateFormat.h"

#include <QStringList>

QString VUpdateFormat::durationText(qint64 seconds, const QString& separator)
{
    const qint64 months = seconds / 2592000;
    const qint64 days = seconds / 86400 % 30;
    const qint64 weeks = days / 7;
    const qint64 hours = seconds / 3600 % 24;
    const qint64 minutes = seconds / 60 % 60;
    const qint64 secs = seconds % 60;

    QStringList parts;
    const auto add = [&parts](qint64 count, const QString& one, const QString& many) {
        if (count != 0)
            parts << QString::number(count) + (count == 1 ? one : many);
    };
    add(months, tr(" Month"), tr(" Months"));
    add(weeks, tr(" Week"), tr(" Weeks"));
    add(days % 7, tr(" Day"), tr(" Days"));
    add(hours, tr(" Hour"), tr(" Hours"));
    add(minutes, tr(" Minute"), tr(" Minutes"));
    add(secs, tr(" Second"), tr(" Seconds"));

    if (parts.isEmpty())
        return tr("0 second");
    return parts.join(separator);
}

QString VUpdateFormat::byteCountText(qint64 bytes)
{
    constexpr qint64 kilo = 1024;
    constexpr qint64 mega = kilo * 1024;
    constexpr qint64 giga = mega * 1024;

    if (bytes < kilo)
        return QString::number(bytes);
    if (bytes < mega)
        return QString::number(double(bytes) / kilo, 'f', 2) + QLatin1Char('k');
    if (bytes < giga)
        return QString::number(double(bytes) / mega, 'f', 2) + QLatin1Char('m');
    return QString::number(double(bytes) / giga, 'f', 2) + QLatin1Char('g');
}

QString VUpdateFormat::safeFileName(const QString& name)
{
    // Both separators count everywhere: a name made on one system is saved on another.
    const qsizetype cut =
        qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    QString result;
    for (const QChar c : name.mid(cut + 1)) {
        if (c.category() == QChar::Other_Control || QStringLiteral(":*?\"<>|").contains(c))
            continue;
        result += c;
    }
    while (result.startsWith(QLatin1Char('.')) || result.startsWith(QLatin1Char(' ')))
        result.remove(0, 1);
    return result.trimmed();
}
