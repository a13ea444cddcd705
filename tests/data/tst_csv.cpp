#include "data/Csv.h"
#include "data/SjisCodec.h"
#include "support/OutputReaders.h"

#include <QTest>

using namespace Qt::StringLiterals;

class CsvTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
};

void CsvTest::roundTrip_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("plain") << QStringList{u"2024-05"_s, u"7"_s, u"見積書"_s};
    QTest::newRow("commas") << QStringList{u"a,b"_s, u","_s, u"c"_s};
    QTest::newRow("quotes") << QStringList{u"\"至急\""_s, u"5\" floppy"_s, u"\""_s};
    QTest::newRow("line breaks") << QStringList{u"一行目\n二行目"_s, u"CR LF\r\nkept"_s, u"\n"_s};
    QTest::newRow("empty fields") << QStringList{QString(), QString(), QString()};
    QTest::newRow("spaces kept") << QStringList{u" lead"_s, u"trail "_s, u"全角　空白"_s};
    QTest::newRow("everything") << QStringList{u"\"a\",\r\nb"_s, u"～－∥―①"_s};
}

// Written by the writer, read by a reader of the standard: the same fields, in both encodings.
void CsvTest::roundTrip()
{
    QFETCH(QStringList, fields);
    const QString text = Csv::record({u"h1"_s, u"h2"_s}) + Csv::record(fields);
    for (const Csv::Encoding encoding : {Csv::Encoding::Utf8WithBom, Csv::Encoding::ShiftJis}) {
        const QByteArray bytes = Csv::start(encoding) + Csv::encode(text, encoding);
        const bool utf8 = encoding == Csv::Encoding::Utf8WithBom;
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), utf8);
        const QString read = utf8 ? QString::fromUtf8(bytes.mid(3)) : Sjis::decode(bytes);
        const std::optional<QList<QStringList>> records = readCsv(read);
        QVERIFY2(records, bytes.constData());
        QCOMPARE(records->size(), 2);
        QCOMPARE(records->at(1), fields);
    }
}

QTEST_GUILESS_MAIN(CsvTest)
#include "tst_csv.moc"
