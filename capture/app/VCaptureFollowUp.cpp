#include "VCaptureFollowUp.h"

#include "config/VConfigCapture.h"
#include "dialogs/VDialogPromptTarget.h"
#include "grab/VWindowNode.h"
#include "overlay/VFullScreenSelector.h"
#include "VVCapture.h"

#include <QImage>

void runCaptureFollowUp(QWidget* pParent, int mode, const VScreenGrab& grab)
{
    if (grab.picture.isNull())
        return;
    QPixmap picture = grab.picture;
    if (VConfigCapture::instance()->isIncludeCursor())
        drawCursor(picture, grab.deviceGeometry.topLeft());

    if (mode == VV::CaptureFullScreen) {
        QImage image = picture.toImage();
        VDialogPromptTarget dialog(pParent, &image);
        dialog.show();
        dialog.activateWindow();
        dialog.exec();
        return;
    }
    if (mode != VV::CaptureRegion && mode != VV::CaptureWindow && mode != VV::CaptureScrolling)
        return;
    VFullScreenSelector overlay(pParent);
    overlay.setPlacement(grab.geometry);
    overlay.runCapture(mode, picture, buildWindowTree(grab.deviceGeometry));
}
