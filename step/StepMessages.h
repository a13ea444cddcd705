#pragma once

#include <QString>

// Texts of the step planner's message boxes.
namespace StepMessages {

inline QString notStored()
{
    return QStringLiteral("入力したデータが保存されていません.\r\n\r\n保存後,再試行してください.");
}

inline QString folderNotCreated()
{
    return QStringLiteral("STEPフォルダの作成に失敗しました.\r\n\r\n処理を中止します.");
}

inline QString folderMissing()
{
    return QStringLiteral("STEPフォルダが存在しません.\r\n\r\n処理を中止します.");
}

// The kind of file named in file errors.
inline QString fileSubject()
{
    return QStringLiteral("STEPファイル");
}

inline QString fileMissing(const QString &path)
{
    return fileSubject() + QStringLiteral("が存在しません.\r\n\r\n") + path;
}

inline QString fileRecreated(const QString &path)
{
    return fileSubject() + QStringLiteral("が見つからなかったため,新たに作成して保存しました.\r\n\r\n") +
           path;
}

inline QString notebookOpenOnSave()
{
    return QStringLiteral(
        "[何でもメモって帳]が開いています.\r\n"
        "このまま[はい]ボタンを押すと,当該メモに入力したデータは保存されません.\r\n"
        "保存するには,[いいえ]ボタンを押した後,[メモ閉]ボタンを押して閉じてください.\r\n\r\n"
        "保存処理を続行しますか？");
}

} // namespace StepMessages
