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

// File errors name the file and give the system's reason.
inline QString fileError(const QString &what, const QString &path, const QString &reason)
{
    QString text = what + QStringLiteral("\r\n\r\n") + path;
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n(") + reason + QLatin1Char(')');
    return text;
}

inline QString cannotCreate(const QString &path, const QString &reason)
{
    return fileError(QStringLiteral("STEPファイルを作成できませんでした."), path, reason);
}

inline QString cannotRead(const QString &path, const QString &reason)
{
    return fileError(QStringLiteral("STEPファイルを読み込めませんでした."), path, reason);
}

inline QString cannotSave(const QString &path, const QString &reason)
{
    return fileError(QStringLiteral("STEPファイルを保存できませんでした."), path, reason);
}

inline QString fileMissing(const QString &path)
{
    return fileError(QStringLiteral("STEPファイルが存在しません."), path, {});
}

} // namespace StepMessages
