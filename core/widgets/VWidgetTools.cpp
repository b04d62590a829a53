// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VWidgetTools.h"

#include "VButtonBoard.h"

#include <QAction>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QKeySequence>
#include <QToolButton>

const QString& VWidgetTools::styleSheet()
{
    static const QString sheet = QStringLiteral(
        ".QWidget{border-radius: 3px;border-width: 1px;border-style: solid;background-color: "
        "rgb(255, 255, 255);border-color: rgb(48, 48, 48);color: rgb(48, 48, 48);font: "
        "10pt;}QGroupBox { border: 1px solid gray; margin-top: 6px;}QGroupBox::title { "
        "subcontrol-origin: margin;}");
    return sheet;
}

VWidgetTools::VWidgetTools(VCanvas* canvas) : VWidget(canvas)
{
    setStyle(styleSheet());
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0);
    shadow->setBlurRadius(5);
    setGraphicsEffect(shadow);
}

VWidgetTools::~VWidgetTools() = default;

QToolButton* VWidgetTools::addTool(const QString& text, VButtonBoard* board, const QVariant& value,
                                   const QObject* receiver, const char* slot)
{
    if (!board)
        return nullptr;
    auto* button = new QToolButton(this);
    board->setParent(button, Qt::Popup);
    button->setMenu(board);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setText(text);
    button->setToolTip(text);
    const QPixmap& icon = board->buttonIcon(value);
    button->setIcon(QIcon(icon));
    button->setIconSize(icon.size());
    button->setFixedSize(icon.size() + QSize(8, 8));
    button->setAutoRaise(true);
    if (receiver && slot)
        connect(board, SIGNAL(buttonClicked(QVariant)), receiver, slot);

    addWidget(button);
    adjustSize();
    // Laid out once now, so the first popup opens at its final size.
    board->show();
    board->hide();
    ++m_nToolCount;
    return button;
}

QToolButton* VWidgetTools::addTool(const QIcon& icon, const QString& text, const QObject* receiver,
                                   const char* slot, const QKeySequence& shortcut)
{
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(icon);
    const QList<QSize> sizes = icon.availableSizes();
    const QSize iconSize = sizes.isEmpty() ? button->iconSize() : sizes.first();
    button->setIconSize(iconSize);
    button->setFixedSize(iconSize + QSize(3, 3));
    button->setAutoRaise(true);
    if (receiver && slot)
        connect(button, SIGNAL(clicked()), receiver, slot);

    // On the panel, so the shortcut lives while the tool is offered; through the button, so it
    // does exactly what a click does.
    auto* action = new QAction(icon, text, this);
    action->setShortcut(shortcut);
    addAction(action);
    connect(action, &QAction::triggered, button, &QToolButton::click);

    addWidget(button);
    adjustSize();
    ++m_nToolCount;
    return button;
}
