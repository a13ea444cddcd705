#pragma once

#include <QComboBox>

#include <functional>

// The colour box: the sixteen standard colours and four extended ones by name, then a custom
// colour picked in the colour dialog. Values are kept as the files hold them, 0x00BBGGRR.
class ColorComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorComboBox(QWidget *parent = nullptr);

    qint32 colorValue() const;
    void setColorValue(qint32 value);

    static QColor toColor(qint32 value);
    static qint32 toValue(const QColor &color);
    // What the box shows for a value: the colour's name (or the custom entry's) and its swatch.
    static QString nameOf(qint32 value);
    static QIcon swatchOf(qint32 value);

    // Asks for a custom colour; tests replace it so no dialog opens.
    std::function<QColor(QWidget *parent, const QColor &initial)> pickColor;

private:
    void setCustom(qint32 value);
    void onActivated(int index);

    int m_customIndex = -1;
};
