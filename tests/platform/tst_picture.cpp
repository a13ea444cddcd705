#include "platform/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void samplePicture_decodes();
    void damagedJpeg_isAnErrorNotACrash_data();
    void damagedJpeg_isAnErrorNotACrash();
    void bitmap_loadsThroughQt();
    void load_refusesWhatItCannotShow_data();
    void load_refusesWhatItCannotShow();
};

namespace {

QByteArray sampleJpeg()
{
    QFile f(qEnvironmentVariable("WRENLY_TEST_ASSETS") + u"/Sample1.JPG"_s);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestPicture::samplePicture_decodes()
{
    const QByteArray jpeg = sampleJpeg();
    QVERIFY(!jpeg.isEmpty());
    QString error;
    const QImage image = Picture::decodeJpeg(jpeg, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(image.size(), QSize(360, 360));
    // Top-left is sky: more blue than red.
    const QColor c = image.pixelColor(5, 5);
    QVERIFY(c.blue() > c.red());
}

void TestPicture::damagedJpeg_isAnErrorNotACrash_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray jpeg = sampleJpeg();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only the start marker") << QByteArray("\xFF\xD8");
    QTest::newRow("truncated half way") << jpeg.left(jpeg.size() / 2);
    QByteArray garbled = jpeg;
    for (int i = 200; i < garbled.size(); i += 7)
        garbled[i] = char(garbled[i] ^ 0x5A);
    QTest::newRow("garbled body") << garbled;
    QTest::newRow("not a jpeg") << QByteArray(1000, 'x');
}

void TestPicture::damagedJpeg_isAnErrorNotACrash()
{
    QFETCH(QByteArray, bytes);
    QString error;
    const QImage image = Picture::decodeJpeg(bytes, &error);
    QVERIFY(image.isNull());
    QVERIFY(!error.isEmpty());
}

void TestPicture::bitmap_loadsThroughQt()
{
    QTemporaryDir dir;
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString path = dir.filePath(u"p.bmp"_s);
    QVERIFY(red.save(path, "BMP"));
    const QImage back = Picture::load(path);
    QCOMPARE(back.size(), QSize(4, 3));
    QString error;
    QVERIFY(Picture::load(dir.filePath(u"missing.jpg"_s), &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestPicture::load_refusesWhatItCannotShow_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << u"fifo"_s << u"名前付きパイプ"_s;
    QTest::newRow("folder") << u"folder"_s << u"フォルダ"_s;
    QTest::newRow("device") << u"/dev/zero"_s << u"デバイス"_s;
    QTest::newRow("file over the limit") << u"long"_s << u"画像ファイルが大きすぎます"_s;
    QTest::newRow("JPEG of 60000 x 60000") << u"jpeg"_s << u"画像が大きすぎます"_s;
    QTest::newRow("BMP of 8000 x 8000") << u"bmp"_s << u"画像が大きすぎます"_s;
}

void TestPicture::load_refusesWhatItCannotShow()
{
    QFETCH(QString, what);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = what.startsWith(u'/') ? what : dir.filePath(what);
    QFile file(path);
    if (what == u"fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (what == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (what == u"long") {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(Picture::MaxFileBytes + 1));
    } else if (what == u"jpeg") {
        // The sample with the size in its frame header (SOF0 or SOF2) raised to 60000 x 60000.
        QByteArray jpeg = sampleJpeg();
        qsizetype sof = jpeg.indexOf("\xFF\xC0");
        if (sof < 0)
            sof = jpeg.indexOf("\xFF\xC2");
        QVERIFY(sof > 0);
        jpeg.replace(sof + 5, 4, QByteArray::fromHex("EA60EA60"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size());
    } else if (what == u"bmp") {
        QImage small(4, 4, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(small.save(path, "BMP"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(18); // BITMAPINFOHEADER width and height, little-endian
        file.write(QByteArray::fromHex("401F0000401F0000"));
    }
    file.close();

    QString error;
    QVERIFY(Picture::load(path, &error).isNull());
    QVERIFY2(error.contains(reason), qPrintable(error));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
