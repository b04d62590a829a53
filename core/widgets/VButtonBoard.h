// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QMenu>
#include <QPen>
#include <QPixmap>
#include <QSize>
#include <QVariant>
#include <QVector>

// A popup grid of icon buttons, each carrying a value; choosing one emits that value.
class TALVIKCORE_EXPORT VButtonBoard : public QMenu
{
    Q_OBJECT

public:
    explicit VButtonBoard(QWidget* parent);
    ~VButtonBoard() override;

    void setButtonData(const QVector<QVariant>& values);
    const QVector<QVariant>& buttonData() const { return m_buttonData; }
    // Values below 1 are ignored.
    void setColumnCount(int count);
    int columnCount() const { return m_nColumnCount; }
    // An empty size makes neighbours share their edge pixel.
    void setButtonSpacing(const QSize& spacing);
    QSize buttonSpacing() const { return m_buttonSpacing; }
    QSize buttonSize() const { return m_buttonSize; }

    // Empty outside the buttons.
    QRect buttonRect(int index) const;
    QRect buttonRect(int column, int row) const;
    // Of the first button carrying value.
    QRect buttonRect(const QVariant& value) const;
    // The index of the first button carrying value, -1 for none.
    int buttonIndex(const QVariant& value) const;

    // Drawn on first use and kept until the values change.
    const QPixmap& buttonIconIndex(int index) const;
    // The first button's icon for a value that no button carries.
    const QPixmap& buttonIcon(const QVariant& value) const;
    // The icon a button with that value would show, whether or not the board has one.
    virtual QPixmap createButtonIcon(const QVariant& value) const = 0;

    QSize sizeHint() const override;

signals:
    void buttonClicked(QVariant value);

protected:
    static constexpr int m_iMargin = 6;

    // A framed icon with a horizontal line in pen across its middle; a cross for Qt::NoPen.
    static QPixmap lineIcon(const QSize& size, const QPen& pen);

    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int rowCount() const;
    int posToButton(const QPoint& pos) const;

    QSize m_buttonSize{16, 16};
    QSize m_buttonSpacing;
    QVector<QVariant> m_buttonData;
    mutable QVector<QPixmap> m_icons;
    int m_nHovered = -1;
    int m_nColumnCount = 1;
};
