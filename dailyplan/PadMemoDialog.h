#pragma once

#include <QDialog>

class QLineEdit;
class SjisTextEdit;
struct DailyPlanState;

// The memo of one schedule pad or routine editor. "一時保存して閉じる" writes it into the working
// copy only; it reaches the file with the next save of the day or of the routines.
class PadMemoDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PadMemoDialog)
public:
    enum class Target { SchedulePad, Routine };

    PadMemoDialog(DailyPlanState &state, Target target, int number, QWidget *parent);

    void saveMemo();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString &memo() const;

    DailyPlanState &m_state;
    Target m_target;
    int m_number;
    SjisTextEdit *m_memoEdit = nullptr;
    QLineEdit *m_numberBox = nullptr;
};
