#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QButtonGroup;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStatusBar;
class QTimer;
class StepNotebookWidget;
class StepPictureWidget;
class StepStripWidget;
struct Services;

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
    // Scroll step at the chart's edges while dragging, the margin that starts it and the pause
    // after each step.
    static constexpr int DragScrollStep = 5;
    static constexpr int DragScrollMargin = 39;
    static constexpr int DragScrollPauseMs = 2;

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
    const StepMonths &months() const { return m_months; }
    bool isNotebookOpen() const { return m_notebookRow >= 0; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        QFrame *panel = nullptr;
        StepPictureWidget *grid = nullptr;
        std::array<QFrame *, 3> stripPanel{};
        std::array<StepStripWidget *, 3> strip{};
        QLineEdit *titleBox = nullptr;
        QPushButton *memoButton = nullptr;
        std::array<QRadioButton *, 3> radio{};
        QPushButton *restoreButton = nullptr;
        QPushButton *lockButton = nullptr;
    };

    QWidget *buildBasicData();
    QWidget *buildPeriod();
    QWidget *buildNote();
    QWidget *buildCaptions();
    QWidget *buildChart();
    QWidget *buildRadioColumn();
    void buildChartMenu();

    void setBar(int row, Kind kind, std::optional<StepChart::BarPixels> pixels);
    void drawPeriod(int row, Kind kind, const StepPeriod &period);
    // The row whose panel, grid, strip or strip surface `object` is; -1 for anything else.
    int rowOf(const QObject *object) const;
    // The row and kind of a strip surface; nullopt for anything else.
    std::optional<std::pair<int, Kind>> stripOf(const QObject *object) const;
    // The radio button chosen, as the row and kind of its strip.
    std::optional<std::pair<int, Kind>> chosenStrip() const;
    QRadioButton *radioOf(int row, Kind kind) const { return m_rows[row].radio[int(kind)]; }
    void deselectRadios(int row); // -1: every row
    void scrollChart(int dx);
    void wheelTurned(int angleDelta);

    // Fills the screen's work area in width, at its top left.
    void placeOnScreen();
    void saveAndClose();

    // Plays the shutter and shows the period in the pickers; without the sound file the user is
    // told and nothing is shown (false).
    bool showPeriod(const StepPeriod &period);
    void showChosenPeriod(int radioId);
    void tintPeriodPickers(const QColor &colour);
    void beginDrag(int row, Kind kind, int x);
    void dragTo(int x);
    void endDrag(int x);
    // Scrolls the chart when the pointer nears an edge of the view; true when it did.
    bool scrollAtEdge(int x);
    void restoreRow(int row);
    void lockRow(int row);
    void clearBar();
    void setEditingLocked(bool locked);

    void toggleNotebook(int row);
    void openNotebook(int row);
    void closeNotebook();
    void previewRevision(int entry);
    void showComments();
    void showChartMenu(QWidget *origin, const QPoint &globalPos);
    void toggleSeparator();
    void moveSeparatorToRow(int row);

    QString m_exeDir;
    Services &m_services;
    std::function<void(const QString &page)> m_help;

    QString m_stepFilePath;
    StepFile m_loadedStep;
    StepFile m_workingStep;
    std::optional<SafeFile::Snapshot> m_snapshot;
    StepMonths m_months;
    std::array<int, RowCount> m_revisionCount{};
    bool m_placed = false;
    int m_wheelRest = 0;

    // The drag under way: its strip and where it was pressed, in strip pixels.
    struct Drag
    {
        int row = -1;
        Kind kind = Kind::Initial;
        int left = 0;
        StepChart::BarPixels shown; // the bar before the press, shown again when nothing is stored
    };
    std::optional<Drag> m_drag;
    // Moves are ignored while it runs: the pause after each automatic scroll step.
    QTimer *m_dragPause = nullptr;

    // The row whose memo notebook is open, the strip it serves, whether a history entry is shown
    // on the chart.
    int m_notebookRow = -1;
    Kind m_notebookKind = Kind::Initial;
    bool m_historyPreview = false;

    QFrame *m_memoPanel = nullptr;
    StepNotebookWidget *m_notebook = nullptr;
    QWidget *m_basicDataPanel = nullptr;
    QLineEdit *m_dataNoBox = nullptr;
    QLineEdit *m_titleBox = nullptr;
    QLineEdit *m_customerBox = nullptr;
    QLineEdit *m_jobNoBox = nullptr;
    QLineEdit *m_jobTypeBox = nullptr;
    QDateEdit *m_periodStartEdit = nullptr;
    QDateEdit *m_periodEndEdit = nullptr;
    QLabel *m_noteLabel = nullptr;
    QScrollArea *m_chartScroll = nullptr;
    QWidget *m_chartBase = nullptr;
    QFrame *m_chartFrame = nullptr;
    QFrame *m_headerPanel = nullptr;
    StepPictureWidget *m_headerPicture = nullptr;
    QFrame *m_separatorPanel = nullptr;
    StepPictureWidget *m_separatorPicture = nullptr;
    std::array<Row, RowCount> m_rows{};
    QButtonGroup *m_radioGroup = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QStatusBar *m_statusBar = nullptr;

    QMenu *m_chartMenu = nullptr;
    QAction *m_clearBarAction = nullptr;
    QAction *m_separatorAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_helpAction = nullptr;
    // Where the chart menu was opened: the separator goes to that row, the clear command acts on
    // that strip.
    int m_menuRow = -1;
    QWidget *m_menuOrigin = nullptr;
};
