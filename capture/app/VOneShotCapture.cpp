// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOneShotCapture.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "grab/VScreenGrab.h"
#include "grab/VScreenGrabLater.h"
#include "grab/VWindowNode.h"
#include "output/VOutput.h"
#include "overlay/VFullScreenSelector.h"
#include "platform/VPlatformDirect.h"
#include "platform/VPlatformFactory.h"
#include "scrolling/VScrollingCapture.h"
#include "VApplication.h"
#include "VCaptureInfo.h"
#include "VCommandLine.h"
#include "VSingleInstance.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryFile>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <variant>

namespace {

// An exit code in place of a value.
struct VOneShotExit
{
    int code = 0;
};

// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VOneShotCapture)
};

// Exit code of a picture written that lacks part of what was asked for (the reason is on
// standard error).
constexpr int kExitPartial = 3;
// Exit code of a capture the user cancelled in the overlay.
constexpr int kExitCancelled = 4;

// The page in the window under a global point, scrolled to its end. A page that cannot be
// matched all the way is kept as far as it was certain, as nobody is there to be asked;
// bPartial tells that it, or the limits or Escape, cut the page short.
QImage scrolledPageAt(const QPoint& globalPoint, QTextStream& err, bool& bPartial)
{
    // Only where the screen lies: the scrolling capture grabs for itself.
    const QRect screenDevice = deviceGeometry(screenAt(globalPoint));
    const QPoint device = toDevicePixels(QPointF(globalPoint));
    VWindowNode tree = buildWindowTree(screenDevice);
    const auto [pWindow, rect] = tree.findWindowAt(device);
    if (!pWindow || pWindow == &tree) {
        err << Text::tr("there is no window at %1,%2").arg(globalPoint.x()).arg(globalPoint.y())
            << Qt::endl;
        return QImage();
    }
    VScrollingCapture scrolling;
    scrolling.setStepPause(VConfigCapture::instance()->scrollingInterval());
    scrolling.setWheelPoint(device);
    const QImage page = scrolling.capture(rect.translated(screenDevice.topLeft()));
    const QString why = VScrollingCapture::endText(scrolling.end());
    if (!why.isEmpty())
        err << why << Qt::endl;
    bPartial = VScrollingCapture::isPartial(scrolling.end());
    return page;
}

void wait(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The monitors' grab, waiting for a desktop service's answer where one takes the picture.
VScreenGrab grabScreenNow(const QList<QScreen*>& screens, QString& whyNot)
{
    VScreenGrab grab;
    bool bAnswered = false;
    QEventLoop loop;
    grabScreenLater(screens, &loop, [&](VScreenGrab answer, const QString& why) {
        grab = std::move(answer);
        whyNot = why;
        bAnswered = true;
        loop.quit();
    });
    if (!bAnswered)
        loop.exec();
    return grab;
}

// The monitors' grab in device pixels, with the pointer when the settings want it. Its picture
// is null after saying why on err.
VScreenGrab grabForFile(const QList<QScreen*>& screens, QTextStream& err)
{
    QString whyNot;
    VScreenGrab grab = grabScreenNow(screens, whyNot);
    if (!whyNot.isEmpty()) {
        err << whyNot << Qt::endl;
        return {};
    }
    if (grab.picture.isNull()) {
        err << Text::tr("the screen could not be grabbed") << Qt::endl;
        return {};
    }
    if (VConfigCapture::instance()->isIncludeCursor())
        drawCursor(grab.picture, grab.deviceGeometry.topLeft());
    grab.picture.setDevicePixelRatio(1);
    return grab;
}

// A top-level window grabbed whole from the monitors it lies on and cut to its shape: transparent
// outside it. Null after saying why on err.
QImage windowPicture(const VWindowNode& window, QTextStream& err)
{
    const VScreenGrab grab = grabForFile(screensTouching(window.rect()), err);
    if (grab.picture.isNull())
        return QImage();
    QImage image = grab.picture.copy(window.rect().translated(-grab.deviceGeometry.topLeft()))
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!window.shapeMask().isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawPixmap(0, 0, window.shapeMask());
    }
    return image;
}

// The top-level window under a global point, or the one with the keyboard focus, cut to its
// shape. Null after saying why on err.
QImage windowPicture(const VCommandLine& commandLine, QTextStream& err)
{
    const QPoint device = toDevicePixels(QPointF(commandLine.at));
    const std::uintptr_t active = commandLine.active ? VPlatform::backend().activeWindow() : 0;
    const VWindowNode tree = buildWindowTree(grabPlace(QGuiApplication::screens()).deviceGeometry);
    const auto found =
        std::find_if(tree.children().begin(), tree.children().end(), [&](const auto& pWindow) {
            return commandLine.active ? active && pWindow->handle() == active
                                      : pWindow->rect().contains(device);
        });
    if (found != tree.children().end())
        return windowPicture(**found, err);
    if (commandLine.active)
        err << Text::tr("no window has the keyboard focus, or the desktop does not tell which")
            << Qt::endl;
    else
        err << Text::tr("there is no window at %1,%2")
                   .arg(commandLine.at.x())
                   .arg(commandLine.at.y())
            << Qt::endl;
    return QImage();
}

// As X11 writes a geometry: WxH+X+Y.
QString geometryText(const QRect& rect)
{
    return QStringLiteral("%1x%2%3%4%5%6")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.x() < 0 ? "" : "+")
        .arg(rect.x())
        .arg(rect.y() < 0 ? "" : "+")
        .arg(rect.y());
}

// The monitors --monitor names: all of them, the one of that index or name, or the one under
// the pointer. Empty when there is no such monitor.
QList<QScreen*> chosenScreens(const QString& monitor)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (monitor.isEmpty())
        return {screenAt(QCursor::pos())};
    if (monitor == QLatin1String("all"))
        return screens;
    bool bIndex = false;
    const int index = monitor.toInt(&bIndex);
    for (int i = 0; i < screens.size(); ++i) {
        if ((bIndex && i == index) || screens.at(i)->name() == monitor)
            return {screens.at(i)};
    }
    return {};
}

// Why the monitor or the region asked for cannot be taken; empty when they can.
QString unreachableTarget(const VCommandLine& commandLine)
{
    if (chosenScreens(commandLine.monitor).isEmpty())
        return Text::tr("there is no monitor \"%1\" (--list-monitors shows them)")
            .arg(commandLine.monitor);
    const QRect desktop = grabPlace(QGuiApplication::screens()).deviceGeometry;
    if (!commandLine.region.isNull() && !desktop.contains(commandLine.region))
        return Text::tr("the region %1 is not within the desktop, %2")
            .arg(geometryText(commandLine.region), geometryText(desktop));
    return QString();
}

// The monitors asked for, a region of the desktop, or a window cut to its shape. Null after
// saying why on err.
QImage grabbedPicture(const VCommandLine& commandLine, QTextStream& err)
{
    if (commandLine.captureMode == QLatin1String("window"))
        return windowPicture(commandLine, err);
    if (!commandLine.region.isNull()) {
        const VScreenGrab grab = grabForFile(screensTouching(commandLine.region), err);
        return grab.picture.isNull() ? QImage()
                                     : grab.picture.copy(commandLine.region.translated(
                                           -grab.deviceGeometry.topLeft()));
    }
    // The grab's own pixels all the way to the file: painted and handed on, never copied.
    return grabForFile(chosenScreens(commandLine.monitor), err).picture;
}

// Writes the picture where the command line asks and prints its path; the exit code.
int writeResult(const QImage& image, const VCommandLine& commandLine, int format, QTextStream& out,
                QTextStream& err)
{
    const VConfigCapture* pConfig = VConfigCapture::instance();
    QString error;
    QString path;
    // Nothing but the picture goes to standard output then.
    if (commandLine.isStandardOutput()) {
        if (writeImageToStandardOutput(image, format, pConfig->jpgQuality(), &error))
            return 0;
        err << error << Qt::endl;
        return 1;
    }
    if (commandLine.autoName) {
        path = writeAutomaticImageFile(image, QDateTime::currentDateTime(), format,
                                       pConfig->jpgQuality(), &error);
    } else {
        path = QFileInfo(commandLine.outputFile).absoluteFilePath();
        // --format wins over the suffix.
        const auto write = commandLine.format.isEmpty() ? writeImageFile : writeImageFileAs;
        if (!write(image, path, format, pConfig->jpgQuality(), &error))
            path.clear();
    }
    if (path.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    // As the system writes paths: with backslashes on Windows.
    out << QDir::toNativeSeparators(path) << Qt::endl;
    return 0;
}

// The file format the command line or the settings ask for; an exit code when neither names one.
std::variant<int, VOneShotExit> targetFormat(const VCommandLine& commandLine, QTextStream& err)
{
    if (const auto chosen = targetFormatFromSuffix(commandLine.format))
        return int(*chosen);
    if (commandLine.isStandardOutput())
        return int(VV::TargetFormatPng);
    if (!commandLine.outputFile.isEmpty()) {
        const QString suffix = QFileInfo(commandLine.outputFile).suffix();
        if (const auto fromSuffix = targetFormatFromSuffix(suffix))
            return *fromSuffix;
        err << Text::tr("unknown file suffix \"%1\" (expected png, jpg, jpeg or bmp)").arg(suffix)
            << Qt::endl;
        return VOneShotExit{2};
    }
    const int format = VConfigCapture::instance()->targetFormat();
    if (!VUtility::TargetFormatToString(format).isEmpty())
        return format;
    err << Text::tr("the setting TargetFormat=%1 names no file format (0 PNG, 1 JPEG, 2 BMP)")
               .arg(format)
        << Qt::endl;
    return VOneShotExit{1};
}

// The monitor under the pointer, or the primary one.
VPlatformRect monitorUnderPointer(VPlatformDirect& desktop)
{
    const std::vector<VPlatformRect> monitors = desktop.monitors();
    int x = 0;
    int y = 0;
    if (desktop.pointerPosition(x, y)) {
        for (const VPlatformRect& monitor : monitors) {
            if (QRect(monitor.x, monitor.y, monitor.width, monitor.height).contains(x, y))
                return monitor;
        }
    }
    return monitors.empty() ? VPlatformRect{} : monitors.front();
}

// Where --clipboard hands its picture on: a file of ours in the temporary folder, so a message
// to the instance cannot make it read or remove anything else.
bool isClipboardFile(const QString& path)
{
    static const QRegularExpression name(QStringLiteral("^TalvikCapture-clipboard-\\w{6}\\.png$"));
    const QFileInfo info(path);
    return info.absoluteDir() == QDir::temp() && name.match(info.fileName()).hasMatch() &&
           info.isFile() && !info.isSymLink();
}

// The picture goes on the clipboard and stays there after this process ends: the running
// instance keeps it, or a process of our own in the background. The exit code.
int putOnClipboard(const QImage& image, QTextStream& err)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        err << Text::tr("on Wayland the clipboard keeps a picture only while its program runs: use "
                        "--output - | wl-copy")
            << Qt::endl;
        return 1;
    }
    QTemporaryFile file(
        QDir::temp().filePath(QStringLiteral("TalvikCapture-clipboard-XXXXXX.png")));
    file.setAutoRemove(false);
    QString error;
    if (!file.open() || !writeImageFileAs(image, file.fileName(), VV::TargetFormatPng, 0, &error)) {
        file.remove();
        err << error << Qt::endl;
        return 1;
    }
    const QString path = file.fileName();
    file.close();
    // No instance answers at once: a start of this kind must not wait as the hand-over does.
    constexpr int kInstanceAnswerMs = 300;
    bool bHanded = VSingleInstance(VCaptureInfo::applicationName())
                       .sendMessage(VApplication::clipboardMessage(path), kInstanceAnswerMs);
    if (!bHanded) {
        // Detached from our standard channels, so a script reading them is not held up.
        QProcess server;
        server.setProgram(QCoreApplication::applicationFilePath());
        server.setArguments({QStringLiteral("--serve-clipboard"), path});
        server.setStandardInputFile(QProcess::nullDevice());
        server.setStandardOutputFile(QProcess::nullDevice());
        server.setStandardErrorFile(QProcess::nullDevice());
        bHanded = server.startDetached();
    }
    // The file goes once the picture is on the clipboard.
    const QDeadlineTimer deadline(10000);
    while (bHanded && QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(10);
    if (QFile::remove(path) || !bHanded) {
        err << Text::tr("the picture could not be put on the clipboard") << Qt::endl;
        return 1;
    }
    return 0;
}

// The file, standard output and the clipboard the command line asks for; the exit code.
int deliver(const QImage& image, const VCommandLine& commandLine, int format, QTextStream& out,
            QTextStream& err)
{
    const bool bFile = !commandLine.outputFile.isEmpty() || commandLine.autoName;
    const int result = bFile ? writeResult(image, commandLine, format, out, err) : 0;
    return result == 0 && commandLine.clipboard ? putOnClipboard(image, err) : result;
}

// The overlay on the frozen monitor, in this process: what the user picks (and annotates) goes
// to the command line's target when they save. The exit code, kExitCancelled when they cancel.
int pickedInOverlay(const VCommandLine& commandLine, int format, QTextStream& out, QTextStream& err)
{
    VScreenGrab grab = grabForFile(chosenScreens(commandLine.monitor), err);
    if (grab.picture.isNull())
        return 1;
    int result = 0;
    VFullScreenSelector overlay(nullptr);
    overlay.setPlacement(grab.geometry);
    overlay.setSaveTarget([&](const QImage& picture, QString* pError) {
        // A failure is told in the overlay, which stays for another try or Escape.
        if (commandLine.printGeometry) {
            out << geometryText(overlay.renderedArea().translated(grab.deviceGeometry.topLeft()))
                << Qt::endl;
            return true;
        }
        QString why;
        QTextStream messages(&why);
        result = deliver(picture, commandLine, format, out, messages);
        *pError = why.trimmed();
        return result == 0;
    });
    overlay.runCapture(VCommandLine::captureModeIndex(commandLine.captureMode),
                       std::move(grab.picture), buildWindowTree(grab.deviceGeometry));
    return overlay.delivery().kind == VDelivery::Kind::None ? kExitCancelled : result;
}

} // namespace

bool takeClipboardPicture(const QString& file)
{
    if (!isClipboardFile(file))
        return false;
    const QImage image(file);
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
    // Only now: whoever handed it on waits for the file to go.
    QFile::remove(file);
    return !image.isNull();
}

int serveClipboard(const QString& file)
{
    if (!takeClipboardPicture(file))
        return 1;
    QClipboard* const pClipboard = QGuiApplication::clipboard();
    QEventLoop loop;
    QObject::connect(pClipboard, &QClipboard::changed, &loop, [&](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !pClipboard->ownsClipboard())
            loop.quit();
    });
    loop.exec();
    return 0;
}

int runOneShotCapture(const VCommandLine& commandLine, QTextStream& out, QTextStream& err)
{
    // Settle the format before grabbing, so a wrong setting fails at once.
    const auto format = targetFormat(commandLine, err);
    if (const auto* pExit = std::get_if<VOneShotExit>(&format))
        return pExit->code;

    const bool windowMode = commandLine.captureMode == QLatin1String("window") ||
                            commandLine.captureMode == QLatin1String("scrolling");
    if (windowMode && !windowTreeUnavailableText().isEmpty()) {
        err << windowTreeUnavailableText() << Qt::endl;
        return 1;
    }
    if (const QString why = unreachableTarget(commandLine); !why.isEmpty()) {
        err << why << Qt::endl;
        return 2;
    }

    wait(commandLine.delayMs);
    if (commandLine.isInteractive())
        return pickedInOverlay(commandLine, std::get<int>(format), out, err);

    QImage image;
    bool bPartial = false;
    if (commandLine.captureMode == QLatin1String("scrolling"))
        image = scrolledPageAt(commandLine.at, err, bPartial);
    else
        image = grabbedPicture(commandLine, err);
    if (image.isNull())
        return 1;
    const int result = deliver(image, commandLine, std::get<int>(format), out, err);
    return result == 0 && bPartial ? kExitPartial : result;
}

int listMonitors(QTextStream& out)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        out << i << ' ' << screens.at(i)->name() << ' '
            << geometryText(deviceGeometry(screens.at(i)))
            << (screens.at(i) == QGuiApplication::primaryScreen() ? " primary" : "") << Qt::endl;
    }
    return 0;
}

int runOneShotCapture(const VCommandLine& commandLine, VPlatformDirect& desktop, QTextStream& out,
                      QTextStream& err)
{
    const auto format = targetFormat(commandLine, err);
    if (const auto* pExit = std::get_if<VOneShotExit>(&format))
        return pExit->code;

    wait(commandLine.delayMs);

    const VPlatformRect monitor = monitorUnderPointer(desktop);
    // Without the toolkit's GUI, on a display connection of its own.
    QImage image = grabThroughBackend(desktop.backend(),
                                      QRect(monitor.x, monitor.y, monitor.width, monitor.height));
    if (image.isNull()) {
        err << Text::tr("the screen could not be grabbed") << Qt::endl;
        return 1;
    }
    if (VConfigCapture::instance()->isIncludeCursor())
        drawCursor(image, QPoint(monitor.x, monitor.y), desktop.backend());
    return writeResult(image, commandLine, std::get<int>(format), out, err);
}
