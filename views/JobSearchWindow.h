#pragma once

#include "data/JobSearch.h"
#include "data/MonthFileCache.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class JobSearchModel;
class QModelIndex;
class Session;

namespace Ui {
class JobSearchWindow;
}

// Finds jobs in every month file of the program folder as the user types. Modeless; the first
// opening reads the files a few at a time, so that the window answers while it reads.
class JobSearchWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JobSearchWindow)
public:
    // Typing waits this long after the last key before it searches.
    static constexpr int SearchDelayMs = 150;
    // How long one step of the first reading may take before the window handles events again.
    static constexpr int LoadStepMs = 20;

    explicit JobSearchWindow(Session &session, QWidget *parent = nullptr);
    ~JobSearchWindow() override;

    JobSearchModel &model() const { return *m_model; }
    bool isLoading() const { return m_loadTimer.isActive(); }
    // Brings the window forward with the search words selected, ready for new ones.
    void focusSearch();

signals:
    // The user opened a hit: the month file's name and the record's data number.
    void recordChosen(const QString &fileName, int dataNo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fillStates();
    void fillChoices();
    void loadStep();
    void search();
    JobSearch::Query query() const;
    void openHit(const QModelIndex &index);
    void sizeColumns();

    std::unique_ptr<Ui::JobSearchWindow> m_ui;
    Session &m_session;
    MonthFileCache m_cache;
    JobSearchModel *m_model = nullptr;
    QTimer m_searchTimer;
    QTimer m_loadTimer;
};
