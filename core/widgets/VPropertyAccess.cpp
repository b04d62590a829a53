// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPropertyAccess.h"

#include "graphics/VGraphicsItemText.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

// The item when the property is the text of a rich-text item, else null.
const VGraphicsItemText* richText(const QObject* item, const QMetaProperty& property)
{
    const auto* text = qobject_cast<const VGraphicsItemText*>(item);
    return text && text->isHtml() && qstrcmp(property.name(), "text") == 0 ? text : nullptr;
}

} // namespace

namespace VPropertyAccess {

QVariant read(const QObject* item, const QMetaProperty& property)
{
    if (const VGraphicsItemText* text = richText(item, property)) {
        QTextDocument document;
        document.setHtml(text->plainText());
        return document.toPlainText();
    }
    return property.read(item);
}

void write(QObject* item, const QMetaProperty& property, const QVariant& value)
{
    if (richText(item, property)) {
        auto* text = static_cast<VGraphicsItemText*>(item);
        QTextDocument document;
        document.setHtml(text->plainText());
        // The new text takes the format of the first character it replaces.
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::NextCharacter);
        const QTextCharFormat format = cursor.charFormat();
        cursor.select(QTextCursor::Document);
        cursor.insertText(value.toString(), format);
        text->setHtml(document.toHtml());
        return;
    }
    property.write(item, value);
}

} // namespace VPropertyAccess
