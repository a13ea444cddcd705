#pragma once

#include <QValidator>

// Refuses input longer than a field's capacity in Shift-JIS bytes, so what the user sees is what
// the file keeps.
class SjisLimitValidator final : public QValidator
{
    Q_OBJECT
public:
    SjisLimitValidator(int capacity, QObject *parent);
    State validate(QString &input, int &pos) const override;

private:
    int m_capacity;
};
