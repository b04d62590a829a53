// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VSingleApplication.h"

// The capture application object: one instance per user; a second start wakes the first.
// The empty message shows the main dialog; "capture:<mode>" asks for a capture.
class VApplication : public VSingleApplication
{
    Q_OBJECT

public:
    VApplication(int& argc, char** argv);
    VApplication(VSingleInstance instance, int& argc, char** argv);

    static QString captureMessage(const QString& mode);
    // The mode word of a capture message, or empty for any other message.
    static QString captureModeOf(const QString& message);
    // A picture file for the instance to keep on the clipboard, and back; empty for any other.
    static QString clipboardMessage(const QString& file);
    static QString clipboardFileOf(const QString& message);

protected slots:
    // Shows the dialog first when it is hidden (in the tray), then restores and raises it.
    void activateWindow() override;

protected:
    bool activatesWindow(const QString& message) const override;
};
