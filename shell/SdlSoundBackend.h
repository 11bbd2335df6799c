// Sound output through SDL2: one audio device, opened at the first sound (so
// start-up does not wait for the audio system) and closed again once no sound
// has played for a while (its stream, buffers and thread are not kept for a
// program that is mostly silent); the next sound opens it again. Each wave is
// decoded and converted to the device's format once and kept, except the few
// long ones. A new sound clears whatever is still queued, so it stops the one
// playing.
#pragma once

#include "SoundManager.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

struct TSdlApi;

class TSdlSoundBackend : public TSoundBackend {
public:
    // Where the wave files come from; by default the program's resources.
    using WaveSource = std::function<QByteArray(const QString& name)>;

    explicit TSdlSoundBackend(WaveSource source = {});
    ~TSdlSoundBackend() override;
    TSdlSoundBackend(const TSdlSoundBackend&) = delete;
    TSdlSoundBackend& operator=(const TSdlSoundBackend&) = delete;

    void Play(const QString& name, bool wait) override;

    // Whether the device is open: false before the first sound, once it has
    // been idle for IdleCloseMs after the last sound ended, and when the
    // machine has no usable audio output.
    bool DeviceOpen() const { return state_ == DeviceState::Open; }
    // How long the device stays open after the last sound has ended.
    void SetIdleCloseMs(int milliseconds) { idleCloseMs_ = milliseconds; }

private:
    enum class DeviceState { NotTried, Open, Unavailable };
    struct Sound {
        std::vector<unsigned char> samples; // in the device's format
        int milliseconds = 0;
    };

    bool EnsureDevice();
    void CloseDevice();
    // Closes the device IdleCloseMs after `playingMs` from now, unless a
    // sound is queued then.
    void CloseWhenIdle(int playingMs);
    const Sound* Decode(const QString& name);
    void WaitUntilPlayed(int milliseconds);

    WaveSource source_;
    DeviceState state_ = DeviceState::NotTried;
    unsigned device_ = 0;
    const TSdlApi* sdl_ = nullptr; // SDL2, loaded at the first sound
    int frequency_ = 0;
    int channels_ = 0;
    unsigned short format_ = 0;
    int bytesPerSecond_ = 0;
    QHash<QString, Sound> sounds_;   // decoded waves; an empty entry marks one that failed
    bool audioUp_ = false; // SDL's audio subsystem is initialised
    int idleCloseMs_ = 5000;
    std::unique_ptr<QTimer> idleTimer_;
};
