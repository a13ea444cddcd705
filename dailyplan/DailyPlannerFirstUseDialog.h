#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DailyPlannerFirstUseDialog;
} // namespace Ui

// Asked once, when the AUBREL folder does not exist yet: does the user want the daily planner?
class DailyPlannerFirstUseDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DailyPlannerFirstUseDialog)
public:
    explicit DailyPlannerFirstUseDialog(QWidget *parent = nullptr);
    ~DailyPlannerFirstUseDialog() override;

    static QString explanation();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DailyPlannerFirstUseDialog> m_ui;
};
