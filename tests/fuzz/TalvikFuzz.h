// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the fuzz targets: reading the fuzzer's bytes as the inputs of our code, and stopping
// with a message when a promise of that code is broken (libFuzzer keeps the input).

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define TALVIK_FUZZ_EXPECT(condition, ...)                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken promise: %s\n", #condition);                              \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace TalvikFuzz {

// The bytes cut at each NUL: a command line, fields of a record.
inline QList<QByteArray> fields(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
}

inline QString text(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

// Reads small numbers off the front of the input; zeros once it is used up.
class Bytes
{
public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t next() { return m_used < m_size ? m_data[m_used++] : 0; }
    // In [0, bound).
    int below(int bound) { return bound > 0 ? next() % bound : 0; }
    size_t left() const { return m_size - m_used; }
    const uint8_t* rest() const { return m_data + m_used; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_used = 0;
};

} // namespace TalvikFuzz
