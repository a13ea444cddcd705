#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int WakeDelayMs = 100;

QtMessageHandler passOn = nullptr;

// Without a sound server the audio system says so on every start, some of it outside any logging
// category. The user has no use for it; QT_LOGGING_RULES brings it back for whoever asks.
void dropAudioSystemMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
        const QByteArrayView category(context.category ? context.category : "");
        if (category.startsWith("qt.multimedia") || message.startsWith(u"PulseAudioService"))
            return;
    }
    passOn(type, context, message);
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    if (!passOn && qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        passOn = qInstallMessageHandler(dropAudioSystemMessages);
}

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
