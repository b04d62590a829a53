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
// may start after us.
class VMainTray : public QObject
{
    Q_OBJECT

public:
    // isAvailable tells whether the desktop shows tray icons now.
    VMainTray(QWidget* pMainWindow, int regionType, std::function<bool()> isAvailable);

    VSystemTrayIcon* icon() const { return m_pIcon; }
    // As the last look found it; a tray is assumed until a look says otherwise.
    bool isAvailable() const { return m_bAvailable; }

    void setRegionIcon(const QIcon& icon);
    // For a mode this desktop cannot do; why becomes its panel button's tooltip.
    void disableMode(int mode, const QString& why);
    void retranslate();
    // One look at the tray now and, while there is none, one every second.
    void watch();

signals:
    // From the menu or the panel: the user is wherever the pointer is.
    void captureRequested(int mode);
    void availabilityChanged(bool available);
    // After every look, once availabilityChanged has been told.
    void watched(bool available);

private:
    VSystemTrayIcon* m_pIcon = nullptr;
    // By mode number.
    std::array<QAction*, 4> m_modeActions{};
    std::array<QToolButton*, 4> m_panelButtons{};
    std::function<bool()> m_isAvailable;
    QTimer* m_pWatch = nullptr;
    bool m_bAvailable = true;
};
