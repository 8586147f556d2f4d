#include "runtime/datafile.h"

#include <charconv>
#include <fstream>
#include <iterator>

#include "runtime/host.h"

namespace ulvora {
namespace {

constexpr char kEndOfFile = 26;

}  // namespace

bool DataFile::open(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        content_.reset();
        return false;
    }
    content_.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    position_ = 0;
    return true;
}

void DataFile::close() {
    content_.reset();
    position_ = 0;
}

bool DataFile::atEnd() const {
    return position_ >= content_->size() || (*content_)[position_] == kEndOfFile;
}

// A carriage return ends a line; so does a lone line feed, so that a file
// written with Unix line ends reads the same.
bool DataFile::atLineEnd() const {
    const char c = (*content_)[position_];
    return c == '\r' || c == '\n';
}

double DataFile::next() {
    std::string token;
    char last = 0;
    while (!atEnd() && !atLineEnd() && last != ',') {
        last = (*content_)[position_++];
        if (last != ',' && static_cast<unsigned char>(last) > ' ') token += last;
    }
    if (!atEnd() && atLineEnd()) {
        if ((*content_)[position_++] == '\r' && !atEnd() && (*content_)[position_] == '\n')
            ++position_;
    }
    if (!token.empty() && token.front() == '+') token.erase(0, 1);
    double value = 0;
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value);
    if (token.empty() || error != std::errc() || stop != end) {
        throw MachineError("data.dta: '" + token + "' is not a valid number");
    }
    return value;
}

}  // namespace ulvora
