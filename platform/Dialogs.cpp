#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

QString forDisplay(const QString &text)
{
    QString s = text;
    s.replace(u"\r\n"_s, u"\n"_s);
    return s;
}

Dialogs::Answer run(QMessageBox &box, std::optional<QPoint> at)
{
    if (at) {
        box.adjustSize();
        box.move(*at);
    }
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::Ok:
        return Dialogs::Answer::Ok;
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    default:
        return Dialogs::Answer::No;
    }
}

// The file dialog's dates in Japanese: Qt writes them in the system locale, English on a C locale.
class JapaneseDateColumn final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole && index.column() == DateColumn) {
            if (auto *files = qobject_cast<QFileSystemModel *>(sourceModel()))
                return QLocale(QLocale::Japanese, QLocale::Japan)
                    .toString(files->lastModified(mapToSource(index)), u"yyyy/MM/dd HH:mm"_s);
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int DateColumn = 3; // name, size, type, date
};

} // namespace

void QtDialogs::inform(QWidget *parent, const QString &text, std::optional<QPoint> at)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), forDisplay(text),
                    QMessageBox::Ok, parent);
    run(box, at);
}

void QtDialogs::informCaptioned(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Information, caption, forDisplay(text), QMessageBox::Ok, parent);
    run(box, std::nullopt);
}

Dialogs::Answer QtDialogs::askYesNo(QWidget *parent, const QString &text, std::optional<QPoint> at)
{
    QMessageBox box(QMessageBox::Question, u"確認"_s, forDisplay(text), QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(u"はい(&Y)"_s);
    box.button(QMessageBox::No)->setText(u"いいえ(&N)"_s);
    box.setEscapeButton(QMessageBox::No);
    return run(box, at) == Answer::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::askOkCancel(QWidget *parent, const QString &text, std::optional<QPoint> at)
{
    QMessageBox box(QMessageBox::Question, u"確認"_s, forDisplay(text), QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Cancel)->setText(u"キャンセル"_s);
    box.setEscapeButton(QMessageBox::Cancel);
    return run(box, at) == Answer::Ok ? Answer::Ok : Answer::Cancel;
}

void QtDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, u"エラー"_s, forDisplay(text), QMessageBox::Ok, parent);
    run(box, std::nullopt);
}

std::unique_ptr<QFileDialog> QtDialogs::makeOpenFileDialog(QWidget *parent, const QString &caption,
                                                           const QString &folder, const QString &filter)
{
    auto dialog = std::make_unique<QFileDialog>(parent, caption, folder, filter);
    // Qt's own dialog, so the filter matches its pattern in any letter case ("A.DTF" as "*.dtf")
    // and its texts come from Qt's translations on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setProxyModel(new JapaneseDateColumn(dialog.get()));
    // The columns fit their Japanese headings and dates; the name takes what is left.
    if (auto *view = dialog->findChild<QTreeView *>(u"treeView"_s)) {
        QHeaderView *header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    dialog->resize(dialog->sizeHint().expandedTo(QSize(620, 380)));
    return dialog;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter)
{
    const std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(parent, caption, folder, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                const QString &filter)
{
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(path).suffix());
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new JapaneseDateColumn(&dialog));
    dialog.resize(dialog.sizeHint().expandedTo(QSize(620, 380)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::previewPrint(QWidget *parent, const PrintDocument &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(document.title);
    bool option = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { document.paint(*target, option); });
    // The choice joins the preview's own tool bar, so that its effect shows at once.
    auto *tools = dialog.findChild<QToolBar *>();
    auto *preview = dialog.findChild<QPrintPreviewWidget *>();
    if (!document.optionText.isEmpty() && tools && preview) {
        tools->addSeparator();
        QAction *choice = tools->addAction(document.optionText);
        choice->setCheckable(true);
        QObject::connect(choice, &QAction::toggled, &dialog, [&option, preview](bool on) {
            option = on;
            preview->updatePreview();
        });
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 640)));
    dialog.exec();
}

QString Dialogs::fileErrorText(FileOperation operation, const QString &path, const QString &reason,
                               const QString &subject)
{
    QString text = subject;
    switch (operation) {
    case FileOperation::Read:
        text += u"を読み込めませんでした."_s;
        break;
    case FileOperation::Write:
        text += u"を保存できませんでした."_s;
        break;
    case FileOperation::Create:
        text += u"を作成できませんでした."_s;
        break;
    }
    text += u"\r\n\r\n"_s + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += u"\r\n("_s + reason + u")"_s;
    if (operation == FileOperation::Write)
        text += u"\r\n\r\n保存されているファイルは変更されていません."_s;
    return text;
}

QString Dialogs::changedOnDiskText(const QString &path, const QString &subject)
{
    return subject + u"は, 読み込んだ後にほかのプログラムによって変更されています."_s + u"\r\n\r\n"_s +
           QDir::toNativeSeparators(path) + u"\r\n\r\n"_s + u"上書きせずに, ファイルを読み込み直しました."_s +
           u"\r\n"_s + u"編集中の内容は画面に残っています. 必要なら, もう一度保存してください."_s;
}
