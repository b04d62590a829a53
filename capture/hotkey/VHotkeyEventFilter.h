// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

// Turns the press of an installed hotkey in the native event stream into a call with the
// hotkey's capture mode; the press is consumed. Install it on the application with
// QCoreApplication::installNativeEventFilter.
class VHotkeyEventFilter : public QAbstractNativeEventFilter
{
public:
    explicit VHotkeyEventFilter(std::function<void(int mode)> onHotkey);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void(int mode)> m_onHotkey;
};
