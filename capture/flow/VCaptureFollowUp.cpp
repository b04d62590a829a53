// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCaptureFollowUp.h"

#include "config/VConfigCapture.h"
#include "grab/VWindowNode.h"
#include "output/VDialogPromptTarget.h"
#include "overlay/VFullScreenSelector.h"
#include "VVCapture.h"

#include <QImage>

#include <utility>

VDelivery runCaptureFollowUp(QWidget* pParent, int mode, VScreenGrab grab)
{
    if (grab.picture.isNull())
        return {};
    QImage picture = std::move(grab.picture);
    if (VConfigCapture::instance()->isIncludeCursor())
        drawCursor(picture, grab.deviceGeometry.topLeft());

    if (mode == VV::CaptureFullScreen) {
        VDialogPromptTarget dialog(pParent, &picture);
        dialog.show();
        dialog.activateWindow();
        dialog.exec();
        return dialog.delivery();
    }
    if (mode != VV::CaptureRegion && mode != VV::CaptureWindow && mode != VV::CaptureScrolling)
        return {};
    VFullScreenSelector overlay(pParent);
    overlay.setPlacement(grab.geometry);
    overlay.runCapture(mode, std::move(picture), buildWindowTree(grab.deviceGeometry));
    return overlay.delivery();
}
