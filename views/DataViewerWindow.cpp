#include "views/DataViewerWindow.h"

#include "platform/WindowPlacer.h"
#include "views/HintForwarder.h"
#include "views/ViewColours.h"
#include "views/ViewHost.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

#include "ui_DataViewerWindow.h"

using namespace Qt::StringLiterals;

DataViewerWindow::DataViewerWindow(ViewHost &host, const QString &caption, const QStringList &lines,
                                   QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::DataViewerWindow>())
{
    m_ui->setupUi(this);
    setWindowTitle(caption);
    forwardHintsToHost(this, host);

    QPlainTextEdit *text = m_ui->textView;
    QFont font = text->font();
    font.setPixelSize(15);
    text->setFont(font);
    // Only the viewport takes the colour, so the scroll bars keep the style's shared palette.
    FixedColours::setBackground(text->viewport(), QPalette::Base, ViewColours::listArea(), true);
    text->viewport()->setCursor(Qt::ArrowCursor);
    text->setPlainText(lines.join(u'\n'));
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::close);

    QWidget *main = host.mainWindow();
    m_mainWindow = main;
    resize(WindowWidth, main ? main->height() : 600);
    InstantMnemonics::apply(this);
}

DataViewerWindow::~DataViewerWindow() = default;

QPlainTextEdit *DataViewerWindow::textView() const
{
    return m_ui->textView;
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
