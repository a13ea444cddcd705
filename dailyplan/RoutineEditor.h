#pragma once

#include "dailyplan/PadTimeBoxes.h"
#include "dailyplan/PaintedPadFrame.h"
#include "data/RoutineBook.h"
#include "data/RoutineFile.h"

#include <QPixmap>

#include <array>

class ColorComboBox;
class Dialogs;
class ListBook;
class ListComboBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class RoutineEditor;

// What a routine editor needs from the routine settings window.
class RoutineEditorHost
{
public:
    virtual ~RoutineEditorHost() = default;
    virtual RoutineBook &routineBook() = 0;
    virtual const ListBook &lists() = 0;
    virtual Dialogs &editorDialogs() = 0;
    virtual QWidget *dialogParent() = 0;
    // An editor with its boxes made that is never shown: it draws the faces of the editors no one
    // has touched yet.
    virtual RoutineEditor &faceStamp() = 0;
};

// One routine in the routine settings window: edits routine number - 1 of the working routines.
// Its "一時保存" changes only the working copy; "保存" of the window writes the file.
// Like a schedule pad it is painted until touched and makes its boxes only then.
class RoutineEditor final : public PaintedPadFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoutineEditor)
public:
    static constexpr int Width = 555;
    static constexpr int Height = 60;

    RoutineEditor(int number, RoutineEditorHost &host, QWidget *parent);

    int number() const { return m_number; }

    // Every box as the routine holds it; texts without placeholders.
    void setFromRoutine(const RoutineRecord &routine);
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    void focusEditor();

    // "一時保存": the boxes go to the working routine, unchecked; its top and memo stay.
    void keepRoutine();

    // The picture of an editor showing `routine` as number `number`, drawn by this one's boxes.
    QPixmap pictureOf(const RoutineRecord &routine, int number, bool marked, qreal pixelRatio);

signals:
    void memoRequested(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildEditors() override;
    QWidget *firstBox() const override;
    void makeBoxes();
    void makeTextBoxes();
    void makeShowBoxes();
    void makeKeepButton();
    void showRoutine(const RoutineRecord &routine);
    void showMenu(const QPoint &globalPos);
    bool readForm(RoutineBook::RoutineForm *form) const;

    int m_number;
    RoutineEditorHost &m_host;
    bool m_marked = false;
    RoutineRecord m_shown; // what the painted editor shows
    QPixmap m_picture;     // of the painted editor, made at its first paint

    PadTimeBoxes m_start;
    PadTimeBoxes m_end;
    ListComboBox *m_keywordBox = nullptr;
    ListComboBox *m_descriptionBox = nullptr;
    ColorComboBox *m_colorBox = nullptr;
    QLineEdit *m_numberBox = nullptr;
    QCheckBox *m_showBox = nullptr;
    QComboBox *m_paneBox = nullptr;
    std::array<QCheckBox *, 7> m_weekdayBoxes{};
    QPushButton *m_keepButton = nullptr;
    QLabel *m_markLabel = nullptr;
    QMenu *m_menu = nullptr;
};
