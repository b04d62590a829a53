// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What the release description says about one product.
class VUpdateDescription
{
public:
    // The first "product" element anywhere in the document whose "name" is productKey and that
    // carries both "link" and "version". Nothing is found in a document that does not parse.
    static VUpdateDescription find(const QByteArray& xml, const QString& productKey);

    bool isFound() const { return m_bFound; }
    QString version() const { return m_version; }
    QString link() const { return m_link; }
    // Lower-case hex digest the download must have; empty when the description gives none.
    QString sha256() const { return m_sha256; }
    // Size in bytes the download must have; -1 when the description gives none or no number.
    qint64 size() const { return m_size; }

private:
    bool m_bFound = false;
    QString m_version;
    QString m_link;
    QString m_sha256;
    qint64 m_size = -1;
};
