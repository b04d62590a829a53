// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScrollingWindow.h"

#include "config/VConfigCapture.h"
#include "VScrollingCapture.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {
// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VScrollingWindow)
};
} // namespace

QImage captureScrollingWindow(const QRect& globalRect, const QPoint& wheelPoint)
{
    VScrollingCapture scrolling;
    scrolling.setStepPause(VConfigCapture::instance()->scrollingInterval());
    scrolling.setWheelPoint(wheelPoint);
    scrolling.setKeepChangedContent([] {
        QMessageBox box(
            QMessageBox::Warning, Text::tr("TalvikCapture - Scrolling Window"),
            Text::tr("The content changed during scrolling!\n\n Still save the captured "
                     "part?"),
            QMessageBox::Yes | QMessageBox::No);
        box.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        return box.exec() == QMessageBox::Yes;
    });
    const QImage image = scrolling.capture(globalRect);
    const VScrollingCapture::End end = scrolling.end();
    // The changed-content question has already said its piece.
    if (end != VScrollingCapture::End::Finished && end != VScrollingCapture::End::ContentChanged &&
        end != VScrollingCapture::End::GaveUp)
        QMessageBox::information(nullptr, Text::tr("Scrolling Window"),
                                 VScrollingCapture::endText(end));
    return image;
}
