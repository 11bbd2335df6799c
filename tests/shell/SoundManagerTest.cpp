// The sound manager's ten operations, and real playback on SDL's disk driver.
#include "ShellTestSupport.h"
#include "Preferences.h"
#include "SdlSoundBackend.h"
#include "SoundManager.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>
#include <csignal>

namespace {

// An 8-bit mono PCM wave of a square tone.
QByteArray Wave(int milliseconds, int rate = 22050) {
    const int samples = rate * milliseconds / 1000;
    QByteArray data(samples, '\0');
    for (int i = 0; i < samples; ++i) data[i] = char((i / 25) % 2 ? 0xE0 : 0x20);
    QByteArray wave;
    const auto u32 = [&](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        wave.append(reinterpret_cast<const char*>(&le), 4);
    };
    const auto u16 = [&](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        wave.append(reinterpret_cast<const char*>(&le), 2);
    };
    wave.append("RIFF");
    u32(quint32(36 + samples));
    wave.append("WAVEfmt ");
    u32(16);
    u16(1);                // PCM
    u16(1);                // mono
    u32(quint32(rate));
    u32(quint32(rate));    // bytes per second
    u16(1);                // block align
    u16(8);                // bits per sample
    wave.append("data");
    u32(quint32(samples));
    wave.append(data);
    return wave;
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? void(qputenv(name_, old_)) : void(qunsetenv(name_)); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TSdlSoundBackend::WaveSource Waves() {
    return [](const QString& name) -> QByteArray {
        if (name == QLatin1String("SHORT")) return Wave(300);
        if (name == QLatin1String("LONG")) return Wave(2000);
        if (name == QLatin1String("ODDRATE")) return Wave(200, 22254);
        if (name == QLatin1String("BROKEN")) return QByteArray("RIFF\x10\0\0\0WAVEjunk", 16);
        return {};
    };
}

// Milliseconds of sound (non-silent frames) in the disk driver's output:
// signed 16-bit stereo at 22050 frames a second.
int AudibleMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(data.constData());
    const qsizetype frames = data.size() / 4;
    qsizetype audible = 0;
    for (qsizetype f = 0; f < frames; ++f)
        if (samples[2 * f] != 0 || samples[2 * f + 1] != 0) ++audible;
    return int(audible * 1000 / 22050);
}

} // namespace

TEST(SoundManager, EachOperationPlaysItsWaveInItsMode) {
    TFakeSound sound;
    TSoundManager& m = sound.Manager();
    Preferences().DoSound = true;
    m.PlayShuffle();
    m.PlayDeal();
    m.PlayStock();
    m.PlayUndo();
    m.PlayAutoplay();
    m.PlayAutoplayAsync();
    m.PlayRestart();
    m.PlayOpen();
    m.PlayJester();
    m.PlayWin();
    const std::vector<std::pair<QString, bool>> expected{
        {"SHUFFLE", true}, {"DEAL", true},     {"STOCK", true}, {"UNDO", true},    {"AUTOPLAY", true},
        {"AUTOPLAY", false}, {"RESTART", true}, {"OPEN", false}, {"JESTER", false}, {"WIN_SND", false}};
    ASSERT_EQ(sound.Played().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(sound.Played()[i].Name, expected[i].first);
        EXPECT_EQ(sound.Played()[i].Wait, expected[i].second) << expected[i].first.toStdString();
    }
}

TEST(SoundManager, SoundsOffMakesNoCallAtAll) {
    TFakeSound sound;
    Preferences().DoSound = false;
    TSoundManager& m = sound.Manager();
    m.PlayShuffle();
    m.PlayDeal();
    m.PlayUndo();
    m.PlayWin();
    m.PlayJester();
    EXPECT_TRUE(sound.Played().empty());
    Preferences().DoSound = true;
    m.PlayUndo();
    EXPECT_EQ(sound.Names(), QStringList{"UNDO"});
}

class SdlPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Preferences().DoSound = true;
    }
    QString Output() const { return dir.filePath("audio.raw"); }
    QTemporaryDir dir;
};

TEST_F(SdlPlayback, SynchronousSoundTakesItsLengthAsynchronousReturnsAtOnce) {
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
    TSdlSoundBackend backend(Waves());
    EXPECT_FALSE(backend.DeviceOpen()); // nothing opened before the first sound

    QElapsedTimer clock;
    clock.start();
    backend.Play("SHORT", true);
    const qint64 sync = clock.elapsed();
    ASSERT_TRUE(backend.DeviceOpen());
    EXPECT_GE(sync, 300);
    EXPECT_LT(sync, 900);

    clock.restart();
    backend.Play("LONG", false);
    EXPECT_LT(clock.elapsed(), 150);

    // Opening the audio left the program's signals alone (Ctrl+C still ends it).
    struct sigaction action {};
    sigaction(SIGINT, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

TEST_F(SdlPlayback, ANewSoundCutsOffTheOnePlaying) {
    {
        ScopedEnv driver("SDL_AUDIODRIVER", "disk");
        ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
        TSdlSoundBackend backend(Waves());
        backend.Play("LONG", false);
        QThread::msleep(100);
        QElapsedTimer clock;
        clock.start();
        backend.Play("SHORT", true);
        EXPECT_LT(clock.elapsed(), 900); // did not wait for the long sound
        QThread::msleep(400);             // the long one would still be playing
    }
    const int audible = AudibleMs(Output());
    EXPECT_GT(audible, 250);
    EXPECT_LT(audible, 300 + 100 + 250) << "the long sound went on after the short one";
}

TEST_F(SdlPlayback, WavesOfOtherRatesAndBrokenWavesAreHandled) {
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
    TSdlSoundBackend backend(Waves());
    QElapsedTimer clock;
    clock.start();
    backend.Play("ODDRATE", true);
    EXPECT_GE(clock.elapsed(), 190);
    clock.restart();
    backend.Play("BROKEN", true);
    backend.Play("NOSUCHWAVE", true);
    EXPECT_LT(clock.elapsed(), 50);
}

TEST_F(SdlPlayback, TheProgramsOwnWavesPlayForTheirLength) {
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
    TSdlSoundBackend backend; // the embedded waves
    QElapsedTimer clock;
    clock.start();
    backend.Play("UNDO", true); // about 0.09 s
    EXPECT_GE(clock.elapsed(), 80);
    EXPECT_LT(clock.elapsed(), 600);
    clock.restart();
    backend.Play("WIN_SND", false);
    EXPECT_LT(clock.elapsed(), 200);
}

TEST_F(SdlPlayback, NoAudioDeviceMeansSilenceWithoutDelay) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    TSdlSoundBackend backend(Waves());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5; ++i) backend.Play("LONG", true);
    EXPECT_LT(clock.elapsed(), 200);
    EXPECT_FALSE(backend.DeviceOpen());
}


TEST_F(SdlPlayback, AnIdleDeviceClosesAndTheNextSoundOpensItAgain) {
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
    TSdlSoundBackend backend(Waves());
    backend.SetIdleCloseMs(50);
    backend.Play("SHORT", true);
    ASSERT_TRUE(backend.DeviceOpen());
    QElapsedTimer clock;
    clock.start();
    while (backend.DeviceOpen() && clock.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(backend.DeviceOpen());

    // Reopened for the next sound, which plays in full.
    clock.restart();
    backend.Play("SHORT", true);
    EXPECT_TRUE(backend.DeviceOpen());
    EXPECT_GE(clock.elapsed(), 300);
    QThread::msleep(100);
    EXPECT_GT(AudibleMs(Output()), 250);

    // A sound still playing keeps the device open past the idle time.
    backend.Play("LONG", false);
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(backend.DeviceOpen());
}

TEST_F(SdlPlayback, ShortWavesAreDecodedOnceLongOnesAtEachPlaying) {
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", Output().toUtf8());
    QStringList asked;
    TSdlSoundBackend backend([&asked](const QString& name) {
        asked << name;
        return name == QLatin1String("FANFARE") ? Wave(3000) : Wave(300);
    });
    for (int i = 0; i < 2; ++i) {
        backend.Play("FANFARE", false);
        backend.Play("SHORT", false);
    }
    EXPECT_EQ(asked, (QStringList{"FANFARE", "SHORT", "FANFARE"}));
    // Played again from a fresh decoding, to its length.
    QElapsedTimer clock;
    clock.start();
    backend.Play("FANFARE", false);
    EXPECT_LT(clock.elapsed(), 200);
}
