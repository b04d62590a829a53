// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VApplication.h"

#include "VCaptureInfo.h"

#include <QWidget>

namespace {
const QString kCapturePrefix = QStringLiteral("capture:");
const QString kClipboardPrefix = QStringLiteral("clipboard:");
} // namespace

VApplication::VApplication(int& argc, char** argv)
    : VSingleApplication(VCaptureInfo::applicationName(), argc, argv)
{
}

VApplication::VApplication(VSingleInstance instance, int& argc, char** argv)
    : VSingleApplication(std::move(instance), argc, argv)
{
}

QString VApplication::captureMessage(const QString& mode)
{
    return kCapturePrefix + mode;
}

QString VApplication::captureModeOf(const QString& message)
{
    return message.startsWith(kCapturePrefix) ? message.mid(kCapturePrefix.size()) : QString();
}

QString VApplication::clipboardMessage(const QString& file)
{
    return kClipboardPrefix + file;
}

QString VApplication::clipboardFileOf(const QString& message)
{
    return message.startsWith(kClipboardPrefix) ? message.mid(kClipboardPrefix.size()) : QString();
}

void VApplication::activateWindow()
{
    QWidget* pWindow = activationWindow();
    if (pWindow && !pWindow->isVisible())
        pWindow->show();
    VSingleApplication::activateWindow();
}

bool VApplication::activatesWindow(const QString& message) const
{
    // Only a plain second start: requests are served where the user is.
    return message.isEmpty();
}
