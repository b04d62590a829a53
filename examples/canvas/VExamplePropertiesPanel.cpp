// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VExamplePropertiesPanel.h"

#include "VExampleIcon.h"

#include "widgets/VCanvas.h"
#include "widgets/VWidgetPropertyBrowser.h"
#include "widgets/VWidgetTools.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QPainter>
#include <QToolButton>

namespace {

// A list with a pen over it: the panel edits what is drawn.
QIcon propertiesIcon()
{
    return drawnIcon([](QPainter& painter) {
        for (int row = 0; row < 3; ++row) {
            const double y = 5 + row * 5;
            painter.drawLine(QPointF(3, y), QPointF(5, y));
            painter.drawLine(QPointF(8, y), QPointF(17, y));
        }
    });
}

} // namespace

VExamplePropertiesPanel::VExamplePropertiesPanel(QMainWindow* window, VCanvas* canvas,
                                                 VWidgetTools* tools)
    : QObject(window), m_pDock(new QDockWidget(window))
{
    m_pDock->setObjectName(QStringLiteral("propertiesPanel"));
    m_pDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* browser = new VWidgetPropertyBrowser(m_pDock, canvas);
    browser->setMinimumWidth(260);
    m_pDock->setWidget(browser);
    window->addDockWidget(Qt::RightDockWidgetArea, m_pDock);

    m_pToggle = tools->addTool(propertiesIcon(), tr("Properties"), nullptr, nullptr,
                               QKeySequence(Qt::Key_F4));
    m_pToggle->setCheckable(true);
    m_pToggle->setChecked(true);
    connect(m_pToggle, &QToolButton::toggled, m_pDock, &QDockWidget::setVisible);
    // Closed by its own button, the panel still shows in the toggle.
    connect(m_pDock->toggleViewAction(), &QAction::toggled, m_pToggle, &QToolButton::setChecked);
    retranslate();
    m_pDock->installEventFilter(this);
}

bool VExamplePropertiesPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pDock && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void VExamplePropertiesPanel::retranslate()
{
    m_pDock->setWindowTitle(tr("Properties"));
    m_pToggle->setText(tr("Properties"));
    m_pToggle->setToolTip(tr("Show or hide the properties of the selected items (F4)"));
}
