#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "game/testfiles.h"
#include "jpegwriter.h"
#include "mapart.h"
#include "titleart.h"

namespace orrowvale::art {
namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    int components = 0;
    std::string pixels;  // RGB rows
    std::string error;
};

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Decodes every scan line with libjpeg itself, as the game's loader does.
Decoded decodeJpeg(const std::string& bytes) {
    Decoded result;
    jpeg_decompress_struct info{};
    JumpingErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.output_message = [](j_common_ptr) {};  // warnings are counted below
    errors.base.error_exit = [](j_common_ptr common) {
        auto* e = reinterpret_cast<JumpingErrors*>(common->err);
        (*common->err->format_message)(common, e->message);
        std::longjmp(e->jump, 1);
    };
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        result.error = errors.message;
        return result;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::string row(static_cast<std::size_t>(info.output_width * info.output_components), '\0');
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_read_scanlines(&info, &line, 1);
        result.pixels += row;
    }
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.components = info.output_components;
    // A file cut short only warns; count that as a failure too.
    if (errors.base.num_warnings > 0) result.error = "corrupt data";
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BuiltPictures, DecodeInFullToTheSizesTheWindowsExpect) {
    const GamePaths game = testing::sampleWorld();
    const Decoded title = decodeJpeg(readFile(game.resolve("data\\title.jpg")));
    EXPECT_EQ(title.error, "");
    EXPECT_EQ(title.width, kTitleWidth);
    EXPECT_EQ(title.height, kTitleHeight);
    EXPECT_EQ(title.components, 3);

    const Decoded map = decodeJpeg(readFile(game.resolve("data\\map.jpg")));
    const QSize expected = mapSize(readMapWorld(game).cities);
    EXPECT_EQ(map.error, "");
    EXPECT_EQ(QSize(map.width, map.height), expected);

    const std::string whole = readFile(game.resolve("data\\map.jpg"));
    EXPECT_NE(decodeJpeg(whole.substr(0, whole.size() / 2)).error, "")
        << "a cut file must not pass";
}

TEST(JpegWriter, KeepsTheSizeAndTheColoursOfAnOddSizedPicture) {
    QImage picture(37, 23, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 20));
    for (int y = 0; y < 23; ++y)
        for (int x = 19; x < 37; ++x)
            picture.setPixelColor(x, y, QColor(20, 40, 210));
    const Decoded decoded = decodeJpeg(encodeJpeg(picture, 90));
    ASSERT_EQ(decoded.error, "");
    ASSERT_EQ(QSize(decoded.width, decoded.height), QSize(37, 23));
    auto at = [&](int x, int y) {
        const auto* p =
            reinterpret_cast<const unsigned char*>(decoded.pixels.data()) + (y * 37 + x) * 3;
        return QColor(p[0], p[1], p[2]);
    };
    for (const auto& [x, expected] :
         {std::pair{4, QColor(200, 30, 20)}, std::pair{32, QColor(20, 40, 210)}}) {
        const QColor got = at(x, 11);
        EXPECT_NEAR(got.red(), expected.red(), 12) << x;
        EXPECT_NEAR(got.green(), expected.green(), 12) << x;
        EXPECT_NEAR(got.blue(), expected.blue(), 12) << x;
    }
}

}  // namespace
}  // namespace orrowvale::art

// The desktop shows the icon on any background: its corners must let it through,
// while the hall in the middle is drawn, at every size a menu asks for.
TEST(DesktopIcon, IsSquareWithClearCornersAndADrawnMiddleAtEverySize) {
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        SCOPED_TRACE(size);
        const QImage icon = orrowvale::art::drawIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        for (QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            // At 16 pixels the rounding's edge still brushes the corner pixel.
            EXPECT_LT(qAlpha(icon.pixel(corner)), 32) << corner.x() << "," << corner.y();
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        // Not one flat colour: the scene is there.
        int distinct = 0;
        const QRgb first = icon.pixel(size / 4, size / 4);
        for (int y = size / 4; y < size * 3 / 4; ++y)
            for (int x = size / 4; x < size * 3 / 4; ++x)
                if (icon.pixel(x, y) != first) ++distinct;
        EXPECT_GT(distinct, size * size / 8);
    }
}
