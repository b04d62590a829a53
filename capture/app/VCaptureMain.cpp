#include "VCaptureMain.h"

#include "platform/VPlatformDisplay.h"
#include "VCaptureInfo.h"
#include "VCommandLine.h"
#include "VOneShotCapture.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("VCaptureMain", text);
}

// Help, version and usage errors; returns the exit code.
int answerInText(const VCommandLine& commandLine, QTextStream& out, QTextStream& err)
{
    switch (commandLine.action) {
    case VCommandLine::Action::Help:
        out << commandLine.helpText;
        return 0;
    case VCommandLine::Action::Version:
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << Qt::endl;
        return 0;
    case VCommandLine::Action::Invalid:
        err << QCoreApplication::applicationName() << ": " << commandLine.error << Qt::endl
            << tr("Try --help.") << Qt::endl;
        return 2;
    default:
        return -1;
    }
}

} // namespace

int captureMain(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(VCaptureInfo::applicationName());
    QCoreApplication::setOrganizationName(VCaptureInfo::organizationName());
    QCoreApplication::setApplicationVersion(VCaptureInfo::version());

    QTextStream out(stdout);
    QTextStream err(stderr);

    if (VCommandLine::asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        return answerInText(VCommandLine::parse(QCoreApplication::arguments()), out, err);
    }

    const std::string problem = VPlatform::displayProblem();
    if (!problem.empty()) {
        err << VCaptureInfo::applicationName() << ": " << QString::fromStdString(problem)
            << Qt::endl;
        return 1;
    }

    QApplication app(argc, argv);
    const VCommandLine commandLine = VCommandLine::parse(QCoreApplication::arguments());
    const int answered = answerInText(commandLine, out, err);
    if (answered >= 0)
        return answered;

    if (commandLine.action == VCommandLine::Action::Capture) {
        if (commandLine.captureMode != QLatin1String("fullscreen")) {
            err << VCaptureInfo::applicationName() << ": "
                << tr("only the fullscreen capture works from the command line so far") << Qt::endl;
            return 2;
        }
        return runOneShotCapture(commandLine, out, err);
    }

    err << VCaptureInfo::applicationName() << ": "
        << tr("the main window is not built yet; run with --capture fullscreen") << Qt::endl;
    return 2;
}
