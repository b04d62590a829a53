// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPropertyEditorDelegate.h"

#include "QtTreePropertyBrowser.h"

#include <QKeyEvent>

QtPropertyEditorDelegate::QtPropertyEditorDelegate(QtTreePropertyBrowser* browser)
    : QStyledItemDelegate(browser), m_pBrowser(browser)
{
}

QWidget* QtPropertyEditorDelegate::createEditor(QWidget* parent,
                                                const QStyleOptionViewItem& /*option*/,
                                                const QModelIndex& index) const
{
    if (index.column() != 1)
        return nullptr;
    auto* item = static_cast<QtBrowserItem*>(index.data(Qt::UserRole).value<void*>());
    return item ? m_pBrowser->createEditor(item, parent) : nullptr;
}

void QtPropertyEditorDelegate::setEditorData(QWidget* /*editor*/,
                                             const QModelIndex& /*index*/) const
{
}

void QtPropertyEditorDelegate::setModelData(QWidget* /*editor*/, QAbstractItemModel* /*model*/,
                                            const QModelIndex& /*index*/) const
{
}

void QtPropertyEditorDelegate::updateEditorGeometry(QWidget* editor,
                                                    const QStyleOptionViewItem& option,
                                                    const QModelIndex& /*index*/) const
{
    editor->setGeometry(option.rect);
}

QSize QtPropertyEditorDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    // Room for an editor's frame in every row, so opening one moves nothing.
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height() + 6, 24));
    return size;
}

bool QtPropertyEditorDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        object->blockSignals(true);
    return QStyledItemDelegate::eventFilter(object, event);
}
