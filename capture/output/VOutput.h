// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VV.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>

// The one way a finished capture leaves the application: the clipboard or an image file.

// A 24-bit copy painted over white, so transparent parts become white.
QImage flattenOnWhite(const QImage& image);

// The format a file suffix names (png, jpg, jpeg, bmp; any case), or nothing.
std::optional<VV::enumTargetFormat> targetFormatFromSuffix(const QString& suffix);

// Writes through a temporary file that replaces the target only once complete, so a failure
// never leaves a half-written file or destroys an existing one. Through a symbolic link the
// file it points to is replaced, keeping its owner and permissions (refused when the owner
// cannot be kept). JPEG and BMP are flattened on white; JPEG uses quality. On failure pError,
// when given, receives a one-line reason with the system's own words.
bool writeImageFile(const QImage& image, const QString& path, int targetFormat,
                    unsigned int quality, QString* pError = nullptr);

// Writes the picture to standard output (a pipe or a file), encoded as writeImageFile does.
bool writeImageToStandardOutput(const QImage& image, int targetFormat, unsigned int quality,
                                QString* pError = nullptr);

// writeImageFile in targetFormat whatever the suffix says: a format chosen apart from the name.
bool writeImageFileAs(const QImage& image, const QString& path, int targetFormat,
                      unsigned int quality, QString* pError = nullptr);

// The sub-folder (empty when none) and the file name without extension that the templates
// give at moment. Both stay inside the save folder: separators and control characters are
// dropped, and a template that leaves no name falls back to the default one.
struct VAutomaticName
{
    QString subFolder;
    QString name;
};
VAutomaticName automaticName(const QDateTime& moment);

// The automatic path from the name templates and the moment; folders are created.
QString automaticFileName(const QDateTime& moment);

// Writes under the automatic name, which only this call can take even when other captures of
// the same second (in this or another process) run at once. The name appears only with the
// complete file; anything already there (even a dangling link) makes the next name be used.
// The path, or empty with pError.
QString writeAutomaticImageFile(const QImage& image, const QDateTime& moment, int targetFormat,
                                unsigned int quality, QString* pError = nullptr);

// The path of the next file: asked from the user (when the naming method says so, or
// alwaysAskName) or automatic. Empty when the user cancels or the method is unknown.
QString outputFileName(bool alwaysAskName);

// target is a VV::enumOutputTarget; false for a null image, an unknown target, a cancelled
// name or a failed write. Only a failed write fills pError, so callers can tell it from a
// cancelled name. A written file's path goes to pWritten, when given. The name is asked in a
// dialog over the active window.
bool outputImage(const QImage& image, int target, bool alwaysAskName, QString* pError = nullptr,
                 QString* pWritten = nullptr);
