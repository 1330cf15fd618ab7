#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "app/ui/jpeg.h"
#include "app/ui/midiplayer.h"
#include "app/ui/picture.h"
#include "game/testfiles.h"

namespace orrowvale::testing {
namespace {

TEST(Jpeg, DecodesSizeAndColourAndReportsBrokenFilesWithoutExiting) {
    TempGameDir dir;
    const auto picture = dir.path("data\\map.jpg");
    std::filesystem::create_directories(picture.parent_path());
    const std::string command =
        "convert -size 40x30 xc:'rgb(200,40,40)' '" + picture.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::string error;
    const QImage image = loadJpeg(picture, error);
    ASSERT_FALSE(image.isNull()) << error;
    EXPECT_EQ(image.size(), QSize(40, 30));
    const QColor centre = image.pixelColor(20, 15);
    EXPECT_NEAR(centre.red(), 200, 6);
    EXPECT_NEAR(centre.green(), 40, 6);

    // Not a JPEG at all, and no file: an error text, never an exit.
    dir.writeBytes("data\\bad.jpg", "this is no picture");
    EXPECT_TRUE(loadJpeg(dir.path("data\\bad.jpg"), error).isNull());
    EXPECT_NE(error.find("bad.jpg"), std::string::npos);
    EXPECT_TRUE(loadJpeg(dir.path("data\\none.jpg"), error).isNull());
    EXPECT_NE(error.find("none.jpg"), std::string::npos);
    // A pipe in place of the picture would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(dir.path("data\\pipe.jpg").c_str(), 0644), 0);
    EXPECT_TRUE(loadJpeg(dir.path("data\\pipe.jpg"), error).isNull());
    EXPECT_NE(error.find("pipe.jpg"), std::string::npos);

    // A file cut short still gives a picture of the full size.
    const std::string big =
        "convert -size 200x150 gradient:red-blue '" + dir.path("data\\big.jpg").string() + "'";
    ASSERT_EQ(std::system(big.c_str()), 0);
    std::string bytes = dir.readBytes("data\\big.jpg");
    dir.writeBytes("data\\cut.jpg", bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(loadJpeg(dir.path("data\\cut.jpg"), error).size(), QSize(200, 150));
}

// A picture shown at twice its size is drawn from its companion with twice the
// pixels, found beside it; a companion of another size is left alone.
TEST(Jpeg, APictureShownLargerIsDrawnFromItsDetailedCompanion) {
    TempGameDir dir;
    const auto picture = dir.path("data\\map.jpg");
    std::filesystem::create_directories(picture.parent_path());
    const auto make = [](const std::string& size, const std::string& colour,
                         const std::filesystem::path& file) {
        const std::string command =
            "convert -size " + size + " xc:'" + colour + "' '" + file.string() + "'";
        return std::system(command.c_str());
    };
    ASSERT_EQ(make("40x30", "rgb(200,40,40)", picture), 0);
    std::string error;
    const QImage image = loadJpeg(picture, error);
    EXPECT_TRUE(loadDetailedJpeg(picture, image).isNull()) << "no companion yet";

    ASSERT_EQ(make("80x60", "rgb(40,40,200)", dir.path("data\\map@2x.jpg")), 0);
    const QImage detailed = loadDetailedJpeg(picture, image);
    ASSERT_EQ(detailed.size(), QSize(80, 60));

    Picture shown(nullptr, QStringLiteral("그림"));
    shown.setGrowsWithWindow(true);
    shown.setImage(image, detailed);
    shown.resize(80, 60);
    EXPECT_EQ(shown.shownScale(), 2.0);
    EXPECT_GT(shown.grab().toImage().pixelColor(40, 30).blue(), 150) << "drawn from the companion";
    shown.resize(40, 30);
    EXPECT_GT(shown.grab().toImage().pixelColor(20, 15).red(), 150) << "at its own size, itself";

    ASSERT_EQ(make("81x60", "rgb(40,40,200)", dir.path("data\\map@2x.jpg")), 0);
    EXPECT_TRUE(loadDetailedJpeg(picture, image).isNull()) << "not twice the size";
}

TEST(MidiPlayer, PlaysAStandardMidiFileAndRefusesAnythingElse) {
    TempGameDir dir;
    // One note, then the end of the track.
    const std::string track("\x00\x90\x3c\x5a\x83\x60\x80\x3c\x00\x00\xff\x2f\x00", 13);
    std::string midi("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00", 21);
    midi += static_cast<char>(track.size());
    midi += track;
    dir.writeBytes("data\\tune.mid", midi);
    dir.writeBytes("data\\text.mid", "not music");

    MidiPlayer player;
    EXPECT_EQ(player.playLooping(dir.path("data\\tune.mid").string()), "");
    EXPECT_EQ(player.playing(), player.hasSound());
    // A file of /proc says it is empty and may wait for the kernel when read.
    std::filesystem::create_symlink("/proc/kmsg", dir.path("data\\kmsg.mid"));
    for (const char* bad : {"data\\text.mid", "data\\missing.mid", "data\\kmsg.mid"}) {
        const std::string error = player.playLooping(dir.path(bad).string());
        EXPECT_NE(error.find("음악 파일을 열 수 없습니다"), std::string::npos) << bad;
        EXPECT_FALSE(player.playing());
    }
}

}  // namespace
}  // namespace orrowvale::testing
