// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// Texts the updater builds from numbers, and the file name it saves a download under.
class VUpdateFormat
{
    Q_DECLARE_TR_FUNCTIONS(VUpdateFormat)

public:
    // "1 Month 2 Weeks 3 Days" style, parts joined by separator; "0 second" when all are zero.
    static QString durationText(qint64 seconds, const QString& separator);

    // 512, 1.50k, 3.00m, 1.00g.
    static QString byteCountText(qint64 bytes);

    // The last path segment of name without separators, control characters or leading dots,
    // so that it can only ever name a file directly inside our own folder. May be empty.
    static QString safeFileName(const QString& name);
};
