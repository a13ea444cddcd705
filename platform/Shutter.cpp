#include "Shutter.h"

#include "Dialogs.h"
#include "Services.h"
#include "SoundPlayer.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Shutter {

QString missingCaption()
{
    return u"ファイルが存在しません"_s;
}

QString missingText()
{
    return u"[Wrenly] インストールフォルダー内に\r\n\r\nサウンドファイル [Shutter.wav] が存在しません"_s;
}

bool play(const QString &exeDir, Services &services, QWidget *parent)
{
    const QString path = exeDir + u"/Shutter.wav"_s;
    if (!QFileInfo::exists(path)) {
        services.dialogs.informCaptioned(parent, missingCaption(), missingText());
        return false;
    }
    services.sound.play(path);
    return true;
}

} // namespace Shutter
