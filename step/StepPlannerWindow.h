#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"

#include <QDialog>

#include <array>
#include <functional>

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
    void SizeChart(const StepMonths &months);
    // Puts a file into the window: basic data, titles, bars. Sizes the chart first if needed.
    void FillStepWindow(const QString &path, const StepFile &image);
    // Scrolls so that the overall plan's last day stands at the right edge of the chart.
    void ScrollToPlanEnd();
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
        QLineEdit *title = nullptr;
        QPushButton *memo = nullptr;
        std::array<QRadioButton *, 3> radio{};
        QPushButton *restore = nullptr;
        QPushButton *lock = nullptr;
    };

    QWidget *buildBasicData();
    QWidget *buildPeriod();
    QWidget *buildNote();
    QWidget *buildCaptions();
    QWidget *buildChart();
    QWidget *buildRadioColumn();
    void buildPopup();

    void setBar(int row, Kind kind, std::optional<StepChart::BarPixels> pixels);
    // The row whose panel, grid, strip or strip surface `object` is; -1 for anything else.
    int rowOf(const QObject *object) const;
    void scrollChart(int dx);
    void wheelTurned(int angleDelta);

    void FormShow();
    void btnStepSaveClick();
    void btnStepCloseClick();
    void PopupMenu1Popup(QWidget *origin, const QPoint &globalPos);
    void pmiShowSeparatorClick();
    void surfaceMouseDown(int row);

    QString m_exeDir;
    Services &m_services;
    std::function<void()> m_help;

    QString m_stepFilePath;
    StepFile m_loadedStep;
    StepFile m_workingStep;
    StepMonths m_months;
    std::array<int, RowCount> m_revisionCount{};
    bool m_placed = false;
    int m_wheelRest = 0;

    QFrame *m_pnlMemo = nullptr;
    QLineEdit *m_edtStepDataNo = nullptr;
    QLineEdit *m_edtStepTitle = nullptr;
    QLineEdit *m_edtStepCustomer = nullptr;
    QLineEdit *m_edtStepJobNo = nullptr;
    QLineEdit *m_edtStepJobType = nullptr;
    QDateEdit *m_dtpStartDate = nullptr;
    QDateEdit *m_dtpEndDate = nullptr;
    QLabel *m_lblNote = nullptr;
    QScrollArea *m_scrollBox1 = nullptr;
    QWidget *m_pnlBase = nullptr;
    QFrame *m_pnlFrame = nullptr;
    QFrame *m_pnlHeader = nullptr;
    StepPictureWidget *m_paintBoxHeader = nullptr;
    QFrame *m_pnlFloatSeparator = nullptr;
    StepPictureWidget *m_pbxFloatSeparator = nullptr;
    std::array<Row, RowCount> m_rows{};
    QButtonGroup *m_radioGroup = nullptr;
    QPushButton *m_btnStepSave = nullptr;
    QPushButton *m_btnStepClose = nullptr;
    QStatusBar *m_statusBar1 = nullptr;

    QMenu *m_popupMenu1 = nullptr;
    QAction *m_pmiClear = nullptr;
    QAction *m_pmiShowSeparator = nullptr;
    QAction *m_hContentsStep = nullptr;
    // Where the popup menu was opened: the separator goes to that row, the clear command acts on
    // that strip.
    int m_popupRow = -1;
    QWidget *m_popupOrigin = nullptr;
};
