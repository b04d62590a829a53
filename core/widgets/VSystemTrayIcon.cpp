// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VSystemTrayIcon.h"

#include "foundation/VConfig.h"
#include "VShapedTrayPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QMetaObject>
#include <QTimerEvent>
#include <QWidget>

namespace {
constexpr int kPollInterval = 200; // ms

bool hasSignal(const QObject* object, const char* signature)
{
    return object->metaObject()->indexOfSignal(signature) >= 0;
}
} // namespace

VSystemTrayIcon::VSystemTrayIcon(QWidget* mainWindow, const QIcon& icon)
    : QSystemTrayIcon(mainWindow), m_pMainWindow(mainWindow)
{
    Q_ASSERT(mainWindow);
    setIcon(icon);

    m_pPanel = new VShapedTrayPanel(mainWindow);
    m_pMenu = std::make_unique<QMenu>();

    const QIcon windowIcon(QStringLiteral(":/images/mainwindow.png"));
    m_pShowAction = m_pMenu->addAction(windowIcon, QString());
    connect(m_pShowAction, &QAction::triggered, mainWindow, &QWidget::show);
    m_pHideAction = m_pMenu->addAction(windowIcon, QString());
    connect(m_pHideAction, &QAction::triggered, mainWindow, &QWidget::hide);
    if (mainWindow->isVisible()) {
        onMainWindowShown();
    } else {
        onMainWindowHidden();
    }

    // Any widget can be the main window, so the signals are looked up by name.
    if (hasSignal(mainWindow, "shown()") && hasSignal(mainWindow, "hidden()")) {
        connect(mainWindow, SIGNAL(shown()), this, SLOT(onMainWindowShown()));
        connect(mainWindow, SIGNAL(hidden()), this, SLOT(onMainWindowHidden()));
    } else {
        qWarning("VSystemTrayIcon: %s has no signals shown() and hidden(); the menu will not "
                 "follow the window",
                 mainWindow->metaObject()->className());
    }

    m_pMenu->addSeparator();
    m_pInsertionPoint = m_pMenu->addSeparator();

    m_pExitAction = m_pMenu->addAction(QIcon(QStringLiteral(":/images/exit.png")), QString());
    // Not quit(): that first asks every window to close, and a window that hides to the tray
    // instead, or a modal dialog that keeps its work, would stop the program from ending.
    connect(m_pExitAction, &QAction::triggered, this, [this] {
        emit exitRequested();
        QCoreApplication::exit(0);
    });

    retranslate();
    // The menu is a window of its own, so it hears of a new language.
    m_pMenu->installEventFilter(this);

    // Show and hide events can come in an unexpected order around a minimise; the window's
    // state when the menu opens is what counts.
    connect(m_pMenu.get(), &QMenu::aboutToShow, this, [this] {
        if (m_pMainWindow && m_pMainWindow->isVisible())
            onMainWindowShown();
        else
            onMainWindowHidden();
    });
    setContextMenu(m_pMenu.get());
    connect(this, &QSystemTrayIcon::activated, this, &VSystemTrayIcon::onActivated);
    m_pollTimer.start(kPollInterval, this);
}

// The menu has no parent, so it goes with the icon.
VSystemTrayIcon::~VSystemTrayIcon() = default;

QAction* VSystemTrayIcon::addAction(const QString& text, const QObject* receiver,
                                    const char* member, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, m_pMenu.get());
    action->setShortcut(shortcut);
    if (receiver && member) {
        connect(action, SIGNAL(triggered(bool)), receiver, member);
    }
    m_pMenu->insertAction(m_pInsertionPoint, action);
    return action;
}

QAction* VSystemTrayIcon::addAction(const QIcon& icon, const QString& text, const QObject* receiver,
                                    const char* member, const QKeySequence& shortcut)
{
    QAction* action = addAction(text, receiver, member, shortcut);
    action->setIcon(icon);
    return action;
}

VShapedTrayPanel* VSystemTrayIcon::panel() const
{
    return m_pPanel;
}

void VSystemTrayIcon::onMainWindowShown()
{
    m_pShowAction->setVisible(false);
    m_pHideAction->setVisible(true);
}

void VSystemTrayIcon::onMainWindowHidden()
{
    m_pShowAction->setVisible(true);
    m_pHideAction->setVisible(false);
}

void VSystemTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger && m_pMainWindow) {
        if (m_pMainWindow->isHidden()) {
            m_pMainWindow->show();
        }
        if (m_pMainWindow->isMinimized()) {
            m_pMainWindow->showNormal();
        }
        if (!m_pMainWindow->isActiveWindow()) {
            // Raised too: activating alone leaves it behind other windows on some desktops.
            m_pMainWindow->raise();
            m_pMainWindow->activateWindow();
        }
    }

    // A click means the user wants the menu or the window, not the panel: keep it shut until
    // the pointer has left the icon.
    m_bSuppressed = true;
    m_hotArea = iconGeometry();
    if (m_pPanel) {
        m_pPanel->hide();
    }
}

void VSystemTrayIcon::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_pollTimer.timerId()) {
        poll();
        return;
    }
    QSystemTrayIcon::timerEvent(event);
}

bool VSystemTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pMenu.get() && event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    return QSystemTrayIcon::eventFilter(watched, event);
}

void VSystemTrayIcon::poll()
{
    const VConfig* config = VConfig::_instance();
    if (!m_pPanel || !config || !config->isShowTrayInstantMenu()) {
        return;
    }

    const QPoint pointer = pointerPosition();
    const QRect iconRect = iconGeometry();
    if (m_pPanel->isHidden()) {
        if (iconRect.contains(pointer)) {
            if (!m_bSuppressed && !m_pMenu->isVisible()) {
                m_pPanel->show(iconRect);
                m_hotArea = m_pPanel->frameGeometry().united(iconRect);
            }
        } else {
            m_bSuppressed = false;
        }
    } else if (!m_hotArea.contains(pointer)) {
        m_pPanel->hide();
    }
}

QPoint VSystemTrayIcon::pointerPosition() const
{
    return QCursor::pos();
}

QRect VSystemTrayIcon::iconGeometry() const
{
    return geometry();
}

void VSystemTrayIcon::retranslate()
{
    m_pShowAction->setText(tr("&Show Main Window"));
    m_pHideAction->setText(tr("&Hide Main Window"));
    m_pExitAction->setText(tr("E&xit"));
}
