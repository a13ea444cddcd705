#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// "LEntries.lef" (3072 bytes): the lists offered by the drop-downs of the pads and of the diary.
// An empty entry is skipped wherever a list is shown.
struct ListEntries
{
    static constexpr int Size = 3072;
    static constexpr int KeywordCapacity = 31;
    static constexpr int ContentCapacity = 63;
    static constexpr int TitleCapacity = 31;
    static constexpr int KeywordOffset = 0;
    static constexpr int ContentOffset = 768;
    static constexpr int Title1Offset = 2304;
    static constexpr int Title2Offset = 2688;
    // How many entries each list holds.
    static constexpr int KeywordLimit = 24;
    static constexpr int ContentLimit = 24;
    static constexpr int TitleLimit = 12;

    std::array<QString, KeywordLimit> keywords;
    std::array<QString, ContentLimit> contents;
    std::array<QString, TitleLimit> titles1;
    std::array<QString, TitleLimit> titles2;

    // The entries of a file made at first use.
    static ListEntries defaults();
    // The lists as the list dialog holds them, in order, each item as its field keeps it; items
    // beyond a list's size are dropped.
    static ListEntries fromLists(const QStringList &keywords, const QStringList &contents,
                                 const QStringList &titles1, const QStringList &titles2);

    // A shorter image is read over empty entries.
    static ListEntries fromBytes(const QByteArray &image);
    QByteArray toBytes() const;
    // Writes over the entries in `image` (grown to Size bytes when shorter); untouched entries keep
    // their bytes.
    void writeInto(QByteArray &image) const;
    bool operator==(const ListEntries &) const = default;

    QStringList keywordList() const;
    QStringList contentList() const;
    QStringList title1List() const;
    QStringList title2List() const;
};

// The buttons of the list dialog, on the items of one list. Each says whether the list changed and
// which item is selected afterwards (-1: none); a refusal changes nothing and says nothing.
namespace ListEditing {

struct Outcome
{
    bool changed = false;
    int selected = -1;
    bool operator==(const Outcome &) const = default;
};

// "追加": the text as the last item, while the list is below `limit` and the text is not empty.
Outcome append(QStringList &items, const QString &text, int limit);
// "削除": the selected item goes; the last one left is selected.
Outcome remove(QStringList &items, int selected);
// "クリア".
Outcome clear(QStringList &items);
// The up and down buttons: the selected item changes places with its neighbour.
Outcome moveUp(QStringList &items, int selected);
Outcome moveDown(QStringList &items, int selected);

} // namespace ListEditing
