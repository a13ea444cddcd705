#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() : m_haveOutput(!QMediaDevices::audioOutputs().isEmpty())
{
    if (m_haveOutput)
        m_effect = std::make_unique<QSoundEffect>();
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &wavPath)
{
    if (!m_effect)
        return;
    const QUrl url = QUrl::fromLocalFile(wavPath);
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->stop();
    m_effect->play();
}
