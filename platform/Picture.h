#pragma once

#include <QImage>
#include <QString>

// Pictures for the main window's panel: JPEG through libjpeg-turbo, BMP and ICO through Qt.
namespace Picture {

// Decodes JPEG bytes. A damaged or truncated file is an error, never a crash.
QImage decodeJpeg(const QByteArray &bytes, QString *error = nullptr);

QImage load(const QString &path, QString *error = nullptr);

} // namespace Picture
