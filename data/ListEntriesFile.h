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

    std::array<QString, 24> keywords;
    std::array<QString, 24> contents;
    std::array<QString, 12> titles1;
    std::array<QString, 12> titles2;

    // The entries of a file made at first use.
    static ListEntries defaults();

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
