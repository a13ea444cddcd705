#include "step/StepCaptionsWidget.h"

#include "data/StepFile.h"
#include "step/StepNames.h"
#include "widgets/SjisLimitValidator.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

QRect rowNameRect(int row)
{
    return QRect(4, StepChart::rowTop(row) + 4, 72, 16);
}

QRect stripNameRect(int row, int kind)
{
    return QRect(128, StepChart::rowTop(row) + StepChart::StripTops[kind], 32, StepChart::StripHeight);
}

} // namespace

StepCaptionsWidget::StepCaptionsWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int r = 0; r < StepChart::RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        auto *memo = new QPushButton(u"メモ"_s, this);
        memo->setObjectName(u"memoButton"_s + QString::number(r));
        memo->setAutoDefault(false);
        memo->setGeometry(78, top + 1, 44, 21);
        connect(memo, &QPushButton::clicked, this, [this, r] { emit memoClicked(r); });
        m_memoButtons[r] = memo;

        auto *title = new QLineEdit(this);
        title->setObjectName(u"rowTitleEdit"_s + QString::number(r));
        title->setGeometry(4, top + 24, 118, 22);
        auto *validator = new SjisLimitValidator(StepGroup::TitleCapacity, title);
        title->setValidator(validator);
        connect(title, &QLineEdit::inputRejected, this,
                [this, validator] { emit refused(validator->lastHint()); });
        m_titleEdits[r] = title;
    }
}

QString StepCaptionsWidget::text() const
{
    QStringList names;
    for (int r = 0; r < StepChart::RowCount; ++r) {
        names << StepNames::row(r);
        for (int k = 0; k < 3; ++k)
            names << StepNames::strip(StepKind(k));
    }
    return names.join(u'\n');
}

// As labels draw them: the row's name underlined at the left, the strips' names at the right.
void StepCaptionsWidget::paintNames(QPainter &p) const
{
    const int flags = Qt::TextExpandTabs | Qt::TextForceLeftToRight;
    QFont underlined = font();
    underlined.setUnderline(true);
    for (int r = 0; r < StepChart::RowCount; ++r) {
        p.setFont(underlined);
        style()->drawItemText(&p, rowNameRect(r), flags | Qt::AlignLeft | Qt::AlignVCenter, palette(), true,
                              StepNames::row(r), QPalette::WindowText);
        p.setFont(font());
        for (int k = 0; k < 3; ++k)
            style()->drawItemText(&p, stripNameRect(r, k), flags | Qt::AlignRight | Qt::AlignVCenter,
                                  palette(), true, StepNames::strip(StepKind(k)), QPalette::WindowText);
    }
}

// Laid out and painted once for a size, font, pixel ratio and colours, then copied.
QPixmap StepCaptionsWidget::namesPicture() const
{
    struct Key
    {
        QSize size;
        qreal pixelRatio = 0;
        QString font;
        QRgb window = 0;
        QRgb text = 0;
        bool operator==(const Key &) const = default;
    };
    static Key last;
    static QPixmap picture;
    const Key key{size(), devicePixelRatioF(), font().key(), palette().color(QPalette::Window).rgba(),
                  palette().color(QPalette::WindowText).rgba()};
    if (key == last && !picture.isNull())
        return picture;
    QPixmap pixmap(size() * key.pixelRatio);
    pixmap.setDevicePixelRatio(key.pixelRatio);
    pixmap.fill(palette().color(QPalette::Window));
    QPainter p(&pixmap);
    paintNames(p);
    p.end();
    picture = pixmap;
    last = key;
    return picture;
}

void StepCaptionsWidget::paintEvent(QPaintEvent *event)
{
    const QPixmap picture = namesPicture();
    const QRect r = event->rect();
    const qreal ratio = picture.devicePixelRatio();
    QPainter p(this);
    p.drawPixmap(QRectF(r), picture, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}
