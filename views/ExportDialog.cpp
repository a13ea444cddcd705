#include "views/ExportDialog.h"

#include "ui_ExportDialog.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QDate firstDayOf(YearMonth ym)
{
    return QDate(ym.year, ym.month, 1);
}

} // namespace

ExportDialog::ExportDialog(ExportRequest::Format format, YearMonth shown, const QDate &today, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ExportDialog>()), m_format(format)
{
    m_ui->setupUi(this);
    const bool csv = format == ExportRequest::Format::Csv;
    setWindowTitle(csv ? u"CSV ファイルにエクスポート"_s : u"iCalendar ファイルにエクスポート"_s);
    m_ui->shownMonthRadio->setText(u"表示中の月: %1年%2月(&S)"_s.arg(shown.year).arg(shown.month));
    m_ui->fromMonthEdit->setDate(QDate(shown.year, 1, 1));
    m_ui->toMonthEdit->setDate(firstDayOf(shown));
    m_ui->fromDayEdit->setDate(QDate(today.year(), today.month(), 1));
    m_ui->toDayEdit->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    // The daily plan and the jobs are both optional in a calendar; a CSV file holds jobs only.
    m_ui->jobsGroupBox->setCheckable(!csv);
    m_ui->dailyPlanGroupBox->setVisible(!csv);
    m_ui->encodingLabel->setVisible(csv);
    m_ui->encodingBox->setVisible(csv);

    for (QDateEdit *edit : {m_ui->fromMonthEdit, m_ui->toMonthEdit, m_ui->fromDayEdit, m_ui->toDayEdit})
        connect(edit, &QDateEdit::dateChanged, this, &ExportDialog::updateOkButton);
    for (QGroupBox *box : {m_ui->jobsGroupBox, m_ui->dailyPlanGroupBox})
        connect(box, &QGroupBox::toggled, this, &ExportDialog::updateOkButton);
    connect(m_ui->monthRangeRadio, &QRadioButton::toggled, this, &ExportDialog::updateOkButton);
    updateOkButton();
}

ExportDialog::~ExportDialog() = default;

bool ExportDialog::jobsChosen() const
{
    return !m_ui->jobsGroupBox->isCheckable() || m_ui->jobsGroupBox->isChecked();
}

void ExportDialog::updateOkButton()
{
    const bool monthsValid =
        !m_ui->monthRangeRadio->isChecked() || m_ui->fromMonthEdit->date() <= m_ui->toMonthEdit->date();
    const bool daysChosen = !m_ui->dailyPlanGroupBox->isHidden() && m_ui->dailyPlanGroupBox->isChecked();
    const bool daysValid = !daysChosen || m_ui->fromDayEdit->date() <= m_ui->toDayEdit->date();
    m_ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled((jobsChosen() || daysChosen) && monthsValid && daysValid);
}

void ExportDialog::fill(ExportRequest &request, const ExportMonth &shown) const
{
    request.format = m_format;
    request.encoding =
        m_ui->encodingBox->currentIndex() == 1 ? Csv::Encoding::ShiftJis : Csv::Encoding::Utf8WithBom;
    request.shownMonth.reset();
    request.months.reset();
    request.days.reset();
    if (jobsChosen() && m_ui->shownMonthRadio->isChecked())
        request.shownMonth = shown;
    else if (jobsChosen())
        request.months = {YearMonth::of(m_ui->fromMonthEdit->date()),
                          YearMonth::of(m_ui->toMonthEdit->date())};
    if (m_format == ExportRequest::Format::ICalendar && m_ui->dailyPlanGroupBox->isChecked())
        request.days = {m_ui->fromDayEdit->date(), m_ui->toDayEdit->date()};
}
