#include "step/StepFirstUseDialog.h"

#include "widgets/InstantMnemonics.h"

#include "ui_StepFirstUseDialog.h"

#include <QFontMetrics>

StepFirstUseDialog::StepFirstUseDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::StepFirstUseDialog>())
{
    m_ui->setupUi(this);
    QFont headingFont = m_ui->headingLabel->font();
    headingFont.setPixelSize(20);
    headingFont.setBold(true);
    m_ui->headingLabel->setFont(headingFont);

    // Wide enough for the longest line, so the explanation reads as it was broken.
    QPlainTextEdit *explanation = m_ui->explanationEdit;
    const QFontMetrics fm(explanation->font());
    int widest = 0;
    for (const QString &line : explanation->toPlainText().split(u'\n'))
        widest = qMax(widest, fm.horizontalAdvance(line));
    explanation->setFixedSize(widest + 40, fm.lineSpacing() * 18 + 12);

    connect(m_ui->goButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    move(210, 110);
    InstantMnemonics::apply(this);
}

StepFirstUseDialog::~StepFirstUseDialog() = default;
