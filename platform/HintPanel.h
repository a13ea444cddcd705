#pragma once

#include <QLabel>

class QStatusBar;

// The hint panel of a status bar: it takes the width the other panels leave, shows the current
// hint whole when it fits, else cut with "…" and whole in its tool tip. It mirrors the bar's
// message (QStatusBar::showMessage), so a hint never hides the other panels.
class HintPanel final : public QLabel
{
    Q_OBJECT
public:
    // Adds the panel to `bar` ahead of its other panels, under `objectName`.
    static HintPanel *addTo(QStatusBar *bar, const QString &objectName);

    explicit HintPanel(QWidget *parent = nullptr);
    QString hint() const { return m_hint; }
    void showHint(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fit();

    QString m_hint;
};
