#include "data/ListEntriesFile.h"

#include "data/ByteFields.h"

using namespace Qt::StringLiterals;

namespace {

template <size_t N>
void readList(std::array<QString, N> &list, const QByteArray &image, int offset, int capacity)
{
    for (size_t i = 0; i < N; ++i)
        list[i] = Fields::readString(image, offset + int(i) * (capacity + 1), capacity);
}

template <size_t N>
void writeList(const std::array<QString, N> &list, QByteArray &image, int offset, int capacity)
{
    for (size_t i = 0; i < N; ++i)
        Fields::updateString(image, offset + int(i) * (capacity + 1), capacity, list[i]);
}

template <size_t N> QStringList nonEmpty(const std::array<QString, N> &list)
{
    QStringList out;
    for (const QString &s : list) {
        if (!s.isEmpty())
            out << s;
    }
    return out;
}

} // namespace

ListEntries ListEntries::defaults()
{
    ListEntries e;
    e.keywords[0] = u"キーワード"_s;
    e.contents[0] = u"説明"_s;
    e.titles1[0] = u"タイトル1"_s;
    e.titles1[1] = u"今日一日をふり返って一言"_s;
    e.titles1[2] = u"今日の反省"_s;
    e.titles1[3] = u"日記"_s;
    e.titles2[0] = u"タイトル2"_s;
    e.titles2[1] = u"明日に向けて一言"_s;
    e.titles2[2] = u"明日への意気込み"_s;
    e.titles2[3] = u"日記"_s;
    return e;
}

ListEntries ListEntries::fromBytes(const QByteArray &image)
{
    QByteArray full(Size, '\0');
    full.replace(0, qMin(image.size(), qsizetype(Size)), image.left(Size));
    ListEntries e;
    readList(e.keywords, full, KeywordOffset, KeywordCapacity);
    readList(e.contents, full, ContentOffset, ContentCapacity);
    readList(e.titles1, full, Title1Offset, TitleCapacity);
    readList(e.titles2, full, Title2Offset, TitleCapacity);
    return e;
}

QByteArray ListEntries::toBytes() const
{
    QByteArray image(Size, '\0');
    writeInto(image);
    return image;
}

void ListEntries::writeInto(QByteArray &image) const
{
    if (image.size() < Size)
        image.append(QByteArray(Size - image.size(), '\0'));
    writeList(keywords, image, KeywordOffset, KeywordCapacity);
    writeList(contents, image, ContentOffset, ContentCapacity);
    writeList(titles1, image, Title1Offset, TitleCapacity);
    writeList(titles2, image, Title2Offset, TitleCapacity);
}

QStringList ListEntries::keywordList() const
{
    return nonEmpty(keywords);
}
QStringList ListEntries::contentList() const
{
    return nonEmpty(contents);
}
QStringList ListEntries::title1List() const
{
    return nonEmpty(titles1);
}
QStringList ListEntries::title2List() const
{
    return nonEmpty(titles2);
}
