#include "platform/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void samplePicture_decodes();
    void damagedJpeg_isAnErrorNotACrash_data();
    void damagedJpeg_isAnErrorNotACrash();
    void bitmap_loadsThroughQt();
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

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
