#include "app/AboutDialog.h"

#include "app/Artwork.h"
#include "platform/WindowPlacer.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"AboutBox"_s);
    setWindowTitle(u"バージョン情報"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto *icon = new QLabel(this);
    icon->setObjectName(u"ProgramIcon"_s);
    icon->setPixmap(Artwork::applicationIcon().pixmap(48, 48));
    auto *product = new QLabel(u"Wrenly"_s, this);
    product->setObjectName(u"ProductName"_s);
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    product->setFont(big);
    auto *version = new QLabel(versionText(), this);
    version->setObjectName(u"Version"_s);
    auto *copyright = new QLabel(u"Copyright © Wrenly の開発者"_s, this);
    copyright->setObjectName(u"Copyright"_s);
    auto *license = new QLabel(u"このプログラムは無保証で提供されます."_s, this);
    auto *comments = new QLabel(u"ご意見・不具合のご連絡は, 配布元までお寄せください."_s, this);
    comments->setWordWrap(true);
    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"OKButton"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1, Qt::AlignLeft);
    grid->addWidget(version, 1, 1, Qt::AlignLeft);
    grid->addWidget(copyright, 2, 0, 1, 2);
    grid->addWidget(license, 3, 0, 1, 2);
    grid->addWidget(comments, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->addWidget(ok, 6, 0, 1, 2, Qt::AlignHCenter);
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
