// A settings file with the semantics of Windows profile files.
//
// Section and key names match without regard to case; every read opens,
// reads and closes the file, every write rewrites the file at once with
// only that one key changed and everything else kept. Texts are bytes,
// passed through unchanged.
#pragma once

#include <filesystem>
#include <string>

namespace ulvora {

class SettingsFile {
  public:
    explicit SettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // A value that is missing, or not a valid integer, gives the default;
    // "0x"/"0X" introduces a hexadecimal value.
    int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Read as an integer (default 0 or 1); any value but 0 is true.
    bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // At most 2,047 characters of the value.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // Each write creates the file (and the section) when needed. Throws
    // std::runtime_error when the file cannot be written.
    void writeInteger(const std::string& section, const std::string& key, int value);
    void writeBool(const std::string& section, const std::string& key, bool value);
    void writeString(const std::string& section, const std::string& key, const std::string& value);

  private:
    std::filesystem::path path_;
};

// The settings file of an executable: its path with the extension ".ini".
std::filesystem::path settingsPathFor(const std::filesystem::path& executable);

}  // namespace ulvora
