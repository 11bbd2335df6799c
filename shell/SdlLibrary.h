// SDL2 and SDL2_image are loaded at their first use (the first sound, the
// first PCX picture) instead of when the program starts: together they bring
// some forty libraries (audio servers, codecs, Wayland) that the selector
// does not need to show itself.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

struct TSdlApi {
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_QueueAudio) QueueAudio;
    decltype(&::SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&::SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_RWclose) RWclose;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&::SDL_FreeWAV) FreeWAV;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&::SDL_ConvertAudio) ConvertAudio;
    decltype(&::SDL_ConvertSurfaceFormat) ConvertSurfaceFormat;
    decltype(&::SDL_FreeSurface) FreeSurface;
    decltype(&::SDL_LockSurface) LockSurface;
    decltype(&::SDL_UnlockSurface) UnlockSurface;
};

// The SDL2 functions, or null when the library cannot be loaded (then the
// program is silent and reads no PCX pictures).
const TSdlApi* SdlApi();

// SDL2_image's PCX reader, or null when SDL2 or SDL2_image cannot be loaded.
decltype(&::IMG_LoadPCX_RW) SdlPcxLoader();
