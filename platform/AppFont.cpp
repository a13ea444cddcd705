#include "platform/AppFont.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class FontKeeper final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Set again after the change is through, not inside it.
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange &&
            QApplication::font() != AppFont::layoutFont())
            QTimer::singleShot(0, qApp, [] { QApplication::setFont(AppFont::layoutFont()); });
        return false;
    }
};

} // namespace

namespace AppFont {

QFont layoutFont()
{
    // Asked for by name, not looked up in the list of all families: listing them costs the start
    // some milliseconds, and a missing face falls back to the nearest one anyway.
    return QFont(u"IPAPGothic"_s, 9);
}

void hold(QApplication &app)
{
    QApplication::setFont(layoutFont());
    app.installEventFilter(new FontKeeper(&app));
}

} // namespace AppFont
