// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VFileNameTemplate.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace VFileNameTemplate {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

bool isTrimmed(QChar c)
{
    return c == QLatin1Char('.') || c.isSpace();
}

} // namespace

QString problem(const QString& format)
{
    const QStringList segments = format.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    if (std::any_of(segments.cbegin(), segments.cend(), [](const QString& segment) {
            return segment.trimmed() == QLatin1String("..");
        }))
        return QCoreApplication::translate(
            "VFileNameTemplate", "A name cannot have a \"..\" part: it would point to the "
                                 "folder above.");
    if (std::any_of(format.cbegin(), format.cend(), isSeparator))
        return QCoreApplication::translate("VFileNameTemplate",
                                           "A name cannot contain / or \\: it would leave the "
                                           "save folder.");
    if (std::any_of(format.cbegin(), format.cend(), isControl))
        return QCoreApplication::translate("VFileNameTemplate",
                                           "A name cannot contain control characters.");
    return QString();
}

QString cleanName(const QString& expanded)
{
    QString name;
    name.reserve(expanded.size());
    for (const QChar c : expanded) {
        if (!isSeparator(c) && !isControl(c))
            name.append(c);
    }
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && isTrimmed(name.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(name.at(end - 1)))
        --end;
    name = name.mid(begin, end - begin);
    const bool meaningful =
        std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return meaningful ? name : QString();
}

} // namespace VFileNameTemplate
