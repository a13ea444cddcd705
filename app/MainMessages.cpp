#include "app/MainMessages.h"

#include "data/JobRecord.h"

using namespace Qt::StringLiterals;

namespace MainMessages {

Captioned createMonthFile(const QString &fileName, bool atStart)
{
    return {atStart ? u"データファイルを作成してください - Wrenly"_s : u"データファイルを作成してください"_s,
            u"\r\n★今月のデータファイル: "_s + fileName + u" が存在しません.\r\n\r\n\r\n"_s +
                (atStart ? u"■起動後,新規データを入力して,"_s : u"■新規データを入力して,"_s) +
                u"\r\n   [ファイル] -> [ファイルを作成して保存]で作成してください.\r\n\r\n\r\n"_s};
}

QString monthFull()
{
    return u"今月のデータは既に "_s + QString::number(MonthFile::RecordCount) +
           u" 件入力されています.\r\n"_s + u"これ以上新しいデータを追加することはできません."_s;
}

QString of(MonthEditor::Outcome::Kind kind, const QString &fileName)
{
    using Kind = MonthEditor::Outcome::Kind;
    switch (kind) {
    case Kind::TitleMissing:
        return u"必須入力項目の「タイトル」に入力されていません."_s;
    case Kind::PreviousMonthRefused:
        return u"前月のデータファイル: "_s + fileName + u" に\r\nデータを追加することはできません."_s;
    case Kind::Created:
        return u"データファイル: "_s + fileName + u" を作成して保存しました."_s;
    case Kind::Appended:
        return u"データファイル: "_s + fileName + u" にデータを追加しました."_s;
    case Kind::Updated:
        return u"データファイル: "_s + fileName + u" のデータを更新しました."_s;
    default:
        return {};
    }
}

} // namespace MainMessages
