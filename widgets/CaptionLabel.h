#pragma once

#include <QLabel>

// A label for a caption of a form: one line of plain text. Its size is measured and its text laid
// out once for each font and text, for every caption of the program: a window opened again
// measures and shapes nothing for its captions. What is more than a plain caption (a frame,
// margins, wrapping, rich text, a picture, a buddy) is left to QLabel.
class CaptionLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionLabel)
public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool isPlainCaption() const;
};
