#include "widgets/SjisLimitValidator.h"

SjisLimitValidator::SjisLimitValidator(int capacity, QObject *parent)
    : QValidator(parent), m_capacity(capacity)
{}

QValidator::State SjisLimitValidator::validate(QString &input, int &) const
{
    const FieldLimit::Refusal refusal = FieldLimit::check(input, m_capacity);
    if (refusal == FieldLimit::Refusal::None)
        return Acceptable;
    m_lastRefusal = refusal;
    return Invalid;
}
