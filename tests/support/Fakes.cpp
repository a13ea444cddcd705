#include "support/Fakes.h"

Dialogs::Answer takeAnswer(std::deque<Dialogs::Answer> &answers, QStringList &unexpected, const QString &text,
                           Dialogs::Answer fallback)
{
    if (answers.empty()) {
        unexpected << text;
        return fallback;
    }
    const Dialogs::Answer a = answers.front();
    answers.pop_front();
    return a;
}

void FakeDialogs::inform(QWidget *, const QString &text, std::optional<QPoint> at)
{
    shown.append({Kind::Inform, {}, text, at});
}

void FakeDialogs::informCaptioned(QWidget *, const QString &caption, const QString &text)
{
    shown.append({Kind::Captioned, caption, text, std::nullopt});
}

Dialogs::Answer FakeDialogs::askYesNo(QWidget *, const QString &text, std::optional<QPoint> at)
{
    shown.append({Kind::YesNo, {}, text, at});
    return takeAnswer(answers, unexpected, text, Answer::No);
}

Dialogs::Answer FakeDialogs::askOkCancel(QWidget *, const QString &text, std::optional<QPoint> at)
{
    shown.append({Kind::OkCancel, {}, text, at});
    return takeAnswer(answers, unexpected, text, Answer::Cancel);
}

void FakeDialogs::error(QWidget *, const QString &text)
{
    shown.append({Kind::Error, {}, text, std::nullopt});
}

QString FakeDialogs::openFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    shown.append({Kind::OpenFile, caption, {}, std::nullopt});
    if (fileNames.empty()) {
        unexpected << caption;
        return {};
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

// Answered like the open dialog, from the same queue; the path proposed is kept as the text.
QString FakeDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                  const QString &filter)
{
    const QString name = openFileName(parent, caption, path, filter);
    shown.last() = {Kind::SaveFile, caption, path, std::nullopt};
    return name;
}

void FakeDialogs::previewPrint(QWidget *, const PrintDocument &document)
{
    shown.append({Kind::PrintPreview, document.title, {}, std::nullopt});
    previews.append(document);
}

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out << s.text;
    return out;
}

int FakeDialogs::count(Kind kind) const
{
    int n = 0;
    for (const Shown &s : shown)
        n += s.kind == kind ? 1 : 0;
    return n;
}
