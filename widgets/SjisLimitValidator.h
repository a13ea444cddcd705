#pragma once

#include "data/FieldLimit.h"

#include <QValidator>

// Refuses input longer than a field's capacity in Shift-JIS bytes and characters the code page
// cannot hold, so what the user sees is what the file keeps. After a refusal (QLineEdit's
// inputRejected) lastHint() says why.
class SjisLimitValidator final : public QValidator
{
    Q_OBJECT
public:
    SjisLimitValidator(int capacity, QObject *parent);
    State validate(QString &input, int &pos) const override;
    QString lastHint() const { return FieldLimit::hint(m_lastRefusal, m_capacity); }

private:
    int m_capacity;
    mutable FieldLimit::Refusal m_lastRefusal = FieldLimit::Refusal::None;
};
