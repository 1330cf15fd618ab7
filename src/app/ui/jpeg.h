#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace orrowvale {

// Decodes a JPEG picture with libjpeg. On failure the image is null and `error`
// says why (a missing file, or what libjpeg reported); the program never exits
// over a broken picture.
QImage loadJpeg(const std::filesystem::path& file, std::string& error);

// The companion of a picture with twice its pixels each way, kept beside it with
// "@2x" before the extension ("map@2x.jpg" for "map.jpg"), for screens at 200 % and
// windows made larger. Null when there is none, it cannot be read, or it is not
// exactly twice `picture`'s size (an old companion left beside a redrawn picture).
QImage loadDetailedJpeg(const std::filesystem::path& file, const QImage& picture);

}  // namespace orrowvale
