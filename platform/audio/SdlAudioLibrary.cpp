#include "platform/audio/SdlAudioLibrary.h"

#include <dlfcn.h>

#include <cerrno>

namespace quivlane {

namespace {

template <typename Function>
bool Resolve(void* handle, const char* name, Function& out) {
    out = reinterpret_cast<Function>(dlsym(handle, name));
    return out != nullptr;
}

}  // namespace

const SdlAudioLibrary& SdlAudioLibrary::Shared() {
    static const SdlAudioLibrary library(kLibraryName);
    return library;
}

SdlAudioLibrary::SdlAudioLibrary(const char* fileName) {
    // Kept mapped after the last close: SDL's audio thread and thread-local error texts may
    // outlive the objects that used them until the process ends.
    handle_ = dlopen(fileName, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle_ != nullptr && !ResolveAll()) {
        dlclose(handle_);
        handle_ = nullptr;
        Forget();
        return;
    }
    if (handle_ == nullptr) {
        return;
    }
    // Before any SDL_Init: SDL's own SIGINT and SIGTERM handlers would turn the signals into
    // quit events nobody reads, and the program could no longer be ended that way.
    SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The sound server lists the streams under the program's name rather than "SDL".
    SetHint(SDL_HINT_APP_NAME, program_invocation_short_name);
    SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, program_invocation_short_name);
    SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, program_invocation_short_name);
}

SdlAudioLibrary::~SdlAudioLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

bool SdlAudioLibrary::ResolveAll() {
    void* h = handle_;
    return Resolve(h, "SDL_SetHint", SetHint) && Resolve(h, "SDL_InitSubSystem", InitSubSystem) &&
           Resolve(h, "SDL_QuitSubSystem", QuitSubSystem) &&
           Resolve(h, "SDL_OpenAudioDevice", OpenAudioDevice) &&
           Resolve(h, "SDL_CloseAudioDevice", CloseAudioDevice) &&
           Resolve(h, "SDL_PauseAudioDevice", PauseAudioDevice) &&
           Resolve(h, "SDL_LockAudioDevice", LockAudioDevice) &&
           Resolve(h, "SDL_UnlockAudioDevice", UnlockAudioDevice) &&
           Resolve(h, "SDL_QueueAudio", QueueAudio) &&
           Resolve(h, "SDL_ClearQueuedAudio", ClearQueuedAudio) &&
           Resolve(h, "SDL_GetQueuedAudioSize", GetQueuedAudioSize) &&
           Resolve(h, "SDL_RWFromFile", RWFromFile) && Resolve(h, "SDL_LoadWAV_RW", LoadWAV_RW) &&
           Resolve(h, "SDL_FreeWAV", FreeWAV) && Resolve(h, "SDL_BuildAudioCVT", BuildAudioCVT) &&
           Resolve(h, "SDL_ConvertAudio", ConvertAudio);
}

void SdlAudioLibrary::Forget() {
    SetHint = nullptr;
    InitSubSystem = nullptr;
    QuitSubSystem = nullptr;
    OpenAudioDevice = nullptr;
    CloseAudioDevice = nullptr;
    PauseAudioDevice = nullptr;
    LockAudioDevice = nullptr;
    UnlockAudioDevice = nullptr;
    QueueAudio = nullptr;
    ClearQueuedAudio = nullptr;
    GetQueuedAudioSize = nullptr;
    RWFromFile = nullptr;
    LoadWAV_RW = nullptr;
    FreeWAV = nullptr;
    BuildAudioCVT = nullptr;
    ConvertAudio = nullptr;
}

SDL_AudioSpec* SdlAudioLibrary::LoadWav(const char* file, SDL_AudioSpec* wavFormat, Uint8** buffer,
                                        Uint32* length) const {
    if (!Loaded()) {
        return nullptr;
    }
    // Freeing the stream is the loader's job (second argument 1), also when it fails.
    return LoadWAV_RW(RWFromFile(file, "rb"), 1, wavFormat, buffer, length);
}

}  // namespace quivlane
