#pragma once

#include <QPlainTextEdit>

// A plain text box for a Shift-JIS field stored with CR LF line breaks: an edit that would make
// the text longer than the field or bring in a character the code page cannot hold is undone, and
// `refused` says why.
class SjisTextEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    SjisTextEdit(int capacity, QWidget *parent = nullptr);
    // For Designer forms: the capacity follows with setCapacity().
    explicit SjisTextEdit(QWidget *parent = nullptr) : SjisTextEdit(0, parent) {}
    void setCapacity(int capacity) { m_capacity = capacity; }

    // Shows `text` (LF line breaks) as accepted, whatever its length: stored text is never cut here.
    void setAcceptedText(const QString &text);

signals:
    void refused(const QString &hint);

private:
    void checkEdit();

    int m_capacity;
    QString m_accepted;
};
