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
class StepPictureWidget;
class StepStripWidget;
struct Services;

// The step window "ステップ別管理 ～ STEP by STEP": one step file as a day chart over three
// months, six rows (the overall schedule and five steps) of three strips each (initial plan,
// current revision, actual period). Built empty; the opener sizes the chart, fills it and shows it.
class StepPlannerWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPlannerWindow)
public:
    enum Kind { Initial = 0, Revised = 1, Actual = 2 };
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
    void setHelpHandler(std::function<void()> handler) { m_help = std::move(handler); }

    const QString &stepFilePath() const { return m_stepFilePath; }
    const StepFile &loadedStep() const { return m_loadedStep; }
    const StepFile &workingStep() const { return m_workingStep; }
    StepChart::BarPixels barPixels(int row, Kind kind) const;
    int revisionCount(int row) const { return m_revisionCount[row]; }
    const StepMonths &months() const { return m_months; }

protected:
    void showEvent(QShowEvent *event) override;
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
    // The row whose panel, grid, strip or strip surface `object` is; -1 for anything else.
    int rowOf(const QObject *object) const;
    void scrollChart(int dx);
    void wheelTurned(int angleDelta);

    // Fills the screen's work area in width, at its top left.
    void placeOnScreen();
    void saveAndClose();
    void showChartMenu(QWidget *origin, const QPoint &globalPos);
    void toggleSeparator();
    void moveSeparatorToRow(int row);

    QString m_exeDir;
    Services &m_services;
    std::function<void()> m_help;

    QString m_stepFilePath;
    StepFile m_loadedStep;
    StepFile m_workingStep;
    std::optional<SafeFile::Snapshot> m_snapshot;
    StepMonths m_months;
    std::array<int, RowCount> m_revisionCount{};
    bool m_placed = false;
    int m_wheelRest = 0;

    QFrame *m_memoPanel = nullptr;
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
    QAction *m_helpAction = nullptr;
    // Where the chart menu was opened: the separator goes to that row, the clear command acts on
    // that strip.
    int m_menuRow = -1;
    QWidget *m_menuOrigin = nullptr;
};
