#pragma once

#include <QString>

#include <memory>

// Plays a short wave file without waiting for it to end.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavPath) = 0;
};

class QSoundEffect;

// One sound effect for the whole run, loaded once and reused. Without an audio
// output (CI, a headless box) it stays silent instead of reporting errors.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString &wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
    bool m_ready = false;
};
