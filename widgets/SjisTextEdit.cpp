#include "widgets/SjisTextEdit.h"

#include "data/FieldLimit.h"

SjisTextEdit::SjisTextEdit(int capacity, QWidget *parent) : QPlainTextEdit(parent), m_capacity(capacity)
{
    connect(this, &QPlainTextEdit::textChanged, this, &SjisTextEdit::checkEdit);
}

void SjisTextEdit::setAcceptedText(const QString &text)
{
    m_accepted = text;
    const QSignalBlocker block(this);
    setPlainText(text);
}

void SjisTextEdit::checkEdit()
{
    const QString text = toPlainText();
    const FieldLimit::Refusal refusal = FieldLimit::check(text, m_capacity, true);
    // Deleting is always allowed, even from a stored text that was over the limit already.
    const bool shorter = refusal == FieldLimit::Refusal::TooLong && text.size() < m_accepted.size();
    if (refusal == FieldLimit::Refusal::None || shorter) {
        m_accepted = text;
        return;
    }
    QTextCursor cursor = textCursor();
    const int position = qMax(0, cursor.position() - int(text.size() - m_accepted.size()));
    {
        const QSignalBlocker block(this);
        setPlainText(m_accepted);
    }
    cursor = textCursor();
    cursor.setPosition(qMin(position, int(m_accepted.size())));
    setTextCursor(cursor);
    emit refused(FieldLimit::hint(refusal, m_capacity));
}
