#include "app/AboutDialog.h"

#include "app/Artwork.h"
#include "platform/WindowPlacer.h"

#include "ui_AboutDialog.h"

#include <QFont>

using namespace Qt::StringLiterals;

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_ui->iconLabel->setPixmap(Artwork::applicationIcon().pixmap(48, 48));
    // Larger than the program's font, whichever it is.
    QFont big = m_ui->productLabel->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    m_ui->productLabel->setFont(big);
    m_ui->versionLabel->setText(versionText());
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(qMax(325, sizeHint().width()), qMax(240, sizeHint().height()));
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::versionText()
{
    return u"Version "_s + QStringLiteral(WRENLY_VERSION);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacer::place(this, {WindowPlacer::besideOf(parentWidget(), QPoint(420, 0)), size()});
}
