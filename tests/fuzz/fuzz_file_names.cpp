// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The automatic file names and the save folder, whatever the settings file holds: a template
// typed by the user or edited by hand, expanded at some moment, and the folder setting, absolute,
// relative or below "~". Every name must stay one name inside its folder, and a folder given
// relative to the home folder must stay inside it.
//
// Input: the file name template, the sub-folder template and the save folder, cut at NULs.

#include "TalvikFuzz.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "output/VFileNameTemplate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

namespace {

QString g_home;

bool isInside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// One segment a file or folder can be called by.
void checkName(const QString& name, const QString& from)
{
    if (name.isEmpty())
        return;
    TALVIK_FUZZ_EXPECT(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')),
                       "\"%s\" from \"%s\" has a separator", qUtf8Printable(name),
                       qUtf8Printable(from));
    TALVIK_FUZZ_EXPECT(name != QLatin1String(".") && name != QLatin1String(".."),
                       "\"%s\" from \"%s\"", qUtf8Printable(name), qUtf8Printable(from));
    TALVIK_FUZZ_EXPECT(!name.startsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char('.')) &&
                           !name.front().isSpace() && !name.back().isSpace(),
                       "\"%s\" from \"%s\" is not trimmed", qUtf8Printable(name),
                       qUtf8Printable(from));
    for (const QChar c : name)
        TALVIK_FUZZ_EXPECT(c.category() != QChar::Other_Control,
                           "\"%s\" from \"%s\" has a control character", qUtf8Printable(name),
                           qUtf8Printable(from));
}

void checkSaveFolder(const QString& setting)
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setAutomaticSaveFolder(setting);
    const QString folder = pConfig->automaticSaveFolder();
    TALVIK_FUZZ_EXPECT(!folder.isEmpty(), "no folder for \"%s\"", qUtf8Printable(setting));
    const bool fromHome = setting == QLatin1String("~") ||
                          setting.startsWith(QLatin1String("~/")) || QDir::isRelativePath(setting);
    if (setting.isEmpty() || !fromHome)
        return;
    const QString fallback = VConfigCapture::defaultAutomaticSaveFolder();
    TALVIK_FUZZ_EXPECT(folder == fallback || isInside(QDir::cleanPath(folder), g_home),
                       "\"%s\" gives \"%s\", outside the home folder \"%s\"",
                       qUtf8Printable(setting), qUtf8Printable(folder), qUtf8Printable(g_home));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Settings, documents and the home folder of our own, as the tests have them.
    static QTemporaryDir home;
    g_home = QDir::cleanPath(home.path());
    qputenv("HOME", g_home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (g_home + QStringLiteral("/.config")).toLocal8Bit());
    static QCoreApplication app(*argc, *argv);
    // Warnings about ignored folders would fill the log.
    qSetMessagePattern(QString());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    (void)VConfigCapture::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = TalvikFuzz::fields(data, size);
    const QString fileNameFormat = TalvikFuzz::text(parts.value(0));
    const QString subFolderFormat = TalvikFuzz::text(parts.value(1));
    const QString saveFolder = TalvikFuzz::text(parts.value(2));

    // A moment read off the input too: years of one to five digits, any day and time.
    const int seed = size > 0 ? data[0] : 0;
    const QDateTime moment(
        QDate(1 + (seed * 97 + int(size)) % 12000, 1 + seed % 12, 1 + int(size % 28)),
        QTime(int(size % 24), seed % 60, int(size * 7 % 60)));

    for (const QString& format : {fileNameFormat, subFolderFormat}) {
        const QString problem = VFileNameTemplate::problem(format);
        const QString expanded = VUtility::convertTimeVariables(format, moment);
        const QString name = VFileNameTemplate::cleanName(expanded);
        checkName(name, format);
        if (!name.isEmpty())
            TALVIK_FUZZ_EXPECT(VFileNameTemplate::cleanName(name) == name,
                               "cleaning \"%s\" again changes it", qUtf8Printable(name));
        // A template the dialog accepts loses nothing but blanks and dots at its ends.
        if (problem.isEmpty() && !name.isEmpty())
            TALVIK_FUZZ_EXPECT(expanded.contains(name), "\"%s\" lost characters to \"%s\"",
                               qUtf8Printable(expanded), qUtf8Printable(name));
    }

    // The path an automatic capture is written to: one folder and one name below the folder.
    const QString folder = QStringLiteral("/captures");
    const QString sub =
        VFileNameTemplate::cleanName(VUtility::convertTimeVariables(subFolderFormat, moment));
    const QString name =
        VFileNameTemplate::cleanName(VUtility::convertTimeVariables(fileNameFormat, moment));
    if (!name.isEmpty()) {
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + sub + QLatin1Char('/') +
                                             name + QStringLiteral(".png"));
        TALVIK_FUZZ_EXPECT(QFileInfo(path).dir().path() ==
                               (sub.isEmpty() ? folder : folder + QLatin1Char('/') + sub),
                           "\"%s\" and \"%s\" give \"%s\"", qUtf8Printable(subFolderFormat),
                           qUtf8Printable(fileNameFormat), qUtf8Printable(path));
    }

    checkSaveFolder(saveFolder);
    return 0;
}
