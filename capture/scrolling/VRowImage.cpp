// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VRowImage.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <algorithm>
#include <cstring>
#include <future>
#include <thread>

namespace {

// Below this many bytes starting threads costs more than it saves.
constexpr qint64 kParallelBytes = qint64(4) << 20;
constexpr unsigned kMaxThreads = 8;

void fingerprintRows(const QImage& image, int first, int last, VRowImage::Fingerprint* pOut)
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    const qsizetype length = image.bytesPerLine();
    for (int y = first; y < last; ++y) {
        md5.reset();
        md5.addData(QByteArrayView(image.constScanLine(y), length));
        const QByteArrayView digest = md5.resultView();
        std::memcpy(pOut[y].data(), digest.data(), pOut[y].size());
    }
}

} // namespace

VRowImage::VRowImage(QImage image)
    : m_image(std::move(image)), m_fingerprints(std::size_t(std::max(0, m_image.height())))
{
    const int rows = height();
    // Hashing a 4K frame's 33 MB is the costliest part of a scroll step; rows are independent.
    const unsigned threads = qint64(rows) * bytesPerLine() < kParallelBytes
                                 ? 1u
                                 : std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads);
    const auto rowAt = [&](unsigned part) { return int(qint64(rows) * part / threads); };
    std::vector<std::future<void>> helpers;
    for (unsigned part = 1; part < threads; ++part) {
        helpers.push_back(std::async(std::launch::async, fingerprintRows, std::cref(m_image),
                                     rowAt(part), rowAt(part + 1), m_fingerprints.data()));
    }
    fingerprintRows(m_image, 0, rowAt(1), m_fingerprints.data());
    for (std::future<void>& helper : helpers)
        helper.get();
}
