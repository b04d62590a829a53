// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QBasicTimer>
#include <QKeySequence>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;
class VShapedTrayPanel;

// The notification-area icon of a main window: a context menu that shows or hides the window,
// carries the application's own actions and quits; a click that brings the window up; and, when
// the "ShowTrayInstantMenu" setting is on, an instant panel that opens while the pointer rests on
// the icon.
//
// The main window must offer the signals shown() and hidden(), emitted from its show and hide
// events, so that the menu offers the right one of show and hide.
class TALVIKCORE_EXPORT VSystemTrayIcon : public QSystemTrayIcon
{
    Q_OBJECT

public:
    VSystemTrayIcon(QWidget* mainWindow, const QIcon& icon);
    ~VSystemTrayIcon() override;

    // Added actions go between the show/hide entries and the exit entry, in the order added.
    QAction* addAction(const QString& text, const QObject* receiver, const char* member,
                       const QKeySequence& shortcut = QKeySequence());
    QAction* addAction(const QIcon& icon, const QString& text, const QObject* receiver,
                       const char* member, const QKeySequence& shortcut = QKeySequence());

    // The instant panel, for adding buttons.
    VShapedTrayPanel* panel() const;

signals:
    // "E&xit" was chosen. Right after it every event loop ends, the modal ones inside the main
    // one included, so whatever runs modally should not come back.
    void exitRequested();

public slots:
    void onMainWindowShown();
    void onMainWindowHidden();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

protected:
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // One look at the pointer; the timer does this every 200 ms.
    void poll();

    // Where the pointer and the icon are, in global coordinates.
    virtual QPoint pointerPosition() const;
    virtual QRect iconGeometry() const;

private:
    void retranslate();

    QPointer<QWidget> m_pMainWindow;
    std::unique_ptr<QMenu> m_pMenu;
    QAction* m_pShowAction = nullptr;
    QAction* m_pHideAction = nullptr;
    QAction* m_pInsertionPoint = nullptr;
    QAction* m_pExitAction = nullptr;
    QPointer<VShapedTrayPanel> m_pPanel;
    bool m_bSuppressed = false;
    QRect m_hotArea;
    QBasicTimer m_pollTimer;
};
