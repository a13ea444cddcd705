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

} // namespace StepMessages
