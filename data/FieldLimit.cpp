#include "data/FieldLimit.h"

#include "data/SjisCodec.h"

using namespace Qt::StringLiterals;

namespace FieldLimit {

Refusal check(const QString &text, int capacity, bool crLf)
{
    const QString stored = crLf ? Sjis::toCrLf(text) : text;
    const QByteArray bytes = Sjis::encode(stored);
    // The encoder writes '?' for each character it cannot hold.
    if (bytes.count('?') > stored.count(u'?'))
        return Refusal::NotEncodable;
    return bytes.size() > capacity ? Refusal::TooLong : Refusal::None;
}

QString hint(Refusal refusal, int capacity)
{
    switch (refusal) {
    case Refusal::TooLong:
        return u"これ以上入力できません.(最大文字数: 半角"_s + QString::number(capacity) + u"文字)"_s;
    case Refusal::NotEncodable:
        return u"この文字は保存できないため入力できません."_s;
    case Refusal::None:
        break;
    }
    return {};
}

} // namespace FieldLimit
