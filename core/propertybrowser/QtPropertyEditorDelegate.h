// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

class QtTreePropertyBrowser;

// Asks the browser's factories for the value column's editors. Editors write into their
// managers themselves, so the delegate moves no data; Escape silences the editor before it
// closes, so nothing it would report on its way out is written.
class QtPropertyEditorDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit QtPropertyEditorDelegate(QtTreePropertyBrowser* browser);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QtTreePropertyBrowser* m_pBrowser;
};
