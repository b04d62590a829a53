// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

// Both programs load their texts for the user's language at start. Header-only: the updater
// shares no code with the capture program.
namespace VTranslationLoader {

// Beside the program (a Windows folder), the installed share folder as the build placed it
// relative to the program, or the build tree's share folder, which mirrors it.
inline QStringList folders()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QLatin1String("/translations"),
            dir + QLatin1String("/" TALVIK_TRANSLATIONS_FROM_PROGRAM),
            dir + QLatin1String("/../share/talvikcapture/translations")};
}

// Installs "<name>_<language>.qm" and the toolkit's own texts for the first of the user's
// languages that has them. English, the texts' own language, ends the search: a user who
// puts it before German wants no German. Returns whether a translation was installed.
inline bool install(const QString& name, const QLocale& locale = QLocale())
{
    const auto load = [](const QString& file, const QLocale& language, const QStringList& dirs) {
        auto pTranslator = std::make_unique<QTranslator>(QCoreApplication::instance());
        for (const QString& dir : dirs) {
            if (pTranslator->load(language, file, QStringLiteral("_"), dir)) {
                QCoreApplication::installTranslator(pTranslator.release());
                return true;
            }
        }
        return false;
    };
    for (const QString& code : locale.uiLanguages()) {
        const QLocale language(code);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (load(name, language, folders())) {
            load(QStringLiteral("qtbase"), language,
                 QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + folders());
            return true;
        }
    }
    return false;
}

} // namespace VTranslationLoader
