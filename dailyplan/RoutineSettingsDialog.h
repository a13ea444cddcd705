#pragma once

#include "dailyplan/RoutineEditor.h"
#include "data/RoutineFile.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class RoutineSettingsDialog;
} // namespace Ui

class QFrame;
class QLabel;
class QPushButton;
class ListBook;
class RoutineBook;
struct Services;

// The routines, one editor each: pane, show box and weekdays beside the pad's boxes. "保存" writes
// the working routines to the routine file, "閉じる" drops every change since the last load or
// save; the close box keeps them for the next opening while the planner runs.
class RoutineSettingsDialog final : public QDialog, public RoutineEditorHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoutineSettingsDialog)
public:
    RoutineSettingsDialog(RoutineBook &routines, const ListBook &lists, Services &services,
                          const QString &routineFile, QWidget *parent);
    ~RoutineSettingsDialog() override;

    // Told the routine count when the window shows and after each save, for the planner's status bar.
    std::function<void(int count)> reportCount;
    // Runs the memo dialog modally; tests replace it.
    std::function<void(QDialog &dialog)> runDialog;

    RoutineEditor *editor(int slot) const { return m_editors[size_t(slot)]; }

    // "保存", "閉じる", "パッドを削除" and "メモ(&M)..." of an editor.
    void saveRoutines();
    void dropAndClose();
    void removeSelectedRoutine();
    void openMemo(int number);

    // RoutineEditorHost
    RoutineBook &routineBook() override { return m_routines; }
    const ListBook &lists() override { return m_lists; }
    Dialogs &editorDialogs() override;
    QWidget *dialogParent() override { return this; }
    RoutineEditor &faceStamp() override;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createEditors();
    void destroyEditors();
    void focusEditorNumber(int number);
    void markFocusedEditor(QWidget *old, QWidget *now);

    RoutineBook &m_routines;
    const ListBook &m_lists;
    Services &m_services;
    QString m_routineFile;
    std::unique_ptr<Ui::RoutineSettingsDialog> m_ui;
    std::array<RoutineEditor *, RoutineFile::RecordCount> m_editors{};
    RoutineEditor *m_stamp = nullptr;
    QFrame *m_padBase = nullptr;
    QLabel *m_busyCover = nullptr;
    QPushButton *m_saveButton = nullptr;
    bool m_memoOpen = false;
};
