#include "world/datafiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "game/testfiles.h"
#include "world/gamepaths.h"

namespace orrowvale {
namespace {

using testing::TempGameDir;

LineReader readerOf(const TempGameDir& dir, std::string_view bytes) {
    dir.writeBytes("data\\file.txt", bytes);
    return LineReader::open(dir.paths(), "data\\file.txt");
}

TEST(LineReader, AcceptsCrLfAndBareLfAndKeepsBlankLines) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "one\r\ntwo\n\r\nlast");
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "last");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.lineNumber(), 4);
    EXPECT_EQ(reader.readLine(), "");  // reading on at the end gives empty lines
}

TEST(LineReader, DecodesCp949Lines) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "\xB1\xE6\xB5\xE5\r\n");
    EXPECT_EQ(reader.readLine(), "길드");
}

TEST(LineReader, MarkersMatchOnlyExactly) {
    TempGameDir dir;
    LineReader reader =
        readerOf(dir, "free text\r\n[END] \r\n [END]\r\n[end]\r\n[END]\r\nafter\r\n");
    EXPECT_TRUE(reader.skipToMarker(marker::end));
    EXPECT_EQ(reader.lineNumber(), 5);
    EXPECT_EQ(reader.readLine(), "after");
    EXPECT_FALSE(reader.skipToMarker(marker::start));
    EXPECT_TRUE(reader.atEnd());
}

TEST(LineReader, WholeLineNumbersAreStrict) {
    struct Case {
        const char* line;
        bool valid;
        int value;
    };
    const Case cases[] = {
        {"42", true, 42},         {"  -7", true, -7},
        {"+3", true, 3},          {"0", true, 0},
        {"", false, 0},           {"42 ", false, 0},
        {"4 2", false, 0},        {"x", false, 0},
        {"-", false, 0},          {"2147483647", true, 2147483647},
        {"2147483648", false, 0}, {"-2147483648", true, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        int value = 0;
        EXPECT_EQ(parseWholeNumber(c.line, value), c.valid) << '"' << c.line << '"';
        if (c.valid) {
            EXPECT_EQ(value, c.value) << c.line;
        }
    }
}

TEST(LineReader, ABadWholeLineNumberNamesFileLineAndExpectation) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "12\r\nthirteen\r\n");
    EXPECT_EQ(reader.readWholeNumber("the gold"), 12);
    try {
        reader.readWholeNumber("the gold");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/file.txt");
        EXPECT_EQ(error.line(), 2);
        EXPECT_STREQ(error.what(), "data/file.txt:2: expected the gold, found \"thirteen\"");
    }
    try {
        reader.readWholeNumber("the city");
        FAIL() << "no error at the end of the file";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 3);
        EXPECT_NE(std::string(error.what()).find("end of the file"), std::string::npos);
    }
}

TEST(LineReader, NumberTokensSkipBlankLinesAndDropTheRestOfTheLine) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "\r\n\r\n  5 trailing words\r\n-3\r\nname\r\n");
    EXPECT_EQ(reader.readNumberToken(), 5);
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_EQ(reader.readNumberToken(), -3);
    EXPECT_EQ(reader.readLine(), "name");
    EXPECT_EQ(reader.readNumberToken(), 0);  // the end of the file reads as 0
}

TEST(LineReader, SeveralTokensShareALine) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "10 50\t20  40 extra\r\n1 2 3 4\r\nrest\r\n");
    EXPECT_EQ(reader.readNumberTokenOnLine(), 10);
    EXPECT_EQ(reader.readNumberTokenOnLine(), 50);
    EXPECT_EQ(reader.readNumberTokenOnLine(), 20);
    EXPECT_EQ(reader.readNumberTokenOnLine(), 40);
    reader.skipRestOfLine();
    EXPECT_EQ(reader.readNumberTokenOnLine(), 1);
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_EQ(reader.readLine(), " 2 3 4");  // a line read takes what is left of the line
    EXPECT_EQ(reader.readLine(), "rest");
    EXPECT_EQ(reader.lineNumber(), 3);
}

TEST(LineReader, ATokenThatIsNotANumberIsAnError) {
    TempGameDir dir;
    LineReader reader = readerOf(dir, "\r\n12abc\r\n");
    try {
        reader.readNumberToken("the count");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 2);
        EXPECT_NE(error.problem().find("expected the count, found \"12abc\""), std::string::npos);
    }
}

TEST(LineReader, AMissingFileNamesTheFile) {
    TempGameDir dir;
    try {
        LineReader::open(dir.paths(), "data\\nowhere.txt");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/nowhere.txt");
        EXPECT_EQ(error.line(), 0);
    }
    EXPECT_THROW(LineReader::open(dir.paths(), "data"), DataError);  // a directory
}

// Whatever a data file or a save names, the game reads only plain files of a sane
// size inside the game directory.
TEST(LineReader, ReadsOnlyPlainFilesOfASaneSizeInsideTheGameDirectory) {
    TempGameDir dir;
    dir.writeBytes("data\\huge.txt", std::string(GamePaths::kMaxFileBytes + 1, 'x'));
    dir.writeBytes("data\\full.txt", std::string(GamePaths::kMaxFileBytes, 'x'));
    std::filesystem::create_symlink("/dev/zero", dir.path("data\\zero.txt"));
    // Files of /proc say they are empty and then give text, or wait for the kernel.
    std::filesystem::create_symlink("/proc/kmsg", dir.path("data\\kmsg.txt"));
    std::filesystem::create_symlink("/proc/self/status", dir.path("data\\status.txt"));
    const std::pair<const char*, const char*> refused[] = {
        {"data\\..\\..\\..\\..\\..\\..\\dev\\zero", "leaves the game directory"},
        {"data/../../etc/passwd", "leaves the game directory"},
        {"data\\zero.txt", "not a regular file"},
        {"data\\huge.txt", "larger than 16 MB"},
        {"data\\kmsg.txt", "does not match its size"},
        {"data\\status.txt", "does not match its size"},
    };
    for (const auto& [gamePath, problem] : refused) {
        SCOPED_TRACE(gamePath);
        try {
            LineReader::open(dir.paths(), gamePath);
            ADD_FAILURE() << "opened";
        } catch (const DataError& error) {
            EXPECT_EQ(error.file(), GamePaths::shown(gamePath));
            EXPECT_NE(error.problem().find(problem), std::string::npos) << error.what();
        }
    }
    EXPECT_NO_THROW(LineReader::open(dir.paths(), "data\\full.txt"));
    EXPECT_TRUE(GamePaths::isInsideGameDirectory("\\data\\..x\\a.txt"));
    EXPECT_FALSE(GamePaths::isInsideGameDirectory(std::string("data\\a\0\\..", 10)));
}

// A list naming a file gives the error of that file and the line that named it.
TEST(LineReader, AFileNamedByAListIsTracedBackToTheList) {
    TempGameDir dir;
    dir.write("data\\list.txt", "first.txt\n\nmissing.txt\n");
    dir.write("data\\first.txt", "");
    LineReader list = LineReader::open(dir.paths(), "data\\list.txt");
    EXPECT_NO_THROW(LineReader::openNamedBy(dir.paths(), list.readFileName("a file"), list));
    try {
        LineReader::openNamedBy(dir.paths(), list.readFileName("a file"), list);
        ADD_FAILURE() << "an empty name opened";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/list.txt");
        EXPECT_EQ(error.line(), 2);
    }
    try {
        LineReader::openNamedBy(dir.paths(), list.readFileName("a file"), list);
        ADD_FAILURE() << "a missing file opened";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/missing.txt");
        EXPECT_NE(error.problem().find("named by data/list.txt:3"), std::string::npos)
            << error.what();
    }
}

TEST(StoryText, TakesTheLinesBetweenStartAndEnd) {
    TempGameDir dir;
    dir.write("data\\prologue\\one.txt", "제목\n&start\n첫 줄\n\n&start\n&end\n뒤\n");
    dir.write("data\\prologue\\open.txt", "&start\n끝이 없는 글\n");
    dir.write("data\\prologue\\none.txt", "본문만 있는 글\n&end\n");
    EXPECT_EQ(readStoryText(dir.paths(), "prologue\\one.txt"),
              (std::vector<std::string>{"첫 줄", "", "&start"}));
    EXPECT_EQ(readStoryText(dir.paths(), "prologue\\open.txt"),
              (std::vector<std::string>{"끝이 없는 글"}));
    EXPECT_TRUE(readStoryText(dir.paths(), "prologue\\none.txt").empty());
}

TEST(GamePaths, MapsBackslashesAndFindsNamesInAnotherCase) {
    TempGameDir dir;
    dir.writeBytes("data/Common/CityNat.TXT", "1\r\n");
    dir.writeBytes("data/common2/exact.txt", "2\r\n");
    GamePaths paths = dir.paths();
    EXPECT_EQ(paths.resolve("data\\common\\citynat.txt"), dir.root() / "data/Common/CityNat.TXT");
    EXPECT_EQ(paths.data("common2\\exact.txt"), dir.root() / "data/common2/exact.txt");
    // Doubled and leading separators are harmless.
    EXPECT_EQ(paths.resolve("\\data\\\\common2\\exact.txt"), dir.root() / "data/common2/exact.txt");
    // A file that is not there keeps its name, so the error names it as written.
    EXPECT_EQ(paths.resolve("data\\missing\\x.txt"), dir.root() / "data/missing/x.txt");
}

TEST(GamePaths, AReadCacheKeepsFilesOnlyWhileItLives) {
    TempGameDir dir;
    dir.write("data\\quest.scn", "old");
    GamePaths paths = dir.paths();
    auto firstLine = [&] { return LineReader::openData(paths, "quest.scn").readLine(); };
    {
        GamePaths::ReadCache turn(paths);
        {
            GamePaths::ReadCache nested(paths);
            EXPECT_EQ(firstLine(), "old");
        }
        dir.write("data\\quest.scn", "new");
        EXPECT_EQ(firstLine(), "old");
    }
    // An author's edit between turns is seen in the next one.
    EXPECT_EQ(firstLine(), "new");
    std::filesystem::remove(dir.path("data\\quest.scn"));
    EXPECT_FALSE(paths.hasDataFile("quest.scn"));
}

TEST(GamePaths, AReadCacheReadsEveryNameAsReadingWithoutOneDoes) {
    TempGameDir dir;
    dir.writeBytes("data/Common/CityNat.TXT", "1\r\n");
    dir.writeBytes("elsewhere.txt", "2\r\n");
    std::filesystem::create_symlink(dir.root() / "elsewhere.txt", dir.path("data\\linked.txt"));
    std::filesystem::create_directories(dir.path("data\\folder.txt"));
    GamePaths paths = dir.paths();
    auto firstLine = [&](std::string_view gamePath) {
        return LineReader::open(paths, gamePath).readLine();
    };
    const GamePaths::ReadCache cache(paths);
    EXPECT_EQ(firstLine("data\\common\\citynat.txt"), "1");
    EXPECT_EQ(firstLine("data\\linked.txt"), "2");  // an author's link to a data file
    EXPECT_THROW(firstLine("data\\..\\..\\elsewhere.txt"), DataError);
    EXPECT_THROW(firstLine("data\\folder.txt"), DataError);
    EXPECT_THROW(firstLine("data\\missing.txt"), DataError);
}

TEST(TextFileWriter, WritesCp949WithCrLfAndRefusesWhatCp949CannotHold) {
    TextFileWriter out("data/out.txt");
    out.writeLine("길드");
    out.writeNumber(-12);
    EXPECT_EQ(out.bytes(), "\xB1\xE6\xB5\xE5\r\n-12\r\n");
    try {
        out.writeLine("a \xE2\x80\x94 b");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 3);
    }
    EXPECT_THROW(out.writeLine("two\nlines"), DataError);  // it would shift every later line
    EXPECT_THROW(out.writeLine("ends\r"), DataError);
    EXPECT_EQ(out.bytes(), "\xB1\xE6\xB5\xE5\r\n-12\r\n");  // nothing half-written
}

}  // namespace
}  // namespace orrowvale
