// Writes the seed corpus of the fuzz targets: files made by the program's own writers, then cut,
// damaged or filled with odd numbers by hand.
//   fuzz_makecorpus OUTPUT_FOLDER      (tests/fuzz/corpus)

#include "data/Config.h"
#include "data/DayFile.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/ListEntriesFile.h"
#include "data/RoutineFile.h"
#include "data/StepFile.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <limits>

#include <jpeglib.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr qint32 IntMin = std::numeric_limits<qint32>::min();
constexpr qint32 IntMax = std::numeric_limits<qint32>::max();

QString outDir;

void put(const QString &reader, const QString &name, const QByteArray &bytes)
{
    const QString dir = outDir + u'/' + reader;
    QDir().mkpath(dir);
    QFile f(dir + u'/' + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

double serial(int y, int m, int d)
{
    return DaySerial::fromDate(QDate(y, m, d));
}

void setI32(QByteArray &b, int offset, qint32 v)
{
    qToLittleEndian(v, b.data() + offset);
}

void setF64(QByteArray &b, int offset, double v)
{
    qToLittleEndian(std::bit_cast<quint64>(v), b.data() + offset);
}

// A text field whose length byte says `length` over `content` (may be longer than the field).
void setField(QByteArray &b, int offset, unsigned char length, const QByteArray &content)
{
    b[offset] = char(length);
    b.replace(offset + 1, content.size(), content);
}

// Text CP932 cannot decode: a lone trail-range byte, undefined single bytes, and a lead byte cut off
// at the end of the field.
const QByteArray BadSjis = QByteArray::fromHex("41 80 a0 fd fe ff 82 0a 88 9f 82");

void monthFiles()
{
    MonthFile::Jobs jobs;
    jobs[0] = {1,
               serial(2005, 1, 10),
               u"見積書の作成"_s,
               serial(2005, 1, 18),
               serial(2005, 2, 4),
               u"一行目\r\n二行目 ～ ①"_s,
               u"株式会社ミソサザイ"_s,
               u"J-001"_s,
               u"設計"_s,
               JobRecord::InProgress};
    jobs[1] = {2,
               serial(2005, 1, 11),
               QString(63, u'あ'),
               serial(2005, 1, 20),
               serial(2005, 1, 20),
               QString(300, u'x'),
               QString(40, u'c'),
               u"J-002"_s,
               u"T"_s,
               JobRecord::Done};
    jobs[2] = {3, serial(2005, 1, 12), u"ｶﾀｶﾅ and ASCII"_s, 0.0, 0.0, {}, {}, {}, {}, JobRecord::NotDone};
    const QByteArray valid = MonthFile::toBytes(jobs);
    put(u"monthfile"_s, u"valid.vxf"_s, valid);
    put(u"monthfile"_s, u"empty.vxf"_s, {});
    put(u"monthfile"_s, u"truncated.vxf"_s, valid.left(JobRecord::Size + 100));

    QByteArray damaged = valid;
    setField(damaged, 16, 0xff, BadSjis);                           // title: length far above 63
    setField(damaged, 96, 11, BadSjis);                             // comments: undecodable bytes
    setField(damaged, JobRecord::Size + 352, 32, "abc");            // customer: one above 31
    setField(damaged, 2 * JobRecord::Size + 16, 3, "\x82\xa0\x82"); // title ends in half a character
    setI32(damaged, 0, IntMin);
    setF64(damaged, 8, NaN);
    setF64(damaged, 80, Inf);
    setF64(damaged, 88, -Inf);
    setI32(damaged, 448, IntMax);
    setI32(damaged, JobRecord::Size, -1);
    setF64(damaged, JobRecord::Size + 8, 1e308);
    setF64(damaged, JobRecord::Size + 80, -0.0);
    setF64(damaged, JobRecord::Size + 88, std::numeric_limits<double>::denorm_min());
    setI32(damaged, JobRecord::Size + 448, -7);
    put(u"monthfile"_s, u"damaged.vxf"_s, damaged);
    // A file, then the bytes of another that it is saved over.
    put(u"monthfile"_s, u"pair.vxf"_s, damaged + valid);
}

QByteArray lines(const QList<QByteArray> &l, const QByteArray &end = "\r\n")
{
    QByteArray out;
    for (const QByteArray &s : l)
        out += s + end;
    return out;
}

void configFiles()
{
    put(u"config"_s, u"default.vxc"_s, Config::defaultFileBytes(u"/opt/wrenly"_s));
    put(u"config"_s, u"empty.vxc"_s, {});

    Config c;
    c.customerList = {u"株式会社ミソサザイ"_s, u"A"_s, {}, QString(40, u'漢'), u"～①"_s};
    c.jobTypeList = {u"設計"_s, u"製造"_s, u"検査"_s, {}, u"空き"_s};
    c.picturePath = u"C:\\Pictures\\写真.JPG"_s;
    c.pictureTop = 0;
    c.pictureHeight = 99999;
    c.pictureLeft = 3;
    c.pictureWidth = 1;
    c.pictureCenter = false;
    c.pictureStretch = true;
    c.showJobPanel = true;
    c.interlockToDoGraph = true;
    c.afterLaunch = AfterLaunch::StayShown;
    c.trevPath = u"/usr/bin/trev"_s;
    c.pellPath = u"D:\\pell.exe"_s;
    const QByteArray custom = c.toFileBytes();
    put(u"config"_s, u"custom.vxc"_s, custom);

    QList<QByteArray> l = custom.split('\n');
    for (QByteArray &s : l)
        s.chop(1); // the CR
    l.removeLast();
    put(u"config"_s, u"short.vxc"_s, lines(l.mid(0, 7)));

    QList<QByteArray> odd = l;
    odd[21] = "-5";
    odd[22] = "99999999999999";
    odd[23] = "12abc";
    odd[24] = " 7";
    odd[25] = "true";
    odd[34] = "3";
    odd[39] = "\x96\xa2\x90\xdd\x92\xe8"; // 未設定
    odd[40] = "\x8b\xf3\x82\xab";         // 空き
    put(u"config"_s, u"odd_numbers.vxc"_s, lines(odd));

    // Two whole blocks and part of a third, LF only, no final line break.
    QList<QByteArray> blocks = l + odd + l.mid(0, 20);
    QByteArray lf = lines(blocks, "\n");
    lf.chop(1);
    put(u"config"_s, u"two_blocks_lf.vxc"_s, lf);

    QList<QByteArray> bad = l;
    bad[0] = BadSjis;
    bad[1] = QByteArray(31, 'a') + "\x88\x9f" + "tail"; // a character across the 31-byte cut
    bad[2] = QByteArray("a\0b", 3);
    bad[20] = BadSjis + "\r\r";
    bad[34] = "\x82";
    put(u"config"_s, u"bad_sjis.vxc"_s, lines(bad));
}

void stepFiles()
{
    JobRecord job;
    job.dataNo = 7;
    job.title = u"見積書"_s;
    job.startDate = serial(2005, 1, 18);
    job.endDate = serial(2005, 2, 4);
    job.comments = u"A\r\nB"_s;
    job.customer = u"K"_s;
    job.jobNo = u"J-1"_s;
    job.jobType = u"T"_s;
    const QByteArray fresh =
        StepFile::newFor(job, 2005, 1, serial(2005, 1, 10), u"C:\\Wrenly\\STEP\\Y2005JAN7.vxs"_s).toBytes();
    put(u"stepfile"_s, u"new.vxs"_s, fresh);

    StepFile s = StepFile::newFor(job, 2004, 12, serial(2004, 12, 1), u"/home/u/Wrenly/STEP/Y2004DEC7.vxs"_s);
    for (int g = 0; g < StepFile::GroupCount; ++g) {
        StepGroup &grp = s.groups[g];
        grp.groupTitle = u"工程%1"_s.arg(g);
        grp.planStart = serial(2004, 11, 20 + g);
        grp.planEnd = serial(2005, 1, 5 + g);
        grp.planMemo = QString(300, u'メ');
        for (int i = 0; i < g; ++i) {
            grp.revStart[i] = serial(2004, 12, 1 + i);
            grp.revEnd[i] = serial(2004, 12, 10 + i);
            grp.revDate[i] = serial(2004, 11, 30);
            grp.revMemo[i] = u"変更 %1"_s.arg(i);
        }
        grp.actualStart = serial(2004, 12, 3);
        grp.actualEnd = serial(2005, 3, 1);
        grp.actualMemo = u"実績"_s;
    }
    const QByteArray revised = s.toBytes();
    put(u"stepfile"_s, u"revised.vxs"_s, revised);
    put(u"stepfile"_s, u"truncated.vxs"_s, revised.left(StepFile::GroupsOffset + 500));

    QByteArray damaged = revised;
    setField(damaged, 0, 0xff, BadSjis);
    setI32(damaged, 256, IntMax);                                   // base year
    setI32(damaged, 268, 13);                                       // base month
    setField(damaged, StepFile::GroupsOffset, 0xff, "x");           // group title
    setField(damaged, StepFile::GroupsOffset + 432, 0xff, BadSjis); // first revision memo
    put(u"stepfile"_s, u"damaged.vxs"_s, damaged);

    QByteArray odd = revised;
    for (int g = 0; g < StepFile::GroupCount; ++g) {
        const int at = StepFile::GroupsOffset + StepGroup::Size * g;
        const double values[] = {NaN, Inf, -Inf, 1e308, -1e308, -0.0};
        setF64(odd, at + 32, values[g]);
        setF64(odd, at + 40, values[(g + 1) % 6]);
        setF64(odd, at + 312, values[(g + 2) % 6]);
        setF64(odd, at + 352, 2958465.0 + g);
        setF64(odd, at + 1712, serial(2004, 12, 31) + 0.999);
        setF64(odd, at + 1720, 1e15);
    }
    setI32(odd, 284, IntMin);
    setF64(odd, 352, NaN);
    put(u"stepfile"_s, u"odd_dates.vxs"_s, odd);
    put(u"stepfile"_s, u"pair.vxs"_s, odd + fresh);
}

void dayFiles()
{
    DayFile d;
    d.setSourcePath(u"C:\\Wrenly\\AUBREL\\Y200501\\Y2005110.dtf"_s);
    d.createdOn = serial(2005, 1, 10) + 0.5;
    for (int k = 0; k < 3; ++k) {
        d.bars[k] = {k % 2 ? u"R"_s : u"L"_s, 4 * k, 4 * k + 3, 0x00ff8040};
        SchedulePadRecord &p = d.pads[k];
        p.padNo = k + 1;
        p.padLeft = k % 2 ? 351 : 4;
        p.padTop = 40 * k;
        p.keyword = u"会議"_s;
        p.content = QString(70, u'内');
        p.completed = k == 1;
        p.barColor = 0x0000ff;
        p.startHour = 9 + k;
        p.startMinute = 30;
        p.endHour = 11;
        p.endMinute = 0;
        p.endPM = true;
        p.memo = u"メモ\r\n二行目"_s;
    }
    d.bars[10] = ScheduleBar::unused(0xffffff);
    d.diary = {u"今日の反省"_s, QString(300, u'日'), u"明日に向けて一言"_s, u"がんばる"_s};
    const QByteArray valid = d.toBytes();
    put(u"dayfile"_s, u"day.dtf"_s, valid);
    put(u"dayfile"_s, u"truncated.dtf"_s, valid.left(648 + 396 + 50));

    QByteArray damaged = valid;
    setField(damaged, 0, 0xff, BadSjis);      // source path
    setField(damaged, 264, 0xff, "\x82\xa0"); // a bar's side
    setField(damaged, 264 + 16, 1, "\x82");   // half a character
    setField(damaged, 648 + 12, 0xff, BadSjis);
    setField(damaged, 648 + 137, 0xff, BadSjis);
    setField(damaged, 10152 + 320, 0xff, BadSjis);
    put(u"dayfile"_s, u"damaged.dtf"_s, damaged);

    QByteArray odd = valid;
    setF64(odd, 256, NaN);
    setI32(odd, 264 + 4, IntMax);
    setI32(odd, 264 + 8, IntMin);
    setI32(odd, 264 + 23 * 16 + 4, 5); // only the last bar in use
    for (int off : {0, 4, 8, 112, 116, 120, 128, 132})
        setI32(odd, 648 + off, off % 8 ? IntMin : IntMax);
    odd[648 + 108] = char(0xff); // a flag that is neither 0 nor 1
    put(u"dayfile"_s, u"odd_numbers.dtf"_s, odd);
    put(u"dayfile"_s, u"pair.dtf"_s, odd + damaged);
}

void routineFiles()
{
    RoutineFile::Routines r;
    for (int k = 0; k < 3; ++k) {
        RoutineRecord &rec = r[k];
        rec.padNo = k + 1;
        rec.padLeft = k % 2 ? 351 : 4;
        rec.padTop = 30 * k;
        rec.keyword = u"朝礼"_s;
        rec.content = QString(64, u'c');
        rec.barColor = 0x00c0c0c0;
        rec.startHour = 8;
        rec.startMinute = 45;
        rec.endHour = 9;
        rec.endMinute = 0;
        rec.memo = u"毎週"_s;
        rec.showFlag = true;
        rec.weekdays = {false, true, true, true, true, k == 2, false};
    }
    const QByteArray valid = RoutineFile::toBytes(r);
    put(u"routinefile"_s, u"routines.rdf"_s, valid);
    put(u"routinefile"_s, u"truncated.rdf"_s, valid.left(RoutineRecord::Size + 133));

    QByteArray damaged = valid;
    setField(damaged, 12, 0xff, BadSjis);
    setField(damaged, 44, 64, "x");
    setField(damaged, 133, 0xff, BadSjis);
    setField(damaged, RoutineRecord::Size + 133, 255, "\x82");
    put(u"routinefile"_s, u"damaged.rdf"_s, damaged);

    QByteArray odd = valid;
    for (int k = 0; k < RoutineFile::RecordCount; ++k) {
        const int at = k * RoutineRecord::Size;
        setI32(odd, at, k % 2 ? IntMin : -1);
        setI32(odd, at + 112, IntMax);
        setI32(odd, at + 116, IntMin);
        odd[at + 390 + k % 7] = char(0x80);
    }
    put(u"routinefile"_s, u"odd_numbers.rdf"_s, odd);
    put(u"routinefile"_s, u"pair.rdf"_s, damaged + valid);
}

void listFiles()
{
    const QByteArray defaults = ListEntries::defaults().toBytes();
    put(u"listentries"_s, u"defaults.lef"_s, defaults);
    put(u"listentries"_s, u"truncated.lef"_s, defaults.left(ListEntries::ContentOffset + 70));

    ListEntries full;
    for (QString &s : full.keywords)
        s = QString(40, u'鍵');
    for (QString &s : full.contents)
        s = u"説明 ～ ①"_s;
    for (QString &s : full.titles1)
        s = QString(31, u'x');
    full.titles2[11] = u"最後"_s;
    put(u"listentries"_s, u"full.lef"_s, full.toBytes());

    QByteArray damaged = defaults;
    setField(damaged, 0, 0xff, BadSjis);
    setField(damaged, ListEntries::ContentOffset, 0xff, BadSjis);
    setField(damaged, ListEntries::Title2Offset + 11 * 32, 0xff, "\x82");
    put(u"listentries"_s, u"damaged.lef"_s, damaged);
    put(u"listentries"_s, u"pair.lef"_s, damaged + full.toBytes());
}

QByteArray jpeg(int width, int height, int components, bool progressive, int restartRows)
{
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    info.restart_in_rows = restartRows;
    jpeg_start_compress(&info, TRUE);
    QByteArray row(width * components, '\0');
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < row.size(); ++x)
            row[x] = char((x * 7 + int(info.next_scanline) * 13) & 0xff);
        JSAMPROW p = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray out(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

// Rewrites the size in the frame header (SOF0 or SOF2).
QByteArray withSize(QByteArray j, quint16 width, quint16 height)
{
    for (int i = 0; i + 9 < j.size(); ++i) {
        if (uchar(j[i]) == 0xff && (uchar(j[i + 1]) == 0xc0 || uchar(j[i + 1]) == 0xc2)) {
            qToBigEndian(height, j.data() + i + 5);
            qToBigEndian(width, j.data() + i + 7);
            return j;
        }
    }
    std::fprintf(stderr, "no frame header\n");
    std::exit(1);
}

void pictures()
{
    put(u"picture"_s, u"gray8x8.jpg"_s, jpeg(8, 8, 1, false, 0));
    const QByteArray color = jpeg(24, 16, 3, false, 1);
    put(u"picture"_s, u"color24x16_restarts.jpg"_s, color);
    const QByteArray progressive = jpeg(17, 9, 3, true, 0);
    put(u"picture"_s, u"progressive17x9.jpg"_s, progressive);
    put(u"picture"_s, u"too_wide_progressive.jpg"_s, withSize(progressive, 16385, 9));
    // libjpeg sizes a progressive picture's buffers by the header, before any data is read.
    put(u"picture"_s, u"progressive_65000x65000.jpg"_s, withSize(progressive, 65000, 65000));
    put(u"picture"_s, u"truncated.jpg"_s, color.left(color.size() * 2 / 3));
    // Damage the entropy-coded data only, so that the headers still parse.
    QByteArray garbled = color;
    const int scan = int(garbled.indexOf("\xff\xda")) + 14;
    for (int i = scan; i < garbled.size() - 2; i += 5)
        garbled[i] = char(garbled[i] ^ 0x5a);
    put(u"picture"_s, u"garbled.jpg"_s, garbled);
    put(u"picture"_s, u"too_wide.jpg"_s, withSize(color, 16385, 16));
    put(u"picture"_s, u"zero_height.jpg"_s, withSize(color, 24, 0));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_makecorpus OUTPUT_FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    monthFiles();
    configFiles();
    stepFiles();
    dayFiles();
    routineFiles();
    listFiles();
    pictures();
    return 0;
}
