#include "SdlSoundBackend.h"

#include "Resources.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "SdlLibrary.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 2;
constexpr int kDeviceSamples = 512;
// After a sound's own length, how long to wait at most for the device to
// drain what is still queued (a device that stops consuming must not hang us).
constexpr int kDrainGraceMs = 250;
// Longer sounds (the opening fanfare, the jester, the win) play once or
// seldom: they are decoded for each playing instead of kept, since SDL's
// queue holds its own copy of what plays.
constexpr int kKeepDecodedMs = 2500;
} // namespace

TSdlSoundBackend::TSdlSoundBackend(WaveSource source)
    : source_(source ? std::move(source) : WaveSource([](const QString& name) { return ResourceData(name); })) {}

TSdlSoundBackend::~TSdlSoundBackend() {
    CloseDevice();
    if (audioUp_) sdl_->QuitSubSystem(SDL_INIT_AUDIO);
}

// The audio subsystem stays up: opening a device again is quick, starting
// the subsystem is not (it looks for the audio server).
void TSdlSoundBackend::CloseDevice() {
    if (idleTimer_) idleTimer_->stop();
    if (state_ != DeviceState::Open) return;
    sdl_->CloseAudioDevice(device_);
    device_ = 0;
    state_ = DeviceState::NotTried; // the next sound opens it again
}

void TSdlSoundBackend::CloseWhenIdle(int playingMs) {
    if (state_ != DeviceState::Open || QCoreApplication::instance() == nullptr) return;
    if (!idleTimer_) {
        idleTimer_ = std::make_unique<QTimer>();
        idleTimer_->setSingleShot(true);
        QObject::connect(idleTimer_.get(), &QTimer::timeout, [this] {
            if (state_ != DeviceState::Open) return;
            if (sdl_->GetQueuedAudioSize(device_) > 0)
                CloseWhenIdle(0); // still draining: look again later
            else
                CloseDevice();
        });
    }
    idleTimer_->start(std::max(playingMs, 0) + std::max(idleCloseMs_, 0));
}

bool TSdlSoundBackend::EnsureDevice() {
    if (state_ != DeviceState::NotTried) return state_ == DeviceState::Open;
    state_ = DeviceState::Unavailable;
    if (sdl_ == nullptr) sdl_ = SdlApi();
    if (sdl_ == nullptr) return false;
    if (!audioUp_) {
        // SDL's audio pulls in its event system, which would otherwise take
        // over SIGINT and SIGTERM from the program.
        sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quillane");
        if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        audioUp_ = true;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kDeviceChannels;
    wanted.samples = kDeviceSamples;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to the hardware's format itself, so
    // every wave is converted once to this one format.
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
        audioUp_ = false;
        return false;
    }
    if (obtained.freq != frequency_ || obtained.channels != channels_ || obtained.format != format_)
        sounds_.clear(); // converted for another format (cannot happen while SDL converts for us)
    frequency_ = obtained.freq;
    channels_ = obtained.channels;
    format_ = obtained.format;
    bytesPerSecond_ = frequency_ * channels_ * int(SDL_AUDIO_BITSIZE(format_) / 8);
    sdl_->PauseAudioDevice(device_, 0);
    state_ = DeviceState::Open;
    return true;
}

const TSdlSoundBackend::Sound* TSdlSoundBackend::Decode(const QString& name) {
    const auto found = sounds_.constFind(name);
    if (found != sounds_.constEnd()) return found->samples.empty() ? nullptr : &*found;

    Sound& sound = sounds_[name]; // stays empty when decoding fails
    const QByteArray wave = source_(name);
    if (wave.isEmpty()) return nullptr;

    SDL_AudioSpec waveFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = sdl_->RWFromConstMem(wave.constData(), int(wave.size()));
    if (!rw || !sdl_->LoadWAV_RW(rw, 1, &waveFormat, &buffer, &length)) return nullptr;

    SDL_AudioCVT cvt;
    const int built = sdl_->BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels, waveFormat.freq, format_,
                                        Uint8(channels_), frequency_);
    if (built < 0) {
        sdl_->FreeWAV(buffer);
        return nullptr;
    }
    std::vector<unsigned char> samples(std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1)));
    std::memcpy(samples.data(), buffer, length);
    sdl_->FreeWAV(buffer);
    if (built == 1) {
        cvt.buf = samples.data();
        cvt.len = int(length);
        if (sdl_->ConvertAudio(&cvt) != 0) return nullptr;
        samples.resize(std::size_t(cvt.len_cvt));
    }
    // The conversion needed room for len_mult times the wave; a kept sound holds only its samples.
    samples.shrink_to_fit();
    if (samples.empty()) return nullptr;
    sound.milliseconds = int(qint64(samples.size()) * 1000 / bytesPerSecond_);
    sound.samples = std::move(samples);
    return &sound;
}

void TSdlSoundBackend::Play(const QString& name, bool wait) {
    if (idleTimer_) idleTimer_->stop(); // not closed under the new sound
    if (!EnsureDevice()) return;
    const Sound* sound = Decode(name);
    sdl_->ClearQueuedAudio(device_);
    if (!sound) {
        CloseWhenIdle(0);
        return;
    }
    const int milliseconds = sound->milliseconds;
    const bool queued = sdl_->QueueAudio(device_, sound->samples.data(), Uint32(sound->samples.size())) == 0;
    if (milliseconds > kKeepDecodedMs) sounds_.remove(name);
    if (!queued) return;
    if (wait) WaitUntilPlayed(milliseconds);
    CloseWhenIdle(wait ? 0 : milliseconds);
}

// Keeps the window painting while a sound plays to its end, but holds back
// the user's input until it has ended.
void TSdlSoundBackend::WaitUntilPlayed(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    const auto pump = [] {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    while (clock.elapsed() < milliseconds) {
        pump();
        QThread::msleep(std::clamp<qint64>(milliseconds - clock.elapsed(), 0, 5));
    }
    while (sdl_->GetQueuedAudioSize(device_) > 0 && clock.elapsed() < milliseconds + kDrainGraceMs) {
        pump();
        QThread::msleep(2);
    }
}
