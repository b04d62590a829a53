// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdateDescription.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

VUpdateDescription VUpdateDescription::find(const QByteArray& xml, const QString& productKey)
{
    VUpdateDescription result;
    QDomDocument document;
    if (!document.setContent(xml))
        return result;

    const QDomNodeList products = document.elementsByTagName(QStringLiteral("product"));
    for (int i = 0; i < products.size(); ++i) {
        const QDomElement product = products.at(i).toElement();
        if (product.attribute(QStringLiteral("name")) != productKey ||
            !product.hasAttribute(QStringLiteral("link")) ||
            !product.hasAttribute(QStringLiteral("version")))
            continue;
        result.m_bFound = true;
        result.m_version = product.attribute(QStringLiteral("version")).trimmed();
        result.m_link = product.attribute(QStringLiteral("link")).trimmed();
        result.m_sha256 = product.attribute(QStringLiteral("sha256")).trimmed().toLower();
        bool bNumber = false;
        const qint64 size =
            product.attribute(QStringLiteral("size")).trimmed().toLongLong(&bNumber);
        result.m_size = bNumber && size >= 0 ? size : -1;
        break;
    }
    return result;
}
