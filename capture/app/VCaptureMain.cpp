// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCaptureMain.h"

#include "config/VConfigCapture.h"
#include "dialogs/VMainDialog.h"
#include "flow/VUpdaterLauncher.h"
#include "hotkey/VHotkeyEventFilter.h"
#include "platform/VPlatformDirect.h"
#include "platform/VPlatformDisplay.h"
#include "platform/VPlatformFiles.h"
#include "VApplication.h"
#include "VCaptureInfo.h"
#include "VCaptureResources.h"
#include "VCommandLine.h"
#include "VLogCapture.h"
#include "VMessageDevice.h"
#include "VOneShotCapture.h"
#include "VSingleInstance.h"
#include "VTranslationLoader.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VCaptureMain)
};

// The user's language for this program's texts and the toolkit's.
void translate()
{
    VTranslationLoader::install(QStringLiteral("talvikcapture"));
}

// Help, version and usage errors; returns the exit code, or -1 for anything else. Unknown
// arguments are reported here, whatever follows.
int answerInText(const VCommandLine& commandLine, QTextStream& out, QTextStream& err)
{
    err << commandLine.warnings();
    err.flush();
    switch (commandLine.action) {
    case VCommandLine::Action::Help:
        out << commandLine.helpText;
        return 0;
    case VCommandLine::Action::HelpAll:
        out << commandLine.helpAllText();
        return 0;
    case VCommandLine::Action::Version:
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << Qt::endl;
        return 0;
    case VCommandLine::Action::Invalid:
        err << commandLine.error << Qt::endl << Text::tr("Try --help.") << Qt::endl;
        return 2;
    default:
        return -1;
    }
}

// Hands the request to the running instance; false when it could not be delivered.
bool handOver(const VSingleInstance& instance, const VCommandLine& commandLine)
{
    // An instance still starting on a busy machine is waited for that long.
    constexpr int kTimeoutMs = 15000;
    const bool capture = commandLine.action == VCommandLine::Action::Capture;
    return instance.sendMessage(
        capture ? VApplication::captureMessage(commandLine.captureMode) : QString(), kTimeoutMs);
}

// The exit code of a start that handed its request over.
int handedOver(bool delivered, const VCommandLine& commandLine, QTextStream& err)
{
    // Delivered or not, a plain second start has nothing more to do.
    if (delivered || commandLine.action != VCommandLine::Action::Capture)
        return 0;
    err << Text::tr("the running instance did not answer") << Qt::endl;
    return 1;
}

// A command-line capture's exit code, told to the log on its way out.
int oneShotEnded(int code)
{
    qCInfo(lcCapture, "Capture: the command-line capture ends with exit code %d", code);
    return code;
}

// The raw arguments, read before any application object exists.
QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The interactive application, or a word to the one already running.
int runInstance(VApplication& app, const VCommandLine& commandLine, QTextStream& err)
{
    const bool capture = commandLine.action == VCommandLine::Action::Capture;
    if (app.isRunning())
        return handedOver(handOver(app.instance(), commandLine), commandLine, err);

    VMainDialog* pDialog = nullptr;
    VHotkeyEventFilter hotkeyFilter([&pDialog](int mode) {
        if (pDialog)
            pDialog->startCapture(mode);
    });
    app.installNativeEventFilter(&hotkeyFilter);

    VMainDialog dialog;
    pDialog = &dialog;
    QObject::connect(
        &app, &VSingleApplication::messageReceived, &dialog, [&dialog](const QString& message) {
            if (const QString file = VApplication::clipboardFileOf(message); !file.isEmpty()) {
                takeClipboardPicture(file);
                return;
            }
            const int mode = VCommandLine::captureModeIndex(VApplication::captureModeOf(message));
            if (mode >= 0)
                dialog.startAskedCapture(mode);
        });
    // A capture asked from the command line runs from the tray, like a log-on start.
    if (commandLine.autorun)
        dialog.startFromLogOn();
    else if (!capture)
        dialog.show();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/App48.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    app.setActivationWindow(&dialog, true);
    startUpdater();
    if (capture) {
        dialog.startAskedCapture(VCommandLine::captureModeIndex(commandLine.captureMode));
        dialog.endWhenIdleWithoutTray();
    }

    const int result = QApplication::exec();
    app.removeNativeEventFilter(&hotkeyFilter);
    pDialog = nullptr;
    return result;
}

// What runs without the interactive application: a capture straight to a file, or the list of
// monitors.
bool isOneShot(const VCommandLine& commandLine)
{
    return commandLine.action == VCommandLine::Action::ListMonitors ||
           commandLine.action == VCommandLine::Action::ServeClipboard ||
           (commandLine.action == VCommandLine::Action::Capture && commandLine.isOneShot());
}

// A capture straight to a file: only what writing it needs, so no widgets, tray, dialogs or
// pictures of the interface. Returns -1 when the arguments the toolkit leaves turn out to ask
// for something else, for the interactive path to answer.
int runOneShot(int& argc, char* argv[], QTextStream& out, QTextStream& err)
{
    QGuiApplication app(argc, argv);
    translate();
    const VCommandLine commandLine = VCommandLine::parse(QCoreApplication::arguments());
    if ((!isOneShot(commandLine) && commandLine.action != VCommandLine::Action::Invalid) ||
        commandLine.isInteractive())
        return -1;
    const int answered = answerInText(commandLine, out, err);
    if (answered >= 0)
        return answered;
    if (commandLine.action == VCommandLine::Action::ListMonitors)
        return listMonitors(out);
    if (commandLine.action == VCommandLine::Action::ServeClipboard)
        return serveClipboard(commandLine.clipboardFile);
    VConfigCapture::instance();
    qCInfo(lcCapture, "Capture: from the command line, under the toolkit (platform \"%s\")",
           qUtf8Printable(QGuiApplication::platformName()));
    return oneShotEnded(runOneShotCapture(commandLine, out, err));
}

} // namespace

int captureMain(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(VCaptureInfo::applicationName());
    QCoreApplication::setOrganizationName(VCaptureInfo::organizationName());
    QCoreApplication::setApplicationVersion(VCaptureInfo::version());

    // A windowed program on Windows: answers to a command typed in a console go there.
    if (argc > 1)
        VPlatform::useParentConsole();
    QTextStream out(stdout);
    VMessageDevice messages(stderr, VCaptureInfo::applicationName());
    QTextStream err(&messages);

    if (VCommandLine::asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        translate();
        return answerInText(VCommandLine::parse(QCoreApplication::arguments()), out, err);
    }

    // A start that finds the instance running only hands its request over, and decides so
    // before it connects to the display: a burst of starts must not crowd the display server,
    // which may drop connections that arrive all at once. Arguments meant for the toolkit
    // itself only parse once it has taken them; such starts decide later.
    VSingleInstance instance(VCaptureInfo::applicationName());
    const VCommandLine early = VCommandLine::parse(rawArguments(argc, argv));
    // Wrong usage is told without a display, unless the toolkit's options may mend it.
    if (early.action == VCommandLine::Action::Invalid && !early.toolkitOptions) {
        QCoreApplication app(argc, argv);
        translate();
        // Parsed again: its messages were made before there was a translation.
        return answerInText(VCommandLine::parse(rawArguments(argc, argv)), out, err);
    }
    const bool wantsInstance =
        early.action == VCommandLine::Action::Start ||
        (early.action == VCommandLine::Action::Capture && !early.isOneShot());
    if (wantsInstance && !instance.claim()) {
        QCoreApplication app(argc, argv);
        translate();
        err << VCommandLine::parse(rawArguments(argc, argv)).warnings();
        // An instance that died before it answered leaves its claim to this start.
        const bool delivered = handOver(instance, early);
        qCInfo(lcCapture, "Start: another instance runs; the request %s",
               delivered ? "went to it" : "did not reach it");
        if (delivered || !instance.claim())
            return handedOver(delivered, early, err);
    }

    VPlatform::VDisplayProbe display;
    if (!display.problem().empty()) {
        err << QString::fromStdString(display.problem()) << Qt::endl;
        return 1;
    }

    // A capture picked in the overlay needs the whole application.
    if (isOneShot(early) && !early.isInteractive()) {
        // The monitor under the pointer needs nothing of the toolkit's GUI: without it the
        // process takes a fraction of the time.
        if (early.action == VCommandLine::Action::Capture &&
            early.captureMode == QLatin1String("fullscreen") && early.region.isNull() &&
            early.monitor.isEmpty() && !early.clipboard && !early.toolkitOptions) {
            if (const auto pDesktop = VPlatform::openDirectDesktop()) {
                QCoreApplication app(argc, argv);
                translate();
                qCInfo(lcCapture, "Capture: from the command line, without the toolkit's GUI");
                return oneShotEnded(runOneShotCapture(early, *pDesktop, out, err));
            }
        }
        // The toolkit takes its own arguments out of what it is given: the interactive path
        // must still see them should it run after all.
        int oneShotArgc = argc;
        std::vector<char*> oneShotArgv(argv, argv + argc + 1);
        const int result = runOneShot(oneShotArgc, oneShotArgv.data(), out, err);
        if (result >= 0)
            return result;
    }

    VApplication app(std::move(instance), argc, argv);
    translate();
    display.release();
    initCaptureResources();
    const VCommandLine commandLine = VCommandLine::parse(QCoreApplication::arguments());
    const int answered = answerInText(commandLine, out, err);
    if (answered >= 0)
        return answered;
    // The settings exist before any window or item does.
    VConfigCapture::instance();
    if (commandLine.action == VCommandLine::Action::ListMonitors)
        return listMonitors(out);
    if (commandLine.action == VCommandLine::Action::ServeClipboard)
        return serveClipboard(commandLine.clipboardFile);
    if (commandLine.action == VCommandLine::Action::Capture && commandLine.isOneShot())
        return oneShotEnded(runOneShotCapture(commandLine, out, err));
    return runInstance(app, commandLine, err);
}
