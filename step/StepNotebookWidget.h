#pragma once

#include "data/StepFile.h"

#include <QWidget>

#include <array>
#include <memory>

class PopupDateEdit;
class SjisTextEdit;

namespace Ui {
class StepNotebookWidget;
}

// The memo notebook "何でも メモって 帳" of the step window: the strip's row and kind, the history
// of its stored periods and five pages of a date and a memo each. It shows the notes it is given
// and hands back what its pages hold; the window decides what they mean.
class StepNotebookWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepNotebookWidget)
public:
    explicit StepNotebookWidget(QWidget *parent = nullptr);
    ~StepNotebookWidget() override;

    // Clears every box, then shows `notes` of the strip named by `rowName` and `kindName`.
    void showNotes(const QString &rowName, const QString &kindName, const StepNotes &notes);
    // The shown pages as they stand. A page left as it was shown gives back exactly what it was
    // given, so an untouched memo keeps its bytes.
    std::array<StepNotes::Page, StepNotes::PageCount> pages() const;
    int shownPages() const { return m_shownPages; }

    // Makes page `index` (0-based) the active and only highlighted one.
    void showPage(int index);
    int highlightedPage() const { return m_highlighted; }

signals:
    // A history entry was clicked (0-based).
    void historyChosen(int entry);
    // A memo box refused an edit; `hint` says why.
    void refused(const QString &hint);

private:
    void highlightPage(int index);

    std::unique_ptr<Ui::StepNotebookWidget> m_ui;
    std::array<PopupDateEdit *, StepNotes::PageCount> m_dateEdits{};
    std::array<SjisTextEdit *, StepNotes::PageCount> m_memoEdits{};
    // What each page was given and the text its box showed for it.
    std::array<StepNotes::Page, StepNotes::PageCount> m_given{};
    std::array<QString, StepNotes::PageCount> m_shownMemo{};
    std::array<bool, StepNotes::PageCount> m_kept{};
    int m_shownPages = 0;
    int m_highlighted = -1;
};
