#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>

// The text browser of the help window. It loads only regular files inside the help folder, through
// a bounded reader that never waits on a pipe; web links go to the desktop's browser and every
// other link is ignored, so no page can make the window read a device, a pipe or a private file.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpBrowser)
public:
    explicit HelpBrowser(const QString &folder, QWidget *parent = nullptr);

    // Far above any help page; the same bound for pages, pictures and the table of contents.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    // The bytes of a file of the help, or nothing for anything outside it or not a regular file.
    static QByteArray readHelpFile(const QString &folder, const QString &path);

    // Opens an http(s) link outside Wrenly; tests replace it.
    std::function<bool(const QUrl &)> openExternal;

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);

    QString m_folder;
};
