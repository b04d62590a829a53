// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VJpegWriter.h"

#include "VImageRows.h"

#include <QCoreApplication>
#include <QImage>
#include <QIODevice>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kBufferBytes = 64 * 1024;
constexpr int kMaxSide = 65535;

// libjpeg reports errors through a callback that must not return; it jumps back instead.
struct VErrorManager
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr pInfo)
{
    auto* pErrors = reinterpret_cast<VErrorManager*>(pInfo->err);
    (*pInfo->err->format_message)(pInfo, pErrors->message);
    std::longjmp(pErrors->jump, 1);
}

// Hands libjpeg's output to the device; the first refused write is remembered and the rest of
// the picture discarded, so the caller sees the failure once the encoder has finished.
struct VDestination
{
    jpeg_destination_mgr manager;
    QIODevice* pDevice;
    std::vector<JOCTET> buffer;
    bool failed;
};

void initDestination(j_compress_ptr pInfo)
{
    auto* pDestination = reinterpret_cast<VDestination*>(pInfo->dest);
    pDestination->manager.next_output_byte = pDestination->buffer.data();
    pDestination->manager.free_in_buffer = pDestination->buffer.size();
}

void flushDestination(VDestination* pDestination, size_t size)
{
    if (!pDestination->failed && size > 0)
        pDestination->failed =
            pDestination->pDevice->write(reinterpret_cast<const char*>(pDestination->buffer.data()),
                                         qint64(size)) != qint64(size);
    pDestination->manager.next_output_byte = pDestination->buffer.data();
    pDestination->manager.free_in_buffer = pDestination->buffer.size();
}

boolean emptyDestination(j_compress_ptr pInfo)
{
    auto* pDestination = reinterpret_cast<VDestination*>(pInfo->dest);
    flushDestination(pDestination, pDestination->buffer.size());
    return TRUE;
}

void termDestination(j_compress_ptr pInfo)
{
    auto* pDestination = reinterpret_cast<VDestination*>(pInfo->dest);
    flushDestination(pDestination,
                     pDestination->buffer.size() - pDestination->manager.free_in_buffer);
}

// Everything the encoder touches lives here, made before setjmp, so a jump back skips no
// constructor and no destructor.
struct VJob
{
    jpeg_compress_struct info{};
    VErrorManager errors{};
    VDestination destination{};
    std::vector<JSAMPLE> row;
};

// Dots per inch or per centimetre, whichever the image's resolution is rounder in.
void setDensity(const QImage& image, jpeg_compress_struct& info)
{
    const double xInch = image.dotsPerMeterX() * 0.0254;
    const double yInch = image.dotsPerMeterY() * 0.0254;
    const double xCm = image.dotsPerMeterX() / 100.0;
    const double yCm = image.dotsPerMeterY() / 100.0;
    const double offInch = qAbs(xInch - qRound(xInch)) + qAbs(yInch - qRound(yInch));
    const double offCm = (qAbs(xCm - qRound(xCm)) + qAbs(yCm - qRound(yCm))) * 2.54;
    info.density_unit = offInch < offCm ? 1 : 2;
    info.X_density = UINT16(offInch < offCm ? qRound(xInch) : qRound(xCm));
    info.Y_density = UINT16(offInch < offCm ? qRound(yInch) : qRound(yCm));
}

} // namespace

VJpegWriter::VJpegWriter(int quality) : m_quality(quality) {}

bool VJpegWriter::write(const QImage& image, QIODevice& device)
{
    if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide) {
        m_error = QCoreApplication::translate("VJpegWriter",
                                              "a JPEG picture can be at most %1 pixels high and "
                                              "wide")
                      .arg(kMaxSide);
        return false;
    }
    const int width = image.width();
    VImageRows rows(image);
    VJob job;
    job.row.resize(size_t(width) * 3);
    job.destination.buffer.resize(kBufferBytes);
    job.destination.pDevice = &device;
    job.destination.manager.init_destination = initDestination;
    job.destination.manager.empty_output_buffer = emptyDestination;
    job.destination.manager.term_destination = termDestination;
    jpeg_compress_struct* pInfo = &job.info;
    pInfo->err = jpeg_std_error(&job.errors.manager);
    job.errors.manager.error_exit = errorExit;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_compress(pInfo);
        m_error = QString::fromLocal8Bit(job.errors.message);
        return false;
    }
    jpeg_create_compress(pInfo);
    pInfo->dest = &job.destination.manager;
    pInfo->image_width = JDIMENSION(width);
    pInfo->image_height = JDIMENSION(image.height());
    pInfo->input_components = 3;
    pInfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(pInfo);
    setDensity(image, *pInfo);
    jpeg_set_quality(pInfo, qBound(0, m_quality, 100), TRUE);
    jpeg_start_compress(pInfo, TRUE);
    while (pInfo->next_scanline < pInfo->image_height) {
        flattenRowOnWhite(rows.row(int(pInfo->next_scanline)), rows.format(), width, false,
                          job.row.data());
        JSAMPROW pRow = job.row.data();
        jpeg_write_scanlines(pInfo, &pRow, 1);
    }
    jpeg_finish_compress(pInfo);
    jpeg_destroy_compress(pInfo);
    if (job.destination.failed) {
        m_error = device.errorString();
        return false;
    }
    return true;
}
