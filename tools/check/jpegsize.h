#pragma once

#include <optional>
#include <string_view>

namespace orrowvale::check {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The size a JPEG picture declares in its frame header; nothing when the bytes are
// no JPEG or end before the frame header.
std::optional<PictureSize> jpegSize(std::string_view bytes);

}  // namespace orrowvale::check
