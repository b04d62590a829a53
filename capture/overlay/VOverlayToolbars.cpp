// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayToolbars.h"
#include "ui_VFullScreenSelector.h"

#include "VOverlayDrawingTools.h"
#include "VToolbarSlide.h"

#include <utility>

VOverlayToolbars::VOverlayToolbars(QWidget* pOverlay, Ui::VFullScreenSelector& ui)
    : QObject(pOverlay), m_pOverlay(pOverlay), m_ui(ui), m_pSlide(new VToolbarSlide(this))
{
    // After the capture buttons, before the closing spacer.
    int index = m_ui.rowSubTool->indexOf(m_ui.toolButtonCaptureWindow) + 1;
    for (const VDrawingTool& tool : overlayDrawingTools()) {
        QToolButton* pButton = tool.createButton(m_ui.widgetSubTool);
        m_ui.rowSubTool->insertWidget(index++, pButton);
        connect(pButton, &QToolButton::clicked, this, [this, tool] { tool.start(m_ui.canvas); });
        m_drawButtons.append({tool, pButton});
    }
}

int VOverlayToolbars::overlayHeight() const
{
    return m_pOverlay->height();
}

int VOverlayToolbars::subRowTop() const
{
    return overlayHeight() - m_ui.widgetMainTool->height() - m_ui.widgetSubTool->height();
}

void VOverlayToolbars::layOut()
{
    for (QWidget* pRow : {m_ui.widgetSubTool, m_ui.widgetMainTool}) {
        pRow->setFixedWidth(m_pOverlay->width());
        pRow->move(0, overlayHeight());
        pRow->hide();
    }
}

void VOverlayToolbars::leave(std::function<void()> then)
{
    const auto next = [this, then] { leave(then); };
    if (m_ui.widgetMainTool->isVisible()) {
        m_bSubRowWasIn = false;
        m_pSlide->slide(m_ui.widgetMainTool, QPoint(0, overlayHeight()), false, next);
    } else if (m_ui.widgetSubTool->isVisible()) {
        m_bSubRowWasIn = true;
        m_pSlide->slide(m_ui.widgetSubTool, QPoint(0, overlayHeight()), false, next);
    } else {
        then();
    }
}

void VOverlayToolbars::comeBack(std::function<void()> then)
{
    const auto next = [this, then] { comeBack(then); };
    if (m_ui.widgetSubTool->isHidden() && m_bSubRowWasIn) {
        m_pSlide->slide(m_ui.widgetSubTool, QPoint(0, subRowTop()), true, next);
    } else if (m_ui.widgetMainTool->isHidden()) {
        m_pSlide->slide(m_ui.widgetMainTool,
                        QPoint(0, overlayHeight() - m_ui.widgetMainTool->height()), true, next);
    } else {
        then();
    }
}

void VOverlayToolbars::toggleRow(bool bOn, QToolButton* pOther)
{
    if (bOn) {
        // The two rows share one place: the other one leaves first.
        if (pOther->isChecked())
            pOther->setChecked(false);
        else
            showCheckedRow();
        return;
    }
    if (m_ui.widgetSubTool->isVisible())
        m_pSlide->slide(m_ui.widgetSubTool,
                        QPoint(0, overlayHeight() - m_ui.widgetMainTool->height()), false,
                        [this] { showCheckedRow(); });
}

void VOverlayToolbars::showCheckedRow()
{
    const bool bDraw = m_ui.toolButtonDraw->isChecked();
    if (!bDraw && !m_ui.toolButtonCapture->isChecked())
        return;
    for (const auto& drawButton : std::as_const(m_drawButtons))
        drawButton.second->setVisible(bDraw);
    for (QToolButton* pButton : {m_ui.toolButtonCaptureRectangle, m_ui.toolButtonCapturePolygon,
                                 m_ui.toolButtonCaptureWindow})
        pButton->setVisible(!bDraw);
    m_pSlide->slide(m_ui.widgetSubTool, QPoint(0, subRowTop()), true);
}

bool VOverlayToolbars::isEditing() const
{
    return m_ui.widgetMainTool->isVisible() && !m_pSlide->isSliding();
}

void VOverlayToolbars::whenIn(std::function<void()> action)
{
    if (isEditing() || (m_pSlide->isSliding() && m_ui.widgetMainTool->isVisible()))
        m_pSlide->whenSettled(std::move(action));
}

void VOverlayToolbars::startTool(const QString& name) const
{
    for (const auto& [tool, pButton] : std::as_const(m_drawButtons)) {
        if (tool.name == name)
            tool.start(m_ui.canvas);
    }
}

void VOverlayToolbars::retranslate()
{
    for (const auto& [tool, pButton] : std::as_const(m_drawButtons))
        tool.translate(pButton);
}

void VOverlayToolbars::nameButtons()
{
    // The icon-only buttons are announced by what their tool tips say; buttons that others
    // named keep their names.
    static const char* const kNamedHere = "talvikNamedByToolTip";
    QList<QToolButton*> buttons = m_ui.widgetMainTool->findChildren<QToolButton*>();
    buttons += m_ui.widgetSubTool->findChildren<QToolButton*>();
    for (QToolButton* pButton : std::as_const(buttons)) {
        if (pButton->toolButtonStyle() != Qt::ToolButtonIconOnly || pButton->icon().isNull() ||
            (!pButton->accessibleName().isEmpty() && !pButton->property(kNamedHere).toBool()))
            continue;
        pButton->setAccessibleName(pButton->toolTip());
        pButton->setProperty(kNamedHere, true);
    }
}
