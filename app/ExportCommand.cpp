#include "app/ExportCommand.h"

#include "app/ProgramFolder.h"
#include "export/Exporter.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace ExportCommand {

namespace {

Outcome failure(int status, const QString &what)
{
    return {status, {}, u"wrenly: "_s + what + u'\n'};
}

std::optional<YearMonth> monthOption(const QString &name, const QString &value, QString *error)
{
    const std::optional<YearMonth> month = YearMonth::fromText(value);
    if (!month)
        *error = u"%1 には月を 2024-05 の形で指定してください: %2"_s.arg(name, value);
    return month;
}

// "2024-05-01..2024-05-31", or one day.
std::optional<std::pair<QDate, QDate>> daysOption(const QString &value)
{
    const QStringList ends = value.split(u".."_s);
    if (ends.size() > 2)
        return std::nullopt;
    const QDate first = QDate::fromString(ends.constFirst(), Qt::ISODate);
    const QDate last = QDate::fromString(ends.constLast(), Qt::ISODate);
    if (!first.isValid() || !last.isValid() || first > last)
        return std::nullopt;
    return std::pair(first, last);
}

// The request the options ask for, or the reason they are wrong.
std::optional<ExportRequest> requestOf(const CommandLine::ExportOptions &o, const QDateTime &now,
                                       QString *error)
{
    const auto refuse = [error](const QString &why) {
        *error = why;
        return std::optional<ExportRequest>();
    };
    ExportRequest request;
    if (o.format == u"csv"_s)
        request.format = ExportRequest::Format::Csv;
    else if (o.format == u"ics"_s)
        request.format = ExportRequest::Format::ICalendar;
    else
        return refuse(u"--export には csv か ics を指定してください: "_s + o.format);
    if (!o.days.isEmpty()) {
        if (request.format == ExportRequest::Format::Csv)
            return refuse(u"デイリープラン (--days) は ics にだけ書き出せます。"_s);
        request.days = daysOption(o.days);
        if (!request.days)
            return refuse(u"--days には日の範囲を 2024-05-01..2024-05-31 の形で指定してください: "_s +
                          o.days);
    }
    // Without any range, this month; --from alone runs to this month, --to alone is one month.
    if (!o.from.isEmpty() || !o.to.isEmpty() || o.days.isEmpty()) {
        std::optional<YearMonth> to =
            o.to.isEmpty() ? YearMonth::of(now.date()) : monthOption(u"--to"_s, o.to, error);
        std::optional<YearMonth> from = o.from.isEmpty() ? to : monthOption(u"--from"_s, o.from, error);
        if (!from || !to)
            return std::nullopt;
        if (*from > *to)
            return refuse(u"--from の月が --to の月より後です。"_s);
        request.months = std::pair(*from, *to);
    }
    request.stamp = now;
    return request;
}

} // namespace

Outcome run(const CommandLine::ExportOptions &options, const QString &folder, const QDateTime &now)
{
    QString error;
    std::optional<ExportRequest> request = requestOf(options, now, &error);
    if (!request)
        return failure(2, error + u"\n「wrenly --help」で使い方を表示します。"_s);
    if (!QFileInfo(folder).isDir())
        return failure(1, u"データのフォルダーがありません: "_s + QDir::toNativeSeparators(folder));
    request->folder = folder;

    Exporter exporter(*request);
    if (!exporter.run())
        return failure(1, u"ファイルを読み込めませんでした: %1 (%2)"_s.arg(
                              QDir::toNativeSeparators(exporter.failedPath()), exporter.failure().error));
    Outcome outcome;
    if (!exporter.missingMonths().isEmpty())
        outcome.diagnostic = u"wrenly: "_s + exporter.missingMonthsText() + u'\n';
    if (options.output.isEmpty() || options.output == u"-"_s) {
        outcome.output = exporter.bytes();
        return outcome;
    }
    const QString path = QFileInfo(options.output).absoluteFilePath();
    const SafeFile::Result r = Exporter::write(path, exporter.bytes());
    if (!r)
        return failure(
            1, u"ファイルを書き込めませんでした: %1 (%2)"_s.arg(QDir::toNativeSeparators(path), r.error));
    return outcome;
}

int main(const CommandLine &line, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString home = line.home.isEmpty() ? qEnvironmentVariable("WRENLY_HOME") : line.home;
    const QString folder =
        ProgramFolder::choose(home, QCoreApplication::applicationDirPath(), ProgramFolder::userDataHome());
    const Outcome outcome = run(line.exporting, folder, SystemClock().now());
    if (!outcome.output.isEmpty())
        std::fwrite(outcome.output.constData(), 1, size_t(outcome.output.size()), stdout);
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    std::fputs(outcome.diagnostic.toLocal8Bit().constData(), stderr);
    if (!written && outcome.status == 0) {
        std::fputs("wrenly: 標準出力に書き込めませんでした。\n", stderr);
        return 1;
    }
    return outcome.status;
}

} // namespace ExportCommand
