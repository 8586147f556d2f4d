// The 64 KiB memory image, its file ram.dat, and READ/RESTORE over data.dta.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "runtime/machine.h"

namespace ulvora {
namespace {

std::size_t addressOf(double address) {
    return static_cast<std::size_t>(static_cast<std::uint64_t>(toWhole(address)) % kRamSize);
}

struct FileDescriptor {
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    int fd;
};

}  // namespace

std::uint8_t Machine::peek(double address) const {
    return ramimage[addressOf(address)];
}

void Machine::poke(double address, double value) {
    ramimage[addressOf(address)] = static_cast<std::uint8_t>(toWhole(value) & 0xFF);
}

void Machine::loadram() {
    ramimage.fill(0);
    std::ifstream in(rampath(), std::ios::binary);
    if (!in) return;
    // A longer file gives its first 65,536 bytes; a shorter one fills the start.
    in.read(reinterpret_cast<char*>(ramimage.data()), static_cast<std::streamsize>(kRamSize));
}

void Machine::saveram() {
    // Written beside the old image, flushed to the disk and renamed over it,
    // so that a crash or a full disk never leaves a truncated ram.dat.
    const std::filesystem::path target = rampath();
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    const auto fail = [&](const char* what) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw MachineError(std::string(what) + " " + target.string() + ": " + std::strerror(error));
    };
    {
        FileDescriptor out(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (out.fd < 0) fail("Cannot create");
        std::size_t written = 0;
        while (written < kRamSize) {
            const ssize_t n = ::write(out.fd, ramimage.data() + written, kRamSize - written);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) fail("Cannot write");
            written += static_cast<std::size_t>(n);
        }
        if (::fsync(out.fd) != 0) fail("Cannot write");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail("Cannot replace");
}

void Machine::opendatafile() {
    datafile_.open(datapath());
}

void Machine::closedatafile() {
    datafile_.close();
}

void Machine::missingfile(const std::string& name) {
    host.showMessage(getstring(42) + " " + name);
    host.endProcess(1);
    std::abort();  // endProcess does not return; this keeps the promise if a host breaks it
}

void Machine::readnum(double& variable) {
    if (!std::filesystem::exists(datapath())) missingfile("data.dta");
    if (!datafile_.isOpen() && !datafile_.open(datapath())) missingfile("data.dta");
    variable = datafile_.next();
}

void Machine::restoredata() {
    // Reopening reads the file afresh; a file that is gone cannot be opened.
    if (!datafile_.open(datapath())) missingfile("data.dta");
}

}  // namespace ulvora
