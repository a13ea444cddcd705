#pragma once

#include "data/Config.h"

#include <QObject>
#include <QStringList>

#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;

// One list page of the setup dialog: an edit box, the list of up to five entries and the buttons
// that append, delete, clear and move them. Nothing reaches the configuration until apply.
class SetupListEditor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupListEditor)
public:
    struct Controls
    {
        QLineEdit *edit = nullptr;
        QListWidget *list = nullptr;
        QPushButton *appendButton = nullptr;
        QPushButton *deleteButton = nullptr;
        QPushButton *clearButton = nullptr;
        QPushButton *upButton = nullptr;
        QPushButton *downButton = nullptr;
        QPushButton *applyButton = nullptr;
    };
    SetupListEditor(const Controls &controls, std::array<QString, Config::ListSize> &entries,
                    QObject *parent = nullptr);

    // Shows the entries of the configuration anew.
    void showEntries();
    void clearEdit();
    // Writes the list into the configuration's entries.
    void apply();

signals:
    void applied();

private:
    void append();
    void deleteCurrent();
    void clearAll();
    void move(int direction);

    Controls m_c;
    std::array<QString, Config::ListSize> &m_entries;
};
