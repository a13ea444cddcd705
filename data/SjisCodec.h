#pragma once

#include <QByteArray>
#include <QString>

// Text in every file is code page 932 (Windows Shift-JIS). glibc's "SHIFT_JIS" maps 0x5C to the yen
// sign and rejects NEC extensions, so this always goes through "CP932".
namespace Sjis {

// Converts to CP932. Characters the code page cannot hold become '?'. Input-method variants
// (WAVE DASH, MINUS SIGN, ...) are first mapped to the fullwidth forms Windows uses.
QByteArray encode(const QString &text);

// Converts from CP932. Invalid bytes, and a lead byte left alone at the end by an older program
// that cut a field in half, become U+FFFD instead of being dropped silently.
QString decode(const QByteArray &bytes);

// True when byte b starts a double-byte character.
constexpr bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The longest prefix of `bytes` of at most `capacity` bytes that does not end inside a
// double-byte character.
QByteArray cutAtCharBoundary(const QByteArray &bytes, int capacity);

// Encodes and cuts to a field's capacity.
QByteArray encodeForField(const QString &text, int capacity);
// The text as a field of that capacity gives it back: cut, and with what the code page cannot hold
// replaced, so that memory holds what the file holds.
QString fitToField(const QString &text, int capacity);

// Line breaks are CR LF in the files and LF in Qt's text widgets.
QString toCrLf(const QString &text);
QString fromCrLf(const QString &text);

} // namespace Sjis
