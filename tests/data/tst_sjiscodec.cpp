#include "data/ByteFields.h"
#include "data/SjisCodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSjisCodec : public QObject
{
    Q_OBJECT
private slots:
    void encode_data();
    void encode();
    void decode_invalidBytesBecomeReplacementCharacters();
    void cut_data();
    void cut();
    void stringField_writesLengthTextAndZeros();
    void stringField_lengthAboveCapacityIsClamped();
    void crLf();
    void longTextOfFailures_convertsWhole_data();
    void longTextOfFailures_convertsWhole();
};

void TestSjisCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << u"Job 12"_s << QByteArray("Job 12");
    QTest::newRow("backslash stays 5C") << u"a\\b~"_s << QByteArray("a\\b~");
    QTest::newRow("kana and kanji") << u"仮データ"_s << QByteArray::fromHex("89BC8366815B835E");
    QTest::newRow("halfwidth katakana") << u"ｱ"_s << QByteArray::fromHex("B1");
    QTest::newRow("NEC circled one") << u"①"_s << QByteArray::fromHex("8740");
    QTest::newRow("wave dash from an input method") << u"〜"_s << QByteArray::fromHex("8160");
    QTest::newRow("fullwidth tilde") << u"～"_s << QByteArray::fromHex("8160");
    QTest::newRow("minus sign") << u"−"_s << QByteArray::fromHex("817C");
    QTest::newRow("emoji has no code") << u"a😀b"_s << QByteArray("a?b");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestSjisCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Sjis::encode(text), bytes);
    if (!bytes.contains('?') && text != u"〜"_s && text != u"−"_s)
        QCOMPARE(Sjis::decode(bytes), text);
}

void TestSjisCodec::decode_invalidBytesBecomeReplacementCharacters()
{
    // A lead byte alone at the end: a field that an older program cut in half.
    QCOMPARE(Sjis::decode(QByteArray::fromHex("41428A")), u"AB\uFFFD"_s);
    QCOMPARE(Sjis::decode(QByteArray::fromHex("41FF42")), u"A\uFFFDB"_s);
}

void TestSjisCodec::cut_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray kanji3 = QByteArray::fromHex("8EC5"
                                                  "8E96"
                                                  "93FA"); // 3 double-byte chars
    QTest::newRow("fits") << kanji3 << 6 << kanji3;
    QTest::newRow("cut between chars") << kanji3 << 4 << kanji3.left(4);
    QTest::newRow("never half a char") << kanji3 << 5 << kanji3.left(4);
    QTest::newRow("mixed") << QByteArray("a") + kanji3 << 4 << QByteArray("a") + kanji3.left(2);
    QTest::newRow("halfwidth kana is single")
        << QByteArray::fromHex("B1B2B3") << 2 << QByteArray::fromHex("B1B2");
    QTest::newRow("capacity 0") << kanji3 << 0 << QByteArray();
    QByteArray seventy(70, 'x');
    QTest::newRow("70 bytes into 63") << seventy << 63 << QByteArray(63, 'x');
}

void TestSjisCodec::cut()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, capacity);
    QFETCH(QByteArray, expected);
    QCOMPARE(Sjis::cutAtCharBoundary(bytes, capacity), expected);
}

void TestSjisCodec::stringField_writesLengthTextAndZeros()
{
    QByteArray image(40, '\xAA');
    Fields::writeString(image, 2, 31, u"日記"_s);
    QByteArray expected(40, '\xAA');
    expected[2] = 4;
    expected.replace(3, 4, QByteArray::fromHex("93FA8B4C"));
    expected.replace(7, 27, QByteArray(27, '\0'));
    QCOMPARE(image, expected);
    QCOMPARE(Fields::readString(image, 2, 31), u"日記"_s);

    // 16 kanji are 32 bytes: a capacity of 31 keeps 15 of them.
    Fields::writeString(image, 2, 31, QString(16, QChar(0x65E5)));
    QCOMPARE(int(image[2]), 30);
    QCOMPARE(Fields::readString(image, 2, 31), QString(15, QChar(0x65E5)));
}

void TestSjisCodec::stringField_lengthAboveCapacityIsClamped()
{
    QByteArray image(33, 'z');
    image[0] = char(200);
    QCOMPARE(Fields::readString(image, 0, 31), QString(31, u'z'));
}

void TestSjisCodec::crLf()
{
    QCOMPARE(Sjis::toCrLf(u"a\nb\r\nc"_s), u"a\r\nb\r\nc"_s);
    QCOMPARE(Sjis::fromCrLf(u"a\r\nb"_s), u"a\nb"_s);
}

// Each character that fails used to cost as much as thousands that convert: two million of them
// took minutes. Now they finish well inside the test's time-out.
void TestSjisCodec::longTextOfFailures_convertsWhole_data()
{
    QTest::addColumn<QString>("text"); // encoded, then compared with `bytes`
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decoded"); // of `bytes`
    constexpr int Long = 2 * 1024 * 1024;
    QTest::newRow("nothing encodable")
        << QString(Long, QChar(0x00E9)) << QByteArray(Long, '?') << QString(Long, u'?');
    QTest::newRow("every other character")
        << u"日é"_s.repeated(Long / 2) << QByteArray::fromHex("93FA3F").repeated(Long / 2)
        << u"日?"_s.repeated(Long / 2);
    QTest::newRow("emoji pairs") << u"😀"_s.repeated(Long / 2) << QByteArray(Long / 2, '?')
                                 << QString(Long / 2, u'?');
}

void TestSjisCodec::longTextOfFailures_convertsWhole()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, decoded);
    QCOMPARE(Sjis::encode(text), bytes);
    QCOMPARE(Sjis::decode(bytes), decoded);
    // Bytes that are no CP932 at all decode one replacement character each.
    const QByteArray invalid(bytes.size(), '\xA0');
    QCOMPARE(Sjis::decode(invalid), QString(invalid.size(), QChar(0xFFFD)));
}

QTEST_GUILESS_MAIN(TestSjisCodec)
#include "tst_sjiscodec.moc"
