#pragma once

#include <QString>

// What a Shift-JIS field of a fixed byte capacity accepts while the user types: no more bytes than it
// holds (a double-byte character counts two) and no character the code page cannot hold, so that
// what the user sees is what the file keeps.
namespace FieldLimit {

enum class Refusal { None, TooLong, NotEncodable };

// `crLf`: line breaks are stored as CR LF and count two bytes.
Refusal check(const QString &text, int capacity, bool crLf = false);

// The status bar's words for a refusal.
QString hint(Refusal refusal, int capacity);

} // namespace FieldLimit
