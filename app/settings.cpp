#include "app/settings.h"

namespace ulvora {

namespace {

// Where each setting lives and what it is when the file does not say.
template <typename T>
struct Setting {
    const char* section;
    const char* key;
    T fallback;
};

constexpr Setting<int> kLanguage{"environment", "language", 1000};
constexpr Setting<bool> kVoiceallowed{"voice", "voiceallowed", true};
constexpr Setting<const char*> kPerson{"Voice", "person", ""};
constexpr Setting<int> kPitch{"Voice", "pitch", 0};
constexpr Setting<int> kSpeed{"Voice", "speed", 0};
constexpr Setting<int> kVolume{"Voice", "volume", 255};
constexpr Setting<bool> kSapi5{"Voice", "sapi5", false};
// The SAPI 5 menu item has always written the key in capitals; the names
// match without regard to case, so both spellings are the one key.
constexpr Setting<bool> kSapi5Written{"Voice", "SAPI5", false};
constexpr Setting<bool> kUlvorasounds{"sounds", "ulvorasounds", true};
constexpr Setting<int> kSndvolume{"sounds", "sndvolume", 0};
constexpr Setting<bool> kBraillekeys{"keyboard", "braillekeys", false};

int read(const SettingsFile& file, const Setting<int>& setting) {
    return file.readInteger(setting.section, setting.key, setting.fallback);
}

bool read(const SettingsFile& file, const Setting<bool>& setting) {
    return file.readBool(setting.section, setting.key, setting.fallback);
}

std::string read(const SettingsFile& file, const Setting<const char*>& setting) {
    return file.readString(setting.section, setting.key, setting.fallback);
}

void write(SettingsFile& file, const Setting<int>& setting, int value) {
    file.writeInteger(setting.section, setting.key, value);
}

void write(SettingsFile& file, const Setting<bool>& setting, bool value) {
    file.writeBool(setting.section, setting.key, value);
}

void write(SettingsFile& file, const Setting<const char*>& setting, const std::string& value) {
    file.writeString(setting.section, setting.key, value);
}

}  // namespace

int readlanguage(const SettingsFile& file) {
    return read(file, kLanguage);
}

void writelanguage(SettingsFile& file, int languagebase) {
    write(file, kLanguage, languagebase);
}

StartupSettings loadsettings(SettingsFile& file, bool ttsenumExists) {
    StartupSettings settings;
    if (!file.exists()) {
        // First start: speech is on only if an engine can speak, and writing
        // that choice is what creates the file.
        settings.voiceallowed = ttsenumExists;
        write(file, kVoiceallowed, settings.voiceallowed);
        return settings;
    }
    settings.voiceallowed = read(file, kVoiceallowed);
    settings.ulvorasounds = read(file, kUlvorasounds);
    settings.sndvolume = read(file, kSndvolume);
    settings.braillekeys = read(file, kBraillekeys);
    settings.sapi5 = read(file, kSapi5);
    return settings;
}

void savesettings(SettingsFile& file, bool voiceallowed, bool ulvorasounds, int sndvolume,
                  bool braillekeys) {
    write(file, kVoiceallowed, voiceallowed);
    write(file, kUlvorasounds, ulvorasounds);
    write(file, kSndvolume, sndvolume);
    write(file, kBraillekeys, braillekeys);
}

VoiceSettings readvoicesettings(const SettingsFile& file) {
    VoiceSettings voice;
    voice.person = read(file, kPerson);
    voice.pitch = read(file, kPitch);
    voice.speed = read(file, kSpeed);
    voice.volume = read(file, kVolume);
    return voice;
}

void writevoicesettings(SettingsFile& file, const VoiceSettings& voice) {
    write(file, kPerson, voice.person);
    write(file, kPitch, voice.pitch);
    write(file, kSpeed, voice.speed);
    write(file, kVolume, voice.volume);
}

void writesapi5(SettingsFile& file, bool sapi5) {
    write(file, kSapi5Written, sapi5);
}

bool readspeechallowed(const SettingsFile& file) {
    return read(file, kVoiceallowed);
}

}  // namespace ulvora
