// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QIcon;
class QString;
class QTimer;
class QToolButton;
class QWidget;
class VSystemTrayIcon;

// The main window's notification-area icon with a menu entry and an instant-panel button for
// each capture mode, and the watch on whether the desktop shows tray icons at all: a tray host
// may start after us, and until it does the main window is the only way to reach the program.
class VMainTray : public QObject
{
    Q_OBJECT

public:
    // isAvailable tells whether the desktop shows tray icons now, isBusy whether a capture is
    // pending or running.
    VMainTray(QWidget* pMainWindow, int regionType, std::function<bool()> isAvailable,
              std::function<bool()> isBusy);

    VSystemTrayIcon* icon() const { return m_pIcon; }
    // As the last look found it; a tray is assumed until a look says otherwise.
    bool isAvailable() const { return m_bAvailable; }

    void setRegionIcon(const QIcon& icon);
    // For a mode this desktop cannot do; why becomes its panel button's tooltip.
    void disableMode(int mode, const QString& why);
    void retranslate();
    // One look at the tray now and, while there is none, one every second.
    void watch();
    // Without a tray, the program ends once nothing of it is left on screen or on the
    // clipboard; a tray that comes first takes this back.
    void endWhenIdle();
    // The main window, minimised for want of a tray, hides into the tray once it comes.
    void hideWhenTrayComes() { m_bHideWhenTrayComes = true; }

signals:
    // From the menu or the panel: the user is wherever the pointer is.
    void captureRequested(int mode);
    void availabilityChanged(bool available);

private:
    QWidget* m_pMainWindow = nullptr;
    VSystemTrayIcon* m_pIcon = nullptr;
    // By mode number.
    std::array<QAction*, 4> m_modeActions{};
    std::array<QToolButton*, 4> m_panelButtons{};
    std::function<bool()> m_isAvailable;
    std::function<bool()> m_isBusy;
    QTimer* m_pWatch = nullptr;
    bool m_bAvailable = true;
    bool m_bEndWhenIdle = false;
    bool m_bHideWhenTrayComes = false;
};
