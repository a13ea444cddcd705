#include "dailyplan/RoutineSettingsDialog.h"
#include "ui_RoutineSettingsDialog.h"

#include "dailyplan/PadMemoDialog.h"
#include "data/RoutineBook.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "platform/WindowPlacer.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {} // namespace

RoutineSettingsDialog::RoutineSettingsDialog(RoutineBook &routines, const ListBook &lists, Services &services,
                                             const QString &routineFile, QWidget *parent)
    : QDialog(parent), m_routines(routines), m_lists(lists), m_services(services), m_routineFile(routineFile),
      m_ui(std::make_unique<Ui::RoutineSettingsDialog>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    runDialog = [](QDialog &dialog) { dialog.exec(); };
    m_padBase = m_ui->padBase;
    m_saveButton = m_ui->saveButton;

    // Never shown: draws the faces of the editors no one has touched yet.
    m_stamp = new RoutineEditor(0, *this, this);
    m_stamp->hide();

    Hints::set(m_ui->removeButton, u"パッドを削除|選択されている(◆)ルーチン・パッドを削除します"_s);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &RoutineSettingsDialog::removeSelectedRoutine);
    Hints::set(m_saveButton, u"保存|一時保存したルーチンをファイルに保存します"_s);
    connect(m_saveButton, &QPushButton::clicked, this, &RoutineSettingsDialog::saveRoutines);
    Hints::set(m_ui->closeButton, u"閉じる|保存していない変更を破棄して閉じます"_s);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &RoutineSettingsDialog::dropAndClose);

    m_busyCover = new QLabel(u"処理中・・・"_s, this);
    m_busyCover->setObjectName(u"busyCover"_s);
    m_busyCover->setAlignment(Qt::AlignCenter);
    m_busyCover->setAutoFillBackground(true);
    QPalette cover = m_busyCover->palette();
    cover.setColor(QPalette::Window, FixedColours::skyBlue());
    cover.setColor(QPalette::WindowText, Qt::white);
    m_busyCover->setPalette(cover);
    QFont coverFont = m_busyCover->font();
    coverFont.setPixelSize(24);
    m_busyCover->setFont(coverFont);
    m_busyCover->setGeometry(m_padBase->geometry().adjusted(-1, -1, 1, 1));
    m_busyCover->hide();

    createEditors();
    m_saveButton->setFocus();
    connect(qApp, &QApplication::focusChanged, this, &RoutineSettingsDialog::markFocusedEditor);
    InstantMnemonics::apply(this);
}

RoutineSettingsDialog::~RoutineSettingsDialog()
{
    // The editors go after this part of the object: they must not call back into it.
    disconnect(qApp, nullptr, this, nullptr);
    destroyEditors();
    delete m_stamp;
    m_stamp = nullptr;
}

Dialogs &RoutineSettingsDialog::editorDialogs()
{
    return m_services.dialogs;
}

RoutineEditor &RoutineSettingsDialog::faceStamp()
{
    return *m_stamp;
}

void RoutineSettingsDialog::createEditors()
{
    for (int k = 0; k < RoutineFile::RecordCount; ++k) {
        const RoutineRecord &routine = m_routines.routine(k);
        if (!routine.isUsed())
            continue;
        // The slot decides the number, as on the planner: edits never reach another record.
        auto *editor = new RoutineEditor(k + 1, *this, m_padBase);
        editor->setFromRoutine(routine);
        editor->move(1, k * RoutineEditor::Height + 1);
        connect(editor, &RoutineEditor::memoRequested, this, &RoutineSettingsDialog::openMemo);
        m_editors[size_t(k)] = editor;
        editor->show();
    }
}

void RoutineSettingsDialog::destroyEditors()
{
    for (RoutineEditor *&editor : m_editors) {
        delete editor;
        editor = nullptr;
    }
}

void RoutineSettingsDialog::focusEditorNumber(int number)
{
    if (number > 0 && number <= RoutineFile::RecordCount && m_editors[size_t(number - 1)])
        m_editors[size_t(number - 1)]->focusEditor();
}

void RoutineSettingsDialog::markFocusedEditor(QWidget *old, QWidget *now)
{
    if (RoutineEditor *editor = moveMark<RoutineEditor>(old, now, m_padBase))
        m_routines.select(editor->number() - 1);
}

void RoutineSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    for (RoutineEditor *editor : m_editors) {
        if (editor)
            editor->setFromRoutine(m_routines.routine(editor->number() - 1));
    }
    const int count = m_routines.count();
    if (reportCount)
        reportCount(count);
    // The editor makes its boxes after the window has first painted.
    if (count > 0)
        QTimer::singleShot(0, this, [this, count] { focusEditorNumber(count); });
    WindowPlacer::place(this, {QPoint(10, 50), size()});
}

void RoutineSettingsDialog::paintEvent(QPaintEvent *event)
{
    // Painted, not given as a palette: see ColorFrame.
    QPainter painter(this);
    painter.fillRect(rect(), FixedColours::skyBlue());
    QDialog::paintEvent(event);
}

void RoutineSettingsDialog::done(int result)
{
    destroyEditors();
    QDialog::done(result);
}

void RoutineSettingsDialog::saveRoutines()
{
    const SafeFile::Result r = m_routines.save(m_routineFile);
    if (r.changedOnDisk) {
        // The editors keep what the user typed; the next save writes it over what is there now.
        m_services.dialogs.changedOnDisk(this, m_routineFile);
        const SafeFile::Result reread = m_routines.reread(m_routineFile);
        if (!reread)
            m_services.dialogs.fileError(this, FileOperation::Read, m_routineFile, reread.error);
        return;
    }
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_routineFile, r.error);
        return;
    }
    const int count = m_routines.count();
    if (reportCount)
        reportCount(count);
    focusEditorNumber(count);
}

void RoutineSettingsDialog::dropAndClose()
{
    m_routines.dropEdits();
    reject();
}

void RoutineSettingsDialog::removeSelectedRoutine()
{
    const int slot = m_routines.selected();
    if (slot < 0 || slot >= RoutineFile::RecordCount || !m_editors[size_t(slot)])
        return;
    RoutineEditor *editor = m_editors[size_t(slot)];
    editor->setMarked(true);
    const QString question = u"ルーチン・パッドNo. "_s + QString::number(slot + 1) + u"を削除します."_s +
                             u"\r\n\r\n"_s + u"処理を続行しますか？"_s;
    if (m_services.dialogs.askOkCancel(this, question, QPoint(150, 250)) != Dialogs::Answer::Ok) {
        editor->focusEditor();
        return;
    }
    m_busyCover->raise();
    m_busyCover->show();
    m_busyCover->repaint();
    const int count = m_routines.remove(slot);
    destroyEditors();
    createEditors();
    focusEditorNumber(count);
    m_busyCover->hide();
}

void RoutineSettingsDialog::openMemo(int number)
{
    if (m_memoOpen || number < 1 || number > RoutineFile::RecordCount)
        return;
    m_memoOpen = true;
    PadMemoDialog memo(PadMemoDialog::Target::Routine, number, m_routines.routine(number - 1).memo, this);
    memo.keepMemo = [this, number](const QString &text) { m_routines.setMemo(number - 1, text); };
    runDialog(memo);
    m_memoOpen = false;
}
