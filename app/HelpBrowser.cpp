#include "app/HelpBrowser.h"

#include "data/SafeFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

HelpBrowser::HelpBrowser(const QString &folder, QWidget *parent)
    : QTextBrowser(parent), openExternal(&QDesktopServices::openUrl), m_folder(folder)
{
    // Links are followed here, not by the text browser, which would load any of them.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QByteArray HelpBrowser::readHelpFile(const QString &folder, const QString &path)
{
    // Compared as the files really lie, so that neither ".." nor a link leads out of the folder.
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (root.isEmpty() || !file.startsWith(root + u'/'))
        return {};
    QByteArray bytes;
    if (!SafeFile::read(file, &bytes, MaxFileBytes))
        return {};
    return bytes;
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    Q_UNUSED(type)
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile())
        return {};
    const QByteArray bytes = readHelpFile(m_folder, url.toLocalFile());
    return bytes.isNull() ? QVariant() : QVariant(bytes);
}

void HelpBrowser::followLink(const QUrl &link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https") {
        if (openExternal)
            openExternal(url);
        return;
    }
    if (url.isLocalFile() && !readHelpFile(m_folder, url.toLocalFile()).isNull())
        setSource(url);
}
