#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// The game's text codec. Data and save files are CP949; inside the program all
// text is UTF-8. Decoding never fails: a byte that is not part of a valid CP949
// character becomes a private-use code point (U+F700 + byte) that encodes back to
// the same byte, so any file survives a read and a write unchanged.
namespace orrowvale {

// A character that CP949 cannot hold, or a UTF-8 sequence that is not valid.
class EncodingError : public std::runtime_error {
  public:
    EncodingError(std::string message, std::size_t offset)
        : std::runtime_error(std::move(message)), offset_(offset) {}
    // Byte offset of the offending character in the UTF-8 input.
    std::size_t offset() const { return offset_; }

  private:
    std::size_t offset_;
};

std::string decodeCp949(std::string_view cp949);
std::string encodeCp949(std::string_view utf8);  // throws EncodingError

// Appends the encoding to `out`; on failure returns false and sets `badOffset`.
bool tryEncodeCp949(std::string_view utf8, std::string& out, std::size_t& badOffset);

// True when every character of the UTF-8 text has a CP949 form.
bool fitsCp949(std::string_view utf8);

}  // namespace orrowvale
