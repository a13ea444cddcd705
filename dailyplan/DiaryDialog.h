#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DiaryDialog;
} // namespace Ui

class ListComboBox;
class SjisTextEdit;
class DayPlan;
class ListBook;

// The two-part diary of the shown day. "一時保存して閉じる" writes it into the working copy only;
// it reaches the file with the next save of the day.
class DiaryDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DiaryDialog)
public:
    DiaryDialog(DayPlan &day, const ListBook &lists, QWidget *parent);
    ~DiaryDialog() override;

    void saveDiary();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPart(int part, ListComboBox *title, QWidget *group);

    DayPlan &m_day;
    const ListBook &m_lists;
    std::unique_ptr<Ui::DiaryDialog> m_ui;
    ListComboBox *m_titleBoxes[2] = {};
    SjisTextEdit *m_textEdits[2] = {};
};
