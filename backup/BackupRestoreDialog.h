#pragma once

#include "data/BackupStore.h"
#include "data/RecordRestore.h"

#include <QByteArray>
#include <QDialog>
#include <QList>

#include <memory>

class Session;
class QTreeWidgetItem;
struct Services;

namespace Ui {
class BackupRestoreDialog;
}

// The data files that have earlier versions, by kind, with each file's versions newest first.
// A version can be written back whole, and a month file's records one by one.
class BackupRestoreDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupRestoreDialog)
public:
    BackupRestoreDialog(Session &session, Services &services, BackupStore &store, QWidget *parent = nullptr);
    ~BackupRestoreDialog() override;

    // Lists the files with versions again, keeping the chosen file when it is still there.
    void refresh();
    // Writes the chosen version back over its file, after asking.
    void restoreChosenVersion();
    // Copies the checked records of the chosen month version into the month file, after asking.
    void restoreCheckedRecords();

signals:
    // A file was written back (or found changed by another program): the windows read it again.
    void restored();

private:
    void showVersions();
    void showRecords();
    void updateButtons();
    const BackupStore::File *chosenFile() const;
    const BackupRules::Version *chosenVersion() const;
    QList<int> checkedSlots() const;
    void describe(BackupRules::Kind kind, const BackupRules::Version &version, QTreeWidgetItem *item) const;
    void reportRecordOutcome(const RecordRestore::Outcome &outcome, const QString &path);

    Session &m_session;
    Services &m_services;
    BackupStore &m_store;
    std::unique_ptr<Ui::BackupRestoreDialog> m_ui;
    QList<BackupStore::File> m_files;
    QByteArray m_current; // the chosen file as it is now
    bool m_currentExists = false;
};
