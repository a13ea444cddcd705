#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Lists the step files of the step folder and lets the user pick one to open. The chosen file is
// the list entry clicked last (or the first entry); typing into the name box changes nothing.
class StepFileDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepFileDialog)
public:
    StepFileDialog(const QString &stepDir, QWidget *parent = nullptr);

    // The full path of the chosen file; empty when the folder holds none.
    QString stepFilePath() const { return m_stepFilePath; }

private:
    void fillList();
    void lbxStepDataClick(QListWidgetItem *item);

    QString m_stepDir;
    QString m_stepFilePath;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QListWidget *m_lbxStepData = nullptr;
    QLineEdit *m_edtStepSelFile = nullptr;
    QPushButton *m_btnStepOpen = nullptr;
    QPushButton *m_btnStepCancel = nullptr;
};
