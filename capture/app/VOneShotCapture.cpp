#include "VOneShotCapture.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "grab/VScreenGrab.h"
#include "output/VOutput.h"
#include "VCommandLine.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("VOneShotCapture", text);
}

void wait(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int runOneShotCapture(const VCommandLine& commandLine, QTextStream& out, QTextStream& err)
{
    const VConfigCapture* pConfig = VConfigCapture::instance();

    // Settle the format before grabbing, so a wrong setting fails at once.
    int format = pConfig->targetFormat();
    if (!commandLine.outputFile.isEmpty()) {
        const QString suffix = QFileInfo(commandLine.outputFile).suffix();
        const auto fromSuffix = targetFormatFromSuffix(suffix);
        if (!fromSuffix) {
            err << tr("unknown file suffix \"%1\" (expected png, jpg, jpeg or bmp)").arg(suffix)
                << Qt::endl;
            return 2;
        }
        format = *fromSuffix;
    } else if (VUtility::TargetFormatToString(format).isEmpty()) {
        err << tr("the setting TargetFormat=%1 names no file format (0 PNG, 1 JPEG, 2 BMP)")
                   .arg(format)
            << Qt::endl;
        return 1;
    }

    wait(commandLine.delayMs);

    const VScreenGrab grab = grabScreen(screenAt(QCursor::pos()));
    if (grab.picture.isNull()) {
        err << tr("the screen could not be grabbed") << Qt::endl;
        return 1;
    }

    const QImage image = grab.picture.toImage();
    QString error;
    QString path;
    if (commandLine.autoName) {
        path = writeAutomaticImageFile(image, QDateTime::currentDateTime(), format,
                                       pConfig->jpgQuality(), &error);
    } else {
        path = QFileInfo(commandLine.outputFile).absoluteFilePath();
        if (!writeImageFile(image, path, format, pConfig->jpgQuality(), &error))
            path.clear();
    }
    if (path.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    out << path << Qt::endl;
    return 0;
}
