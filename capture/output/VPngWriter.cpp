// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPngWriter.h"

#include "VImageRows.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QThread>

#include <zlib.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <future>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

constexpr std::array<uchar, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// The filtered rows are deflated in strips of about this size, side by side on all cores.
constexpr size_t kStripBytes = 512 * 1024;
// Deflate looks back this far; each strip starts with the end of the one before as dictionary,
// so cutting the stream costs next to nothing.
constexpr size_t kWindowBytes = 32 * 1024;

void putBigEndian(uchar* pOut, quint32 value)
{
    pOut[0] = uchar(value >> 24);
    pOut[1] = uchar(value >> 16);
    pOut[2] = uchar(value >> 8);
    pOut[3] = uchar(value);
}

struct VBytes
{
    const uchar* pData;
    size_t size;
};

// One chunk whose data is the parts one after the other.
bool writeChunk(QIODevice& device, const char* type, std::initializer_list<VBytes> parts)
{
    std::array<uchar, 8> header{};
    size_t size = 0;
    for (const VBytes& part : parts)
        size += part.size;
    putBigEndian(header.data(), quint32(size));
    std::memcpy(header.data() + 4, type, 4);
    uLong crc = crc32(crc32(0, nullptr, 0), header.data() + 4, 4);
    if (device.write(reinterpret_cast<const char*>(header.data()), 8) != 8)
        return false;
    for (const VBytes& part : parts) {
        // zlib takes a null buffer as "start over", so empty parts must not go through it.
        if (part.size == 0)
            continue;
        crc = crc32_z(crc, part.pData, part.size);
        if (device.write(reinterpret_cast<const char*>(part.pData), qint64(part.size)) !=
            qint64(part.size))
            return false;
    }
    std::array<uchar, 4> trailer{};
    putBigEndian(trailer.data(), quint32(crc));
    return device.write(reinterpret_cast<const char*>(trailer.data()), 4) == 4;
}

// RGBA or RGB bytes of one row of RGB32 or ARGB32 pixels.
void packRow(const QRgb* pRow, int width, bool alpha, uchar* pOut)
{
    if (!alpha) {
        for (int x = 0; x < width; ++x, pOut += 3) {
            pOut[0] = uchar(qRed(pRow[x]));
            pOut[1] = uchar(qGreen(pRow[x]));
            pOut[2] = uchar(qBlue(pRow[x]));
        }
        return;
    }
    for (int x = 0; x < width; ++x, pOut += 4) {
        const QRgb pixel = pRow[x];
        pOut[0] = uchar(qRed(pixel));
        pOut[1] = uchar(qGreen(pixel));
        pOut[2] = uchar(qBlue(pixel));
        pOut[3] = uchar(qAlpha(pixel));
    }
}

uchar paeth(int left, int up, int upLeft)
{
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return uchar(left);
    return uchar(toUp <= toUpLeft ? up : upLeft);
}

// Writes filter type and filtered bytes of one fixed filter to pOut (size + 1 bytes). pRow has
// bpp zero bytes in front, so the pixel left of the first one reads as zero.
void filterRow(VPngWriter::Filter filter, const uchar* pRow, const uchar* pPrevious, int size,
               int bpp, uchar* pOut)
{
    pOut[0] = uchar(filter);
    uchar* pData = pOut + 1;
    for (int i = 0; i < size; ++i) {
        const uchar left = pRow[i - bpp];
        const uchar up = pPrevious[i];
        switch (filter) {
        case VPngWriter::Filter::None:
            pData[i] = pRow[i];
            break;
        case VPngWriter::Filter::Sub:
            pData[i] = uchar(pRow[i] - left);
            break;
        case VPngWriter::Filter::Up:
            pData[i] = uchar(pRow[i] - up);
            break;
        case VPngWriter::Filter::Paeth:
        case VPngWriter::Filter::Adaptive:
            pData[i] = uchar(pRow[i] - paeth(left, up, pPrevious[i - bpp]));
            break;
        }
    }
}

// Filters the row both with Sub and with Up and returns the one whose bytes, read as signed,
// have the smaller sum of magnitudes: the usual guess of what compresses better. On screen
// content Paeth and None rarely win and cost more time than they save bytes.
const uchar* subOrUp(const uchar* pRow, const uchar* pPrevious, int size, int bpp, uchar* pSub,
                     uchar* pUp)
{
    pSub[0] = uchar(VPngWriter::Filter::Sub);
    pUp[0] = uchar(VPngWriter::Filter::Up);
    quint64 subSum = 0;
    quint64 upSum = 0;
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    __m128i subSums = zero;
    __m128i upSums = zero;
    for (; i + 16 <= size; i += 16) {
        const __m128i current = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pRow + i));
        const __m128i left = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pRow + i - bpp));
        const __m128i up = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pPrevious + i));
        const __m128i sub = _mm_sub_epi8(current, left);
        const __m128i upDelta = _mm_sub_epi8(current, up);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pSub + 1 + i), sub);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pUp + 1 + i), upDelta);
        // min(x, -x) as unsigned bytes is the magnitude of x as a signed byte.
        subSums =
            _mm_add_epi64(subSums, _mm_sad_epu8(_mm_min_epu8(sub, _mm_sub_epi8(zero, sub)), zero));
        upSums = _mm_add_epi64(
            upSums, _mm_sad_epu8(_mm_min_epu8(upDelta, _mm_sub_epi8(zero, upDelta)), zero));
    }
    subSum = quint64(_mm_cvtsi128_si64(subSums)) +
             quint64(_mm_cvtsi128_si64(_mm_unpackhi_epi64(subSums, subSums)));
    upSum = quint64(_mm_cvtsi128_si64(upSums)) +
            quint64(_mm_cvtsi128_si64(_mm_unpackhi_epi64(upSums, upSums)));
#endif
    for (; i < size; ++i) {
        pSub[1 + i] = uchar(pRow[i] - pRow[i - bpp]);
        pUp[1 + i] = uchar(pRow[i] - pPrevious[i]);
        subSum += quint64(std::abs(int(static_cast<signed char>(pSub[1 + i]))));
        upSum += quint64(std::abs(int(static_cast<signed char>(pUp[1 + i]))));
    }
    return upSum <= subSum ? pUp : pSub;
}

struct VDeflateEnd
{
    void operator()(z_stream* pStream) const
    {
        deflateEnd(pStream);
        delete pStream;
    }
};

// One strip of the zlib stream and what deflating it needs, kept from strip to strip so that
// the buffers and the compressor's tables are made once: raw deflate ending on a byte boundary
// (a sync flush), or with the final block for the last strip, and the Adler-32 of its input
// for the stream's trailer.
struct VStrip
{
    std::vector<uchar> input;
    std::vector<uchar> dictionary;
    std::vector<uchar> output; // only grows; outputBytes of it are used
    size_t outputBytes = 0;
    uLong adler = 0;
    bool last = false;
    bool ok = false;
    std::unique_ptr<z_stream, VDeflateEnd> pStream;
    std::future<void> done;
};

void deflateStrip(VStrip& strip, int level)
{
    strip.ok = false;
    if (!strip.pStream) {
        // deflateEnd() takes a zeroed stream too, so a failed start is cleaned up alike.
        strip.pStream.reset(new z_stream{});
        if (deflateInit2(strip.pStream.get(), level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) !=
            Z_OK) {
            strip.pStream.reset();
            return;
        }
    } else if (deflateReset(strip.pStream.get()) != Z_OK) {
        return;
    }
    z_stream& stream = *strip.pStream;
    if (!strip.dictionary.empty() && deflateSetDictionary(&stream, strip.dictionary.data(),
                                                          uInt(strip.dictionary.size())) != Z_OK)
        return;
    const size_t bound = deflateBound(&stream, uLong(strip.input.size())) + 64;
    if (strip.output.size() < bound)
        strip.output.resize(bound);
    stream.next_in = const_cast<uchar*>(strip.input.data()); // zlib never writes its input
    stream.avail_in = uInt(strip.input.size());
    const int flush = strip.last ? Z_FINISH : Z_SYNC_FLUSH;
    for (;;) {
        stream.next_out = strip.output.data() + stream.total_out;
        stream.avail_out = uInt(strip.output.size() - stream.total_out);
        const int status = deflate(&stream, flush);
        if (status == Z_STREAM_ERROR)
            return;
        if (strip.last ? status == Z_STREAM_END : stream.avail_out > 0)
            break;
        strip.output.resize(strip.output.size() * 2);
    }
    strip.outputBytes = stream.total_out;
    strip.adler = adler32_z(adler32(0, nullptr, 0), strip.input.data(), strip.input.size());
    strip.ok = true;
}

} // namespace

VPngWriter::VPngWriter(int level, Filter filter, int threads)
    : m_level(level), m_filter(filter), m_threads(threads)
{
}

bool VPngWriter::handles(QImage::Format format)
{
    const QPixelFormat pixel = QImage::toPixelFormat(format);
    return format != QImage::Format_Invalid && format != QImage::Format_Grayscale16 &&
           pixel.bitsPerPixel() <= 32 && pixel.redSize() <= 8 && pixel.greenSize() <= 8 &&
           pixel.blueSize() <= 8;
}

bool VPngWriter::write(const QImage& image, QIODevice& device)
{
    const auto failed = [this](const QString& reason) {
        m_error = reason;
        return false;
    };
    if (image.isNull())
        return failed(QCoreApplication::translate("VPngWriter", "the image is empty"));
    if (!handles(image.format()))
        return failed(QCoreApplication::translate("VPngWriter", "unsupported image format"));
    const QString deviceError = QCoreApplication::translate("VPngWriter", "cannot write: %1");

    const int width = image.width();
    const int height = image.height();
    const bool alpha = image.hasAlphaChannel();
    const int bpp = alpha ? 4 : 3;
    const int rowBytes = width * bpp;

    std::array<uchar, 13> header{};
    putBigEndian(header.data(), quint32(width));
    putBigEndian(header.data() + 4, quint32(height));
    header[8] = 8;             // bits per channel
    header[9] = alpha ? 6 : 2; // RGBA or RGB; then zeros: deflate, adaptive filters, no interlace
    bool written = device.write(reinterpret_cast<const char*>(kSignature.data()),
                                kSignature.size()) == qint64(kSignature.size()) &&
                   writeChunk(device, "IHDR", {{header.data(), 13}});
    if (written && image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        putBigEndian(header.data(), quint32(image.dotsPerMeterX()));
        putBigEndian(header.data() + 4, quint32(image.dotsPerMeterY()));
        header[8] = 1; // per metre
        written = writeChunk(device, "pHYs", {{header.data(), 9}});
    }
    if (!written)
        return failed(deviceError.arg(device.errorString()));

    // Strips are deflated side by side and written in order; the next strip is filtered
    // meanwhile. Memory stays a few strips whatever the picture's size.
    constexpr int kMaxThreads = 4;
    const int threads = m_threads > 0 ? m_threads : QThread::idealThreadCount();
    std::vector<VStrip> strips(size_t(std::clamp(threads, 1, kMaxThreads)));
    uLong adler = adler32(0, nullptr, 0);
    bool deflated = true;
    // Writes a strip once deflated as one IDAT chunk, with the zlib header before the first
    // and the checksum of all filtered bytes after the last.
    const auto writeStrip = [&](VStrip& strip, bool first) {
        strip.done.get();
        if (!strip.ok) {
            deflated = false;
            return false;
        }
        adler = adler32_combine(adler, strip.adler, z_off_t(strip.input.size()));
        constexpr std::array<uchar, 2> kZlibHeader{0x78, 0x01}; // deflate, 32 KiB window
        std::array<uchar, 4> trailer{};
        putBigEndian(trailer.data(), quint32(adler));
        return writeChunk(device, "IDAT",
                          {{kZlibHeader.data(), first ? kZlibHeader.size() : 0},
                           {strip.output.data(), strip.outputBytes},
                           {trailer.data(), strip.last ? trailer.size() : 0}});
    };

    // The packed row and the one above it, each after bpp zero bytes (the pixel left of the
    // first), and the row filtered both ways.
    std::vector<uchar> packed(2 * size_t(bpp + rowBytes), 0);
    uchar* pRow = packed.data() + bpp;
    uchar* pPrevious = pRow + rowBytes + bpp;
    std::vector<uchar> filtered(2 * (size_t(rowBytes) + 1));
    uchar* pSub = filtered.data();
    uchar* pUp = pSub + rowBytes + 1;
    const int stripRows = int(std::max<size_t>(1, kStripBytes / (size_t(rowBytes) + 1)));
    std::vector<uchar> window; // the end of the filtered bytes so far
    VImageRows rows(image, true);
    size_t next = 0;
    for (int top = 0; top < height; top += stripRows, ++next) {
        VStrip& strip = strips[next % strips.size()];
        if (next >= strips.size() && !writeStrip(strip, next == strips.size())) {
            written = false;
            break;
        }
        const int bottom = std::min(height, top + stripRows);
        strip.input.clear();
        strip.input.reserve(size_t(bottom - top) * (size_t(rowBytes) + 1));
        for (int y = top; y < bottom; ++y) {
            packRow(rows.row(y), width, alpha, pRow);
            const uchar* pFiltered = pSub;
            if (m_filter == Filter::Adaptive)
                pFiltered = subOrUp(pRow, pPrevious, rowBytes, bpp, pSub, pUp);
            else
                filterRow(m_filter, pRow, pPrevious, rowBytes, bpp, pSub);
            strip.input.insert(strip.input.end(), pFiltered, pFiltered + rowBytes + 1);
            std::swap(pRow, pPrevious);
        }
        strip.last = bottom == height;
        strip.dictionary = window;
        strip.done = std::async([&strip, level = m_level] { deflateStrip(strip, level); });
        window.assign(strip.input.end() -
                          std::ptrdiff_t(std::min(strip.input.size(), kWindowBytes)),
                      strip.input.end());
    }
    // The strips still out, oldest first; each is waited for even after a failure.
    for (size_t k = next > strips.size() ? next - strips.size() : 0; k < next; ++k) {
        VStrip& strip = strips[k % strips.size()];
        if (written)
            written = writeStrip(strip, k == 0);
        else if (strip.done.valid())
            strip.done.wait();
    }
    if (!written || !writeChunk(device, "IEND", {})) {
        if (!deflated)
            return failed(QCoreApplication::translate("VPngWriter", "out of memory"));
        return failed(deviceError.arg(device.errorString()));
    }
    return true;
}
