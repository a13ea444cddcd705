#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"
#include "step/StepDragController.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class StepNotebookWidget;
struct Services;

namespace Ui {
class StepPlannerWindow;
}

// The step window "ステップ別管理 ～ STEP by STEP": one step file as a day chart over three
// months, six rows (the overall schedule and five steps) of three strips each (initial plan,
// current revision, actual period). Built empty; the opener sizes the chart, fills it and shows it.
// A period is set by choosing its strip's radio button and dragging over the strip; the memo
// notebook at the left keeps a date and a memo per period. Every edit changes the working copy
// only; the save writes it.
class StepPlannerWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPlannerWindow)
public:
    using Kind = StepKind;
    static constexpr int RowCount = StepChart::RowCount;

    StepPlannerWindow(const QString &exeDir, Services &services, QWidget *parent = nullptr);
    ~StepPlannerWindow() override;

    // Lays the chart out for the three months of a file.
    void sizeChart(const StepMonths &months);
    // Puts a file into the window: basic data, titles, bars. Sizes the chart first if needed.
    // `snapshot`: the bytes the step was read from, which a save writes over; without it a save
    // writes the whole record.
    void showStepFile(const QString &path, const StepFile &step,
                      std::optional<SafeFile::Snapshot> snapshot = std::nullopt);
    // Scrolls so that the overall plan's last day stands at the right edge of the chart.
    void scrollToPlanEnd();
    // Shows the long hints of the controls in panel 0 of the window's status bar.
    void showHintsInStatusBar();
    // Opens the help at a page, or its contents when the page is empty.
    void setHelpHandler(std::function<void(const QString &page)> handler) { m_help = std::move(handler); }

    const QString &stepFilePath() const { return m_stepFilePath; }
    const StepFile &loadedStep() const { return m_loadedStep; }
    const StepFile &workingStep() const { return m_workingStep; }
    StepChart::BarPixels barPixels(int row, Kind kind) const;
    int revisionCount(int row) const { return m_revisionCount[row]; }
    const StepMonths &months() const;
    bool isNotebookOpen() const { return m_notebookRow >= 0; }

public slots:
    // "閉じる" and the close box: edits not yet saved are saved, dropped or kept open at the user's word.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void useBoxPictures();
    void buildStatusBar();
    void buildChartMenu();
    void scrollChart(int dx);
    void wheelTurned(int angleDelta);

    // Fills the screen's work area in width, at its top left.
    void placeOnScreen();
    StepFile withTypedTitles() const;
    void saveAndClose();

    // Plays the shutter and shows the period in the pickers; without the sound file the user is
    // told and nothing is shown (false).
    bool showPeriod(const StepPeriod &period);
    void showChosenPeriod(int row, Kind kind);
    void tintPeriodPickers(const QColor &colour);
    // Stores the period under a finished drag, or shows the strip as it was.
    void dropBar(const StepDragController::Drag &drag, int x, bool accepted);
    void restoreRow(int row);
    void clearBar();

    void toggleNotebook(int row);
    void openNotebook(int row);
    void closeNotebook();
    void showNotebookPanel(int row, bool shown);
    void previewRevision(int entry);
    void showComments();
    void showChartMenu(QWidget *origin, const QPoint &globalPos);
    void toggleSeparator();

    std::unique_ptr<Ui::StepPlannerWindow> m_ui;
    QString m_exeDir;
    Services &m_services;
    std::function<void(const QString &page)> m_help;

    QString m_stepFilePath;
    StepFile m_loadedStep;
    StepFile m_workingStep;
    std::optional<SafeFile::Snapshot> m_snapshot;
    std::array<int, RowCount> m_revisionCount{};
    bool m_placed = false;
    int m_wheelRest = 0;
    StepDragController *m_drag = nullptr;

    // The row whose memo notebook is open, the strip it serves, whether a history entry is shown
    // on the chart.
    int m_notebookRow = -1;
    Kind m_notebookKind = Kind::Initial;
    bool m_historyPreview = false;
    StepNotebookWidget *m_notebook = nullptr;

    QMenu *m_chartMenu = nullptr;
    QAction *m_clearBarAction = nullptr;
    QAction *m_separatorAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_helpContentsAction = nullptr;
    // Where the chart menu was opened: the separator goes to that row, the clear command acts on
    // that strip.
    int m_menuRow = -1;
    QWidget *m_menuOrigin = nullptr;
};
