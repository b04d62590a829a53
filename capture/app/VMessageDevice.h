// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>

#include <cstdio>

// Standard error for the program's messages: every line starts with "<name>: ", as scripts
// that read it expect, whoever wrote the line.
class VMessageDevice : public QIODevice
{
public:
    VMessageDevice(std::FILE* pFile, const QString& name);

protected:
    qint64 readData(char* pData, qint64 maxSize) override;
    qint64 writeData(const char* pData, qint64 size) override;

private:
    std::FILE* const m_pFile;
    const QByteArray m_prefix;
    bool m_bLineStart = true;
};
