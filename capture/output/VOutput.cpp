// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOutput.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "platform/VPlatformFiles.h"
#include "VBmpWriter.h"
#include "VFileNameTemplate.h"
#include "VJpegWriter.h"
#include "VLogOutput.h"
#include "VPngWriter.h"
#include "VVCapture.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>
#include <optional>

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
    qCInfo(lcOutput, "Output: not written: %s", qUtf8Printable(reason));
    if (pError)
        *pError = reason;
    return false;
}

void logWritten(const QString& where, const QByteArray& format, const QImage& image,
                const QElapsedTimer& clock)
{
    qCInfo(lcOutput, "Output: %s written, %dx%d as %s, in %lld ms", qUtf8Printable(where),
           image.width(), image.height(), format.constData(), clock.elapsed());
}

// PNG and BMP follow the file's own suffix when Qt can write it, else the chosen format.
QByteArray writerFormat(const QString& path, int targetFormat)
{
    if (targetFormat == VV::TargetFormatJpg)
        return QByteArrayLiteral("JPG");
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    // Asking the toolkit loads every image plugin it has: not for the formats we write.
    if (suffix == "png" || suffix == "bmp")
        return suffix;
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return VUtility::TargetFormatToString(targetFormat).toLatin1();
}

} // namespace

namespace {

QString cannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("VOutput", "cannot write %1: %2").arg(path, reason);
}

// Why no file of targetFormat at path can hold image, or empty when one can.
QString unwritableReason(const QImage& image, int targetFormat, const QString& path)
{
    if (VUtility::TargetFormatToString(targetFormat).isEmpty())
        return QCoreApplication::translate("VOutput", "unknown file format %1").arg(targetFormat);
    if (image.isNull())
        return QCoreApplication::translate("VOutput", "the image is empty");
    // JPEG counts its sides in 16 bits: a tall scrolling capture would fail deep in the encoder.
    constexpr int kJpegMaxSide = 65535;
    if (targetFormat == VV::TargetFormatJpg &&
        (image.width() > kJpegMaxSide || image.height() > kJpegMaxSide))
        return cannotWrite(path, QCoreApplication::translate("VOutput",
                                                             "a JPEG picture can be at most %1 "
                                                             "pixels high and wide, this one is "
                                                             "%2 x %3; save it as PNG")
                                     .arg(kJpegMaxSide)
                                     .arg(image.width())
                                     .arg(image.height()));
    return QString();
}

// Encodes image into file, all the way to the disk's answer; false with the reason.
bool encodeInto(QFileDevice& file, const QImage& image, const QByteArray& format, int targetFormat,
                unsigned int quality, QString* pReason)
{
    // Our own writers stream the picture row by row: no second full-size copy is made.
    QString writerError;
    bool encoded = false;
    if (format == "png" && VPngWriter::handles(image.format())) {
        VPngWriter writer;
        encoded = writer.write(image, file);
        writerError = writer.errorString();
    } else if (format == "bmp") {
        encoded = writeBmpOnWhite(image, file);
        writerError = QCoreApplication::translate("VOutput", "the picture is too large for BMP");
    } else if (format == "JPG") {
        VJpegWriter writer(static_cast<int>(quality));
        encoded = writer.write(image, file);
        writerError = writer.errorString();
    } else {
        // A suffix that names another format Qt writes, or a picture deeper than 8 bits.
        QImageWriter writer(&file, format);
        encoded = writer.write(targetFormat == VV::TargetFormatPng ? image : flattenOnWhite(image));
        writerError = writer.errorString();
    }
    // A small picture fits the file's buffer, so the disk's answer only comes with the flush.
    if (encoded && file.flush() && file.error() == QFileDevice::NoError)
        return true;
    // A write cut short by a full disk reports the bytes it did write and no reason; one more
    // byte, forced out, brings the system's own. The file is thrown away anyway.
    file.write("", 1);
    file.flush();
    *pReason = file.error() != QFileDevice::NoError ? file.errorString() : writerError;
    return false;
}

// Writes in format (writerFormat's) through a temporary file that replaces path once complete.
bool writeFile(const QImage& image, const QString& path, const QByteArray& format, int targetFormat,
               unsigned int quality, QString* pError)
{
    QElapsedTimer clock;
    clock.start();
    if (const QString reason = unwritableReason(image, targetFormat, path); !reason.isEmpty())
        return fail(pError, reason);
    // Through a link, the file it points to is replaced, keeping its owner and permissions.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(pError, cannotWrite(path, file.errorString()));
    QString reason;
    if (!VPlatform::keepOwnership(file.handle(), path, &reason) ||
        !encodeInto(file, image, format, targetFormat, quality, &reason)) {
        file.cancelWriting();
        return fail(pError, cannotWrite(path, reason));
    }
    if (!file.commit())
        return fail(pError, cannotWrite(path, file.errorString()));
    logWritten(path, format, image, clock);
    return true;
}

} // namespace

bool writeImageFile(const QImage& image, const QString& path, int targetFormat,
                    unsigned int quality, QString* pError)
{
    return writeFile(image, path, writerFormat(path, targetFormat), targetFormat, quality, pError);
}

bool writeImageFileAs(const QImage& image, const QString& path, int targetFormat,
                      unsigned int quality, QString* pError)
{
    return writeFile(image, path, writerFormat(QString(), targetFormat), targetFormat, quality,
                     pError);
}

bool writeImageToStandardOutput(const QImage& image, int targetFormat, unsigned int quality,
                                QString* pError)
{
    QElapsedTimer clock;
    clock.start();
    const QString name = QStringLiteral("-");
    if (const QString reason = unwritableReason(image, targetFormat, name); !reason.isEmpty())
        return fail(pError, reason);
    std::fflush(stdout);
    QFile out;
    QString reason;
    if (!out.open(VPlatform::binaryStandardOutput(), QIODevice::WriteOnly,
                  QFileDevice::DontCloseHandle))
        return fail(pError, cannotWrite(name, out.errorString()));
    const QByteArray format = writerFormat(QString(), targetFormat);
    if (!encodeInto(out, image, format, targetFormat, quality, &reason))
        return fail(pError,
                    cannotWrite(QCoreApplication::translate("VOutput", "standard output"), reason));
    logWritten(QStringLiteral("standard output"), format, image, clock);
    return true;
}

VAutomaticName automaticName(const QDateTime& moment)
{
    const VConfigCapture* pConfig = VConfigCapture::instance();
    const auto expand = [&moment](const QString& format, const QString& fallback) {
        const QString name =
            VFileNameTemplate::cleanName(VUtility::convertTimeVariables(format, moment));
        return name.isEmpty() ? VUtility::convertTimeVariables(fallback, moment) : name;
    };
    VAutomaticName result;
    if (pConfig->isCreateSubfolders())
        result.subFolder =
            expand(pConfig->subFolderFormat(), VConfigCapture::defaultSubFolderFormat());
    result.name = expand(pConfig->fileNameFormat(), VConfigCapture::defaultFileNameFormat());
    return result;
}

QString automaticFileName(const QDateTime& moment)
{
    const VConfigCapture* pConfig = VConfigCapture::instance();
    const VAutomaticName name = automaticName(moment);
    return VUtility::makeFullPath(pConfig->automaticSaveFolder(), name.subFolder, name.name,
                                  VUtility::TargetFormatToString(pConfig->targetFormat()));
}

QString writeAutomaticImageFile(const QImage& image, const QDateTime& moment, int targetFormat,
                                unsigned int quality, QString* pError)
{
    // Another capture may take the free name between our look and our naming: the finished
    // file takes a name only where nothing is, else the next one.
    QElapsedTimer clock;
    clock.start();
    std::optional<VPlatform::VPendingFile> pending;
    constexpr int kAttempts = 1000;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString path = automaticFileName(moment);
        if (!pending) {
            if (const QString reason = unwritableReason(image, targetFormat, path);
                !reason.isEmpty()) {
                fail(pError, reason);
                return QString();
            }
            pending.emplace(QFileInfo(path).path());
            QString reason = pending->errorString();
            if (!pending->isOpen() ||
                !encodeInto(pending->device(), image, writerFormat(path, targetFormat),
                            targetFormat, quality, &reason)) {
                fail(pError, cannotWrite(path, reason));
                return QString();
            }
        }
        switch (pending->placeAs(path)) {
        case VPlatform::VPendingFile::Placement::Placed:
            logWritten(path, writerFormat(path, targetFormat), image, clock);
            return path;
        case VPlatform::VPendingFile::Placement::NameTaken:
            qCDebug(lcOutput, "Output: %s is taken, the next name is tried", qUtf8Printable(path));
            continue;
        case VPlatform::VPendingFile::Placement::Failed:
            fail(pError, cannotWrite(path, pending->errorString()));
            return QString();
        }
    }
    fail(pError, QCoreApplication::translate("VOutput", "no free file name in %1")
                     .arg(QFileInfo(automaticFileName(moment)).path()));
    return QString();
}

namespace {

bool asksForName(bool alwaysAskName)
{
    return alwaysAskName || VConfigCapture::instance()->nameMethod() == VV::NameAsk;
}

QString askFileName()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    const QString extension = VUtility::TargetFormatToString(pConfig->targetFormat());
    const QString filter = QCoreApplication::translate("VOutput", "Images (*.%1)").arg(extension);
    // The automatic name in the folder used last, so Enter alone saves.
    QString folder = pConfig->lastFilePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = pConfig->automaticSaveFolder();
    const QString proposal = QDir(folder).filePath(
        automaticName(QDateTime::currentDateTime()).name + QLatin1Char('.') + extension);
    QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                QCoreApplication::translate("VOutput", "Save File"),
                                                proposal, filter);
    if (name.isEmpty())
        return name;
    pConfig->setLastFilePath(QFileInfo(name).path());
    // Not every platform dialog adds the filter's suffix; without one nothing could be written.
    if (QFileInfo(name).suffix().isEmpty() && !extension.isEmpty())
        name += QLatin1Char('.') + extension;
    return name;
}

} // namespace

QString outputFileName(bool alwaysAskName)
{
    if (asksForName(alwaysAskName))
        return askFileName();
    if (VConfigCapture::instance()->nameMethod() == VV::NameAutomatic)
        return automaticFileName(QDateTime::currentDateTime());
    return QString();
}

bool outputImage(const QImage& image, int target, bool alwaysAskName, QString* pError,
                 QString* pWritten)
{
    if (image.isNull())
        return false;
    if (target == VV::OutputClipboard) {
        QApplication::clipboard()->setImage(image, QClipboard::Clipboard);
        qCInfo(lcOutput, "Output: %dx%d to the clipboard", image.width(), image.height());
        return true;
    }
    if (target != VV::OutputFile) {
        qCInfo(lcOutput, "Output: not written: unknown target %d", target);
        return false;
    }
    const VConfigCapture* pConfig = VConfigCapture::instance();
    const int format = pConfig->targetFormat();
    QString path;
    QString error;
    if (asksForName(alwaysAskName)) {
        path = askFileName();
        if (path.isEmpty()) {
            qCInfo(lcOutput, "Output: no file name given, nothing written");
            return false;
        }
        // A name the user typed with a known suffix is written in that format.
        const auto fromSuffix = targetFormatFromSuffix(QFileInfo(path).suffix());
        if (!writeImageFile(image, path, fromSuffix ? *fromSuffix : format, pConfig->jpgQuality(),
                            &error))
            path.clear();
    } else if (pConfig->nameMethod() == VV::NameAutomatic) {
        path = writeAutomaticImageFile(image, QDateTime::currentDateTime(), format,
                                       pConfig->jpgQuality(), &error);
    } else {
        return false;
    }
    if (path.isEmpty()) {
        // Also for whoever reads the terminal or the session's log.
        qWarning("%s", qUtf8Printable(error));
        if (pError)
            *pError = error;
        return false;
    }
    if (pWritten)
        *pWritten = path;
    return true;
}
