// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QTextEdit_P.h"

#include "VGraphicsItemText.h"

#include <QFocusEvent>
#include <QPainter>

QTextEdit_P::QTextEdit_P(VGraphicsItemText* item) : QTextEdit(nullptr), m_pItem(item)
{
    setAcceptRichText(false);
}

QTextEdit_P::~QTextEdit_P() = default;

void QTextEdit_P::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    // The editor's own context menu takes the focus only while it is open; closing the editor
    // then would leave the menu acting on nothing.
    if (event->reason() != Qt::PopupFocusReason && m_pItem)
        m_pItem->stopEditing();
}

void QTextEdit_P::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(77, 115, 153, 255), 0, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
