#pragma once

#include "data/StepChart.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

// The column left of the step chart: beside each row its name, its memo button, its title box and
// the names of its three strips, each block level with its row. The names are painted, not labels:
// they never change, and a picture of them is kept for the next opening.
class StepCaptionsWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepCaptionsWidget)
    // The names it paints, one a line.
    Q_PROPERTY(QString text READ text CONSTANT)
public:
    explicit StepCaptionsWidget(QWidget *parent = nullptr);

    QPushButton *memoButton(int row) const { return m_memoButtons[row]; }
    QLineEdit *titleEdit(int row) const { return m_titleEdits[row]; }
    QString text() const;

signals:
    void memoClicked(int row);
    // A title box refused an edit; `hint` says why.
    void refused(const QString &hint);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap namesPicture() const;
    void paintNames(QPainter &p) const;

    std::array<QPushButton *, StepChart::RowCount> m_memoButtons{};
    std::array<QLineEdit *, StepChart::RowCount> m_titleEdits{};
};
