#pragma once

#include "export/Exporter.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ExportDialog;
}

// What to export: the shown month or a range of months, for iCalendar also the daily plan of a
// range of days, for CSV the encoding.
class ExportDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExportDialog)
public:
    // `shown`: the month the main window shows; the ranges start around `today`.
    ExportDialog(ExportRequest::Format format, YearMonth shown, const QDate &today,
                 QWidget *parent = nullptr);
    ~ExportDialog() override;

    // Puts the choices into `request`; `shown` is the shown month's records.
    void fill(ExportRequest &request, const ExportMonth &shown) const;

private:
    bool jobsChosen() const;
    void updateOkButton();

    std::unique_ptr<Ui::ExportDialog> m_ui;
    ExportRequest::Format m_format;
};
