#include "step/StepRadiosWidget.h"

#include "step/StepNames.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QPushButton *rowButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

StepRadiosWidget::StepRadiosWidget(QWidget *parent) : QWidget(parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    // The object names of a row's buttons end in its number: 0 for the overall row, 1..5 for the steps.
    for (int r = 0; r < StepChart::RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        const QString number = QString::number(r);
        for (int k = 0; k < 3; ++k) {
            auto *radio = new QRadioButton(this);
            radio->setObjectName(StepNames::role(Kind(k)) + u"Radio"_s + number);
            radio->setGeometry(3, top + StepChart::StripTops[k] - 1, 18, 16);
            m_group->addButton(radio, r * 3 + k);
            m_radios[r][k] = radio;
        }
        m_restoreButtons[r] = rowButton(u"元に戻す"_s, u"restoreButton"_s + number, this);
        m_restoreButtons[r]->setGeometry(24, top + 6, 66, 24);
        connect(m_restoreButtons[r], &QPushButton::clicked, this, [this, r] { emit restoreClicked(r); });
        m_lockButtons[r] = rowButton(u"ロック"_s, u"lockButton"_s + number, this);
        m_lockButtons[r]->setGeometry(24, top + 35, 66, 24);
        connect(m_lockButtons[r], &QPushButton::clicked, this, [this, r] { deselect(r); });
    }
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { emit stripChosen(id / 3, Kind(id % 3)); });
    radio(0, Kind::Initial)->hide();
    radio(0, Kind::Initial)->setEnabled(false);
}

bool StepRadiosWidget::isChosen(int row, Kind kind) const
{
    return radio(row, kind)->isChecked();
}

std::optional<std::pair<int, StepRadiosWidget::Kind>> StepRadiosWidget::chosenStrip() const
{
    const int id = m_group->checkedId();
    if (id < 0)
        return std::nullopt;
    return std::pair(id / 3, Kind(id % 3));
}

void StepRadiosWidget::deselect(int row)
{
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    m_group->setExclusive(false);
    for (int r = 0; r < StepChart::RowCount; ++r) {
        if (row < 0 || r == row) {
            for (QRadioButton *radio : m_radios[r])
                radio->setChecked(false);
        }
    }
    m_group->setExclusive(true);
}

void StepRadiosWidget::setEditingLocked(bool locked)
{
    for (int r = 0; r < StepChart::RowCount; ++r) {
        for (int k = 0; k < 3; ++k)
            m_radios[r][k]->setEnabled(!locked && StepFile::isEditable(r, Kind(k)));
        m_restoreButtons[r]->setEnabled(!locked);
        m_lockButtons[r]->setEnabled(!locked);
    }
}
