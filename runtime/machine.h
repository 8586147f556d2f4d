// The emulated machine: its process-wide values and the runtime operations
// that the built-in program calls (PRINT, INPUT, PEEK/POKE, READ, the small
// functions and the sounds).
//
// One Machine exists per process. It reaches the world only through its
// Host, SpeechOutput and SoundDevice, so the same machine runs in the
// desktop program, in the console front end and under tests. All texts are
// Windows-1250 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/datafile.h"
#include "runtime/host.h"
#include "runtime/sounddevice.h"
#include "runtime/tscrcursor.h"
#include "speech/speechoutput.h"

namespace ulvora {

inline constexpr int kScreenRows = 24;
inline constexpr int kScreenColumns = 80;
inline constexpr std::size_t kRamSize = 65536;

class Machine {
  public:
    // Data files (ram.dat, data.dta) are opened by bare name in `folder`,
    // the current directory of the program.
    Machine(Host& host, SpeechOutput& speech, SoundDevice& sounddev,
            std::filesystem::path folder = ".");

    Host& host;
    SpeechOutput& speech;
    SoundDevice& sounddev;
    const std::filesystem::path folder;

    // --- Process-wide values -------------------------------------------
    int languagebase = 1000;    // base of the current language's strings
    bool voiceallowed = false;  // speech output enabled
    bool ulvorasounds = true;   // the machine's sounds are played
    int sndvolume = 0;          // volume of all sounds, 1/100 dB, -10000..0
    std::uint8_t printsilent = 0;
    std::string inputbuffer;  // what INPUT items have not consumed yet
    std::string keybuffer;    // the code of the last key event on the main window
    std::array<std::uint8_t, kRamSize> ramimage{};
    bool soundplaying = false;
    std::uint8_t lastoctave = 1;
    int lastduration = 1;

    // --- Text screen ----------------------------------------------------
    // printmemo's 24 lines; a line written to is padded to 80 characters.
    std::vector<std::string> printmemo;
    tscrcursor cursor;

    // String n of the current language.
    std::string getstring(int n) const;

    void print(const std::string& text, std::uint8_t mode);
    void cls();
    void resetrun();

    // --- INPUT ------------------------------------------------------------
    void inputstr(std::string& variable, std::uint8_t mode);
    void inputnum(double& variable, std::uint8_t mode);
    std::string takekeys();

    // --- Memory image and data file -----------------------------------
    std::uint8_t peek(double address) const;
    void poke(double address, double value);
    void loadram();  // zero the image, then load ram.dat if it exists
    void saveram();  // write ram.dat atomically: temporary file, then rename
    std::filesystem::path rampath() const { return folder / "ram.dat"; }
    std::filesystem::path datapath() const { return folder / "data.dta"; }

    // Opens data.dta for a run if it exists (Start); closes it after.
    void opendatafile();
    void closedatafile();
    void readnum(double& variable);
    void restoredata();

    // --- Functions ------------------------------------------------------
    std::string datestr();
    static std::string leftstr(const std::string& text, double count);
    static std::string rightstr(const std::string& text, double count);
    static std::string midstr(const std::string& text, double start, double count);
    static double val(const std::string& text);
    void setprintsilent(double value);

    // --- Sounds and pitch -----------------------------------------------
    void sound(const std::vector<double>& notes, double duration, double octave);
    void beep();
    void click(double n);
    void TimerTimer();  // the duration clock's tick: ends a sound's wait
    void setpitch(double value) { speech.setpitch(value); }

  private:
    void puttext(std::string text);
    void newlinestep(int& column, int& row);
    void screenfull(int& column, int& row);
    void writeAt(int row, int column, const std::string& piece);
    bool asklinefor(std::uint8_t mode);
    [[noreturn]] void missingfile(const std::string& name);

    std::uint8_t separator_ = 0;  // separator mode of the print in progress
    DataFile datafile_;
};

// BASIC's conversion to a whole number: the fraction is cut toward zero.
// Values beyond the 64-bit range saturate; NaN gives 0.
std::int64_t toWhole(double value);

// Removes leading and trailing blanks and control characters.
std::string trimmed(const std::string& text);

}  // namespace ulvora
