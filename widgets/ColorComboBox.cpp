#include "widgets/ColorComboBox.h"

#include <QColorDialog>
#include <QHash>
#include <QPainter>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace {

struct NamedColor
{
    qint32 value; // 0x00BBGGRR
    const char16_t *name;
};

const NamedColor namedColors[] = {
    {0x000000, u"黒"},
    {0x000080, u"栗色"},
    {0x008000, u"緑"},
    {0x008080, u"オリーブ"},
    {0x800000, u"紺"},
    {0x800080, u"紫"},
    {0x808000, u"青緑"},
    {0x808080, u"灰色"},
    {0xC0C0C0, u"銀色"},
    {0x0000FF, u"赤"},
    {0x00FF00, u"ライム"},
    {0x00FFFF, u"黄"},
    {0xFF0000, u"青"},
    {0xFF00FF, u"赤紫"},
    {0xFFFF00, u"水色"},
    {0xFFFFFF, u"白"},
    {0xC0DCC0, u"マネーグリーン"},
    {0xF0CAA6, u"スカイブルー"},
    {0xF0FBFF, u"クリーム"},
    {0xA4A0A0, u"ミディアムグレー"},
};

// One swatch per colour for the whole run: 24 pads open at once must not paint 500 icons.
QIcon swatch(qint32 value)
{
    static QHash<qint32, QIcon> cache;
    auto it = cache.constFind(value);
    if (it != cache.constEnd())
        return *it;
    QPixmap pm(14, 10);
    pm.fill(ColorComboBox::toColor(value));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 13, 9);
    p.end();
    return *cache.insert(value, QIcon(pm));
}

} // namespace

ColorComboBox::ColorComboBox(QWidget *parent) : QComboBox(parent)
{
    setIconSize(QSize(14, 10));
    for (const NamedColor &c : namedColors)
        addItem(swatch(c.value), QString::fromUtf16(c.name), c.value);
    addItem(swatch(0), u"カスタム..."_s, 0);
    m_customIndex = count() - 1;
    setCurrentIndex(0);
    pickColor = [](QWidget *owner, const QColor &initial) {
        return QColorDialog::getColor(initial, owner, u"色の設定"_s);
    };
    connect(this, &QComboBox::activated, this, &ColorComboBox::onActivated);
}

qint32 ColorComboBox::colorValue() const
{
    return currentData().toInt();
}

void ColorComboBox::setColorValue(qint32 value)
{
    for (int i = 0; i < m_customIndex; ++i) {
        if (itemData(i).toInt() == value) {
            setCurrentIndex(i);
            return;
        }
    }
    setCustom(value);
}

void ColorComboBox::setCustom(qint32 value)
{
    setItemData(m_customIndex, value);
    setItemIcon(m_customIndex, swatch(value));
    setCurrentIndex(m_customIndex);
}

void ColorComboBox::onActivated(int index)
{
    if (index != m_customIndex || !pickColor)
        return;
    const QColor chosen = pickColor(this, toColor(itemData(index).toInt()));
    if (chosen.isValid())
        setColorValue(toValue(chosen));
}

QString ColorComboBox::nameOf(qint32 value)
{
    for (const NamedColor &c : namedColors) {
        if (c.value == value)
            return QString::fromUtf16(c.name);
    }
    return u"カスタム..."_s;
}

QIcon ColorComboBox::swatchOf(qint32 value)
{
    return swatch(value);
}

QColor ColorComboBox::toColor(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 ColorComboBox::toValue(const QColor &color)
{
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}
