// Makes the runtime files that ship beside the program: the shutter click, the sample picture and
// the application icon (SVG and PNG sizes). All are generated here so that the project carries no
// binary assets.
//   makeassets OUTPUT_FOLDER [ICON_FOLDER]

#include "platform/AppIcon.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <random>

#include <jpeglib.h>

namespace {

void putLe32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

void putLe16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

// A camera shutter: two short filtered noise bursts (the blades opening and closing) over a
// low mechanical thump, 16-bit mono PCM.
QByteArray shutterWave()
{
    constexpr int rate = 22050;
    constexpr int samples = rate * 22 / 100;
    std::mt19937 rng(1902);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    QByteArray pcm;
    double lowpass = 0.0;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        auto burst = [&](double start, double decay, double gain) {
            if (t < start)
                return 0.0;
            return gain * std::exp(-(t - start) / decay);
        };
        const double env = burst(0.0, 0.006, 1.0) + burst(0.075, 0.009, 0.75);
        const double n = noise(rng);
        lowpass += 0.45 * (n - lowpass); // soften the hiss into a click
        const double thump = burst(0.0, 0.02, 0.35) * std::sin(2 * M_PI * 140 * t);
        double v = env * (0.65 * lowpass + 0.35 * n) + thump;
        v = std::clamp(v, -1.0, 1.0);
        putLe16(pcm, quint16(qint16(v * 26000)));
    }
    QByteArray wav;
    wav.append("RIFF");
    putLe32(wav, quint32(36 + pcm.size()));
    wav.append("WAVEfmt ");
    putLe32(wav, 16);
    putLe16(wav, 1); // PCM
    putLe16(wav, 1); // mono
    putLe32(wav, rate);
    putLe32(wav, rate * 2);
    putLe16(wav, 2);
    putLe16(wav, 16);
    wav.append("data");
    putLe32(wav, quint32(pcm.size()));
    wav.append(pcm);
    return wav;
}

// A quiet landscape: morning sky, sun, two rows of hills and a wren on a twig.
QImage samplePicture()
{
    QImage img(360, 360, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 360);
    sky.setColorAt(0.0, QColor(120, 176, 232));
    sky.setColorAt(0.55, QColor(252, 224, 180));
    sky.setColorAt(1.0, QColor(250, 240, 220));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(250, 150, 60);
    sun.setColorAt(0.0, QColor(255, 250, 220));
    sun.setColorAt(0.35, QColor(255, 226, 140));
    sun.setColorAt(1.0, QColor(255, 226, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(250, 150), 60, 60);

    QPainterPath far;
    far.moveTo(0, 230);
    far.cubicTo(80, 180, 150, 210, 210, 200);
    far.cubicTo(270, 190, 320, 170, 360, 195);
    far.lineTo(360, 360);
    far.lineTo(0, 360);
    p.setBrush(QColor(120, 150, 170));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 280);
    near.cubicTo(90, 240, 200, 300, 360, 250);
    near.lineTo(360, 360);
    near.lineTo(0, 360);
    p.setBrush(QColor(70, 110, 80));
    p.drawPath(near);

    // Twig and wren.
    p.setPen(QPen(QColor(70, 45, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 300), QPointF(190, 262));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    p.drawEllipse(QPointF(120, 250), 26, 19); // body
    p.drawEllipse(QPointF(98, 236), 12, 11);  // head
    QPainterPath tail;
    tail.moveTo(140, 245);
    tail.lineTo(162, 212);
    tail.lineTo(170, 218);
    tail.lineTo(148, 252);
    p.drawPath(tail);
    p.setBrush(QColor(230, 200, 160));
    p.drawEllipse(QPointF(116, 258), 14, 9); // breast
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(95, 234), 2.2, 2.2); // eye
    QPainterPath beak;
    beak.moveTo(87, 236);
    beak.lineTo(77, 239);
    beak.lineTo(87, 240);
    p.drawPath(beak);
    p.end();
    return img;
}

bool writeJpeg(const QImage &image, const QString &path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The icon theme's layout: ICON_FOLDER/scalable/apps/wrenly.svg and ICON_FOLDER/NxN/apps/wrenly.png.
bool writeIcons(const QString &folder)
{
    const QString svgFolder = folder + QStringLiteral("/scalable/apps");
    QDir().mkpath(svgFolder);
    if (!writeFile(svgFolder + QStringLiteral("/wrenly.svg"), AppIcon::svg()))
        return false;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sizeFolder = folder + QStringLiteral("/%1x%1/apps").arg(size);
        QDir().mkpath(sizeFolder);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        AppIcon::paint(p, size);
        p.end();
        if (!image.save(sizeFolder + QStringLiteral("/wrenly.png"))) {
            std::fprintf(stderr, "makeassets: cannot write the %dx%d icon\n", size, size);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: makeassets OUTPUT_FOLDER [ICON_FOLDER]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    if (!writeFile(dir + QStringLiteral("/Shutter.wav"), shutterWave()))
        return 1;
    if (!writeJpeg(samplePicture(), dir + QStringLiteral("/Sample1.JPG")))
        return 1;
    if (argc == 3 && !writeIcons(QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
