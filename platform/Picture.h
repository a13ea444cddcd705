#pragma once

#include <QImage>
#include <QString>

// Pictures for the main window's panel: JPEG through libjpeg-turbo, BMP and ICO through Qt.
namespace Picture {

// Longer files are refused unread: a panel picture is a few hundred kilobytes.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// Decodes JPEG bytes. A damaged or truncated file, or one too large to show, is an error (in
// Japanese), never a crash.
QImage decodeJpeg(const QByteArray &bytes, QString *error = nullptr);

// Reads a regular file of at most MaxFileBytes; pipes, devices and folders are errors.
QImage load(const QString &path, QString *error = nullptr);

} // namespace Picture
