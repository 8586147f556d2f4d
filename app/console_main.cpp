// ulvora-console: the machine on a terminal. Started in a folder holding
// data.dta, it runs the built-in program once, as Start does in the
// desktop program, and saves ram.dat when it ends.
#include <filesystem>
#include <iostream>

#include "app/consolehost.h"
#include "app/settings.h"
#include "l10n/cp1250.h"
#include "program/ulvprog.h"
#include "runtime/machine.h"

namespace {

std::filesystem::path executablePath(const char* argv0) {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::absolute(argv0) : path;
}

}  // namespace

int main(int /*argc*/, char** argv) {
    using namespace ulvora;
    ConsoleHost host(std::cin, std::cout, std::cerr);
    NoSpeech speech;
    NoSoundDevice sounddev;
    Machine machine(host, speech, sounddev);
    host.attach(machine);

    const SettingsFile settings(settingsPathFor(executablePath(argv[0])));
    machine.languagebase = readlanguage(settings);
    // The terminal's own screen reader speaks; the machine behaves as one
    // with speech allowed (CLS clears), and it plays no sounds.
    machine.voiceallowed = true;
    machine.ulvorasounds = false;
    machine.loadram();

    int exitCode = 0;
    machine.opendatafile();
    machine.resetrun();
    try {
        runprogram(machine);
        machine.print(machine.getstring(25), 0);
    } catch (const MachineError& error) {
        host.showMessage(fromUtf8(error.what()));
        exitCode = 1;
    }
    machine.closedatafile();
    try {
        machine.saveram();
    } catch (const MachineError& error) {
        host.showMessage(fromUtf8(error.what()));
        exitCode = 1;
    }
    std::cout.flush();
    return exitCode;
}
