#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Choosing libmikmod's output driver. By default the platform's sound servers
// and devices are tried in order (PulseAudio, ALSA, OSS) and the first present
// one is used. The environment variable VELDRIN_AUDIO ("ALIAS" or
// "ALIAS:OPTIONS") names one of the library's drivers instead, for example
// "nosound" or "wav:file=/tmp/out.wav".

constexpr const char* audioDriverVariable = "VELDRIN_AUDIO";

struct AudioDriverSetting {
    std::string alias;   // the library's driver alias, compared without case
    std::string options; // the driver's option string, may be empty
};

// Splits a VELDRIN_AUDIO value at its first colon. Nothing for a null or empty
// value, or one without an alias (":x").
std::optional<AudioDriverSetting> parseAudioDriverSetting(const char* value);

// The shape of the mixed sound, which decides how many bytes a buffer length
// stands for.
struct OutputFormat {
    std::uint16_t mixFrequency; // Hz
    bool stereo;
    bool sixteenBit;
    std::uint8_t bufferLength; // fiftieths of a second
};

// Option string for the OSS driver: fragments of 4096 bytes, as many as hold
// the buffer length (2 to 255 of them, the driver's range).
std::string ossBufferOptions(const OutputFormat& format);

// Keeps libasound's error printing off while it lives: a device that fails
// to open is reported by the game itself, not by a page of libasound's
// configuration complaints.
class QuietAlsaErrors {
  public:
    QuietAlsaErrors();
    ~QuietAlsaErrors();
    QuietAlsaErrors(const QuietAlsaErrors&) = delete;
    QuietAlsaErrors& operator=(const QuietAlsaErrors&) = delete;
};

// Registers the output driver to use and selects it for MikMod_Init. Returns the
// option string to start it with, or nothing (after a note on standard error
// when the setting names no usable driver) when no driver can be used.
std::optional<std::string> selectOutputDriver(const OutputFormat& format);
