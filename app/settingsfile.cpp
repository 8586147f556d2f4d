#include "app/settingsfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace ulvora {

namespace {

// The profile functions hand back at most this many characters of a text.
constexpr std::size_t kMaxTextLength = 2047;
constexpr std::string_view kBlanks = " \t";

using Lines = std::vector<std::string>;

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

// "[name]" with optional blanks around and inside the brackets; anything after
// the closing bracket is ignored, as the profile functions do.
std::optional<std::string_view> sectionOf(std::string_view line) {
    const auto text = trim(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(text.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// "key=value"; a line without "=" is not an entry and is only carried along.
std::optional<Entry> entryOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

// The profile functions drop one pair of matching quotes around a value.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

Lines splitLines(const std::string& content) {
    Lines lines;
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string_view line(content.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// The whole file, or the error that kept it from being read (ENOENT when
// there is no file).
struct FileContent {
    std::string text;
    int error = 0;
};

FileContent readFile(const std::filesystem::path& path) {
    FileContent result;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = errno;
        return result;
    }
    char buffer[8192];
    for (;;) {
        const auto got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            result.error = errno;
            result.text.clear();
            break;
        }
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
    return result;
}

// A file that is missing or cannot be read has no lines: every reader then
// gets its default, which is what the profile functions give.
Lines readLines(const std::filesystem::path& path) {
    return splitLines(readFile(path).text);
}

// Where a key is, or would go, in the lines of a file. Only the first
// section of a name counts, for reading and for writing alike.
struct Place {
    std::optional<std::size_t> header;
    std::size_t insertAt = 0;  // just after the section's last non-blank line
    std::optional<std::size_t> entry;
};

Place locate(const Lines& lines, std::string_view section, std::string_view key) {
    Place place;
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        const auto name = sectionOf(lines[i]);
        if (name && sameName(*name, section)) break;
    }
    if (i == lines.size()) return place;
    place.header = i;
    place.insertAt = i + 1;
    for (++i; i < lines.size() && !sectionOf(lines[i]); ++i) {
        if (!trim(lines[i]).empty()) place.insertAt = i + 1;
        const auto entry = entryOf(lines[i]);
        if (!place.entry && entry && sameName(entry->key, key)) place.entry = i;
    }
    return place;
}

std::optional<std::string> lookup(const std::filesystem::path& path, std::string_view section,
                                  std::string_view key) {
    const auto lines = readLines(path);
    const auto place = locate(lines, trim(section), trim(key));
    if (!place.entry) return std::nullopt;
    auto value = unquote(entryOf(lines[*place.entry])->value);
    if (value.size() > kMaxTextLength) value = value.substr(0, kMaxTextLength);
    return std::string(value);
}

// Decimal, or hexadecimal after "0x"/"0X", with an optional sign; the whole
// value must be the number and it must fit an int.
std::optional<int> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    // Unsigned, so that from_chars refuses a second sign.
    unsigned long long magnitude = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    const auto limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                : static_cast<long long>(std::numeric_limits<int>::max());
    if (magnitude > static_cast<unsigned long long>(limit)) return std::nullopt;
    const auto value = static_cast<long long>(magnitude);
    return static_cast<int>(negative ? -value : value);
}

// A name or value that would change the shape of the file (a line break, a
// bracket or "=" in the wrong place) would corrupt other settings: refuse it.
void checkName(std::string_view name, std::string_view what, std::string_view forbidden) {
    if (trim(name).empty()) {
        throw std::invalid_argument("A settings " + std::string(what) + " name cannot be empty");
    }
    if (name.find_first_of(forbidden) != std::string_view::npos) {
        throw std::invalid_argument("The settings " + std::string(what) + " name \"" +
                                    std::string(name) + "\" holds a character it cannot hold");
    }
}

void checkValue(std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        throw std::invalid_argument("A settings value cannot hold a line break");
    }
}

[[noreturn]] void failWrite(const std::filesystem::path& path, int error) {
    throw std::runtime_error("Cannot write the settings file " + path.string() + ": " +
                             std::generic_category().message(error));
}

// A file descriptor that is closed, and a temporary file that is removed,
// unless the write got through to the rename.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string pattern) : name_(std::move(pattern)) {
        fd_ = ::mkstemp(name_.data());
        created_ = fd_ >= 0;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (created_ && !kept_) ::unlink(name_.c_str());
    }

    bool opened() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }

    // Closes the descriptor; returns 0 or the error.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    void keep() { kept_ = true; }

  private:
    std::string name_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

int writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const auto written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Written beside the file and renamed over it, so that a crash leaves either
// the old file or the new one, never a cut one.
void replaceFile(const std::filesystem::path& path, const Lines& lines) {
    // Through a symbolic link the file it points at is replaced, not the link.
    auto target = path;
    std::error_code linkError;
    if (std::filesystem::is_symlink(path, linkError)) {
        auto resolved = std::filesystem::weakly_canonical(path, linkError);
        if (!linkError && !resolved.empty()) target = std::move(resolved);
    }
    auto folder = target.parent_path();
    if (folder.empty()) folder = ".";

    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += '\n';
    }

    TemporaryFile temporary((folder / ("." + target.filename().string() + ".XXXXXX")).string());
    if (!temporary.opened()) failWrite(path, errno);

    // mkstemp makes the file private; the settings keep the old file's
    // permissions, or the usual ones for a new file.
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(temporary.fd(), mode) != 0) failWrite(path, errno);

    if (const int error = writeAll(temporary.fd(), content)) failWrite(path, error);
    if (::fsync(temporary.fd()) != 0) failWrite(path, errno);
    if (const int error = temporary.close()) failWrite(path, error);
    if (::rename(temporary.name().c_str(), target.c_str()) != 0) failWrite(path, errno);
    temporary.keep();

    // Make the rename itself durable; a failure here loses nothing already written.
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

bool SettingsFile::exists() const {
    std::error_code error;
    return std::filesystem::exists(path_, error);
}

int SettingsFile::readInteger(const std::string& section, const std::string& key,
                              int defaultValue) const {
    const auto value = lookup(path_, section, key);
    if (!value) return defaultValue;
    return parseInteger(*value).value_or(defaultValue);
}

bool SettingsFile::readBool(const std::string& section, const std::string& key,
                            bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string SettingsFile::readString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    return lookup(path_, section, key).value_or(defaultValue);
}

void SettingsFile::writeInteger(const std::string& section, const std::string& key, int value) {
    writeString(section, key, std::to_string(value));
}

void SettingsFile::writeBool(const std::string& section, const std::string& key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void SettingsFile::writeString(const std::string& section, const std::string& key,
                               const std::string& value) {
    checkName(section, "section", "]\r\n");
    checkName(key, "key", "=[\r\n");
    checkValue(value);
    const auto sectionName = trim(section);
    const auto keyName = trim(key);

    // A file that is there but cannot be read must not be replaced by one
    // holding only this key: that would lose every other setting.
    const auto existing = readFile(path_);
    if (existing.error != 0 && existing.error != ENOENT) failWrite(path_, existing.error);
    auto lines = splitLines(existing.text);
    const auto place = locate(lines, sectionName, keyName);
    if (place.entry) {
        // The key keeps the spelling it already has in the file.
        auto& line = lines[*place.entry];
        line = std::string(entryOf(line)->key) + "=" + value;
    } else if (place.header) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.insertAt),
                     std::string(keyName) + "=" + value);
    } else {
        lines.push_back("[" + std::string(sectionName) + "]");
        lines.push_back(std::string(keyName) + "=" + value);
    }
    replaceFile(path_, lines);
}

std::filesystem::path settingsPathFor(const std::filesystem::path& executable) {
    auto path = executable;
    path.replace_extension(".ini");
    return path;
}

}  // namespace ulvora
