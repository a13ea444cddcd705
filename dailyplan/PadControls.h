#pragma once

#include <QComboBox>
#include <QValidator>

#include <functional>

// Controls shared by the schedule pads and, later, the routine pads.

// Refuses input longer than a field's capacity in Shift-JIS bytes, so what the user sees is what
// the file keeps.
class SjisLimitValidator final : public QValidator
{
    Q_OBJECT
public:
    SjisLimitValidator(int capacity, QObject *parent);
    State validate(QString &input, int &pos) const override;

private:
    int m_capacity;
};

// An editable drop-down whose list is read afresh from the list file's entries each time it opens.
class ListComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit ListComboBox(QWidget *parent = nullptr);
    void setSource(std::function<QStringList()> source) { m_source = std::move(source); }
    void showPopup() override;

private:
    std::function<QStringList()> m_source;
};

// The colour box: the sixteen standard colours and four extended ones by name, then a custom
// colour picked in the colour dialog. Values are kept as the files hold them, 0x00BBGGRR.
class ColorBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    qint32 colorValue() const;
    void setColorValue(qint32 value);

    static QColor toColor(qint32 value);
    static qint32 toValue(const QColor &color);

    // Asks for a custom colour; tests replace it so no dialog opens.
    std::function<QColor(QWidget *parent, const QColor &initial)> pickColor;

private:
    void setCustom(qint32 value);
    void onActivated(int index);

    int m_customIndex = -1;
};
