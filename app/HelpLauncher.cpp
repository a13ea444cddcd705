#include "app/HelpLauncher.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

HelpLauncher::HelpLauncher(Dialogs &dialogs, QWidget &window, const QString &folder)
    : m_dialogs(dialogs), m_window(window), m_folder(folder)
{}

void HelpLauncher::show(const QString &page)
{
    if (!HelpWindow::hasPages(m_folder)) {
        m_dialogs.informCaptioned(
            &m_window, u"ファイルが存在しません"_s,
            u"[Wrenly] ヘルプのページが見つかりません."_s + u"\r\n\r\n"_s +
                QDir::toNativeSeparators(QDir(m_folder).filePath(HelpWindow::indexName())));
        return;
    }
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = &m_window;
    if (m_helpWindow && m_helpWindow->parentWidget() != owner)
        delete m_helpWindow;
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_folder, owner);
    if (!page.isEmpty())
        m_helpWindow->showPage(page);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
