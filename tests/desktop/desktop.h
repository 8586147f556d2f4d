// The desktop as the program entry builds it (host, main window, input
// dialog), in a fresh folder of its own, for tests on the real widgets.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/settingsfile.h"
#include "input/inputdialog.h"
#include "l10n/cp1250.h"
#include "platform/qthost.h"

namespace ulvora::testing {

inline std::filesystem::path freshfolder() {
    static std::atomic<int> counter{0};
    auto path = std::filesystem::temp_directory_path() /
                ("ulvora-desktop-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

inline void writefile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::optional<std::string> readfile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Steps that act from the event loop while the program waits (in a modal
// dialog, for a sound, for a key). Each step tests its condition every few
// milliseconds and runs once, its timer stopped first, since a step may
// itself block in a modal loop.
class Steps {
  public:
    void when(std::function<bool()> ready, std::function<void()> step) {
        auto timer = std::make_unique<QTimer>();
        QTimer* raw = timer.get();
        timer->setInterval(2);
        QObject::connect(raw, &QTimer::timeout,
                         [raw, ready = std::move(ready), step = std::move(step)] {
                             if (!ready()) return;
                             raw->stop();
                             step();
                         });
        raw->start();
        timers_.push_back(std::move(timer));
    }

    // When a message box is open: its text is kept and the box is closed.
    void acceptmessage(std::vector<std::string>& texts) {
        when(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
            [&texts] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                texts.push_back(box->text().toStdString());
                box->accept();
            });
    }

  private:
    std::vector<std::unique_ptr<QTimer>> timers_;
};

// Sounds for tests: a device that plays nothing, as if the bank were loaded.
inline OpenedSounds silentsounds(const std::filesystem::path&) {
    OpenedSounds opened;
    opened.device = std::make_unique<NoSoundDevice>();
    return opened;
}

struct DesktopSetup {
    // The folder to work in; a fresh one when empty. Removed with the desktop.
    std::optional<std::filesystem::path> folder;
    std::optional<int> language;  // written as [environment] language before start-up
    std::function<void(Machine&)> program = [](Machine&) {};
    std::filesystem::path executable = "my.dir/game.exe";  // relative to the folder
    std::function<OpenedSounds(const std::filesystem::path&)> opensounds = silentsounds;
    // Runs before start-up: files of the folder, the settings file.
    std::function<void(const std::filesystem::path& folder, SettingsFile& settings)> prepare;
};

class Desktop {
  public:
    explicit Desktop(DesktopSetup setup = {})
        : folder(setup.folder ? *setup.folder : freshfolder()) {
        const std::filesystem::path executable = folder / setup.executable;
        std::filesystem::create_directories(executable.parent_path());
        SettingsFile settings(settingsPathFor(executable));
        if (setup.language) writelanguage(settings, *setup.language);
        if (setup.prepare) setup.prepare(folder, settings);
        // A test that hangs in a nested wait fails instead of blocking the run.
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            ADD_FAILURE() << "the desktop test hung";
            std::fflush(nullptr);
            std::_Exit(2);
        });
        watchdog_.start(60000);

        TForm1Options options;
        options.executable = executable;
        options.folder = folder;
        options.program = std::move(setup.program);
        options.opensounds = std::move(setup.opensounds);
        form1 = std::make_unique<TForm1>(host, std::move(options));
        form2 = std::make_unique<TForm2>(form1->machine, form1.get());
        host.inputdialog = form2.get();
        form1->show();
        form1->activateWindow();
        // As a user finds it: the window shown and taking the keys.
        EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }

    ~Desktop() {
        host.inputdialog = nullptr;
        form2.reset();
        form1.reset();
        std::filesystem::remove_all(folder);
    }

    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    Machine& machine() { return form1->machine; }

    // Row n of printmemo as shown (UTF-8), trailing blanks removed.
    std::string row(int n) const {
        std::string text = form1->printmemo.document()->findBlockByNumber(n).text().toStdString();
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text;
    }

    std::filesystem::path folder;
    QtHost host;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    Steps steps;

  private:
    QTimer watchdog_;
};

}  // namespace ulvora::testing
