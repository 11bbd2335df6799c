#include "SoundManager.h"

#include "Preferences.h"
#include "SdlSoundBackend.h"

namespace {
TSoundManager* theSoundManager = nullptr;
}

TSoundBackend::~TSoundBackend() = default;

TSoundManager::TSoundManager(std::unique_ptr<TSoundBackend> backend)
    : backend_(backend ? std::move(backend) : std::make_unique<TSdlSoundBackend>()) {
    theSoundManager = this;
}

TSoundManager::~TSoundManager() {
    if (theSoundManager == this) theSoundManager = nullptr;
}

void TSoundManager::SetBackend(std::unique_ptr<TSoundBackend> backend) {
    backend_ = backend ? std::move(backend) : std::make_unique<TSdlSoundBackend>();
}

void TSoundManager::Play(const char* name, bool wait) {
    if (!Preferences().DoSound) return;
    backend_->Play(QString::fromLatin1(name), wait);
}

void TSoundManager::PlayShuffle() { Play("SHUFFLE", true); }
void TSoundManager::PlayDeal() { Play("DEAL", true); }
void TSoundManager::PlayStock() { Play("STOCK", true); }
void TSoundManager::PlayUndo() { Play("UNDO", true); }
void TSoundManager::PlayAutoplay() { Play("AUTOPLAY", true); }
void TSoundManager::PlayAutoplayAsync() { Play("AUTOPLAY", false); }
void TSoundManager::PlayRestart() { Play("RESTART", true); }
void TSoundManager::PlayOpen() { Play("OPEN", false); }
void TSoundManager::PlayJester() { Play("JESTER", false); }
void TSoundManager::PlayWin() { Play("WIN_SND", false); }

TSoundManager* SoundManager() { return theSoundManager; }
