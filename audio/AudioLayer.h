#pragma once

#include "audio/GameAudio.h"

#include <cstdint>

// The audio layer's own state and the calls below the game's interface. Every
// function here is for the main thread only, except `musicThread` and
// `updateMixer`, which the music thread runs.

struct SAMPLE;
struct MODULE;

constexpr int maxEffectVoices = 64; // effect voices are capped at this, as are music voices
constexpr int maxMusicVoices = 64;
constexpr int moduleVoices = 32;           // voices a loaded module may claim
constexpr unsigned musicUpdateMs = 14;     // pause of the music thread between mixer updates
constexpr std::uint8_t skipKeyCode = 0x4E; // virtual-key code of N

// The sample each effect slot played last; slot i plays on voice
// `firstEffectVoice` + i. Null: the slot has never been used since initSound.
extern SAMPLE* effectSlots[maxEffectVoices];
extern std::uint8_t effectVoiceCount; // effect slots in use (0 to 64)
extern std::uint8_t firstEffectVoice; // library voice of slot 0 (the music voices come first)
extern std::uint8_t nextEffectSlot;   // slot cut off when every slot is busy; then moves on by one

extern SAMPLE* effectSamples[soundEffectCount];         // the loaded effects, by SoundEffect
extern const char* const effectFiles[soundEffectCount]; // their data paths, e.g. "sound\beep.wav"

extern MODULE* currentModule;         // the module playing or last started; null if it did not load
extern std::int32_t playlistPosition; // playlist entry of `currentModule` (0 to playlistCount - 1)

// Plays `sample` on the lowest free effect slot, or on slot `nextEffectSlot`
// when all are busy (cutting that effect off and moving `nextEffectSlot` on). A
// slot is free when it never played or the library reports its voice stopped;
// one started since the last mixer update counts as busy, since the library
// reports a voice as stopped until it first mixes it. pan 0 to 255, volume 0
// to 256 (256 is full), frequency in Hz or 0 to keep the voice's frequency.
// Returns the voice, or -1 for a null sample, when initSound was given no
// effect voices, or while the library is stopped.
std::int16_t playSample(SAMPLE* sample, std::uint16_t pan, std::uint16_t volume,
                        std::uint32_t frequency);

// Frees `currentModule` and loads playlist entry n in its place, looping and
// wrapping off, and starts it. An entry that does not load leaves no module.
void startPlaylistEntry(std::int32_t n);

// True between a successful initSound and exitSound.
bool soundRunning();

// Stops every effect voice that has played since initSound and empties the
// slots, through the library's locked calls, so that no sample is being mixed.
void stopEffectVoices();

// Frees `currentModule` (stopping it first) and leaves it null.
void freeCurrentModule();

// One step of the music thread: mixes the next stretch of sound into the output
// driver, or does nothing while the library is not running.
void updateMixer();

// The body of the music thread: `updateMixer` every 14 ms, forever.
void musicThread();
