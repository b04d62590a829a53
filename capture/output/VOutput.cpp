#include "VOutput.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "VVCapture.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

QImage flattenOnWhite(const QImage& image)
{
    QImage result(image.size(), QImage::Format_RGB888);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

std::optional<VV::enumTargetFormat> targetFormatFromSuffix(const QString& suffix)
{
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("png"))
        return VV::TargetFormatPng;
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return VV::TargetFormatJpg;
    if (lower == QLatin1String("bmp"))
        return VV::TargetFormatBmp;
    return std::nullopt;
}

namespace {

bool fail(QString* pError, const QString& reason)
{
    if (pError)
        *pError = reason;
    return false;
}

// PNG and BMP follow the file's own suffix when Qt can write it, else the chosen format.
QByteArray writerFormat(const QString& path, int targetFormat)
{
    if (targetFormat == VV::TargetFormatJpg)
        return QByteArrayLiteral("JPG");
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return VUtility::TargetFormatToString(targetFormat).toLatin1();
}

} // namespace

bool writeImageFile(const QImage& image, const QString& path, int targetFormat,
                    unsigned int quality, QString* pError)
{
    const QString extension = VUtility::TargetFormatToString(targetFormat);
    if (extension.isEmpty())
        return fail(
            pError,
            QCoreApplication::translate("VOutput", "unknown file format %1").arg(targetFormat));
    if (image.isNull())
        return fail(pError, QCoreApplication::translate("VOutput", "the image is empty"));

    const QImage written = targetFormat == VV::TargetFormatPng ? image : flattenOnWhite(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(pError, QCoreApplication::translate("VOutput", "cannot write %1: %2")
                                .arg(path, file.errorString()));
    QImageWriter writer(&file, writerFormat(path, targetFormat));
    if (targetFormat == VV::TargetFormatJpg)
        writer.setQuality(int(quality));
    if (!writer.write(written)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return fail(
            pError,
            QCoreApplication::translate("VOutput", "cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(pError, QCoreApplication::translate("VOutput", "cannot write %1: %2")
                                .arg(path, file.errorString()));
    return true;
}

QString automaticFileName(const QDateTime& moment)
{
    const VConfigCapture* pConfig = VConfigCapture::instance();
    const QString subFolder =
        pConfig->isCreateSubfolders()
            ? VUtility::convertTimeVariables(pConfig->subFolderFormat(), moment)
            : QString();
    const QString name = VUtility::convertTimeVariables(pConfig->fileNameFormat(), moment);
    return VUtility::makeFullPath(pConfig->automaticSaveFolder(), subFolder, name,
                                  VUtility::TargetFormatToString(pConfig->targetFormat()));
}

QString outputFileName(bool alwaysAskName)
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    const int method = pConfig->nameMethod();
    if (method == 0 || alwaysAskName) {
        const QString extension = VUtility::TargetFormatToString(pConfig->targetFormat());
        const QString filter =
            QCoreApplication::translate("VOutput", "Images (*.%1)").arg(extension);
        QString name = QFileDialog::getSaveFileName(
            nullptr, QCoreApplication::translate("VOutput", "Save File"), pConfig->lastFilePath(),
            filter);
        if (name.isEmpty())
            return name;
        pConfig->setLastFilePath(QFileInfo(name).path());
        // Not every platform dialog adds the filter's suffix; without one nothing could be
        // written.
        if (QFileInfo(name).suffix().isEmpty() && !extension.isEmpty())
            name += QLatin1Char('.') + extension;
        return name;
    }
    if (method == 1)
        return automaticFileName(QDateTime::currentDateTime());
    return QString();
}

bool outputImage(const QImage& image, int target, bool alwaysAskName, QString* pError)
{
    if (image.isNull())
        return false;
    if (target == VV::OutputClipboard) {
        QApplication::clipboard()->setImage(image, QClipboard::Clipboard);
        return true;
    }
    if (target != VV::OutputFile)
        return false;
    const QString name = outputFileName(alwaysAskName);
    if (name.isEmpty())
        return false;
    const VConfigCapture* pConfig = VConfigCapture::instance();
    return writeImageFile(image, name, pConfig->targetFormat(), pConfig->jpgQuality(), pError);
}
