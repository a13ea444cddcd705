#pragma once

#include "data/BarChart.h"
#include "data/Session.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QWidget>

#include <memory>

class QMenu;
class QScrollArea;
class ViewHost;
class BarGraphCanvas;

namespace Ui {
class BarGraphWindow;
}

// What a bar graph shows: rows 0 .. rowCount - 1 of `jobs` over the strip of `month` and `year`.
struct GraphSource
{
    const MonthFile::Jobs *jobs = nullptr;
    int month = 0;
    int year = 0;
    int rowCount = 0;
    QString caption = QStringLiteral("バーグラフ");
};

// The bar graph of one month. Built once: the rows are computed when the window is made and only
// painted afterwards; whoever changes the data closes the window and builds a new one.
class BarGraphWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarGraphWindow)
public:
    static constexpr int DefaultHeight = 300;
    static constexpr int DefaultTop = 300;
    static constexpr int RightEdge = 980; // the window's right edge when it first shows

    // One row as it is painted, in the row's own coordinates.
    struct Row
    {
        int slot = 0;
        QColor background;
        QRect bar;
        QColor barColour;
        int barLength = 0; // before the row cuts it
        QString caption;
        QRect captionRect; // measured when the row is first painted
    };

    BarGraphWindow(Session &session, ViewHost &host, const GraphSource &source, QWidget *parent = nullptr);
    ~BarGraphWindow() override;

    const BarChart::MonthStrip &strip() const { return m_strip; }
    const QList<Row> &rows() const { return m_rows; }
    int rowWidth() const { return m_strip.rowWidth(); }
    bool showsSeparators() const { return m_separators; }
    QScrollArea *listArea() const;
    QWidget *canvas() const;
    // The rows of the list area shown at a time: 5, 10 or 15.
    void setRowsInView(int rows);
    void scrollToEnd();

    // Shows the job of row `row` in the main window (a left click on the canvas).
    void showJobOfRow(int row);

signals:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildRows(const GraphSource &source);
    void colourLegend();
    QMenu *rowsMenu();
    void layoutBottom();
    int listAreaWidth() const;
    const Row &paintedRow(int j);

    std::unique_ptr<Ui::BarGraphWindow> m_ui;
    Session &m_session;
    ViewHost &m_host;
    BarChart::MonthStrip m_strip;
    QList<Row> m_rows;
    QList<BarChart::Separator> m_separatorLines;
    bool m_separators = false;
    bool m_placed = false;
    BarGraphCanvas *m_canvas = nullptr;
    QMenu *m_rowsMenu = nullptr;

    friend class BarGraphCanvas;
};
