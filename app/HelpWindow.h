#pragma once

#include <QUrl>
#include <QWidget>

#include <memory>

class HelpBrowser;

namespace Ui {
class HelpWindow;
}

// Wrenly's own help: HTML pages from one folder, with a table of contents built from the pages
// the first page links to and the headings (h2 with an id) inside each.
class HelpWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)
public:
    explicit HelpWindow(const QString &folder, QWidget *parent = nullptr);
    ~HelpWindow() override;

    static QString indexName() { return QStringLiteral("index.html"); }
    // Whether `folder` holds the help pages.
    static bool hasPages(const QString &folder);

    void showContents();
    // `name` is a page of the folder ("step.html"); one that is missing says so in the pane.
    void showPage(const QString &name);
    QUrl source() const;

private:
    void buildContents();
    void followSource(const QUrl &url);

    std::unique_ptr<Ui::HelpWindow> m_ui;
    QString m_folder;
    HelpBrowser *m_browser = nullptr;
};
