#include "step/JobCommentsPopup.h"

#include "data/SjisCodec.h"
#include "widgets/FixedColours.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

JobCommentsPopup::JobCommentsPopup(const QString &comments, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"dlgBaseComments"_s);
    setWindowTitle(u"基本データの[内容]"_s);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"memComments"_s);
    m_text->setReadOnly(true);
    m_text->setFixedSize(295, 75);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setPlainText(textFor(comments));
    m_text->setToolTip(u"閉じる - 左クリック"_s);
    // Only the text area is coloured; the scroll bar keeps the style's own look.
    FixedColours::setBackground(m_text->viewport(), QPalette::Base, QColor(224, 255, 255), true);
    m_text->viewport()->setCursor(Qt::ArrowCursor);
    m_text->viewport()->installEventFilter(this);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_text);
    setFixedSize(295, 75);
}

QString JobCommentsPopup::textFor(const QString &comments)
{
    QString text = Sjis::fromCrLf(comments);
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    return text + u"   \n     ----------------------------------------   \n"
                  u"     この表示は文字面をクリックして閉じてください．"_s;
}

bool JobCommentsPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
