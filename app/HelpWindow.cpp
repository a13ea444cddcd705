#include "app/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxPageBytes = 1024 * 1024;

QString readPage(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(MaxPageBytes));
}

QString plain(QString html)
{
    html.remove(QRegularExpression(u"<[^>]*>"_s));
    html.replace(u"&amp;"_s, u"&"_s).replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
    return html.simplified();
}

} // namespace

HelpWindow::HelpWindow(const QString &folder, QWidget *parent) : QWidget(parent, Qt::Window), m_folder(folder)
{
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(u"Wrenly ヘルプ"_s);

    auto *back = new QToolButton(this);
    back->setObjectName(u"btnBack"_s);
    back->setText(u"← 戻る"_s);
    auto *forward = new QToolButton(this);
    forward->setObjectName(u"btnForward"_s);
    forward->setText(u"進む →"_s);
    auto *home = new QToolButton(this);
    home->setObjectName(u"btnContents"_s);
    home->setText(u"目次"_s);
    for (QToolButton *b : {back, forward, home})
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(u"treeContents"_s);
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"browserHelp"_s);
    m_browser->setSearchPaths({folder});
    // Links to the web stay out of the help window; the pages have none of their own.
    m_browser->setOpenExternalLinks(false);

    auto *split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 560});

    auto *bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { m_browser->setSource(item->data(0, Qt::UserRole).toUrl()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { m_browser->setSource(item->data(0, Qt::UserRole).toUrl()); });
    back->setEnabled(false);
    forward->setEnabled(false);

    buildContents();
    resize(820, 580);
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
        const QString html = readPage(dir.filePath(name));
        const QUrl url = QUrl::fromLocalFile(dir.filePath(name));
        auto *page = new QTreeWidgetItem(m_contents, {plain(title.match(html).captured(1))});
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
    for (auto it = link.globalMatch(readPage(dir.filePath(indexName()))); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (seen.contains(name) || !QFileInfo(dir.filePath(name)).isFile())
            continue;
        seen << name;
        addPage(name);
    }
    m_contents->expandAll();
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
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_contents->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toUrl() == page) {
            if (!m_contents->currentItem() || m_contents->currentItem()->data(0, Qt::UserRole).toUrl() != url)
                m_contents->setCurrentItem(item);
            return;
        }
    }
}
