#include "dailyplan/PadFace.h"

#include "dailyplan/PadLayout.h"
#include "dailyplan/PlanLayout.h"
#include "widgets/ColorComboBox.h"
#include "widgets/FixedColours.h"
#include "widgets/ShapedText.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

#include <array>
#include <deque>

using namespace Qt::StringLiterals;

namespace {

// Where the changing parts of a painted pad go: the texts of its boxes and the marks of its
// check boxes. Everything else is the same for every pad.
struct FaceLayout
{
    QRect hourField[2];
    QRect minuteField[2];
    QRect pmIndicator[2];
    QRect keywordField;
    QRect descriptionField;
    QRect numberBox;
    QRect completedIndicator;
    QRect colourLabel;
    QRect mark;
    QFont small;
    QFont base;
};

struct FaceTemplate
{
    std::array<QPixmap, 2> picture; // by "kept": the two buttons differ
    QPixmap ticked;                 // every check box ticked, to copy the ticked ones from
    FaceLayout layout;
};

QFont withPointSize(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

// A line of text left-aligned and vertically centred in `box`.
void drawLine(QPainter &painter, const QRect &box, const QString &text)
{
    const QFontMetrics fm(painter.font());
    const int top = box.top() + (box.height() - fm.height()) / 2; // whole pixels, as the widgets centre
    ShapedText::drawAt(painter, box.left(), top + fm.ascent(), text);
}

// Draws the controls of a pad as the style draws the widgets, each at its own origin so that the
// style's sub-control rectangles come out where the widget's would, and says where their fields
// lie.
class ControlDrawer final
{
public:
    ControlDrawer(QPainter &painter, const QWidget *pad)
        : m_painter(painter), m_pad(pad), m_style(pad->style())
    {
        // The theme's boxes on the white pad; the text between them black, whatever the theme.
        m_palette = QApplication::palette();
        m_palette.setColor(QPalette::WindowText, FixedColours::text());
        m_base = pad->font();
        m_small = withPointSize(m_base, PadLayout::SmallPointSize);
    }

    const QFont &base() const { return m_base; }
    const QFont &small() const { return m_small; }

    void label(const QString &text, const QPoint &at, int pointSize)
    {
        m_painter.setFont(withPointSize(m_base, pointSize));
        m_painter.setPen(m_palette.color(QPalette::WindowText));
        drawLine(m_painter, QRect(at, QSize(40, QFontMetrics(m_painter.font()).height())), text);
    }

    QRect combo(const QRect &box, bool editable, const QFont &font)
    {
        QStyleOptionComboBox option;
        init(option, box);
        option.fontMetrics = QFontMetrics(font);
        option.editable = editable;
        option.frame = true;
        option.subControls = QStyle::SC_All;
        drawAt(box, [&] { m_style->drawComplexControl(QStyle::CC_ComboBox, &option, &m_painter, nullptr); });
        return m_style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, nullptr)
            .translated(box.topLeft());
    }

    QRect spin(const QRect &box)
    {
        QStyleOptionSpinBox option;
        init(option, box);
        option.fontMetrics = QFontMetrics(m_small);
        option.frame = true;
        option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.subControls = QStyle::SC_All;
        drawAt(box, [&] { m_style->drawComplexControl(QStyle::CC_SpinBox, &option, &m_painter, nullptr); });
        return m_style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, nullptr)
            .translated(box.topLeft());
    }

    QRect check(const QRect &box, const QString &caption)
    {
        QStyleOptionButton option;
        option.initFrom(m_pad);
        option.palette = m_palette;
        option.state = QStyle::State_Enabled | QStyle::State_Off;
        option.rect = box;
        option.text = caption;
        m_painter.setFont(m_base);
        m_style->drawControl(QStyle::CE_CheckBox, &option, &m_painter, nullptr);
        return m_style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, nullptr);
    }

    void arrow(const QRect &box, Qt::ArrowType type)
    {
        QStyleOptionToolButton option;
        init(option, box);
        option.state |= QStyle::State_Raised;
        option.arrowType = type;
        option.features = QStyleOptionToolButton::Arrow;
        option.toolButtonStyle = Qt::ToolButtonIconOnly;
        option.subControls = QStyle::SC_ToolButton;
        drawAt(box,
               [&] { m_style->drawComplexControl(QStyle::CC_ToolButton, &option, &m_painter, nullptr); });
    }

    void button(const QRect &box, const QString &caption, bool enabled)
    {
        QStyleOptionButton option;
        option.initFrom(m_pad);
        option.palette = m_palette;
        option.palette.setCurrentColorGroup(enabled ? QPalette::Active : QPalette::Disabled);
        option.state = QStyle::State_Raised | (enabled ? QStyle::State_Enabled : QStyle::State_None);
        option.rect = box;
        option.text = caption;
        m_painter.setFont(m_small);
        m_style->drawControl(QStyle::CE_PushButton, &option, &m_painter, nullptr);
    }

    QRect readOnlyBox(const QRect &box)
    {
        QStyleOptionFrame option;
        option.initFrom(m_pad);
        option.palette = m_palette;
        option.state = QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_ReadOnly;
        option.rect = box;
        option.lineWidth = m_style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, nullptr);
        m_style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &m_painter, nullptr);
        return box;
    }

    QRect sunkenPanel(const QRect &box)
    {
        qDrawShadePanel(&m_painter, box, m_palette, true, 1);
        return box;
    }

    QSize indicatorSize() const
    {
        return {m_style->pixelMetric(QStyle::PM_IndicatorWidth) +
                    m_style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
                m_style->pixelMetric(QStyle::PM_IndicatorHeight)};
    }

private:
    void init(QStyleOption &option, const QRect &box) const
    {
        option.initFrom(m_pad);
        option.palette = m_palette;
        option.state = QStyle::State_Enabled;
        option.rect = QRect(QPoint(0, 0), box.size());
    }
    template <typename Draw> void drawAt(const QRect &box, const Draw &draw)
    {
        m_painter.save();
        m_painter.translate(box.topLeft());
        draw();
        m_painter.restore();
    }

    QPainter &m_painter;
    const QWidget *m_pad;
    QStyle *m_style;
    QPalette m_palette;
    QFont m_base;
    QFont m_small;
};

// Everything a pad shows that does not depend on its record, as `kept` shows its buttons.
FaceLayout drawTemplate(QPainter &painter, const QWidget *pad, bool kept)
{
    ControlDrawer draw(painter, pad);
    FaceLayout layout;
    layout.small = draw.small();
    layout.base = draw.base();
    for (int row : {0, 1}) {
        const PadLayout::TimeRow r = PadLayout::timeRow(row);
        draw.label(row == 0 ? u"開"_s : u"終"_s, r.upperCaption, PadLayout::CaptionPointSize);
        draw.label(row == 0 ? u"始"_s : u"了"_s, r.lowerCaption, PadLayout::CaptionPointSize);
        layout.hourField[row] = draw.combo(r.hourBox, true, draw.small());
        draw.label(u":"_s, r.colon, PadLayout::ColonPointSize);
        layout.minuteField[row] = draw.spin(r.minuteBox);
        draw.label(u"PM"_s, r.pmCaption, PadLayout::PmCaptionPointSize);
        layout.pmIndicator[row] = draw.check(QRect(r.pmBox, draw.indicatorSize()), QString());
    }
    draw.arrow(PadLayout::moveUpButton, Qt::UpArrow);
    draw.arrow(PadLayout::moveDownButton, Qt::DownArrow);
    layout.mark = draw.sunkenPanel(PadLayout::markLabel);
    layout.keywordField = draw.combo(PadLayout::keywordBox, true, draw.base());
    layout.descriptionField = draw.combo(PadLayout::descriptionBox, true, draw.base());
    layout.numberBox = draw.readOnlyBox(PadLayout::numberBox);
    layout.completedIndicator = draw.check(PadLayout::completedBox, u"完了"_s);
    layout.colourLabel = draw.combo(PadLayout::colorBox, false, draw.base());
    draw.button(PadLayout::keepButton, u"一時保存"_s, !kept);
    draw.button(PadLayout::reviseButton, u"変更"_s, kept);
    return layout;
}

// A check box's indicator ticked, as the style draws it.
void drawTick(QPainter &painter, const QWidget *pad, const QRect &indicator)
{
    QStyleOptionButton on;
    on.initFrom(pad);
    on.palette = QApplication::palette();
    on.state = QStyle::State_Enabled | QStyle::State_On;
    on.rect = indicator;
    pad->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &on, &painter, nullptr);
}

FaceTemplate makeTemplate(const QWidget *pad, const QStyleOptionFrame &frame)
{
    FaceTemplate t;
    const qreal dpr = pad->devicePixelRatioF();
    for (bool kept : {false, true}) {
        QPixmap picture(QSize(PlanLayout::PadWidth, PlanLayout::PadHeight) * dpr);
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        t.layout = drawTemplate(painter, pad, kept);
        pad->style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, pad);
        painter.end();
        t.picture[kept] = picture;
    }
    // Fusion strokes the tick with antialiasing: drawn once here, copied at every painting.
    t.ticked = t.picture[0].copy();
    QPainter painter(&t.ticked);
    for (const QRect &indicator :
         {t.layout.pmIndicator[0], t.layout.pmIndicator[1], t.layout.completedIndicator})
        drawTick(painter, pad, indicator);
    painter.end();
    return t;
}

// What a template depends on: the pads' font, style and pixel ratio and the colours of their frame.
struct TemplateKey
{
    QFont font;
    QString style;
    qreal pixelRatio;
    QRgb light;
    QRgb dark;
    QRect frame;
    int frameStyle;
    bool operator==(const TemplateKey &) const = default;
};

// Drawn once per run for each font, style, pixel ratio and frame, shared by every pad.
const FaceTemplate &faceTemplate(const QWidget *pad, const QStyleOptionFrame &frame)
{
    static std::deque<std::pair<TemplateKey, FaceTemplate>> templates;
    const TemplateKey key{pad->font(),
                          pad->style()->name(),
                          pad->devicePixelRatioF(),
                          frame.palette.color(QPalette::Light).rgba(),
                          frame.palette.color(QPalette::Dark).rgba(),
                          frame.rect,
                          int(frame.frameShape) << 16 | frame.lineWidth << 8 |
                              int(frame.state & (QStyle::State_Sunken | QStyle::State_Raised))};
    for (const auto &[made, t] : templates) {
        if (made == key)
            return t;
    }
    return templates.emplace_back(key, makeTemplate(pad, frame)).second;
}

void drawClipped(QPainter &painter, const QRect &field, const QString &text)
{
    painter.save();
    painter.setClipRect(field.adjusted(0, 0, 2, 0));
    drawLine(painter, field.adjusted(1, 0, 0, 0), text);
    painter.restore();
}

} // namespace

void PadFace::paint(QPainter &painter, const QWidget *pad, const QStyleOptionFrame &frame, int number) const
{
    const FaceTemplate &t = faceTemplate(pad, frame);
    const FaceLayout &l = t.layout;
    const QPalette palette = QApplication::palette();
    painter.drawPixmap(0, 0, t.picture[kept]);

    painter.setPen(palette.color(QPalette::Text));
    painter.setFont(l.small);
    const QString hours[2] = {startHour, endHour};
    const int minutes[2] = {startMinute, endMinute};
    const bool pms[2] = {startPm, endPm};
    for (int row : {0, 1}) {
        drawClipped(painter, l.hourField[row], hours[row]);
        drawLine(painter, l.minuteField[row].adjusted(2, 0, 0, 0), QString::number(minutes[row]));
    }

    const qreal dpr = t.ticked.devicePixelRatio();
    const auto tick = [&](const QRect &indicator) {
        painter.drawPixmap(QRectF(indicator), t.ticked,
                           QRectF(QPointF(indicator.topLeft()) * dpr, QSizeF(indicator.size()) * dpr));
    };
    for (int row : {0, 1}) {
        if (pms[row])
            tick(l.pmIndicator[row]);
    }
    if (completed)
        tick(l.completedIndicator);

    painter.setFont(l.base);
    drawClipped(painter, l.keywordField, keyword);
    drawClipped(painter, l.descriptionField, description);
    ShapedText::drawCentred(painter, l.numberBox, QString::number(number));

    // The colour box: its swatch, then the colour's name, as the box's own label puts them.
    const QRect swatch(l.colourLabel.left() + 2, l.colourLabel.center().y() - 4, 14, 10);
    painter.drawPixmap(swatch, ColorComboBox::swatchOf(color).pixmap(swatch.size()));
    drawLine(painter, l.colourLabel.adjusted(swatch.width() + 6, 0, 0, 0), ColorComboBox::nameOf(color));

    painter.fillRect(l.mark.adjusted(1, 1, -1, -1), Qt::white);
    if (marked) {
        painter.setPen(Qt::black);
        ShapedText::drawCentred(painter, l.mark, u"◆"_s);
    }
}
