#include "widgets/SjisLimitValidator.h"

#include "data/SjisCodec.h"

SjisLimitValidator::SjisLimitValidator(int capacity, QObject *parent)
    : QValidator(parent), m_capacity(capacity)
{}

QValidator::State SjisLimitValidator::validate(QString &input, int &) const
{
    return Sjis::encode(input).size() <= m_capacity ? Acceptable : Invalid;
}
