// The program's number file data.dta, read one number at a time by READ.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace ulvora {

class DataFile {
  public:
    // Reads the whole file; false when it does not exist.
    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return content_.has_value(); }
    // Back to the first number.
    void rewind() { position_ = 0; }

    // The next token: characters up to a comma or a line end, blanks and
    // control characters dropped. Throws MachineError when it does not
    // convert to a number (an empty token, the end of the file, a letter).
    double next();

  private:
    bool atEnd() const;
    bool atLineEnd() const;

    std::optional<std::string> content_;
    std::size_t position_ = 0;
};

}  // namespace ulvora
