#include "app/HelpWindow.h"

#include "app/HelpBrowser.h"

#include "ui_HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString readPage(const QString &folder, const QString &name)
{
    return QString::fromUtf8(HelpBrowser::readHelpFile(folder, QDir(folder).filePath(name)));
}

QString plain(QString html)
{
    html.remove(QRegularExpression(u"<[^>]*>"_s));
    html.replace(u"&amp;"_s, u"&"_s).replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
    return html.simplified();
}

} // namespace

HelpWindow::HelpWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::HelpWindow>()), m_folder(folder)
{
    m_ui->setupUi(this);
    // Made here: the browser takes its folder when it is made.
    m_browser = new HelpBrowser(folder, this);
    m_browser->setObjectName(u"helpBrowser"_s);
    QSplitter *split = m_ui->splitter;
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 560});

    QToolButton *back = m_ui->backButton;
    QToolButton *forward = m_ui->forwardButton;
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_ui->contentsButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    const auto showItem = [this](QTreeWidgetItem *item) {
        m_browser->setSource(item->data(0, Qt::UserRole).toUrl());
    };
    connect(m_ui->contentsTree, &QTreeWidget::itemActivated, this, showItem);
    connect(m_ui->contentsTree, &QTreeWidget::itemClicked, this, showItem);
    back->setEnabled(false);
    forward->setEnabled(false);

    buildContents();
    showContents();
}

HelpWindow::~HelpWindow() = default;

bool HelpWindow::hasPages(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(indexName())).isFile();
}

void HelpWindow::showContents()
{
    m_browser->setSource(QUrl::fromLocalFile(QDir(m_folder).filePath(indexName())));
}

void HelpWindow::showPage(const QString &name)
{
    m_browser->setSource(QUrl::fromLocalFile(QDir(m_folder).filePath(name)));
}

QUrl HelpWindow::source() const
{
    return m_browser->source();
}

void HelpWindow::buildContents()
{
    const QDir dir(m_folder);
    static const QRegularExpression link(u"<a\\s+href=\"([^\"#:]+\\.html)(#[^\"]*)?\""_s);
    static const QRegularExpression title(u"<title>(.*?)</title>"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(u"<h2\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h2>"_s,
                                            QRegularExpression::DotMatchesEverythingOption);
    auto addPage = [&](const QString &name) {
        const QString html = readPage(m_folder, name);
        const QUrl url = QUrl::fromLocalFile(dir.filePath(name));
        auto *page = new QTreeWidgetItem(m_ui->contentsTree, {plain(title.match(html).captured(1))});
        page->setData(0, Qt::UserRole, url);
        for (auto it = heading.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QUrl at = url;
            at.setFragment(m.captured(1));
            auto *section = new QTreeWidgetItem(page, {plain(m.captured(2))});
            section->setData(0, Qt::UserRole, at);
        }
    };
    addPage(indexName());
    QStringList seen{indexName()};
    for (auto it = link.globalMatch(readPage(m_folder, indexName())); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (seen.contains(name) || !QFileInfo(dir.filePath(name)).isFile())
            continue;
        seen << name;
        addPage(name);
    }
    m_ui->contentsTree->expandAll();
}

// The table of contents marks the page shown.
void HelpWindow::followSource(const QUrl &url)
{
    QUrl page = url;
    page.setFragment({});
    // A page that is not there would leave the pane blank.
    if (page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile())
        m_browser->document()->setHtml(u"<h2>ヘルプのページが見つかりません</h2><p>「"_s +
                                       page.fileName().toHtmlEscaped() + u"」がヘルプのフォルダー「"_s +
                                       QDir::toNativeSeparators(m_folder).toHtmlEscaped() +
                                       u"」にありません。</p>"_s);
    for (int i = 0; i < m_ui->contentsTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_ui->contentsTree->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toUrl() == page) {
            if (!m_ui->contentsTree->currentItem() ||
                m_ui->contentsTree->currentItem()->data(0, Qt::UserRole).toUrl() != url)
                m_ui->contentsTree->setCurrentItem(item);
            return;
        }
    }
}
