#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Little-endian field access at fixed offsets of a record image. Every binary file of Wrenly is a
// fixed layout; reading and writing go through these helpers field by field, so the in-memory
// structures never depend on the compiler's struct layout.
namespace Fields {

qint32 readI32(const QByteArray &image, int offset);
double readF64(const QByteArray &image, int offset);
bool readFlag(const QByteArray &image, int offset);

// A length-prefixed string of the given capacity: one length byte, then up to `capacity` bytes.
// A length byte above the capacity (a damaged file) is clamped to the capacity.
QString readString(const QByteArray &image, int offset, int capacity);
QByteArray readStringBytes(const QByteArray &image, int offset, int capacity);

void writeI32(QByteArray &image, int offset, qint32 value);
void writeF64(QByteArray &image, int offset, double value);
void writeFlag(QByteArray &image, int offset, bool value);

// Stores the text cut to the capacity at a character boundary. The bytes after the text are
// zeroed: they carry no meaning and zeros keep old text from leaking into the file.
void writeString(QByteArray &image, int offset, int capacity, const QString &text);

// The same writers for saving over the bytes a file was read from: a field that already holds the
// value is left alone, so whatever the user did not change is written back byte for byte (a half
// character at a field's end, a vendor code, the bytes after a text).
void updateI32(QByteArray &image, int offset, qint32 value);
void updateF64(QByteArray &image, int offset, double value);
void updateFlag(QByteArray &image, int offset, bool value);
void updateString(QByteArray &image, int offset, int capacity, const QString &text);

} // namespace Fields
