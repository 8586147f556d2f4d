// The text screen's cursor: one per process, column 0..80 and row 0..23.
#pragma once

#include <cstdint>

namespace ulvora {

class tscrcursor {
  public:
    std::uint8_t column() const { return column_; }
    std::uint8_t row() const { return row_; }
    void setcolumn(std::uint8_t column) { column_ = column; }
    void setrow(std::uint8_t row) { row_ = row; }

  private:
    std::uint8_t column_ = 0;  // 80: the line is full, the next character starts a new one
    std::uint8_t row_ = 0;
};

}  // namespace ulvora
