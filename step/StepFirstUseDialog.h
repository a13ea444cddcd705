#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class StepFirstUseDialog;
}

// Asks once, while the step folder does not exist yet, whether to use the step planner at all.
// "GO！" accepts, "キャンセル" rejects.
class StepFirstUseDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepFirstUseDialog)
public:
    explicit StepFirstUseDialog(QWidget *parent = nullptr);
    ~StepFirstUseDialog() override;

private:
    std::unique_ptr<Ui::StepFirstUseDialog> m_ui;
};
