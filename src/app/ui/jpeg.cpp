#include "app/ui/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <iostream>
#include <string>

#include "world/datafiles.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace orrowvale {

namespace {

// libjpeg's own error handler calls exit(); this one jumps back to the decoder.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (such as a file cut short, which is padded grey) do not stop decoding.
void onMessage(j_common_ptr, int) {}

// Everything that must survive a longjmp lives in the caller's frame.
bool decode(const std::string& bytes, QImage& image, ErrorManager& errors,
            jpeg_decompress_struct& info) {
    if (setjmp(errors.jump) != 0) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_RGBX;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGBX8888);
    if (image.isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "the picture is too large");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage loadJpeg(const std::filesystem::path& path, std::string& error) {
    // Read as the game reads its data files: a pipe or a file of /proc in place of
    // the picture would otherwise stop the game for good.
    std::string bytes;
    try {
        bytes = readPlainFile(path, path.string());
    } catch (const DataError& failure) {
        error = path.string() + ": the picture cannot be opened (" + failure.problem() + ")";
        return {};
    }
    QImage image;
    ErrorManager errors{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    const bool decoded = decode(bytes, image, errors, info);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        error = path.string() + ": " + errors.message;
        return {};
    }
    error.clear();
    return image;
}

QImage loadDetailedJpeg(const std::filesystem::path& file, const QImage& picture) {
    if (picture.isNull()) return {};
    std::filesystem::path companion = file;
    companion.replace_filename(file.stem().string() + "@2x" + file.extension().string());
    std::error_code missing;
    if (!std::filesystem::exists(companion, missing)) return {};
    std::string error;
    QImage detailed = loadJpeg(companion, error);
    if (detailed.isNull()) {
        std::cerr << "orrowvale: " << error << "; the picture is shown without it\n";
        return {};
    }
    if (detailed.size() != picture.size() * 2) {
        std::cerr << "orrowvale: " << companion.string() << " is not twice the size of "
                  << file.filename().string() << "; the picture is shown without it\n";
        return {};
    }
    return detailed;
}

}  // namespace orrowvale
