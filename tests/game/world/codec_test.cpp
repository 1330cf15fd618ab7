#include "world/codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "game/testfiles.h"

namespace orrowvale {
namespace {

std::string utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    s += static_cast<char>(0x80 | (cp & 0x3F));
    return s;
}

TEST(Codec, EveryHangulSyllableRoundTrips) {
    std::string all;
    for (char32_t cp = 0xAC00; cp <= 0xD7A3; ++cp)
        all += utf8Of(cp);
    std::string bytes = encodeCp949(all);
    EXPECT_EQ(bytes.size(), 11172u * 2);
    EXPECT_EQ(decodeCp949(bytes), all);
}

TEST(Codec, KnowsCodesThatOnlyTheExtendedSetHas) {
    // EUC-KR lacks these two; a codec built on it would lose them.
    EXPECT_EQ(encodeCp949("똠"), "\x8C\x63");
    EXPECT_EQ(encodeCp949("햏"), "\xC1\x64");
    EXPECT_EQ(decodeCp949("\xB1\xE6\xB5\xE5"), "길드");
    EXPECT_EQ(encodeCp949("\xE2\x80\x95"), "\xA1\xAA");  // the horizontal bar
}

TEST(Codec, AsciiPassesThroughUnchanged) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    EXPECT_EQ(decodeCp949(ascii), ascii);
    EXPECT_EQ(encodeCp949(ascii), ascii);
}

TEST(Codec, BytesThatAreNotCp949SurviveDecodingAndEncoding) {
    const std::string cases[] = {
        "\xFF",              // never a CP949 byte
        "abc\x81",           // a lead byte cut off at the end
        "\x81\x20\xB0\xA1",  // a lead byte followed by a blank, then a syllable
        "\xC9\xA1",          // a user-defined code with no character
        "\x80\xFE\xFE\xA1",  // a mixture
    };
    for (const std::string& bytes : cases) {
        std::string text = decodeCp949(bytes);
        EXPECT_EQ(encodeCp949(text), bytes) << "for bytes of length " << bytes.size();
    }
}

TEST(Codec, RandomBytesRoundTrip) {
    std::mt19937 engine(7);
    for (int run = 0; run < 2000; ++run) {
        std::string bytes(1 + engine() % 40, '\0');
        for (char& c : bytes)
            c = static_cast<char>(engine() % 256);
        ASSERT_EQ(encodeCp949(decodeCp949(bytes)), bytes);
    }
}

TEST(Codec, RefusesCharactersCp949CannotHold) {
    const std::string dash = "\xE2\x80\x94";  // the em dash
    EXPECT_FALSE(fitsCp949("전투 " + dash + " 승리"));
    EXPECT_TRUE(fitsCp949("전투 - 승리"));
    try {
        encodeCp949("전투 " + dash);
        FAIL() << "the em dash was encoded";
    } catch (const EncodingError& error) {
        EXPECT_EQ(error.offset(), std::string("전투 ").size());
        EXPECT_NE(std::string(error.what()).find(dash), std::string::npos);
    }
    EXPECT_THROW(encodeCp949("\xC3"), EncodingError);              // not UTF-8 at all
    EXPECT_THROW(encodeCp949("\xF0\x9F\x98\x80"), EncodingError);  // beyond the BMP
}

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int runTool(const std::string& arguments) {
    std::string command = std::string(ORROWVALE_CP949_TOOL) + " " + arguments + " 2>/dev/null";
    return std::system(command.c_str());
}

TEST(ConverterTool, EncodesLinesWithCrLfAndDecodesBack) {
    testing::TempGameDir dir;
    dir.writeBytes("source.txt", "[START]\n길드 본부\n\n[END]\n");
    std::string in = dir.path("source.txt").string();
    std::string out = dir.path("out.txt").string();
    std::string back = dir.path("back.txt").string();
    ASSERT_EQ(runTool(in + " " + out), 0);
    EXPECT_EQ(readAll(out), "[START]\r\n\xB1\xE6\xB5\xE5 \xBA\xBB\xBA\xCE\r\n\r\n[END]\r\n");
    ASSERT_EQ(runTool("--decode " + out + " " + back), 0);
    EXPECT_EQ(readAll(back), "[START]\n길드 본부\n\n[END]\n");
}

TEST(ConverterTool, DecodingThenEncodingGivesTheSameBytes) {
    testing::TempGameDir dir;
    const std::string original = "\xB1\xE6\xB5\xE5\r\n\xFF\x81\r\nno end \xC9\xA1";
    dir.writeBytes("game.txt", original);
    std::string game = dir.path("game.txt").string();
    std::string text = dir.path("text.txt").string();
    std::string again = dir.path("again.txt").string();
    ASSERT_EQ(runTool("--decode " + game + " " + text), 0);
    ASSERT_EQ(runTool(text + " " + again), 0);
    EXPECT_EQ(readAll(again), original);
}

TEST(ConverterTool, FailsOnACharacterCp949CannotHold) {
    testing::TempGameDir dir;
    dir.writeBytes("bad.txt", "first\nsecond \xE2\x80\x94 line\n");
    std::string command = std::string(ORROWVALE_CP949_TOOL) + " " + dir.path("bad.txt").string() +
                          " " + dir.path("out.txt").string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    EXPECT_NE(pclose(pipe), 0);
    EXPECT_NE(output.find("bad.txt:2: error"), std::string::npos) << output;
}

}  // namespace
}  // namespace orrowvale
