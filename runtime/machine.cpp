#include "runtime/machine.h"

#include <cmath>
#include <limits>

#include "l10n/strings.h"

namespace ulvora {

Machine::Machine(Host& host_, SpeechOutput& speech_, SoundDevice& sounddev_,
                 std::filesystem::path folder_)
    : host(host_),
      speech(speech_),
      sounddev(sounddev_),
      folder(std::move(folder_)),
      printmemo(kScreenRows) {}

std::string Machine::getstring(int n) const {
    return TResourceLocalizer::getstring(languagebase, n);
}

std::int64_t toWhole(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLimit = 9.2e18;
    if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
    if (value <= -kLimit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::trunc(value));
}

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    std::size_t last = text.size();
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

}  // namespace ulvora
