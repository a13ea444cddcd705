#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>

class QButtonGroup;
class QPushButton;
class QRadioButton;

// The column right of the step chart: a radio button per strip, one choice over all rows, which
// picks the strip a drag sets; then the row's restore and lock buttons. The lock lets go of the
// row's choice. The overall row's initial plan comes from the job and has no button to choose.
class StepRadiosWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepRadiosWidget)
public:
    using Kind = StepKind;

    explicit StepRadiosWidget(QWidget *parent = nullptr);

    QRadioButton *radio(int row, Kind kind) const { return m_radios[row][int(kind)]; }
    bool isChosen(int row, Kind kind) const;
    // The radio button chosen, as the row and kind of its strip.
    std::optional<std::pair<int, Kind>> chosenStrip() const;
    void deselect(int row); // -1: every row
    // Nothing can be chosen, restored or locked.
    void setEditingLocked(bool locked);

signals:
    void stripChosen(int row, Kind kind);
    void restoreClicked(int row);

private:
    QButtonGroup *m_group = nullptr;
    std::array<std::array<QRadioButton *, 3>, StepChart::RowCount> m_radios{};
    std::array<QPushButton *, StepChart::RowCount> m_restoreButtons{};
    std::array<QPushButton *, StepChart::RowCount> m_lockButtons{};
};
