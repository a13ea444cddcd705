#pragma once

#include <QDialog>

#include <memory>

class QListWidgetItem;

namespace Ui {
class StepFileDialog;
}

// Lists the step files of the step folder and lets the user pick one to open. The chosen file is
// the list entry clicked last (or the first entry); typing into the name box changes nothing.
class StepFileDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepFileDialog)
public:
    StepFileDialog(const QString &stepDir, QWidget *parent = nullptr);
    ~StepFileDialog() override;

    // The full path of the chosen file; empty when the folder holds none.
    QString stepFilePath() const { return m_stepFilePath; }

private:
    void fillList();
    void chooseFile(QListWidgetItem *item);

    std::unique_ptr<Ui::StepFileDialog> m_ui;
    QString m_stepDir;
    QString m_stepFilePath;
};
