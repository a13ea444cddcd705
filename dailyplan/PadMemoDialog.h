#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class PadMemoDialog;
} // namespace Ui

class QLineEdit;
class SjisTextEdit;

// The memo of one schedule pad or routine editor. "一時保存して閉じる" writes it into the working
// copy only; it reaches the file with the next save of the day or of the routines.
class PadMemoDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PadMemoDialog)
public:
    enum class Target { SchedulePad, Routine };

    PadMemoDialog(Target target, int number, const QString &memo, QWidget *parent);
    ~PadMemoDialog() override;

    // Takes the memo at "一時保存して閉じる".
    std::function<void(const QString &memo)> keepMemo;

    void saveMemo();

protected:
    void showEvent(QShowEvent *event) override;

private:
    SjisTextEdit *m_memoEdit = nullptr;
    std::unique_ptr<Ui::PadMemoDialog> m_ui;
};
