// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The release description the updater downloads, as anyone on the way may have written it:
// the product found in it, and the file name its download link gives.

#include "TalvikFuzz.h"

#include "VUpdateDescription.h"
#include "VUpdateFormat.h"

#include <QUrl>

namespace {

const QString kProduct = QStringLiteral("TalvikCapture");

void checkFileName(const QString& link)
{
    const QString name = VUpdateFormat::safeFileName(QUrl(link).fileName());
    const QString again = VUpdateFormat::safeFileName(link);
    for (const QString& file : {name, again}) {
        TALVIK_FUZZ_EXPECT(!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\')),
                           "a separator in \"%s\"", qUtf8Printable(file));
        TALVIK_FUZZ_EXPECT(!file.startsWith(QLatin1Char('.')), "\"%s\" is hidden or climbs",
                           qUtf8Printable(file));
        for (const QChar c : file)
            TALVIK_FUZZ_EXPECT(c.category() != QChar::Other_Control,
                               "a control character in \"%s\"", qUtf8Printable(file));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray xml(reinterpret_cast<const char*>(data), qsizetype(size));
    const VUpdateDescription description = VUpdateDescription::find(xml, kProduct);
    if (!description.isFound()) {
        TALVIK_FUZZ_EXPECT(description.version().isEmpty() && description.link().isEmpty() &&
                               description.sha256().isEmpty(),
                           "values without a product");
        return 0;
    }
    TALVIK_FUZZ_EXPECT(description.sha256() == description.sha256().toLower(),
                       "digest \"%s\" not in lower case", qUtf8Printable(description.sha256()));
    TALVIK_FUZZ_EXPECT(description.link() == description.link().trimmed(), "link not trimmed");
    checkFileName(description.link());
    // The texts the dialog builds from numbers of the same download.
    const qint64 number = description.version().toLongLong() ^ qint64(size) << 20;
    (void)VUpdateFormat::durationText(number, QStringLiteral(" "));
    (void)VUpdateFormat::byteCountText(number);
    return 0;
}
