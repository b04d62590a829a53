// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VButtonBoard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>

#include <algorithm>

namespace {
const QColor kHighlight(194, 138, 48);
} // namespace

VButtonBoard::VButtonBoard(QWidget* parent) : QMenu(parent) {}

VButtonBoard::~VButtonBoard() = default;

void VButtonBoard::setButtonData(const QVector<QVariant>& values)
{
    m_buttonData = values;
    m_icons = QVector<QPixmap>(values.size());
    if (m_nHovered >= values.size())
        m_nHovered = -1;
    updateGeometry();
    update();
}

void VButtonBoard::setColumnCount(int count)
{
    if (count < 1)
        return;
    m_nColumnCount = count;
    updateGeometry();
    update();
}

void VButtonBoard::setButtonSpacing(const QSize& spacing)
{
    // Neighbours may overlap, but never so far that two buttons start at the same place: the
    // grid arithmetic divides by the distance between them.
    m_buttonSpacing = QSize(std::max(spacing.width(), 1 - m_buttonSize.width()),
                            std::max(spacing.height(), 1 - m_buttonSize.height()));
    updateGeometry();
    update();
}

QRect VButtonBoard::buttonRect(int index) const
{
    if (index < 0 || index >= m_buttonData.size())
        return QRect();
    const int column = index % m_nColumnCount;
    const int row = index / m_nColumnCount;
    return QRect(m_iMargin + (m_buttonSize.width() + m_buttonSpacing.width()) * column,
                 m_iMargin + (m_buttonSize.height() + m_buttonSpacing.height()) * row,
                 m_buttonSize.width(), m_buttonSize.height());
}

QRect VButtonBoard::buttonRect(int column, int row) const
{
    if (column < 0 || column >= m_nColumnCount || row < 0)
        return QRect();
    return buttonRect(column + row * m_nColumnCount);
}

QRect VButtonBoard::buttonRect(const QVariant& value) const
{
    return buttonRect(buttonIndex(value));
}

int VButtonBoard::buttonIndex(const QVariant& value) const
{
    return int(m_buttonData.indexOf(value));
}

const QPixmap& VButtonBoard::buttonIconIndex(int index) const
{
    static const QPixmap none;
    if (index < 0 || index >= m_buttonData.size())
        return none;
    QPixmap& icon = m_icons[index];
    if (icon.isNull())
        icon = createButtonIcon(m_buttonData.at(index));
    return icon;
}

const QPixmap& VButtonBoard::buttonIcon(const QVariant& value) const
{
    return buttonIconIndex(std::max(buttonIndex(value), 0));
}

QSize VButtonBoard::sizeHint() const
{
    const int columns = m_nColumnCount;
    const int rows = rowCount();
    return QSize(
        m_buttonSize.width() * columns + m_buttonSpacing.width() * (columns - 1) + 2 * m_iMargin,
        m_buttonSize.height() * rows + m_buttonSpacing.height() * (rows - 1) + 2 * m_iMargin);
}

void VButtonBoard::mouseReleaseEvent(QMouseEvent* event)
{
    const int index = posToButton(event->position().toPoint());
    if (index >= 0 && index < m_buttonData.size() && m_buttonData.at(index).isValid()) {
        // The receiver may well close or delete the board.
        const QPointer<VButtonBoard> alive(this);
        emit buttonClicked(m_buttonData.at(index));
        if (!alive)
            return;
    }
    QMenu::mouseReleaseEvent(event);
}

void VButtonBoard::mouseMoveEvent(QMouseEvent* event)
{
    int index = posToButton(event->position().toPoint());
    if (index >= m_buttonData.size())
        index = -1;
    if (index != m_nHovered) {
        const int old = m_nHovered;
        m_nHovered = index;
        // The frames reach one pixel beyond the button.
        update(buttonRect(old).adjusted(-2, -2, 2, 2));
        update(buttonRect(index).adjusted(-2, -2, 2, 2));
    }
    QMenu::mouseMoveEvent(event);
}

void VButtonBoard::leaveEvent(QEvent* event)
{
    // The hovered button stays framed: it is the one the pointer left from.
    QMenu::leaveEvent(event);
}

void VButtonBoard::paintEvent(QPaintEvent* event)
{
    QMenu::paintEvent(event);
    QPainter painter(this);
    for (int i = 0; i < m_buttonData.size(); ++i) {
        const QRect rect = buttonRect(i);
        if (event->region().intersects(rect))
            painter.drawPixmap(rect.topLeft(), buttonIconIndex(i));
    }
    const QRect hovered = buttonRect(m_nHovered);
    if (hovered.isValid()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::white);
        painter.drawRect(hovered.adjusted(0, 0, -1, -1));
        painter.setPen(kHighlight);
        painter.drawRect(hovered.adjusted(-1, -1, 0, 0));
    }
}

QPixmap VButtonBoard::lineIcon(const QSize& size, const QPen& pen)
{
    QPixmap icon(size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QPen outline(kHighlight);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(icon.rect().adjusted(0, 0, -1, -1), 2, 2);
    if (pen.style() == Qt::NoPen) {
        const QRect cross = icon.rect().adjusted(2, 2, -2, -2);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
        return icon;
    }
    painter.setPen(pen);
    const int y = size.height() / 2;
    // Both cover the pixels 1 to width - 2: a cosmetic line includes its end point, a wide one
    // with flat ends stops short of it.
    const int end = pen.isCosmetic() ? size.width() - 2 : size.width() - 1;
    painter.drawLine(1, y, end, y);
    return icon;
}

int VButtonBoard::rowCount() const
{
    return int((m_buttonData.size() + m_nColumnCount - 1) / m_nColumnCount);
}

int VButtonBoard::posToButton(const QPoint& pos) const
{
    const int dx = pos.x() - m_iMargin;
    const int dy = pos.y() - m_iMargin;
    if (dx < 0 || dy < 0)
        return -1;
    const int pitchX = m_buttonSize.width() + m_buttonSpacing.width();
    const int pitchY = m_buttonSize.height() + m_buttonSpacing.height();
    const int column = dx / pitchX;
    const int row = dy / pitchY;
    if (column >= m_nColumnCount || row >= rowCount())
        return -1;
    if (dx - column * pitchX >= m_buttonSize.width() || dy - row * pitchY >= m_buttonSize.height())
        return -1;
    return column + row * m_nColumnCount;
}
