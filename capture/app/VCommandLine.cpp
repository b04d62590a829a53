#include "VCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {
const QStringList kCaptureModes = {QStringLiteral("region"), QStringLiteral("window"),
                                   QStringLiteral("scrolling"), QStringLiteral("fullscreen")};

QString tr(const char* text)
{
    return QCoreApplication::translate("VCommandLine", text);
}
} // namespace

VCommandLine VCommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Captures the screen, lets you annotate the picture and saves it.\n"
           "Exit codes: 0 done, 1 the capture or the file failed, 2 wrong usage."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption captureOption(QStringLiteral("capture"),
                                           tr("Capture once and exit. Mode: fullscreen (the other "
                                              "modes need the interactive application)."),
                                           tr("mode"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        tr("Write the capture to <file>; its suffix picks the format (png, jpg, jpeg, bmp). "
           "Without it the automatic file name of the settings is used."),
        tr("file"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
                                         tr("Wait <ms> milliseconds before capturing."), tr("ms"));
    parser.addOption(captureOption);
    parser.addOption(outputOption);
    parser.addOption(delayOption);
    // The log-on entry starts the program with this word.
    parser.addPositionalArgument(QStringLiteral("/autorun"),
                                 tr("Start hidden in the notification area."),
                                 QStringLiteral("[/autorun]"));

    VCommandLine result;
    result.helpText = parser.helpText();
    const auto invalid = [&result](const QString& error) {
        result.action = Action::Invalid;
        result.error = error;
        return result;
    };

    if (!parser.parse(arguments))
        return invalid(parser.errorText());
    if (parser.isSet(helpOption)) {
        result.action = Action::Help;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = Action::Version;
        return result;
    }
    for (const QString& word : parser.positionalArguments()) {
        if (word != QLatin1String("/autorun"))
            return invalid(tr("unexpected argument: %1").arg(word));
    }
    if (!parser.isSet(captureOption)) {
        if (parser.isSet(outputOption) || parser.isSet(delayOption))
            return invalid(tr("--output and --delay need --capture"));
        return result;
    }

    result.action = Action::Capture;
    result.captureMode = parser.value(captureOption);
    if (!kCaptureModes.contains(result.captureMode))
        return invalid(tr("unknown capture mode \"%1\" (expected %2)")
                           .arg(result.captureMode, kCaptureModes.join(QLatin1Char('|'))));
    result.outputFile = parser.value(outputOption);
    if (parser.isSet(outputOption) && result.outputFile.isEmpty())
        return invalid(tr("--output needs a file name"));
    if (parser.isSet(delayOption)) {
        bool ok = false;
        result.delayMs = parser.value(delayOption).toInt(&ok);
        if (!ok || result.delayMs < 0)
            return invalid(tr("--delay needs a number of milliseconds, not \"%1\"")
                               .arg(parser.value(delayOption)));
    }
    return result;
}

bool VCommandLine::asksForTextOnly(int argc, char* argv[])
{
    static const char* const textOptions[] = {"-h",         "--help", "-?",
                                              "--help-all", "-v",     "--version"};
    for (int i = 1; i < argc; ++i) {
        for (const char* option : textOptions) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}
