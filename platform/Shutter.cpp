#include "platform/Shutter.h"

#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"

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

QString path(const QString &exeDir)
{
    return exeDir + u"/Shutter.wav"_s;
}

void playIfPresent(const QString &exeDir, Services &services)
{
    if (QFileInfo::exists(path(exeDir)))
        services.sound.play(path(exeDir));
}

bool play(const QString &exeDir, Services &services, QWidget *parent)
{
    if (!QFileInfo::exists(path(exeDir))) {
        services.dialogs.informCaptioned(parent, missingCaption(), missingText());
        return false;
    }
    services.sound.play(path(exeDir));
    return true;
}

} // namespace Shutter
