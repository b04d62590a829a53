// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// talvik_svg2png <picture.svg> <size>=<out.png> [<size>=<out.png> ...]
// Renders one SVG into square PNGs of the given pixel sizes (a Windows icon for an out.ico). Fails
// loudly (exit 1) on an unreadable or empty picture, so broken art stops the build instead of
// shipping blank icons.

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {
int g_svgWarnings = 0;

// Qt SVG skips what it does not support with a warning; such art would look wrong, so it fails.
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++g_svgWarnings;
    std::fprintf(stderr, "talvik_svg2png: %s\n", qPrintable(message));
}

int fail(const QString& message)
{
    std::fprintf(stderr, "talvik_svg2png: %s\n", qPrintable(message));
    return 1;
}

bool hasVisiblePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return fail(QStringLiteral("usage: talvik_svg2png <picture.svg> <size>=<out.png> ..."));

    qInstallMessageHandler(countWarnings);
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (g_svgWarnings > 0)
        return fail(QStringLiteral("%1: uses SVG that Qt cannot draw").arg(source));
    if (!renderer.isValid())
        return fail(QStringLiteral("%1: not a readable SVG picture").arg(source));
    const QRectF viewBox = renderer.viewBoxF();
    if (viewBox.isEmpty() || !qFuzzyCompare(viewBox.width(), viewBox.height()))
        return fail(QStringLiteral("%1: the viewBox must be a non-empty square").arg(source));

    for (int i = 2; i < argc; ++i) {
        const QString request = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = request.indexOf(QLatin1Char('='));
        bool sizeOk = false;
        const int size = equals > 0 ? request.left(equals).toInt(&sizeOk) : 0;
        if (!sizeOk || size <= 0 || size > 4096)
            return fail(QStringLiteral("%1: expected <size>=<out.png>").arg(request));
        const QString target = request.mid(equals + 1);

        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        if (g_svgWarnings > 0)
            return fail(QStringLiteral("%1: uses SVG that Qt cannot draw").arg(source));
        if (!hasVisiblePixel(image))
            return fail(QStringLiteral("%1: renders nothing at %2 px").arg(source).arg(size));

        // Written whole or not at all, so an interrupted build never leaves a truncated PNG.
        const char* format = target.endsWith(QLatin1String(".ico")) ? "ICO" : "PNG";
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) ||
            !image.convertToFormat(QImage::Format_ARGB32).save(&file, format) || !file.commit())
            return fail(QStringLiteral("%1: cannot write (%2)").arg(target, file.errorString()));
    }
    return 0;
}
