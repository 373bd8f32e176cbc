#include "audio/OutputDriver.h"

#include <alsa/asoundlib.h>
#include <mikmod.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {
constexpr int ossFragmentLog2 = 12; // 4096-byte fragments
constexpr int ossMinFragments = 2;
constexpr int ossMaxFragments = 255;

// The library's drivers that can exist on this platform. A driver the library
// was built without has no name and no alias, and is never registered.
std::array<MDRIVER*, 14> knownDrivers() {
    return {&drv_nos,  &drv_wav, &drv_aiff, &drv_raw,    &drv_stdout, &drv_pipe, &drv_pulseaudio,
            &drv_alsa, &drv_oss, &drv_sdl,  &drv_openal, &drv_esd,    &drv_nas,  &drv_sndio};
}

MDRIVER* findDriver(const std::string& alias) {
    for (MDRIVER* driver : knownDrivers())
        if (driver->Name != nullptr && driver->Alias != nullptr &&
            strcasecmp(driver->Alias, alias.c_str()) == 0)
            return driver;
    return nullptr;
}

// Registers a driver once per process (the library links a driver registered
// twice to itself) and returns its rank in the library's list, the value
// md_device takes to select it.
int registerDriver(MDRIVER* driver) {
    if (MikMod_DriverFromAlias(driver->Alias) == 0)
        MikMod_RegisterDriver(driver);
    return MikMod_DriverFromAlias(driver->Alias);
}

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The library's ALSA driver reports itself present whenever libasound loads,
// and on a machine without a playback device its start then aborts the whole
// process inside libasound. So it is used only once the default device has
// opened here.
bool alsaDefaultDeviceOpens() {
    QuietAlsaErrors quiet;
    snd_pcm_t* pcm = nullptr;
    const bool opened =
        snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) == 0;
    if (opened)
        snd_pcm_close(pcm);
    return opened;
}

std::string optionsFor(MDRIVER* driver, const std::string& given, const OutputFormat& format) {
    if (driver != &drv_oss)
        return given;
    // The driver reads the first occurrence of an option, so the given ones win.
    const std::string buffer = ossBufferOptions(format);
    return given.empty() ? buffer : given + "," + buffer;
}

std::optional<std::string> selectNamedDriver(const AudioDriverSetting& setting,
                                             const OutputFormat& format) {
    MDRIVER* driver = findDriver(setting.alias);
    if (driver == nullptr) {
        std::fprintf(stderr, "%s: libmikmod has no output driver \"%s\"\n", audioDriverVariable,
                     setting.alias.c_str());
        return std::nullopt;
    }
    if (driver == &drv_alsa && !alsaDefaultDeviceOpens()) {
        std::fprintf(stderr, "%s: ALSA's default playback device does not open\n",
                     audioDriverVariable);
        return std::nullopt;
    }
    md_device = static_cast<UWORD>(registerDriver(driver));
    return optionsFor(driver, setting.options, format);
}

// PulseAudio, ALSA, OSS: the first whose device is present is started; one that
// then fails to start is not followed by the next, as in the library's own
// detection.
std::optional<std::string> selectPlatformDriver(const OutputFormat& format) {
    std::array<MDRIVER*, 3> candidates{&drv_pulseaudio, nullptr, &drv_oss};
    if (alsaDefaultDeviceOpens())
        candidates[1] = &drv_alsa;
    for (MDRIVER* driver : candidates)
        if (driver != nullptr && driver->Name != nullptr)
            registerDriver(driver);
    for (MDRIVER* driver : candidates) {
        if (driver == nullptr || driver->Name == nullptr || !driver->IsPresent())
            continue;
        md_device = static_cast<UWORD>(MikMod_DriverFromAlias(driver->Alias));
        return optionsFor(driver, "", format);
    }
    std::fprintf(stderr,
                 "no sound device found (PulseAudio, ALSA, OSS); %s=nosound plays without one\n",
                 audioDriverVariable);
    return std::nullopt;
}
} // namespace

QuietAlsaErrors::QuietAlsaErrors() {
    snd_lib_error_set_handler(ignoreAlsaError);
}
QuietAlsaErrors::~QuietAlsaErrors() {
    snd_lib_error_set_handler(nullptr);
}

std::optional<AudioDriverSetting> parseAudioDriverSetting(const char* value) {
    if (value == nullptr || value[0] == '\0')
        return std::nullopt;
    const std::string text = value;
    const std::size_t colon = text.find(':');
    AudioDriverSetting setting{text.substr(0, colon), ""};
    if (colon != std::string::npos)
        setting.options = text.substr(colon + 1);
    if (setting.alias.empty())
        return std::nullopt;
    return setting;
}

std::string ossBufferOptions(const OutputFormat& format) {
    const long bytesPerSecond =
        long{format.mixFrequency} * (format.stereo ? 2 : 1) * (format.sixteenBit ? 2 : 1);
    const long bufferBytes = bytesPerSecond * format.bufferLength / 50;
    const long fragmentBytes = 1L << ossFragmentLog2;
    long fragments = (bufferBytes + fragmentBytes - 1) / fragmentBytes;
    if (fragments < ossMinFragments)
        fragments = ossMinFragments;
    if (fragments > ossMaxFragments)
        fragments = ossMaxFragments;
    return "buffer=" + std::to_string(ossFragmentLog2) + ",count=" + std::to_string(fragments);
}

std::optional<std::string> selectOutputDriver(const OutputFormat& format) {
    const char* value = std::getenv(audioDriverVariable);
    if (const auto setting = parseAudioDriverSetting(value))
        return selectNamedDriver(*setting, format);
    if (value != nullptr && value[0] != '\0') {
        std::fprintf(stderr, "%s=\"%s\" names no driver\n", audioDriverVariable, value);
        return std::nullopt;
    }
    return selectPlatformDriver(format);
}
