// TSoundManager plays the program's short sound effects. Every operation
// obeys the sound preference: when it is off nothing is played and nothing
// waits. The audio output sits behind TSoundBackend: SDL2 in the program, a
// recording fake in tests.
#pragma once

#include <QString>
#include <memory>

class TSoundBackend {
public:
    virtual ~TSoundBackend();
    // Plays the named embedded wave ("SHUFFLE", "WIN_SND", ...), stopping any
    // sound still playing. With wait set it returns when the sound has ended,
    // otherwise at once. Failures are silent.
    virtual void Play(const QString& name, bool wait) = 0;
};

class TSoundManager {
public:
    // Without a back end the SDL2 one is used. The new manager becomes the
    // program's sound manager (SoundManager()) until it is destroyed.
    explicit TSoundManager(std::unique_ptr<TSoundBackend> backend = nullptr);
    ~TSoundManager();
    TSoundManager(const TSoundManager&) = delete;
    TSoundManager& operator=(const TSoundManager&) = delete;

    void PlayShuffle();        // "SHUFFLE", waits
    void PlayDeal();           // "DEAL", waits
    void PlayStock();          // "STOCK", waits
    void PlayUndo();           // "UNDO", waits
    void PlayAutoplay();       // "AUTOPLAY", waits
    void PlayAutoplayAsync();  // "AUTOPLAY", returns at once
    void PlayRestart();        // "RESTART", waits
    void PlayOpen();           // "OPEN", returns at once
    void PlayJester();         // "JESTER", returns at once
    void PlayWin();            // "WIN_SND", returns at once

    TSoundBackend* Backend() const { return backend_.get(); }
    void SetBackend(std::unique_ptr<TSoundBackend> backend);

private:
    void Play(const char* name, bool wait);
    std::unique_ptr<TSoundBackend> backend_;
};

// The program's one sound manager, or nullptr before the selector made it.
TSoundManager* SoundManager();
