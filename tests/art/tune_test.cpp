#include "tune.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "game/testfiles.h"

namespace orrowvale::art {
namespace {

TEST(TitleTune, IsAMinuteOrMoreInDMinorAndEndsEveryNoteByTheLoopPoint) {
    const Song song = composeTitleTune();
    EXPECT_GE(song.seconds(), 60);
    EXPECT_LE(song.seconds(), 90);
    // D natural minor with the raised seventh of its dominant chord.
    const std::set<int> scale = {2, 4, 5, 7, 9, 10, 0, 1};
    std::set<int> channels;
    for (const Note& note : song.notes) {
        EXPECT_TRUE(scale.count(note.pitch % 12))
            << "pitch " << note.pitch << " at tick " << note.start;
        EXPECT_GT(note.length, 0);
        EXPECT_LE(note.start + note.length, song.endTick()) << "a note would be cut by the loop";
        channels.insert(note.channel);
    }
    EXPECT_EQ(channels.size(), song.voices.size()) << "every instrument plays";
}

// Renders the file the build wrote through FluidSynth, as the title window plays it.
class RenderedTune : public ::testing::Test {
  protected:
    static constexpr int kRate = 22050;  // enough to hear the tune, and quick to render

    static std::vector<std::int16_t> render(const std::string& midiFile, int passes,
                                            int& totalTicks) {
        const std::string raw =
            (std::filesystem::temp_directory_path() / "orrowvale-tune-test.raw").string();
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        fluid_settings_setnum(settings, "synth.sample-rate", kRate);
        fluid_settings_setstr(settings, "audio.file.name", raw.c_str());
        fluid_settings_setstr(settings, "audio.file.type", "raw");
        fluid_settings_setstr(settings, "audio.file.format", "s16");
        fluid_settings_setstr(settings, "audio.file.endian", "little");
        fluid_synth_t* synth = new_fluid_synth(settings);
        EXPECT_NE(fluid_synth_sfload(synth, ORROWVALE_SOUNDFONT, 1), FLUID_FAILED);
        fluid_player_t* player = new_fluid_player(synth);
        EXPECT_EQ(fluid_player_add(player, midiFile.c_str()), FLUID_OK);
        fluid_player_set_loop(player, passes);
        fluid_player_play(player);
        fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth);
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
            if (fluid_file_renderer_process_block(renderer) != FLUID_OK) break;
        totalTicks = fluid_player_get_total_ticks(player);
        delete_fluid_file_renderer(renderer);
        delete_fluid_player(player);
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        std::ifstream in(raw, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        std::filesystem::remove(raw);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    static double rms(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i)
            sum += static_cast<double>(samples[i]) * samples[i];
        return std::sqrt(sum / static_cast<double>(to - from)) / 32768.0;
    }
};

TEST_F(RenderedTune, LoopsWithoutAGapAndIsNeitherSilentNorClipped) {
    const std::string file = testing::sampleWorld().resolve("data\\endless_rain[1].mid").string();
    ASSERT_TRUE(fluid_is_midifile(file.c_str())) << file;
    int totalTicks = 0;
    const std::vector<std::int16_t> samples = render(file, 2, totalTicks);
    const Song song = composeTitleTune();
    EXPECT_EQ(totalTicks, song.endTick()) << "every track ends at the last bar line";

    const std::size_t perSecond = kRate * 2;  // stereo
    ASSERT_GT(samples.size(), perSecond * 120);
    // Two passes back to back; after the last one the player lets the notes ring out.
    const double seconds = static_cast<double>(samples.size()) / perSecond;
    EXPECT_GE(seconds, 2 * song.seconds() - 0.5);
    EXPECT_LE(seconds, 2 * song.seconds() + 6);
    EXPECT_GT(rms(samples, 0, samples.size()), 0.008) << "too quiet to hear";
    const auto loopPoint = static_cast<std::size_t>(song.seconds() * kRate) * 2;
    EXPECT_GT(rms(samples, 0, perSecond / 2), 0.004) << "the tune starts with dead air";
    EXPECT_GT(rms(samples, loopPoint - perSecond / 2, loopPoint), 0.004)
        << "the first pass fades out";
    EXPECT_GT(rms(samples, loopPoint, loopPoint + perSecond / 2), 0.004)
        << "the second pass starts late";
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32000) << "clipped";
}

}  // namespace
}  // namespace orrowvale::art
