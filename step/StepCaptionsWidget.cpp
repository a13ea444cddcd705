#include "step/StepCaptionsWidget.h"

#include "data/StepFile.h"
#include "step/StepNames.h"
#include "widgets/SjisLimitValidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

StepCaptionsWidget::StepCaptionsWidget(QWidget *parent) : QWidget(parent)
{
    for (int r = 0; r < StepChart::RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        auto *name = new QLabel(StepNames::row(r), this);
        QFont underlined = name->font();
        underlined.setUnderline(true);
        name->setFont(underlined);
        name->setGeometry(4, top + 4, 72, 16);

        auto *memo = new QPushButton(u"メモ"_s, this);
        memo->setObjectName(u"memoButton"_s + QString::number(r));
        memo->setAutoDefault(false);
        memo->setGeometry(78, top + 1, 44, 21);
        connect(memo, &QPushButton::clicked, this, [this, r] { emit memoClicked(r); });
        m_memoButtons[r] = memo;

        auto *title = new QLineEdit(this);
        title->setObjectName(u"rowTitleEdit"_s + QString::number(r));
        title->setGeometry(4, top + 24, 118, 22);
        auto *validator = new SjisLimitValidator(StepGroup::TitleCapacity, title);
        title->setValidator(validator);
        connect(title, &QLineEdit::inputRejected, this,
                [this, validator] { emit refused(validator->lastHint()); });
        m_titleEdits[r] = title;

        for (int k = 0; k < 3; ++k) {
            auto *label = new QLabel(StepNames::strip(StepKind(k)), this);
            label->setGeometry(128, top + StepChart::StripTops[k], 32, StepChart::StripHeight);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}
