#pragma once

#include "data/ListEntriesFile.h"

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class ListSettingsDialog;
} // namespace Ui

class Dialogs;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class ListBook;

// The four lists the drop-downs offer: keywords and descriptions for the pads, first and second
// titles for the diary. Edits stay in the dialog until "保存(&S)" writes the list file.
class ListSettingsDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListSettingsDialog)
public:
    enum Tab { Keywords, Descriptions, Titles1, Titles2 };

    ListSettingsDialog(ListBook &lists, Dialogs &dialogs, const QString &listFile, QWidget *parent);
    ~ListSettingsDialog() override;

    void appendItem(Tab tab);
    void removeItem(Tab tab);
    void clearItems(Tab tab);
    void moveItemUp(Tab tab);
    void moveItemDown(Tab tab);
    void saveLists();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Page
    {
        QLineEdit *input = nullptr;
        QListWidget *list = nullptr;
        int limit = 0;
    };
    // The parts of one tab in the form, and the rules of its list.
    struct PageParts
    {
        QLineEdit *input;
        QListWidget *list;
        QLabel *limitLabel;
        QAbstractButton *append;
        QAbstractButton *remove;
        QAbstractButton *clear;
        QAbstractButton *up;
        QAbstractButton *down;
        int capacity;
        int limit;
    };
    void wirePage(Tab tab, const PageParts &parts, const QStringList &items);
    QStringList items(Tab tab) const;
    void apply(Tab tab, const QStringList &items, const ListEditing::Outcome &outcome);
    void selectLast(int tab);

    ListBook &m_lists;
    Dialogs &m_dialogs;
    QString m_listFile;
    std::unique_ptr<Ui::ListSettingsDialog> m_ui;
    std::array<Page, 4> m_pages;
};
