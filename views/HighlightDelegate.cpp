#include "views/HighlightDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace {

// Marker yellow with black text reads on any row colour, selected or not.
const QColor markerColour(255, 226, 100);

} // namespace

HighlightDelegate::HighlightDelegate(int spansRole, QObject *parent)
    : QStyledItemDelegate(parent), m_spansRole(spansRole)
{}

void HighlightDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const QList<int> spans = index.data(m_spansRole).value<QList<int>>();
    if (spans.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    // The text as the style would place it: inside the text rectangle, after its margin.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(margin, 0, -margin, 0);
    const QString shown = opt.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
    // An elided text keeps its start, so the ranges before the "…" stay where they were.
    const int visible = shown == text ? int(text.size()) : int(shown.size()) - 1;
    QList<QTextLayout::FormatRange> formats;
    for (int i = 0; i + 1 < spans.size(); i += 2) {
        const int start = spans[i];
        const int end = std::min(spans[i] + spans[i + 1], visible);
        if (start >= end)
            continue;
        QTextLayout::FormatRange range;
        range.start = start;
        range.length = end - start;
        range.format.setBackground(markerColour);
        range.format.setForeground(Qt::black);
        formats.append(range);
    }
    QTextLayout layout(shown, opt.font);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6); // one line, never wrapped
    layout.endLayout();

    painter->save();
    painter->setClipRect(area);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(
        opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                          selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal top = area.top() + (area.height() - line.height()) / 2;
    layout.draw(painter, QPointF(area.left(), top));
    painter->restore();
}
