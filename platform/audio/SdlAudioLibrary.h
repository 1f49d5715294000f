#pragma once

#include <SDL.h>

namespace quivlane {

// SDL2's audio functions, taken from the shared library at first use instead of at process
// start: most runs of the bar never make a sound, and SDL with what it pulls in is most of
// the start-up cost. Without the library (or with one that lacks a function) its users
// behave as without an audio device. SDL's headers are used for the types only.
class SdlAudioLibrary {
  public:
    static constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

    // The process's copy of SDL2, loaded at the first call from whichever thread.
    static const SdlAudioLibrary& Shared();

    // Loads the named library; Loaded tells whether it and every function below were found.
    explicit SdlAudioLibrary(const char* fileName);
    ~SdlAudioLibrary();
    SdlAudioLibrary(const SdlAudioLibrary&) = delete;
    SdlAudioLibrary& operator=(const SdlAudioLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }

    // SDL_LoadWAV's macro form over the library's own functions.
    SDL_AudioSpec* LoadWav(const char* file, SDL_AudioSpec* wavFormat, Uint8** buffer,
                           Uint32* length) const;

    // Null while not loaded.
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_LockAudioDevice) LockAudioDevice = nullptr;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;

  private:
    bool ResolveAll();
    void Forget();

    void* handle_ = nullptr;
};

}  // namespace quivlane
