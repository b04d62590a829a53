// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMessageDevice.h"

#include <cstring>

VMessageDevice::VMessageDevice(std::FILE* pFile, const QString& name)
    : m_pFile(pFile), m_prefix(name.toUtf8() + ": ")
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 VMessageDevice::readData(char*, qint64)
{
    return -1;
}

qint64 VMessageDevice::writeData(const char* pData, qint64 size)
{
    const char* const pEnd = pData + size;
    for (const char* pLine = pData; pLine < pEnd;) {
        if (m_bLineStart)
            std::fwrite(m_prefix.constData(), 1, std::size_t(m_prefix.size()), m_pFile);
        const auto* pBreak =
            static_cast<const char*>(std::memchr(pLine, '\n', std::size_t(pEnd - pLine)));
        const char* pNext = pBreak ? pBreak + 1 : pEnd;
        std::fwrite(pLine, 1, std::size_t(pNext - pLine), m_pFile);
        m_bLineStart = pBreak != nullptr;
        pLine = pNext;
    }
    std::fflush(m_pFile);
    return size;
}
