// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <cstring>

namespace {
const QStringList kCaptureModes = {QStringLiteral("region"), QStringLiteral("window"),
                                   QStringLiteral("scrolling"), QStringLiteral("fullscreen")};

const QString kAutorun = QStringLiteral("/autorun");

// The toolkit's own options and whether they take a value. It removes them once the
// application object exists, but the start-up reads the raw arguments before that.
const QHash<QString, bool>& toolkitOptionTable()
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

// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VCommandLine)
};

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
        // The toolkit offers it on Windows only; scripts elsewhere ask with it too.
        if (argument == QLatin1String("-?")) {
            known << QStringLiteral("--help");
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
        } else if (toolkitOptionTable().contains(name)) {
            toolkit = true;
            if (toolkitOptionTable().value(name) && !valueInline)
                ++i;
        } else {
            unknown << argument;
        }
    }
    return known;
}
// An X11 geometry WxH+X+Y (either sign before X and Y); null when malformed or without area.
QRect parseGeometry(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,6})x(\\d{1,6})([+-]\\d{1,6})([+-]\\d{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QRect();
    const QRect rect(match.captured(3).toInt(), match.captured(4).toInt(),
                     match.captured(1).toInt(), match.captured(2).toInt());
    return rect.isEmpty() ? QRect() : rect;
}
} // namespace

VCommandLine VCommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr(
            "Captures the screen, lets you annotate the picture and saves it.\n"
            "\n"
            "Examples:\n"
            "  TalvikCapture --capture fullscreen --clipboard\n"
            "  TalvikCapture --capture fullscreen --output - | wl-copy\n"
            "  TalvikCapture --region 640x480+100+50 --output part.png\n"
            "  TalvikCapture --capture fullscreen --monitor all --auto-name\n"
            "  TalvikCapture --capture window --active --output window.png\n"
            "  TalvikCapture --capture scrolling --at 400,300 --output page.png\n"
            "\n"
            "--capture region, or window without --at or --active, with --output, --auto-name or "
            "--clipboard opens the overlay: pick (and annotate), then save with Ctrl+S to write "
            "the target, or cancel with Escape.\n"
            "\n"
            "Exit codes: 0 done, 1 the capture or the file failed, 2 wrong usage, 3 partial: a "
            "scrolling capture was cut short (no certain match, Escape or the size limits) and "
            "the part captured is written, 4 cancelled in the overlay.\n"
            "Messages go to standard error, each starting with \"%1: \"; set "
            "QT_LOGGING_RULES=\"talvik.*.info=true\" for diagnostics.")
            .arg(QCoreApplication::applicationName()));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption captureOption(
        QStringLiteral("capture"),
        Text::tr("Start a capture (%1) in the running instance, starting one when none runs.")
            .arg(kCaptureModes.join(QLatin1Char('|'))),
        Text::tr("mode"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        Text::tr(
            "With --capture: write the capture to <file> and exit; \"-\" writes it to standard "
            "output. The suffix picks the format (png, jpg, jpeg, bmp) unless --format does."),
        Text::tr("file"));
    const QCommandLineOption autoNameOption(
        QStringLiteral("auto-name"),
        Text::tr("With --capture: write the capture under the automatic "
                 "file name of the settings and exit."));
    const QCommandLineOption clipboardOption(
        QStringLiteral("clipboard"),
        Text::tr("With --capture: put the capture on the clipboard and "
                 "exit, besides any file of --output or --auto-name. The running instance keeps it "
                 "there, or else a process in the background until another program takes the "
                 "clipboard over. On Wayland use --output - | wl-copy."));
    const QCommandLineOption printGeometryOption(
        QStringLiteral("print-geometry"),
        Text::tr(
            "With --capture region: print the area picked in the overlay as WxH+X+Y instead of "
            "writing a picture."));
    QCommandLineOption serveClipboardOption(QStringLiteral("serve-clipboard"), QString(),
                                            QStringLiteral("file"));
    serveClipboardOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        Text::tr(
            "With --output or --auto-name: write <format> (png, jpg or bmp) whatever the suffix "
            "or the settings say; standard output gets PNG without it."),
        Text::tr("format"));
    const QCommandLineOption atOption(
        QStringLiteral("at"),
        Text::tr(
            "With --capture window or scrolling and --output or --auto-name: the window under the "
            "global point <x,y>, cut to its shape, or the whole page it scrolls through."),
        Text::tr("x,y"));
    const QCommandLineOption activeOption(
        QStringLiteral("active"),
        Text::tr(
            "With --capture window and --output or --auto-name: the window that has the keyboard "
            "focus, cut to its shape."));
    const QCommandLineOption regionOption(
        QStringLiteral("region"),
        Text::tr("With --output or --auto-name: exactly the area <WxH+X+Y> of the desktop, in its "
                 "pixels across all monitors (implies --capture fullscreen)."),
        Text::tr("geometry"));
    const QCommandLineOption monitorOption(
        QStringLiteral("monitor"),
        Text::tr(
            "With --capture fullscreen and --output or --auto-name: the monitor <n> (an index or "
            "a name of --list-monitors) instead of the one under the pointer; \"all\" takes the "
            "whole desktop, black where no monitor shows."),
        Text::tr("n"));
    const QCommandLineOption listMonitorsOption(
        QStringLiteral("list-monitors"),
        Text::tr("Print the monitors: index, name, geometry (WxH+X+Y) and which one is primary."));
    const QCommandLineOption delayOption(
        QStringLiteral("delay"),
        Text::tr("With --output or --auto-name: wait <ms> milliseconds before capturing."),
        Text::tr("ms"));
    const QList<QCommandLineOption> options = {
        captureOption, outputOption,       autoNameOption,       clipboardOption,
        formatOption,  atOption,           activeOption,         regionOption,
        monitorOption, listMonitorsOption, serveClipboardOption, printGeometryOption,
        delayOption};
    for (const QCommandLineOption& option : options)
        parser.addOption(option);
    // The log-on entry starts the program with this word.
    parser.addPositionalArgument(kAutorun, Text::tr("Start hidden in the notification area."),
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
    const QStringList known =
        knownArguments(arguments, options + QList<QCommandLineOption>{helpOption, versionOption},
                       result.unknownArguments, result.toolkitOptions);
    if (!parser.parse(known))
        return invalid(parser.errorText());
    if (parser.isSet(helpOption)) {
        result.action = Action::Help;
        return result;
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        result.action = Action::HelpAll;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = Action::Version;
        return result;
    }
    if (parser.isSet(listMonitorsOption)) {
        result.action = Action::ListMonitors;
        return result;
    }
    if (parser.isSet(serveClipboardOption)) {
        result.action = Action::ServeClipboard;
        result.clipboardFile = parser.value(serveClipboardOption);
        return result;
    }
    // Only the exact word keeps the dialog hidden.
    result.autorun = parser.positionalArguments().contains(kAutorun);
    const bool oneShot = parser.isSet(outputOption) || parser.isSet(autoNameOption) ||
                         parser.isSet(clipboardOption) || parser.isSet(printGeometryOption);
    const bool regionSet = parser.isSet(regionOption);
    if (!parser.isSet(captureOption) && !regionSet) {
        if (oneShot || parser.isSet(delayOption))
            return invalid(Text::tr("--output, --auto-name and --delay need --capture"));
        return result;
    }

    result.action = Action::Capture;
    result.captureMode =
        parser.isSet(captureOption) ? parser.value(captureOption) : QStringLiteral("fullscreen");
    if (!kCaptureModes.contains(result.captureMode))
        return invalid(Text::tr("unknown capture mode \"%1\" (expected %2)")
                           .arg(result.captureMode, kCaptureModes.join(QLatin1Char('|'))));
    const bool fullscreen = result.captureMode == QLatin1String("fullscreen");
    result.outputFile = parser.value(outputOption);
    result.autoName = parser.isSet(autoNameOption);
    result.clipboard = parser.isSet(clipboardOption);
    result.printGeometry = parser.isSet(printGeometryOption);
    if (parser.isSet(outputOption) && result.outputFile.isEmpty())
        return invalid(Text::tr("--output needs a file name"));
    if (parser.isSet(outputOption) && result.autoName)
        return invalid(Text::tr("--output and --auto-name exclude each other"));
    // What a script did not mean must not be captured and written.
    if (oneShot && !result.unknownArguments.isEmpty()) {
        const QString first = result.unknownArguments.takeFirst();
        result.unknownArguments.clear();
        return invalid(Text::tr("unknown argument \"%1\"").arg(first));
    }
    // A window, or the page in one, is found under a point given with the mode.
    const bool atWindow = result.captureMode == QLatin1String("window") ||
                          result.captureMode == QLatin1String("scrolling");

    const auto onlyWith = [&](const QCommandLineOption& option, bool allowed, const QString& what) {
        return parser.isSet(option) && !allowed
                   ? Text::tr("--%1 goes with %2").arg(option.names().constFirst(), what)
                   : QString();
    };
    result.active = parser.isSet(activeOption);
    for (const QString& error :
         {onlyWith(activeOption, oneShot && result.captureMode == QLatin1String("window"),
                   Text::tr("--capture window and --output or --auto-name")),
          onlyWith(regionOption, oneShot && fullscreen,
                   Text::tr("--capture fullscreen and --output or --auto-name")),
          onlyWith(monitorOption, oneShot && fullscreen && !regionSet,
                   Text::tr("--capture fullscreen and --output or --auto-name, without --region")),
          onlyWith(formatOption, oneShot, Text::tr("--output or --auto-name")),
          onlyWith(printGeometryOption,
                   result.captureMode == QLatin1String("region") && result.outputFile.isEmpty() &&
                       !result.autoName && !result.clipboard,
                   Text::tr("--capture region, without a picture to write")),
          onlyWith(delayOption, oneShot, Text::tr("--output or --auto-name"))}) {
        if (!error.isEmpty())
            return invalid(error);
    }
    // A window without either is picked in the overlay; a page to scroll needs its point.
    const bool scrolling = result.captureMode == QLatin1String("scrolling");
    if ((parser.isSet(atOption) && (!oneShot || !atWindow || result.active)) ||
        (oneShot && scrolling && !parser.isSet(atOption)))
        return invalid(
            Text::tr("--at goes with --capture window or scrolling and --output, --auto-name "
                     "or --clipboard, and --capture scrolling needs it"));
    if (parser.isSet(atOption)) {
        const QStringList parts = parser.value(atOption).split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        if (parts.size() == 2)
            result.at =
                QPoint(parts.at(0).trimmed().toInt(&okX), parts.at(1).trimmed().toInt(&okY));
        if (!okX || !okY)
            return invalid(
                Text::tr("--at needs a point as x,y, not \"%1\"").arg(parser.value(atOption)));
        result.atGiven = true;
    }
    if (regionSet) {
        result.region = parseGeometry(parser.value(regionOption));
        if (result.region.isNull())
            return invalid(
                Text::tr("--region needs a geometry WxH+X+Y with a width and a height of at "
                         "least 1, not \"%1\"")
                    .arg(parser.value(regionOption)));
    }
    result.monitor = parser.value(monitorOption);
    if (parser.isSet(monitorOption) && result.monitor.isEmpty())
        return invalid(Text::tr("--monitor needs an index, a name or \"all\""));
    if (parser.isSet(formatOption)) {
        result.format = parser.value(formatOption).toLower();
        if (result.format == QLatin1String("jpeg"))
            result.format = QStringLiteral("jpg");
        if (!QStringList{"png", "jpg", "bmp"}.contains(result.format))
            return invalid(Text::tr("unknown format \"%1\" (expected png, jpg or bmp)")
                               .arg(parser.value(formatOption)));
    }
    if (parser.isSet(delayOption)) {
        bool ok = false;
        result.delayMs = parser.value(delayOption).toInt(&ok);
        if (!ok || result.delayMs < 0)
            return invalid(Text::tr("--delay needs a number of milliseconds, not \"%1\"")
                               .arg(parser.value(delayOption)));
    }
    return result;
}

QString VCommandLine::helpAllText() const
{
    QStringList names = toolkitOptionTable().keys();
    names.sort();
    QString text =
        helpText + QLatin1Char('\n') + Text::tr("Options of the toolkit:") + QLatin1Char('\n');
    for (const QString& name : names)
        text += QStringLiteral("  -%1%2\n")
                    .arg(name, toolkitOptionTable().value(name) ? " <value>" : "");
    return text;
}

QString VCommandLine::warnings() const
{
    QString text;
    for (const QString& argument : unknownArguments) {
        text += Text::tr("unknown argument \"%1\" ignored").arg(argument);
        QString word = argument;
        while (word.startsWith(QLatin1Char('-')) || word.startsWith(QLatin1Char('/')))
            word.remove(0, 1);
        if (word.compare(kAutorun.mid(1), Qt::CaseInsensitive) == 0)
            text +=
                Text::tr(" (to start hidden in the notification area, give \"%1\")").arg(kAutorun);
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
