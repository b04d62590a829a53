// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

#include <cstring>

namespace {
const QStringList kCaptureModes = {QStringLiteral("region"), QStringLiteral("window"),
                                   QStringLiteral("scrolling"), QStringLiteral("fullscreen")};

const QString kAutorun = QStringLiteral("/autorun");

// The toolkit's own options and whether they take a value. It removes them once the
// application object exists, but the start-up reads the raw arguments before that.
const QHash<QString, bool>& toolkitOptions()
{
    static const QHash<QString, bool> options{
        {"platform", true},
        {"platformpluginpath", true},
        {"platformtheme", true},
        {"plugin", true},
        {"qwindowgeometry", true},
        {"qwindowicon", true},
        {"qwindowtitle", true},
        {"session", true},
        {"display", true},
        {"geometry", true},
        {"title", true},
        {"name", true},
        {"visual", true},
        {"ncols", true},
        {"cmap", true},
        {"style", true},
        {"stylesheet", true},
        {"qmljsdebugger", false},
        {"reverse", false},
        {"testability", false},
        {"nograb", false},
        {"dograb", false},
        {"sync", false},
        {"widgetcount", false},
    };
    return options;
}

QString tr(const char* text)
{
    return QCoreApplication::translate("VCommandLine", text);
}

// The arguments the parser should see: the program's options with their values (whatever
// those look like) and "/autorun". Everything else goes to unknown, except the toolkit's.
QStringList knownArguments(const QStringList& arguments, const QList<QCommandLineOption>& options,
                           QStringList& unknown, bool& toolkit)
{
    QHash<QString, bool> takesValue{{QStringLiteral("help-all"), false}};
    for (const QCommandLineOption& option : options) {
        for (const QString& name : option.names())
            takesValue.insert(name, !option.valueName().isEmpty());
    }
    QStringList known = arguments.mid(0, 1);
    bool wordsOnly = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (wordsOnly || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (argument == kAutorun)
                known << argument;
            else
                unknown << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            wordsOnly = true;
            known << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1)
                                 .section(QLatin1Char('='), 0, 0);
        const bool valueInline = argument.contains(QLatin1Char('='));
        if (takesValue.contains(name)) {
            known << argument;
            if (takesValue.value(name) && !valueInline && i + 1 < arguments.size())
                known << arguments.at(++i);
        } else if (toolkitOptions().contains(name)) {
            toolkit = true;
            if (toolkitOptions().value(name) && !valueInline)
                ++i;
        } else {
            unknown << argument;
        }
    }
    return known;
}
} // namespace

VCommandLine VCommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Captures the screen, lets you annotate the picture and saves it.\n"
           "Exit codes: 0 done, 1 the capture or the file failed, 2 wrong usage, 3 partial: a "
           "scrolling capture was cut short (no certain match, Escape or the size limits) and "
           "the part captured is written."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption captureOption(
        QStringLiteral("capture"),
        tr("Start a capture (%1) in the running instance, starting one when none runs.")
            .arg(kCaptureModes.join(QLatin1Char('|'))),
        tr("mode"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        tr("With --capture fullscreen, window or scrolling: write the capture to <file> and exit, "
           "without a window; "
           "its suffix picks the format (png, jpg, jpeg, bmp)."),
        tr("file"));
    const QCommandLineOption autoNameOption(
        QStringLiteral("auto-name"),
        tr("With --capture fullscreen, window or scrolling: write the capture under the automatic "
           "file name of the settings and exit, without a window."));
    const QCommandLineOption atOption(
        QStringLiteral("at"),
        tr("With --capture window or scrolling and --output or --auto-name: the window under the "
           "global point <x,y>, cut to its shape, or the whole page it scrolls through."),
        tr("x,y"));
    const QCommandLineOption delayOption(
        QStringLiteral("delay"),
        tr("With --output or --auto-name: wait <ms> milliseconds before capturing."), tr("ms"));
    parser.addOption(captureOption);
    parser.addOption(outputOption);
    parser.addOption(autoNameOption);
    parser.addOption(atOption);
    parser.addOption(delayOption);
    // The log-on entry starts the program with this word.
    parser.addPositionalArgument(kAutorun, tr("Start hidden in the notification area."),
                                 QStringLiteral("[/autorun]"));

    VCommandLine result;
    result.helpText = parser.helpText();
    const auto invalid = [&result](const QString& error) {
        result.action = Action::Invalid;
        result.error = error;
        return result;
    };

    // "-capture" reads as "--capture", as the toolkit's single-dash words do.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QStringList known = knownArguments(arguments,
                                             {helpOption, versionOption, captureOption,
                                              outputOption, autoNameOption, atOption, delayOption},
                                             result.unknownArguments, result.toolkitOptions);
    if (!parser.parse(known))
        return invalid(parser.errorText());
    if (parser.isSet(helpOption)) {
        result.action = Action::Help;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = Action::Version;
        return result;
    }
    // Only the exact word keeps the dialog hidden.
    result.autorun = parser.positionalArguments().contains(kAutorun);
    const bool oneShot = parser.isSet(outputOption) || parser.isSet(autoNameOption);
    if (!parser.isSet(captureOption)) {
        if (oneShot || parser.isSet(delayOption))
            return invalid(tr("--output, --auto-name and --delay need --capture"));
        return result;
    }

    result.action = Action::Capture;
    result.captureMode = parser.value(captureOption);
    if (!kCaptureModes.contains(result.captureMode))
        return invalid(tr("unknown capture mode \"%1\" (expected %2)")
                           .arg(result.captureMode, kCaptureModes.join(QLatin1Char('|'))));
    result.outputFile = parser.value(outputOption);
    result.autoName = parser.isSet(autoNameOption);
    if (parser.isSet(outputOption) && result.outputFile.isEmpty())
        return invalid(tr("--output needs a file name"));
    if (parser.isSet(outputOption) && result.autoName)
        return invalid(tr("--output and --auto-name exclude each other"));
    // A window, or the page in one, is found under a point given with the mode.
    const bool atWindow = result.captureMode == QLatin1String("window") ||
                          result.captureMode == QLatin1String("scrolling");
    if (oneShot && result.captureMode != QLatin1String("fullscreen") && !atWindow)
        return invalid(tr(
            "--output and --auto-name work with --capture fullscreen, window or scrolling only"));
    if (parser.isSet(atOption) != (oneShot && atWindow))
        return invalid(
            tr("--at goes with --capture window or scrolling and --output or --auto-name"));
    if (parser.isSet(atOption)) {
        const QStringList parts = parser.value(atOption).split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        if (parts.size() == 2)
            result.at =
                QPoint(parts.at(0).trimmed().toInt(&okX), parts.at(1).trimmed().toInt(&okY));
        if (!okX || !okY)
            return invalid(tr("--at needs a point as x,y, not \"%1\"").arg(parser.value(atOption)));
    }
    if (parser.isSet(delayOption) && !oneShot)
        return invalid(tr("--delay needs --output or --auto-name"));
    if (parser.isSet(delayOption)) {
        bool ok = false;
        result.delayMs = parser.value(delayOption).toInt(&ok);
        if (!ok || result.delayMs < 0)
            return invalid(tr("--delay needs a number of milliseconds, not \"%1\"")
                               .arg(parser.value(delayOption)));
    }
    return result;
}

QString VCommandLine::warnings() const
{
    QString text;
    for (const QString& argument : unknownArguments) {
        text += tr("%1: unknown argument \"%2\" ignored")
                    .arg(QCoreApplication::applicationName(), argument);
        QString word = argument;
        while (word.startsWith(QLatin1Char('-')) || word.startsWith(QLatin1Char('/')))
            word.remove(0, 1);
        if (word.compare(kAutorun.mid(1), Qt::CaseInsensitive) == 0)
            text += tr(" (to start hidden in the notification area, give \"%1\")").arg(kAutorun);
        text += QLatin1Char('\n');
    }
    return text;
}

int VCommandLine::captureModeIndex(const QString& mode)
{
    return int(kCaptureModes.indexOf(mode));
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
