#include "backup/BackupRestoreDialog.h"

#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include "ui_BackupRestoreDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int IndexRole = Qt::UserRole;

QString kindCaption(BackupRules::Kind kind)
{
    switch (kind) {
    case BackupRules::Kind::Month:
        return u"月データ"_s;
    case BackupRules::Kind::Step:
        return u"ステップ"_s;
    case BackupRules::Kind::Day:
        return u"デイリープラン"_s;
    case BackupRules::Kind::Routine:
        return u"ルーチン"_s;
    case BackupRules::Kind::List:
        return u"リスト"_s;
    case BackupRules::Kind::Config:
        return u"設定"_s;
    case BackupRules::Kind::None:
        break;
    }
    return {};
}

QString timeText(const BackupRules::Version &version)
{
    return version.time.toString(u"yyyy/MM/dd HH:mm:ss"_s);
}

// Data numbers, as the main window shows them: slot + 1.
QString numbers(const QList<int> &chosen)
{
    QStringList texts;
    for (int slot : chosen)
        texts << QString::number(slot + 1);
    return texts.join(u", "_s);
}

QString monthDifference(const RecordRestore::Comparison &c)
{
    if (c.same())
        return u"同じ"_s;
    QStringList parts;
    if (!c.changed.isEmpty())
        parts << u"変更: "_s + numbers(c.changed);
    if (!c.added.isEmpty())
        parts << u"追加: "_s + numbers(c.added);
    if (!c.removed.isEmpty())
        parts << u"削除: "_s + numbers(c.removed);
    return parts.join(u"　"_s);
}

// QTreeWidget::clear() left the check boxes of the rows it removed painted on the new rows.
void removeItems(QTreeWidget *tree)
{
    qDeleteAll(tree->invisibleRootItem()->takeChildren());
}

qint64 readBound(BackupRules::Kind kind)
{
    return kind == BackupRules::Kind::Month ? MonthFile::Size : SafeFile::DefaultMaxBytes;
}

} // namespace

BackupRestoreDialog::BackupRestoreDialog(Session &session, Services &services, BackupStore &store,
                                         QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services), m_store(store),
      m_ui(std::make_unique<Ui::BackupRestoreDialog>())
{
    m_ui->setupUi(this);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->versionTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->recordTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_ui->fileTree, &QTreeWidget::currentItemChanged, this, &BackupRestoreDialog::showVersions);
    connect(m_ui->versionTree, &QTreeWidget::currentItemChanged, this, &BackupRestoreDialog::showRecords);
    connect(m_ui->recordTree, &QTreeWidget::itemChanged, this, &BackupRestoreDialog::updateButtons);
    connect(m_ui->restoreFileButton, &QPushButton::clicked, this, &BackupRestoreDialog::restoreChosenVersion);
    connect(m_ui->restoreRecordsButton, &QPushButton::clicked, this,
            &BackupRestoreDialog::restoreCheckedRecords);
    refresh();
}

BackupRestoreDialog::~BackupRestoreDialog() = default;

void BackupRestoreDialog::refresh()
{
    const BackupStore::File *was = chosenFile();
    const QString chosen = was ? was->relativePath : QString();
    m_files = m_store.files();
    QTreeWidget *tree = m_ui->fileTree;
    const QSignalBlocker quiet(tree);
    removeItems(tree);
    QTreeWidgetItem *group = nullptr;
    QTreeWidgetItem *current = nullptr;
    for (int i = 0; i < m_files.size(); ++i) {
        const BackupStore::File &file = m_files[i];
        if (!group || group->text(0) != kindCaption(file.kind)) {
            group = new QTreeWidgetItem(tree, {kindCaption(file.kind)});
            group->setFlags(Qt::ItemIsEnabled);
        }
        auto *item = new QTreeWidgetItem(group, {QFileInfo(file.relativePath).fileName()});
        item->setData(0, IndexRole, i);
        item->setToolTip(0, QDir::toNativeSeparators(m_store.dataPathOf(file.relativePath)));
        if (!current || file.relativePath == chosen)
            current = item;
    }
    tree->expandAll();
    tree->setCurrentItem(current);
    showVersions();
}

const BackupStore::File *BackupRestoreDialog::chosenFile() const
{
    const QTreeWidgetItem *item = m_ui->fileTree->currentItem();
    if (!item || !item->data(0, IndexRole).isValid())
        return nullptr;
    const int i = item->data(0, IndexRole).toInt();
    return i >= 0 && i < m_files.size() ? &m_files[i] : nullptr;
}

const BackupRules::Version *BackupRestoreDialog::chosenVersion() const
{
    const BackupStore::File *file = chosenFile();
    const QTreeWidgetItem *item = m_ui->versionTree->currentItem();
    if (!file || !item)
        return nullptr;
    const int i = item->data(0, IndexRole).toInt();
    return i >= 0 && i < file->versions.size() ? &file->versions[i] : nullptr;
}

void BackupRestoreDialog::showVersions()
{
    QTreeWidget *tree = m_ui->versionTree;
    const QSignalBlocker quiet(tree);
    removeItems(tree);
    const BackupStore::File *file = chosenFile();
    m_current.clear();
    m_currentExists = false;
    if (file) {
        const QString path = m_store.dataPathOf(file->relativePath);
        m_currentExists = QFileInfo::exists(path) && SafeFile::read(path, &m_current, readBound(file->kind));
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        for (int i = 0; i < file->versions.size(); ++i) {
            const BackupRules::Version &v = file->versions[i];
            auto *item = new QTreeWidgetItem(tree, {timeText(v), japanese.toString(v.size) + u" バイト"_s});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setData(0, IndexRole, i);
            describe(file->kind, v, item);
        }
    }
    tree->setCurrentItem(tree->topLevelItem(0));
    showRecords();
}

// The count of a month's records and how the version differs from the file now.
void BackupRestoreDialog::describe(BackupRules::Kind kind, const BackupRules::Version &version,
                                   QTreeWidgetItem *item) const
{
    const bool month = kind == BackupRules::Kind::Month;
    if (!month && (!m_currentExists || version.size != m_current.size())) {
        item->setText(3, m_currentExists ? u"異なる"_s : u"今のファイルはありません"_s);
        return;
    }
    QByteArray bytes;
    if (!SafeFile::read(m_store.pathOf(version), &bytes, readBound(kind))) {
        item->setText(3, u"読み込めません"_s);
        return;
    }
    if (!month) {
        item->setText(3, bytes == m_current ? u"同じ"_s : u"異なる"_s);
        return;
    }
    const RecordRestore::Comparison c = RecordRestore::compare(bytes, m_current);
    item->setText(2, QString::number(c.count) + u" 件"_s);
    item->setText(3, m_currentExists ? monthDifference(c) : u"今のファイルはありません"_s);
}

void BackupRestoreDialog::showRecords()
{
    QTreeWidget *tree = m_ui->recordTree;
    const QSignalBlocker quiet(tree);
    removeItems(tree);
    const BackupStore::File *file = chosenFile();
    const BackupRules::Version *version = chosenVersion();
    const bool month = file && version && file->kind == BackupRules::Kind::Month;
    m_ui->recordTree->setEnabled(month);
    m_ui->recordsLabel->setEnabled(month);
    QByteArray bytes;
    if (month && SafeFile::read(m_store.pathOf(*version), &bytes, MonthFile::Size)) {
        const MonthFile::Jobs old = MonthFile::fromBytes(bytes);
        const MonthFile::Jobs now = MonthFile::fromBytes(m_current);
        const RecordRestore::Comparison c = RecordRestore::compare(bytes, m_current);
        for (int slot = 0; slot < MonthFile::RecordCount; ++slot) {
            const JobRecord &was = old[size_t(slot)];
            const JobRecord &is = now[size_t(slot)];
            if (!was.isUsed() && !is.isUsed())
                continue;
            const QString difference = c.changed.contains(slot)   ? u"変更"_s
                                       : c.added.contains(slot)   ? u"この版で空き"_s
                                       : c.removed.contains(slot) ? u"今は空き"_s
                                                                  : u"同じ"_s;
            auto *item =
                new QTreeWidgetItem(tree, {QString::number(slot + 1), difference, was.title, is.title});
            item->setData(0, IndexRole, slot);
            item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            if (difference != u"同じ"_s) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(0, Qt::Unchecked);
            }
        }
    }
    updateButtons();
}

QList<int> BackupRestoreDialog::checkedSlots() const
{
    QList<int> chosen;
    for (int i = 0; i < m_ui->recordTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_ui->recordTree->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            chosen << item->data(0, IndexRole).toInt();
    }
    return chosen;
}

void BackupRestoreDialog::updateButtons()
{
    m_ui->restoreFileButton->setEnabled(chosenVersion() != nullptr);
    m_ui->restoreRecordsButton->setEnabled(m_ui->recordTree->isEnabled() && !checkedSlots().isEmpty());
}

void BackupRestoreDialog::restoreChosenVersion()
{
    const BackupStore::File *file = chosenFile();
    const BackupRules::Version *version = chosenVersion();
    if (!file || !version)
        return;
    const BackupRules::Version chosen = *version;
    const QString path = m_store.dataPathOf(file->relativePath);
    const QString question = u"次のファイルを "_s + timeText(chosen) + u" の内容に戻します."_s +
                             u"\r\n\r\n"_s + QDir::toNativeSeparators(path) + u"\r\n\r\n"_s +
                             u"今の内容はバックアップに残します. よろしいですか?"_s;
    if (m_services.dialogs.askYesNo(this, question) != Dialogs::Answer::Yes)
        return;
    const SafeFile::Result r = m_store.restore(chosen);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Write, path, r.error);
        return;
    }
    emit restored();
    refresh();
    m_services.dialogs.inform(this, u"ファイルを "_s + timeText(chosen) + u" の内容に戻しました."_s +
                                        u"\r\n\r\n"_s + QDir::toNativeSeparators(path));
}

void BackupRestoreDialog::restoreCheckedRecords()
{
    const BackupStore::File *file = chosenFile();
    const BackupRules::Version *version = chosenVersion();
    const QList<int> checked = checkedSlots();
    if (!file || !version || checked.isEmpty())
        return;
    const BackupRules::Version chosen = *version;
    const QString path = m_store.dataPathOf(file->relativePath);
    const QString question = u"データ番号 "_s + numbers(checked) + u" を "_s + timeText(chosen) +
                             u" の内容に戻します."_s + u"\r\n\r\n"_s + QDir::toNativeSeparators(path) +
                             u"\r\n\r\n"_s + u"今の内容はバックアップに残します. よろしいですか?"_s;
    if (m_services.dialogs.askYesNo(this, question) != Dialogs::Answer::Yes)
        return;
    reportRecordOutcome(RecordRestore::restore(m_session, m_store, chosen, checked), path);
}

void BackupRestoreDialog::reportRecordOutcome(const RecordRestore::Outcome &outcome, const QString &path)
{
    using Kind = RecordRestore::Outcome::Kind;
    switch (outcome.kind) {
    case Kind::Restored:
        emit restored();
        refresh();
        m_services.dialogs.inform(this,
                                  u"データを戻しました."_s + u"\r\n\r\n"_s + QDir::toNativeSeparators(path));
        return;
    case Kind::NothingChosen:
        return;
    case Kind::ReadFailed:
        m_services.dialogs.fileError(this, FileOperation::Read, path, outcome.error);
        return;
    case Kind::FileMissing:
        m_services.dialogs.inform(
            this, u"今のファイルがありません. [ファイルをこの版に戻す] で, ファイルごと戻してください."_s);
        return;
    case Kind::HidesRecord:
        m_services.dialogs.inform(
            this, u"このままでは, データ番号 "_s + QString::number(outcome.slot + 1) +
                      u" のデータが表示されなくなります (その前のデータ番号が空きになります)."_s + u"\r\n"_s +
                      u"チェックするデータを選び直してください."_s);
        return;
    case Kind::BackupFailed:
        m_services.dialogs.error(this, u"今の内容をバックアップできないため, 戻しませんでした."_s +
                                           u"\r\n\r\n"_s + QDir::toNativeSeparators(path) + u"\r\n("_s +
                                           outcome.error + u")"_s);
        return;
    case Kind::WriteFailed:
        m_services.dialogs.fileError(this, FileOperation::Write, path, outcome.error);
        return;
    case Kind::ChangedOnDisk:
        m_services.dialogs.changedOnDisk(this, path);
        emit restored(); // read again
        refresh();
        return;
    }
}
