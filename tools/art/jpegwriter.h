#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace orrowvale::art {

// Encodes the picture as a baseline JPEG with full colour resolution (no chroma
// subsampling, so thin lettering stays crisp). Throws std::runtime_error naming
// the file when it cannot be encoded or written.
std::string encodeJpeg(const QImage& image, int quality);
void writeJpeg(const QImage& image, const std::filesystem::path& file, int quality);

}  // namespace orrowvale::art
