#include "views/DataViewerWindow.h"

#include "platform/Hints.h"
#include "platform/WindowPlacer.h"
#include "views/HintForwarder.h"
#include "views/ViewColours.h"
#include "views/ViewHost.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

DataViewerWindow::DataViewerWindow(ViewHost &host, const QString &caption, const QStringList &lines,
                                   QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmDataViewer"_s);
    setWindowTitle(caption);
    forwardHintsToHost(this, host);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"memDataViewer"_s);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = m_text->font();
    font.setPixelSize(15);
    m_text->setFont(font);
    // Only the viewport takes the colour, so the scroll bars keep the style's shared palette.
    FixedColours::setBackground(m_text->viewport(), QPalette::Base, ViewColours::listArea(), true);
    m_text->viewport()->setCursor(Qt::ArrowCursor);
    m_text->setPlainText(lines.join(u'\n'));
    Hints::set(m_text, u"|データファイルのデータが新しい順に表示されます."_s);

    m_closeButton = new QPushButton(u"閉じる(&C)"_s, this);
    m_closeButton->setObjectName(u"btnDVClose"_s);
    m_closeButton->setAutoDefault(false);
    Hints::set(m_closeButton, u"|データビューアを閉じます."_s);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 8);
    layout->addWidget(m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    QWidget *main = host.mainWindow();
    m_mainWindow = main;
    resize(WindowWidth, main ? main->height() : 600);
    InstantMnemonics::apply(this);
}

void DataViewerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Just right of the main window, at the top of the screen.
    WindowPlacer::place(this, {WindowPlacer::besideOf(m_mainWindow, QPoint(WindowLeft, 0)), size()});
}
