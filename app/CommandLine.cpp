#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <algorithm>

using namespace Qt::StringLiterals;

#ifndef WRENLY_VERSION
#define WRENLY_VERSION "0"
#endif

namespace {

// Options that QApplication takes out of the command line itself; with a value or without.
constexpr const char16_t *qtOptionsWithValue[] = {u"platform",      u"platformpluginpath",
                                                  u"platformtheme", u"plugin",
                                                  u"qmljsdebugger", u"qwindowgeometry",
                                                  u"qwindowicon",   u"qwindowtitle",
                                                  u"session",       u"style",
                                                  u"stylesheet",    u"display",
                                                  u"geometry",      u"title",
                                                  u"name",          u"visual",
                                                  u"dialogs"};
constexpr const char16_t *qtFlags[] = {u"reverse", u"widgetcount", u"nograb", u"dograb", u"sync"};

QString helpText()
{
    return u"使い方: wrenly [オプション]\n"
           u"仕事の記録と計画を付ける Wrenly を起動します。\n"
           u"\n"
           u"オプション:\n"
           // Aligned by display width: a Japanese character takes two columns.
           u"  -h, --help             この説明を表示して終了します。\n"
           u"  -v, --version          バージョンを表示して終了します。\n"
           u"  --home <フォルダー>    データを置くフォルダー (環境変数 WRENLY_HOME と同じ)。\n"
           u"  --minimized            ウィンドウを開かずタスクトレイで起動します。\n"
           u"  --find <語句>...       すべての月のデータからジョブを探し、タブ区切りで表示して\n"
           u"                         終了します (月、データNo.、タイトル、客先、開始日、終了日、\n"
           u"                         状態)。見つからないときの終了コードは 1 です。\n"
           u"  --export csv|ics       画面を開かずに仕事の記録を書き出して終了します。\n"
           u"    --from 2023-01       月の範囲の始め (省略時は今月)\n"
           u"    --to 2024-05         月の範囲の終わり (省略時は今月)\n"
           u"    --days 2024-05-01..2024-05-31\n"
           u"                         デイリープランの日の範囲 (ics のみ)\n"
           u"    -o <ファイル>|-      出力先 (- または省略で標準出力)\n"
           u"  --backup <ファイル>    画面を開かずにデータフォルダーを tar.gz のアーカイブに\n"
           u"                         書き出して終了します (cron などから)。\n"
           u"\n"
           u"データは --home, WRENLY_HOME, 実行ファイルのフォルダー (Config.vxc か portable が\n"
           u"あるとき), ~/.local/share/Wrenly の順に探したフォルダーに置かれます。\n"
           u"\n"
           u"Wrenly は一度に一つだけ動きます。動いている Wrenly があると、それを前面に出して終了します。\n"
           u"動いている Wrenly が別のデータフォルダーを開いているときは、そう伝えて終了コード 3 "
           u"で終了します。\n"
           u"\n"
           u"Qt のオプション (-platform, -style など) も使えます。\n"_s;
}

CommandLine fail(const QString &what)
{
    CommandLine line;
    line.action = CommandLine::Action::Fail;
    line.message = u"wrenly: "_s + what + u"\n「wrenly --help」で使い方を表示します。\n"_s;
    return line;
}

// Wrenly's options, and Qt's so that the parser passes them by.
struct Options
{
    QCommandLineOption help{QStringList{u"h"_s, u"help"_s}};
    QCommandLineOption version{QStringList{u"v"_s, u"version"_s}};
    QCommandLineOption home{u"home"_s, QString(), u"DIR"_s};
    QCommandLineOption minimized{u"minimized"_s};
    QCommandLineOption find{u"find"_s, QString(), u"WORDS"_s};
    QCommandLineOption exportFormat{u"export"_s, QString(), u"FORMAT"_s};
    QList<QCommandLineOption> exportOptions{{u"from"_s, QString(), u"MONTH"_s},
                                            {u"to"_s, QString(), u"MONTH"_s},
                                            {u"days"_s, QString(), u"DAYS"_s},
                                            {{u"o"_s, u"output"_s}, QString(), u"FILE"_s}};
    QCommandLineOption backup{u"backup"_s, QString(), u"FILE"_s};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({help, version, home, minimized, find, exportFormat, backup});
        parser.addOptions(exportOptions);
        for (const char16_t *name : qtOptionsWithValue)
            parser.addOption(QCommandLineOption(QString::fromUtf16(name), QString(), u"value"_s));
        for (const char16_t *name : qtFlags)
            parser.addOption(QCommandLineOption(QString::fromUtf16(name)));
    }
};

// The action of a command line the parser took, or why it is refused.
CommandLine actionOf(const QCommandLineParser &parser, const Options &o)
{
    CommandLine line;
    line.minimized = parser.isSet(o.minimized);
    if (parser.isSet(o.help)) {
        line.action = CommandLine::Action::ShowHelp;
        line.message = helpText();
    } else if (parser.isSet(o.version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.message = u"Wrenly " WRENLY_VERSION "\n"_s;
    } else if (parser.isSet(o.home)) {
        line.home = parser.value(o.home);
        if (line.home.isEmpty())
            return fail(u"--home の後にフォルダーを指定してください。"_s);
    }
    const bool exportOptionSet = std::any_of(o.exportOptions.begin(), o.exportOptions.end(),
                                             [&](const auto &option) { return parser.isSet(option); });
    const bool run = line.action == CommandLine::Action::Run;
    if (run && parser.isSet(o.find)) {
        line.action = CommandLine::Action::Find;
        line.findWords = (QStringList{parser.value(o.find)} + parser.positionalArguments()).join(u' ');
    } else if (run && parser.isSet(o.exportFormat)) {
        line.action = CommandLine::Action::Export;
        line.exporting = {parser.value(o.exportFormat), parser.value(o.exportOptions[0]),
                          parser.value(o.exportOptions[1]), parser.value(o.exportOptions[2]),
                          parser.value(o.exportOptions[3])};
    } else if (run && exportOptionSet) {
        return fail(u"--from, --to, --days, -o は --export と一緒に指定してください。"_s);
    }
    if (line.action == CommandLine::Action::Run && parser.isSet(o.backup)) {
        line.action = CommandLine::Action::Backup;
        line.backupFile = parser.value(o.backup);
        if (line.backupFile.isEmpty())
            return fail(u"--backup の後にファイルを指定してください。"_s);
    }
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform offscreen"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Options options;
    options.addTo(parser);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return fail(u"不明なオプションです: "_s + unknown.join(u", "_s));
        // The only other failure: the last option wants a value and there is none.
        return fail(u"%1 の後に値を指定してください。"_s.arg(arguments.last()));
    }
    // The words of --find may come unquoted: "wrenly --find 山田 見積".
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(options.find))
        return fail(u"余分な引数です: "_s + parser.positionalArguments().join(u' '));
    return actionOf(parser, options);
}
