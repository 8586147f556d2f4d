// Processor use of the desktop program while the built-in program waits for
// the user: the input dialog open for an answer, the screen-full pause
// waiting for a key, a long sound waiting for its timer, and the idle window
// for comparison. The windows are the program's own, with the sound output
// open as the program opens it (the SDL device pulls the mix all the time).
//
// Qt's platform is taken from QT_QPA_PLATFORM (offscreen when unset); run it
// on X, for example: xvfb-run -a env QT_QPA_PLATFORM=xcb ./desktop_wait_bench
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "app/mainwindow.h"
#include "input/inputdialog.h"
#include "platform/audiodevice.h"
#include "platform/banksounddevice.h"
#include "platform/qthost.h"

namespace {

using namespace ulvora;
using Clock = std::chrono::steady_clock;

constexpr int kSettleMs = 500;
constexpr int kMeasureMs = 5000;

double cpuseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Measures the processor time of the whole process over kMeasureMs of wall
// time, starting kSettleMs after now, then calls `end` to finish the wait.
// Only these two timers run meanwhile, so the measurement adds no wake-ups.
void measurethenend(const char* what, std::function<void()> end) {
    struct Mark {
        double process = 0;
        double loop = 0;  // the user-interface thread alone
        Clock::time_point wall;
    };
    auto start = std::make_shared<Mark>();
    QTimer::singleShot(kSettleMs, Qt::PreciseTimer, [start] {
        start->process = cpuseconds(CLOCK_PROCESS_CPUTIME_ID);
        start->loop = cpuseconds(CLOCK_THREAD_CPUTIME_ID);
        start->wall = Clock::now();
    });
    QTimer::singleShot(
        kSettleMs + kMeasureMs, Qt::PreciseTimer, [start, what, end = std::move(end)] {
            const double process = cpuseconds(CLOCK_PROCESS_CPUTIME_ID) - start->process;
            const double loop = cpuseconds(CLOCK_THREAD_CPUTIME_ID) - start->loop;
            const double wall = std::chrono::duration<double>(Clock::now() - start->wall).count();
            std::printf(
                "  %-42s %6.3f %% of a core (event loop thread %6.3f %%; %.1f ms in %.2f s)\n",
                what, 100.0 * process / wall, 100.0 * loop / wall, process * 1000.0, wall);
            std::fflush(stdout);
            end();
        });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QtApplication application(argc, argv);

    const auto folder = std::filesystem::temp_directory_path() /
                        ("ulvora-wait-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto bank = std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat";
    if (std::filesystem::exists(bank)) {
        std::filesystem::copy_file(bank, folder / "sounds.dat",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    std::string sound = "none (no sounds.dat)";
    QtHost host;
    TForm2* inputdialog = nullptr;

    TForm1Options options;
    options.executable = folder / "ulvora";
    options.folder = folder;
    options.opensounds = [&sound](const std::filesystem::path& file) {
        OpenedSounds opened;
        auto device = openBankSoundDevice(file);
        if (!device) return opened;
        if (auto* sdl = dynamic_cast<AudioDevice*>(&device->output())) {
            sound = "SDL driver " + sdl->driver() + (device->isSilent() ? " (silent)" : "");
        }
        opened.device = std::move(device);  // no message box: the bench runs unattended
        return opened;
    };
    options.program = [&](Machine& m) {
        measurethenend("input dialog open, waiting for the answer", [&] {
            inputdialog->inputedit.setText("sever");
            inputdialog->Enterbitbtn.click();
        });
        std::string answer;
        m.inputstr(answer, 0);

        measurethenend("screen-full pause, waiting for a key", [&] {
            m.keybuffer = " ";
            QtHost::wake();
        });
        m.host.waitUntil([&] { return !m.keybuffer.empty(); });

        measurethenend("a long sound, waiting for its timer", [&] { m.TimerTimer(); });
        m.sound({1000}, 3'600'000, 1);
    };

    TForm1 form1(host, std::move(options));
    TForm2 form2(form1.machine, &form1);
    inputdialog = &form2;
    host.inputdialog = &form2;
    form1.show();

    std::printf("desktop processor use while waiting (platform %s, sound output: %s)\n",
                qPrintable(QGuiApplication::platformName()), sound.c_str());
    // The idle measurement's end starts the run; when the run is over, the
    // bench ends.
    measurethenend("idle window, no run", [&] {
        form1.StartsubmenuClick();
        QApplication::quit();
    });
    const int result = QApplication::exec();
    std::filesystem::remove_all(folder);
    return result;
}
