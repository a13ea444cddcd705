#include "widgets/PopupWidth.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>

namespace PopupWidth {

void fit(QComboBox *box)
{
    QAbstractItemView *view = box->view();
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, view->fontMetrics().horizontalAdvance(box->itemText(i)));
    // The item's own margins, the frame and room for a scroll bar.
    const int extra = 4 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) +
                      2 * view->frameWidth() +
                      view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view) + 8;
    view->setMinimumWidth(widest + extra);
    view->setTextElideMode(Qt::ElideNone);
}

} // namespace PopupWidth
