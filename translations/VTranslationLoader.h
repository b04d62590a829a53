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

// Beside the program (a Windows folder), or the share folder of its prefix: installed, or the
// build tree, which mirrors it. The updater sits one level deeper than the capture program.
inline QStringList folders()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QLatin1String("/translations"),
            dir + QLatin1String("/../share/talvikcapture/translations"),
            dir + QLatin1String("/../../share/talvikcapture/translations")};
}

// Installs "<name>_<language>.qm" and the toolkit's own texts for the locale, where found.
// Returns whether the program's own translation was found.
inline bool install(const QString& name, const QLocale& locale = QLocale())
{
    const auto load = [&locale](const QString& file, const QStringList& dirs) {
        auto pTranslator = std::make_unique<QTranslator>(QCoreApplication::instance());
        for (const QString& dir : dirs) {
            if (pTranslator->load(locale, file, QStringLiteral("_"), dir)) {
                QCoreApplication::installTranslator(pTranslator.release());
                return true;
            }
        }
        return false;
    };
    load(QStringLiteral("qtbase"),
         QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + folders());
    return load(name, folders());
}

} // namespace VTranslationLoader
