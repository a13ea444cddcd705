#pragma once

#include <QFrame>

// A pad that is painted until the user touches it (pointer, click, focus) and makes its boxes
// only then, so that a window of many pads opens at once. A click or context menu that reaches
// the painted pad goes on to the box made under the pointer.
class QLabel;

class PaintedPadFrame : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaintedPadFrame)
public:
    // Makes the boxes, from what the painted pad shows.
    void makeEditable();
    bool isEditable() const { return m_editable; }

protected:
    explicit PaintedPadFrame(QWidget *parent);

    // Make the boxes and show in them what the painted pad showed.
    virtual void buildEditors() = 0;
    // The box a pad gives the focus it receives.
    virtual QWidget *firstBox() const = 0;
    // The white, sunken label at `box` that shows the selection mark and opens the pad's menu.
    QLabel *makeMarkLabel(const QRect &box);

    void enterEvent(QEnterEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_editable = false;
};

// Moves the selection mark off the pad that had the focus onto the pad of type `Pad` on `base` that
// has it now; boxes and other windows taking the focus leave the mark where it is. Returns the
// pad that took the mark, or null.
template <typename Pad> Pad *moveMark(QWidget *old, QWidget *now, const QWidget *base)
{
    if (!now || now->window() != base->window())
        return nullptr;
    const auto padOf = [base](QWidget *widget) -> Pad * {
        for (QWidget *w = widget; w; w = w->parentWidget()) {
            if (auto *pad = qobject_cast<Pad *>(w))
                return pad->parentWidget() == base ? pad : nullptr;
        }
        return nullptr;
    };
    Pad *was = padOf(old);
    Pad *is = padOf(now);
    if (was && was != is)
        was->setMarked(false);
    if (is)
        is->setMarked(true);
    return is;
}
