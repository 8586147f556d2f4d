// The program's settings, read and written one operation at a time.
#pragma once

#include <string>

#include "app/settingsfile.h"

namespace ulvora {

// The values "load settings" reads at start-up.
struct StartupSettings {
    bool voiceallowed = true;
    bool ulvorasounds = true;
    int sndvolume = 0;
    bool braillekeys = false;
    bool sapi5 = false;  // the check mark of the system-voice menu item
};

// The voice engine path's chosen voice and slider positions.
struct VoiceSettings {
    std::string person;
    int pitch = 0;
    int speed = 0;
    int volume = 255;
};

// [environment] language, default 1000.
int readlanguage(const SettingsFile& file);
void writelanguage(SettingsFile& file, int languagebase);

// At the first start (no file yet) only voiceallowed is written, true
// exactly when the voice enumerator exists; everything else keeps its
// default. Otherwise every value is read from the file.
StartupSettings loadsettings(SettingsFile& file, bool ttsenumExists);

// Writes voice/voiceallowed, sounds/ulvorasounds, sounds/sndvolume and
// keyboard/braillekeys, in this order.
void savesettings(SettingsFile& file, bool voiceallowed, bool ulvorasounds, int sndvolume,
                  bool braillekeys);

VoiceSettings readvoicesettings(const SettingsFile& file);
void writevoicesettings(SettingsFile& file, const VoiceSettings& voice);
void writesapi5(SettingsFile& file, bool sapi5);
bool readspeechallowed(const SettingsFile& file);

}  // namespace ulvora
