#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int WakeDelayMs = 100;

} // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &wavPath)
{
    if (!m_ready) {
        // The audio system is woken on the first sound, a moment later: the window that asked for
        // it paints first, and the start-up does not wait for the audio system.
        m_ready = true;
        QTimer::singleShot(WakeDelayMs, [this, wavPath] {
            if (!QMediaDevices::audioOutputs().isEmpty())
                m_effect = std::make_unique<QSoundEffect>();
            play(wavPath);
        });
        return;
    }
    if (!m_effect)
        return;
    const QUrl url = QUrl::fromLocalFile(wavPath);
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->stop();
    m_effect->play();
}
