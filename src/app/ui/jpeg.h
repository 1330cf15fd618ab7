#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace orrowvale {

// Decodes a JPEG picture with libjpeg. On failure the image is null and `error`
// says why (a missing file, or what libjpeg reported); the program never exits
// over a broken picture.
QImage loadJpeg(const std::filesystem::path& file, std::string& error);

}  // namespace orrowvale
