#include "platform/SoundOutput.h"

#include "platform/MidiLength.h"
#include "scenario/RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 2048; // about 46 ms per mixing pass
// Every slot but MIDI has a mixing channel of its own.
constexpr int kMixingChannels = kSoundSlotCount - 1;

int MixingChannelOf(SoundSlot slot) {
    switch (slot) {
    case SoundSlot::Wave:
        return 0;
    case SoundSlot::CdAudio:
        return 1;
    case SoundSlot::Mp3:
        return 2;
    case SoundSlot::VorbisMusic:
        return 3;
    case SoundSlot::VorbisVoice:
        return 4;
    case SoundSlot::VorbisEffect:
        return 5;
    case SoundSlot::Midi:
        break;
    }
    return -1; // the streamed music channel
}

// The mixer's decoders are shared by the whole process, so every output
// loads through this one lock.
std::mutex& LoadMutex() {
    static std::mutex mutex;
    return mutex;
}

// A file read for a decode that gives up as soon as the slot's generation
// moves on: a replaced or stopped sound stops decoding too. From then on
// every read, seek and size query fails (a read returns nothing with errno
// set, a seek or size -1), so no decoder mistakes the cancelled file for one
// that merely ended and goes on looking for its last page for ever.
struct CancellableFile {
    SDL_RWops* file;
    const std::atomic<uint64_t>* generation;
    uint64_t wanted;
    bool Cancelled() const { return generation->load() != wanted; }
};

CancellableFile& StateOf(SDL_RWops* rw) {
    return *static_cast<CancellableFile*>(rw->hidden.unknown.data1);
}

SDL_RWops* OpenCancellable(const std::string& path, const std::atomic<uint64_t>& generation,
                           uint64_t wanted) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) {
        return nullptr;
    }
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) {
        SDL_RWclose(file);
        return nullptr;
    }
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = new CancellableFile{file, &generation, wanted};
    rw->size = [](SDL_RWops* self) -> Sint64 {
        const CancellableFile& state = StateOf(self);
        return state.Cancelled() ? -1 : SDL_RWsize(state.file);
    };
    rw->seek = [](SDL_RWops* self, Sint64 offset, int whence) -> Sint64 {
        const CancellableFile& state = StateOf(self);
        if (state.Cancelled()) {
            return -1;
        }
        return SDL_RWseek(state.file, offset, whence);
    };
    rw->read = [](SDL_RWops* self, void* buffer, size_t size, size_t count) -> size_t {
        const CancellableFile& state = StateOf(self);
        if (state.Cancelled()) {
            // Decoders tell a failed read from the end of the file by errno
            // (the Ogg decoder otherwise retries at the same place for ever).
            errno = EIO;
            return 0;
        }
        return SDL_RWread(state.file, buffer, size, count);
    };
    rw->write = [](SDL_RWops*, const void*, size_t, size_t) -> size_t { return 0; };
    rw->close = [](SDL_RWops* self) -> int {
        CancellableFile* state = &StateOf(self);
        const int result = SDL_RWclose(state->file);
        delete state;
        SDL_FreeRW(self);
        return result;
    };
    return rw;
}

// Whether a looping MIDI file may loop: not when it lasts no time at all,
// which FluidSynth would restart for ever within one mixing pass.
bool MidiMayLoop(const std::string& path) {
    constexpr size_t kLargestRead = 16 << 20; // beyond any real song
    std::string bytes;
    // A file that does not read will not load either.
    return !vn::ReadRegularFile(path, bytes, kLargestRead) || MidiLengthInTicks(bytes) != 0;
}

} // namespace

struct SoundOutput::Impl {
    struct Request {
        std::string path;
        bool loop = false;
        uint64_t generation = 0;
    };

    struct Slot {
        int channel = -1;
        mutable std::mutex mutex; // guards everything below but `generation`
        std::condition_variable wake;
        std::optional<Request> pending;
        // Moves on with every request; a load whose generation is no longer
        // current is thrown away.
        std::atomic<uint64_t> generation{0};
        bool quit = false;
        Mix_Chunk* chunk = nullptr;
        Mix_Music* music = nullptr;
        std::string path;
        bool loop = false;
        int starts = 0;
        int volume = 100; // percent
        std::thread worker;
    };

    explicit Impl(std::string font) : soundFont(std::move(font)) {
        for (int i = 0; i < kSoundSlotCount; ++i) {
            slots[i].channel = MixingChannelOf(static_cast<SoundSlot>(i));
        }
        // SDL keeps per-thread data (its error text) that it frees by
        // itself only for threads it started: ours free it on leaving.
        opener = std::thread([this] {
            OpenDevice();
            SDL_TLSCleanup();
        });
    }

    ~Impl() {
        {
            std::lock_guard<std::mutex> lock(deviceMutex);
            closing = true;
        }
        deviceChanged.notify_all();
        for (Slot& slot : slots) {
            {
                std::lock_guard<std::mutex> lock(slot.mutex);
                slot.quit = true;
                ++slot.generation;
                slot.pending.reset();
            }
            slot.wake.notify_one();
        }
        for (Slot& slot : slots) {
            if (slot.worker.joinable()) {
                slot.worker.join();
            }
        }
        opener.join();
        for (Slot& slot : slots) {
            std::lock_guard<std::mutex> lock(slot.mutex);
            Silence(slot);
        }
        if (device == SoundDevice::Open) {
            Mix_CloseAudio();
            Mix_Quit();
        }
        if (audioStarted) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            // The last subsystem gone, SDL frees its hints and the rest of
            // what it keeps for the process.
            if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
                SDL_Quit();
            }
        }
    }

    void OpenDevice() {
        // The audio subsystem alone: no signal handlers of SDL's own, so the
        // program keeps its usual answer to Ctrl+C.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        bool open = false;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            audioStarted = true;
            if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames) == 0) {
                // The decoders start once the device's format is known, so
                // that no decode later has to set them up concurrently.
                Mix_Init(MIX_INIT_FLAC | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID);
                if (!soundFont.empty()) {
                    Mix_SetSoundFonts(soundFont.c_str());
                }
                Mix_AllocateChannels(kMixingChannels);
                Mix_ReserveChannels(kMixingChannels);
                open = true;
            }
        }
        {
            std::lock_guard<std::mutex> lock(deviceMutex);
            device = open ? SoundDevice::Open : SoundDevice::Unavailable;
        }
        deviceChanged.notify_all();
    }

    // True once the device is open; false when it is missing or the output
    // is closing.
    bool AwaitDevice() {
        std::unique_lock<std::mutex> lock(deviceMutex);
        deviceChanged.wait(lock, [this] { return device != SoundDevice::Opening || closing; });
        return device == SoundDevice::Open && !closing;
    }

    SoundDevice CurrentDevice() const {
        std::lock_guard<std::mutex> lock(deviceMutex);
        return device;
    }

    // Stops and frees what the slot plays; its mutex is held.
    static void Silence(Slot& slot) {
        if (slot.chunk) {
            Mix_HaltChannel(slot.channel);
            Mix_FreeChunk(slot.chunk);
            slot.chunk = nullptr;
        }
        if (slot.music) {
            Mix_HaltMusic();
            Mix_FreeMusic(slot.music);
            slot.music = nullptr;
        }
    }

    // Gives the mixer the slot's volume; its mutex is held and the device open.
    static void ApplyVolume(const Slot& slot) {
        const int mixerVolume = slot.volume * MIX_MAX_VOLUME / 100;
        if (slot.channel < 0) {
            Mix_VolumeMusic(mixerVolume);
        } else {
            Mix_Volume(slot.channel, mixerVolume);
        }
    }

    void SetVolume(SoundSlot id, int percent) {
        Slot& slot = slots[static_cast<int>(id)];
        std::lock_guard<std::mutex> lock(slot.mutex);
        slot.volume = std::clamp(percent, 0, 100);
        // Before the device opens, the first sound of the slot takes it.
        if (CurrentDevice() == SoundDevice::Open) {
            ApplyVolume(slot);
        }
    }

    // One slot's loads, one after another; only the newest request counts.
    void Work(Slot& slot) {
        for (;;) {
            Request request;
            {
                std::unique_lock<std::mutex> lock(slot.mutex);
                slot.wake.wait(lock, [&slot] { return slot.quit || slot.pending.has_value(); });
                if (slot.quit) {
                    return;
                }
                request = std::move(*slot.pending);
                slot.pending.reset();
            }
            if (!AwaitDevice()) {
                continue;
            }
            Mix_Chunk* chunk = nullptr;
            Mix_Music* music = nullptr;
            {
                // The mixer opens its decoders at their first use and keeps
                // them in lists that are not guarded: loads on two slots at
                // once corrupt the heap. One load at a time; a superseded
                // decode gives up quickly, so a slot seldom waits long.
                std::lock_guard<std::mutex> loading(LoadMutex());
                if (slot.channel < 0) {
                    music = Mix_LoadMUS(request.path.c_str());
                } else if (SDL_RWops* file =
                               OpenCancellable(request.path, slot.generation, request.generation)) {
                    // A chunk is decoded whole, so the file can go right
                    // after; closed here, since not every failing decoder
                    // of the mixer closes what it was given.
                    chunk = Mix_LoadWAV_RW(file, 0);
                    SDL_RWclose(file);
                }
            }
            const bool loop = request.loop && (!music || MidiMayLoop(request.path));
            std::lock_guard<std::mutex> lock(slot.mutex);
            const bool wanted = !slot.quit && slot.generation.load() == request.generation;
            // Loops are "forever" for music; a chunk repeats about 65000
            // times, hours for any sound of some length.
            const int loops = loop ? -1 : 0;
            if (wanted) {
                ApplyVolume(slot);
            }
            if (wanted && chunk && Mix_PlayChannel(slot.channel, chunk, loops) == slot.channel) {
                slot.chunk = chunk;
                ++slot.starts;
                continue;
            }
            if (wanted && music && Mix_PlayMusic(music, loops) == 0) {
                slot.music = music;
                ++slot.starts;
                continue;
            }
            if (chunk) {
                Mix_FreeChunk(chunk);
            }
            if (music) {
                Mix_FreeMusic(music);
            }
        }
    }

    void Ask(SoundSlot id, const std::string* path, bool loop) {
        Slot& slot = slots[static_cast<int>(id)];
        {
            std::lock_guard<std::mutex> lock(slot.mutex);
            const uint64_t generation = ++slot.generation;
            Silence(slot);
            slot.pending.reset();
            slot.path = path ? *path : std::string();
            slot.loop = path && loop;
            // Without a device there is nothing to load.
            if (!path || CurrentDevice() == SoundDevice::Unavailable) {
                return;
            }
            slot.pending = Impl::Request{*path, loop, generation};
            if (!slot.worker.joinable()) {
                slot.worker = std::thread([this, &slot] {
                    Work(slot);
                    SDL_TLSCleanup();
                });
            }
        }
        slot.wake.notify_one();
    }

    std::string soundFont;
    mutable std::mutex deviceMutex;
    mutable std::condition_variable deviceChanged;
    SoundDevice device = SoundDevice::Opening;
    bool closing = false;
    bool audioStarted = false; // written by the opener, read after it ended
    std::thread opener;
    std::array<Slot, kSoundSlotCount> slots;
};

SoundOutput::SoundOutput(std::string soundFont)
    : impl_(std::make_unique<Impl>(std::move(soundFont))) {}

SoundOutput::~SoundOutput() = default;

void SoundOutput::Play(SoundSlot slot, const std::string& path, bool loop) {
    impl_->Ask(slot, &path, loop);
}

void SoundOutput::Stop(SoundSlot slot) {
    impl_->Ask(slot, nullptr, false);
}

void SoundOutput::SetVolume(SoundSlot slot, int percent) {
    impl_->SetVolume(slot, percent);
}

SoundDevice SoundOutput::WaitForDevice(int timeoutMs) const {
    std::unique_lock<std::mutex> lock(impl_->deviceMutex);
    impl_->deviceChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [this] { return impl_->device != SoundDevice::Opening; });
    return impl_->device;
}

SoundSlotState SoundOutput::State(SoundSlot id) const {
    const Impl::Slot& slot = impl_->slots[static_cast<int>(id)];
    std::lock_guard<std::mutex> lock(slot.mutex);
    SoundSlotState state;
    state.path = slot.path;
    state.loop = slot.loop;
    state.starts = slot.starts;
    state.volume = slot.volume;
    if (slot.chunk) {
        state.sounding = Mix_Playing(slot.channel) != 0 && Mix_GetChunk(slot.channel) == slot.chunk;
    } else if (slot.music) {
        state.sounding = Mix_PlayingMusic() != 0;
    }
    return state;
}

} // namespace platform
