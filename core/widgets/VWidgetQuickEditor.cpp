// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VWidgetQuickEditor.h"

#include "foundation/VConfig.h"
#include "foundation/VUtility.h"
#include "graphics/VGraphicsItem.h"
#include "VButtonBoardPenColor.h"
#include "VButtonBoardPenWidth.h"
#include "VCanvas.h"

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

VWidgetQuickEditor::VWidgetQuickEditor(VCanvas* canvas)
    : VWidgetTools(canvas)
    , m_pWidthBoard(new VButtonBoardPenWidth(this))
    , m_pColorBoard(new VButtonBoardPenColor(this))
{
    auto* layout = new QVBoxLayout;
    layout->setSpacing(6);
    layout->setContentsMargins(3, 3, 3, 3);
    resetLayout(layout);
    setStyle(styleSheet());

    m_pWidthBoard->setButtonData({0, 1, 2, 3, 5});
    m_pWidthBoard->setColumnCount(5);
    m_pWidthBoard->setButtonSpacing(QSize(6, 0));

    QVector<QVariant> colors;
    for (const QColor& color : VButtonBoardPenColor::colors())
        colors.append(color);
    m_pColorBoard->setButtonData(colors);
    m_pColorBoard->setColumnCount(10);
    m_pColorBoard->setButtonSpacing(QSize(3, 3));

    m_pWidthButton =
        addTool(tr("Border Width"), m_pWidthBoard, 1, this, SLOT(borderWidthSelected(QVariant)));
    m_pColorButton = addTool(tr("Border Color"), m_pColorBoard, QColor(Qt::red), this,
                             SLOT(borderColorSelected(QVariant)));
}

VWidgetQuickEditor::~VWidgetQuickEditor() = default;

void VWidgetQuickEditor::setItem(VGraphicsItem* item)
{
    disconnect(m_itemChanged);
    m_pItem = item;
    if (!item) {
        hide(false);
        return;
    }
    m_itemChanged =
        connect(item, &VGraphicsItem::changed, this, &VWidgetQuickEditor::onItemChanged);
    updateIcons();
    updatePosition();
}

void VWidgetQuickEditor::updatePosition()
{
    if (placeBesideItem())
        show(true);
}

void VWidgetQuickEditor::keepBesideItem()
{
    if (isVisible())
        placeBesideItem();
}

void VWidgetQuickEditor::borderStyleSelected(QVariant value)
{
    // Items have no border style yet; the board is offered by nobody.
    Q_UNUSED(value);
}

void VWidgetQuickEditor::borderWidthSelected(QVariant value)
{
    bool ok = false;
    const int width = value.toInt(&ok);
    if (!ok || width < 0)
        return;
    showValue(m_pWidthButton, m_pWidthBoard, width);
    if (m_pItem)
        m_pItem->setStrokeWidth(unsigned(width));
    if (VConfig* config = VConfig::_instance())
        config->setBorderLineWidth(unsigned(width));
}

void VWidgetQuickEditor::borderColorSelected(QVariant value)
{
    const QColor color = value.value<QColor>();
    if (!color.isValid())
        return;
    showValue(m_pColorButton, m_pColorBoard, color);
    if (m_pItem)
        m_pItem->setStrokeColor(color);
    if (VConfig* config = VConfig::_instance())
        config->setBorderLineColor(color);
}

void VWidgetQuickEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    VWidgetTools::changeEvent(event);
}

void VWidgetQuickEditor::retranslate()
{
    m_pWidthButton->setText(tr("Border Width"));
    m_pWidthButton->setToolTip(tr("Border Width"));
    m_pColorButton->setText(tr("Border Color"));
    m_pColorButton->setToolTip(tr("Border Color"));
}

void VWidgetQuickEditor::updateIcons()
{
    showValue(m_pWidthButton, m_pWidthBoard, int(m_pItem->strokeWidth()));
    showValue(m_pColorButton, m_pColorBoard, m_pItem->strokeColor());
}

void VWidgetQuickEditor::onItemChanged()
{
    // Edited elsewhere (the property browser, an undo): the buttons and the place follow.
    if (!m_pItem)
        return;
    updateIcons();
    if (isVisible())
        placeBesideItem();
}

bool VWidgetQuickEditor::placeBesideItem()
{
    VCanvas* owner = canvas();
    if (!m_pItem || !owner)
        return false;
    // Below right of the item's top-right corner, or wherever else the panel fits.
    const QPointF anchor = owner->mapFromScene(m_pItem->sceneBoundary().topRight());
    const QRectF place = VUtility::calcBestPosition(QRectF(owner->rect()), anchor, QSizeF(size()),
                                                    3, 0, Qt::AlignLeft);
    move(place.topLeft().toPoint());
    return true;
}

void VWidgetQuickEditor::showValue(QToolButton* button, const VButtonBoard* board,
                                   const QVariant& value)
{
    // A value the board does not offer still shows as itself, not as some other button.
    const QPixmap icon =
        board->buttonIndex(value) >= 0 ? board->buttonIcon(value) : board->createButtonIcon(value);
    button->setIcon(QIcon(icon));
}
