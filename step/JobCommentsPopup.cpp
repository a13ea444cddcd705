#include "step/JobCommentsPopup.h"

#include "data/SjisCodec.h"
#include "widgets/FixedColours.h"

#include "ui_JobCommentsPopup.h"

#include <QMouseEvent>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

JobCommentsPopup::JobCommentsPopup(const QString &comments, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::JobCommentsPopup>())
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    QPlainTextEdit *text = m_ui->commentsEdit;
    text->setPlainText(textFor(comments));
    // Only the text area is coloured; the scroll bar keeps the style's own look.
    FixedColours::setBackground(text->viewport(), QPalette::Base, QColor(224, 255, 255), true);
    text->viewport()->setCursor(Qt::ArrowCursor);
    text->viewport()->installEventFilter(this);
}

JobCommentsPopup::~JobCommentsPopup() = default;

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
    if (watched == m_ui->commentsEdit->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
