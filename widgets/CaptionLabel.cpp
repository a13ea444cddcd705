#include "widgets/CaptionLabel.h"

#include "widgets/ShapedText.h"

#include <QHash>
#include <QPainter>

namespace {

struct SizeHints
{
    QSize minimumSize; // the label's own, which the hints are widened to
    QSize size;
    QSize minimum;
};

QHash<QFont, QHash<QString, SizeHints>> &sizeCache()
{
    static QHash<QFont, QHash<QString, SizeHints>> cache;
    return cache;
}

} // namespace

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent) {}

bool CaptionLabel::isPlainCaption() const
{
    const Qt::TextFormat format = textFormat();
    const bool plain = format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text()));
    return plain && !wordWrap() && margin() == 0 && indent() < 0 && frameWidth() == 0 &&
           contentsMargins().isNull() && !buddy() && pixmap().isNull() &&
           alignment() == (Qt::AlignLeft | Qt::AlignVCenter) && layoutDirection() == Qt::LeftToRight &&
           !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

QSize CaptionLabel::sizeHint() const
{
    if (!isPlainCaption())
        return QLabel::sizeHint();
    ensurePolished();
    QHash<QString, SizeHints> &byText = sizeCache()[font()];
    if (byText.size() > 1024)
        byText.clear();
    auto found = byText.find(text());
    if (found == byText.end() || found->minimumSize != minimumSize())
        found = byText.insert(text(), {minimumSize(), QLabel::sizeHint(), QLabel::minimumSizeHint()});
    return found->size;
}

QSize CaptionLabel::minimumSizeHint() const
{
    if (!isPlainCaption())
        return QLabel::minimumSizeHint();
    (void)sizeHint();
    return sizeCache()[font()][text()].minimum;
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    const QString caption = text();
    if (caption.isEmpty() || !isEnabled() || !isPlainCaption()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const ShapedText::Line &line = ShapedText::of(painter.font(), caption);
    const QRect box = contentsRect();
    // Too large for the label, the text is clipped by QLabel's way of drawing it.
    if (line.advance > box.width() || line.height > box.height()) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    painter.setPen(palette().color(foregroundRole()));
    // Where QLabel puts one left-aligned line, vertically centred.
    painter.drawStaticText(QPointF(box.x(), box.y() + (box.height() - line.height) / 2), line.text);
}
