#include "SdlLibrary.h"

#include <QLibrary>
#include <memory>

namespace {
// Resolves every entry; false when one is missing.
template <class F> bool Resolve(QLibrary& library, const char* name, F& function) {
    function = reinterpret_cast<F>(library.resolve(name));
    return function != nullptr;
}

std::unique_ptr<TSdlApi> LoadSdl() {
    // Kept loaded for the rest of the run: SDL's audio thread lives in it.
    static QLibrary library(QStringLiteral("SDL2-2.0"), 0);
    if (!library.load()) return nullptr;
    auto api = std::make_unique<TSdlApi>();
    const bool ok =
        Resolve(library, "SDL_SetHint", api->SetHint) && Resolve(library, "SDL_InitSubSystem", api->InitSubSystem) &&
        Resolve(library, "SDL_QuitSubSystem", api->QuitSubSystem) &&
        Resolve(library, "SDL_OpenAudioDevice", api->OpenAudioDevice) &&
        Resolve(library, "SDL_CloseAudioDevice", api->CloseAudioDevice) &&
        Resolve(library, "SDL_PauseAudioDevice", api->PauseAudioDevice) &&
        Resolve(library, "SDL_QueueAudio", api->QueueAudio) &&
        Resolve(library, "SDL_ClearQueuedAudio", api->ClearQueuedAudio) &&
        Resolve(library, "SDL_GetQueuedAudioSize", api->GetQueuedAudioSize) &&
        Resolve(library, "SDL_RWFromConstMem", api->RWFromConstMem) &&
        Resolve(library, "SDL_RWclose", api->RWclose) && Resolve(library, "SDL_LoadWAV_RW", api->LoadWAV_RW) &&
        Resolve(library, "SDL_FreeWAV", api->FreeWAV) && Resolve(library, "SDL_BuildAudioCVT", api->BuildAudioCVT) &&
        Resolve(library, "SDL_ConvertAudio", api->ConvertAudio) &&
        Resolve(library, "SDL_ConvertSurfaceFormat", api->ConvertSurfaceFormat) &&
        Resolve(library, "SDL_FreeSurface", api->FreeSurface) &&
        Resolve(library, "SDL_LockSurface", api->LockSurface) &&
        Resolve(library, "SDL_UnlockSurface", api->UnlockSurface);
    if (!ok) return nullptr;
    return api;
}
} // namespace

const TSdlApi* SdlApi() {
    static const std::unique_ptr<TSdlApi> api = LoadSdl();
    return api.get();
}

decltype(&::IMG_LoadPCX_RW) SdlPcxLoader() {
    static const auto loader = []() -> decltype(&::IMG_LoadPCX_RW) {
        if (SdlApi() == nullptr) return nullptr;
        static QLibrary library(QStringLiteral("SDL2_image-2.0"), 0);
        if (!library.load()) return nullptr;
        return reinterpret_cast<decltype(&::IMG_LoadPCX_RW)>(library.resolve("IMG_LoadPCX_RW"));
    }();
    return loader;
}
