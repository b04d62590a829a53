// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What became of a finished capture, for the word the user gets afterwards.
struct VDelivery
{
    enum class Kind
    {
        None,
        Saved,
        Copied,
    };

    Kind kind = Kind::None;
    QString path; // the file written, when saved
};
