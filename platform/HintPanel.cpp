#include "platform/HintPanel.h"

#include <QEvent>
#include <QStatusBar>

HintPanel *HintPanel::addTo(QStatusBar *bar, const QString &objectName)
{
    auto *panel = new HintPanel(bar);
    panel->setObjectName(objectName);
    // A permanent widget: QStatusBar hides its other widgets while it shows a message.
    bar->insertPermanentWidget(0, panel, 1);
    connect(bar, &QStatusBar::messageChanged, panel, &HintPanel::showHint);
    return panel;
}

HintPanel::HintPanel(QWidget *parent) : QLabel(parent)
{
    // Only the stretch decides the width: a long hint must not widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(1);
    setTextFormat(Qt::PlainText);
    setIndent(3);
}

void HintPanel::showHint(const QString &text)
{
    m_hint = text;
    fit();
}

void HintPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void HintPanel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void HintPanel::fit()
{
    const int room = contentsRect().width() - 2 * margin() - indent();
    const QString shown = fontMetrics().elidedText(m_hint, Qt::ElideRight, qMax(room, 0));
    setText(shown);
    setToolTip(shown == m_hint ? QString() : m_hint);
}
