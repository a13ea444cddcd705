#include "data/ListEntriesFile.h"

#include "data/ByteFields.h"
#include "data/SjisCodec.h"

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

template <size_t N> void takeList(std::array<QString, N> &list, const QStringList &items, int capacity)
{
    for (size_t i = 0; i < N && i < size_t(items.size()); ++i)
        list[i] = Sjis::fitToField(items[qsizetype(i)], capacity);
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

ListEntries ListEntries::fromLists(const QStringList &keywords, const QStringList &contents,
                                   const QStringList &titles1, const QStringList &titles2)
{
    ListEntries e;
    takeList(e.keywords, keywords, KeywordCapacity);
    takeList(e.contents, contents, ContentCapacity);
    takeList(e.titles1, titles1, TitleCapacity);
    takeList(e.titles2, titles2, TitleCapacity);
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

namespace ListEditing {

Outcome append(QStringList &items, const QString &text, int limit)
{
    if (items.size() >= limit || text.isEmpty())
        return {};
    items.append(text);
    return {true, int(items.size()) - 1};
}

Outcome remove(QStringList &items, int selected)
{
    if (selected < 0 || selected >= items.size())
        return {false, selected};
    items.removeAt(selected);
    return {true, int(items.size()) - 1};
}

Outcome clear(QStringList &items)
{
    if (items.isEmpty())
        return {};
    items.clear();
    return {true, -1};
}

Outcome moveUp(QStringList &items, int selected)
{
    if (items.size() < 2 || selected < 1 || selected >= items.size())
        return {false, selected};
    items.swapItemsAt(selected, selected - 1);
    return {true, selected - 1};
}

Outcome moveDown(QStringList &items, int selected)
{
    if (items.size() < 2 || selected < 0 || selected >= items.size() - 1)
        return {false, selected};
    items.swapItemsAt(selected, selected + 1);
    return {true, selected + 1};
}

} // namespace ListEditing
