#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Asks once, while the step folder does not exist yet, whether to use the step planner at all.
// "GO！" accepts, "キャンセル" rejects.
class StepFirstUseDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepFirstUseDialog)
public:
    explicit StepFirstUseDialog(QWidget *parent = nullptr);

    // The lines of the explanation, in order.
    static QStringList memoLines();

private:
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QPlainTextEdit *m_memo1 = nullptr;
    QPushButton *m_okBtn = nullptr;
    QPushButton *m_cancelBtn = nullptr;
};
