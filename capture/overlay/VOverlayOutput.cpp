// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayOutput.h"

#include "graphics/VGraphicsScene.h"
#include "output/VDialogPromptTarget.h"
#include "output/VOutput.h"
#include "scrolling/VScrollingWindow.h"
#include "VVCapture.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {
// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VOverlayOutput)
};
} // namespace

namespace VOverlayOutput {

std::optional<VDelivery> save(QWidget* pParent, const QImage& picture, const SaveTarget& saveTarget)
{
    QString error;
    QString path;
    if (saveTarget ? saveTarget(picture, &error)
                   : ::outputImage(picture, VV::OutputFile, false, &error, &path))
        return VDelivery{VDelivery::Kind::Saved, path};
    // Empty when the user cancelled the name.
    if (!error.isEmpty())
        QMessageBox::warning(pParent, Text::tr("Error"),
                             Text::tr("Failed to save the file: %1").arg(error));
    return std::nullopt;
}

std::optional<VDelivery> copy(QWidget* pParent, const QImage& picture)
{
    if (::outputImage(picture, VV::OutputClipboard, false))
        return VDelivery{VDelivery::Kind::Copied, QString()};
    QMessageBox::critical(pParent, Text::tr("Error"),
                          Text::tr("Failed to Copy to Clipboard, please save to file!"),
                          QMessageBox::Ok);
    return std::nullopt;
}

void print(QWidget* pParent, VGraphicsScene* scene)
{
    QPrintPreviewDialog preview(pParent, Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, scene,
                     [scene](QPrinter* pPrinter) {
                         scene->printTo(pPrinter, pPrinter->pageRect(QPrinter::DevicePixel).size());
                     });
    preview.exec();
}

std::optional<VDelivery> scrollingWindow(const QRect& deviceRect, const QPoint& devicePoint)
{
    QImage image = captureScrollingWindow(deviceRect, devicePoint);
    if (image.isNull())
        return std::nullopt;
    VDialogPromptTarget chooser(nullptr, &image);
    chooser.show();
    chooser.activateWindow();
    chooser.exec();
    return chooser.delivery();
}

} // namespace VOverlayOutput
