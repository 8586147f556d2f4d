// The main window: the 24-line text screen, the menu, the start-up sequence,
// the program run and every way of ending.
//
// The built-in program runs inside StartsubmenuClick. Its waits handle the
// window's events, so the menu and the key handlers stay live during a run;
// the items that must not run meanwhile are disabled for the run.
#pragma once

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "runtime/machine.h"
#include "runtime/sounddevice.h"
#include "speech/speechoutput.h"

namespace ulvora {

class QtHost;

// What opening the sound output and its wave bank gave (start-up).
struct OpenedSounds {
    std::unique_ptr<SoundDevice> device;  // nullptr: the bank file does not exist
    bool silent = false;                  // only the silent device could be opened
    std::string silentreason;             // why, in English
};

// The parts of the process a main window is built from. The program entry
// takes the defaults; tests give a folder, a program and sounds of their own.
struct TForm1Options {
    std::filesystem::path executable;       // the window title and the settings file follow it
    std::filesystem::path folder = ".";     // where ram.dat, data.dta and sounds.dat are
    std::function<void(Machine&)> program;  // empty: the built-in program
    std::function<OpenedSounds(const std::filesystem::path& bankfile)> opensounds;  // empty: SDL2
};

// The machine's sound device slot. The machine is built with the window, the
// sound output only later in the start-up sequence, and it is freed before
// the process ends: until it is opened and after it is freed, nothing plays.
class SoundSlot final : public SoundDevice {
  public:
    void open(std::unique_ptr<SoundDevice> device) { device_ = std::move(device); }
    void free() { device_.reset(); }
    bool isOpen() const { return device_ != nullptr; }

    bool hasWave(const std::string& name) const override {
        return device_ == nullptr || device_->hasWave(name);
    }
    void startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) override {
        if (device_) device_->startNotes(notes, volume, durationMs);
    }
    void stopNotes(const std::vector<std::string>& waves) override {
        if (device_) device_->stopNotes(waves);
    }
    void playOnceAndWait(const std::string& wave, int volume) override {
        if (device_) device_->playOnceAndWait(wave, volume);
    }

  private:
    std::unique_ptr<SoundDevice> device_;
};

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // Runs the start-up sequence. A missing sounds.dat ends the process here.
    TForm1(QtHost& host, TForm1Options options);
    ~TForm1() override;

    // --- Components -----------------------------------------------------
    QPlainTextEdit printmemo;  // the 24 x 80 text screen
    QMenu Programmenu;
    QMenu settingsmenu;
    QMenu helpmenu;
    QAction Startsubmenu;
    QAction exitsubmenu;
    QAction braillekeyboarditem;
    QAction soundssubmenu;
    QAction Voicesubmenu;
    QAction usesapi5submenu;
    QAction environmentsubmenu;
    QAction aboutsubmenu;

    // --- The machine and the process-wide values of the shell -------------
    SoundSlot sounddev;
    // The speech engines come with their own work; until then nothing speaks
    // and the voice enumerator counts as empty.
    NoSpeech speech;
    Machine machine;
    bool runstarted = false;  // a run has been started since the process began
    bool braillekeys = false;
    bool sapi5inuse = false;
    bool voiceready = false;

    bool running() const { return running_; }

    // --- Handlers -------------------------------------------------------
    void StartsubmenuClick();
    void exitsubmenuClick();
    void braillekeyboarditemClick();
    void soundssubmenuClick();
    void VoicesubmenuClick();
    void usesapi5submenuClick();
    void environmentsubmenuClick();
    void aboutsubmenuClick();
    void FormKeyDown(QKeyEvent* event);

    // Saves ram.dat, frees the sounds and ends the process at once, whether
    // or not a run is in progress (a termination signal from the system).
    [[noreturn]] void endsaving();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildmenu();
    void FormCreate();
    void loadthesettings();
    void opensounds();
    void FormClose();
    void showscreen();
    void setrunitems(bool enabled);
    void saveramreporting();

    QtHost& host_;
    TForm1Options options_;
    QActionGroup braillegroup_;
    QActionGroup sapi5group_;
    bool running_ = false;
};

}  // namespace ulvora
