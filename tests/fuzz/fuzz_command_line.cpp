// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line, each argument cut at a NUL of the input: what parse() makes of it
// and what the start-up reads from the raw arguments before the toolkit exists.

#include "TalvikFuzz.h"

#include "app/VCommandLine.h"

#include <QCoreApplication>

#include <vector>

using Action = VCommandLine::Action;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // helpText() names the program as the application object does.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<QByteArray> raw = TalvikFuzz::fields(data, size);
    raw.prepend("TalvikCapture");
    QStringList arguments;
    for (const QByteArray& argument : raw)
        arguments << TalvikFuzz::text(argument);

    const VCommandLine line = VCommandLine::parse(arguments);
    TALVIK_FUZZ_EXPECT(!line.helpText.isEmpty(), "no help text");
    TALVIK_FUZZ_EXPECT((line.action == Action::Invalid) == !line.error.isEmpty(),
                       "action %d with error \"%s\"", int(line.action), qUtf8Printable(line.error));
    if (line.action == Action::Capture) {
        TALVIK_FUZZ_EXPECT(VCommandLine::captureModeIndex(line.captureMode) >= 0,
                           "capture mode \"%s\"", qUtf8Printable(line.captureMode));
        TALVIK_FUZZ_EXPECT(line.delayMs >= 0, "delay %d", line.delayMs);
        TALVIK_FUZZ_EXPECT(!(line.autoName && !line.outputFile.isEmpty()),
                           "--output and --auto-name both taken");
        TALVIK_FUZZ_EXPECT(line.delayMs == 0 || line.isOneShot(), "a delay without a one-shot");
    } else if (line.action != Action::Invalid) {
        TALVIK_FUZZ_EXPECT(!line.isOneShot() && line.delayMs == 0,
                           "a one-shot capture outside --capture");
    }
    for (const QString& unknown : line.unknownArguments)
        TALVIK_FUZZ_EXPECT(arguments.mid(1).contains(unknown), "unknown \"%s\" was not given",
                           qUtf8Printable(unknown));
    const QString warnings = line.warnings();
    TALVIK_FUZZ_EXPECT(warnings.count(QLatin1Char('\n')) >= line.unknownArguments.size(),
                       "%lld unknown arguments, warnings \"%s\"",
                       qlonglong(line.unknownArguments.size()), qUtf8Printable(warnings));

    std::vector<char*> argv;
    for (QByteArray& argument : raw)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    (void)VCommandLine::asksForTextOnly(int(raw.size()), argv.data());
    return 0;
}
