#include "app/ui/midiplayer.h"

#include <fcntl.h>
#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "world/datafiles.h"

namespace orrowvale {

namespace {

// The sound library behind FluidSynth writes its own lines straight to standard
// error while it looks for a device; they are held back for that one call.
fluid_audio_driver_t* openQuietly(fluid_settings_t* settings, fluid_synth_t* synth) {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (saved >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, synth);
    if (saved >= 0 && null >= 0) dup2(saved, STDERR_FILENO);
    if (null >= 0) close(null);
    if (saved >= 0) close(saved);
    return driver;
}

// Whether the game's readers take the file: a pipe or a file of /proc in place of
// the tune would otherwise stop the game for good.
bool isPlainFile(const std::string& file) {
    try {
        readPlainFile(file, file);
        return true;
    } catch (const DataError&) {
        return false;
    }
}

}  // namespace

MidiPlayer::MidiPlayer() {
    // FluidSynth's own complaints about missing devices would flood the terminal;
    // the one line that matters is ours.
    fluid_set_log_function(FLUID_PANIC, nullptr, nullptr);
    fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    settings_ = new_fluid_settings();
}

MidiPlayer::~MidiPlayer() {
    stop();
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool MidiPlayer::openDevice() {
    if (deviceTried_) return driver_ != nullptr;
    deviceTried_ = true;
    // The "file" driver would quietly write a WAV file into the game directory.
    char* driverName = nullptr;
    if (fluid_settings_dupstr(settings_, "audio.driver", &driverName) == FLUID_OK && driverName &&
        std::string(driverName) == "file")
        fluid_settings_setstr(settings_, "audio.driver", "alsa");
    fluid_free(driverName);

    synth_ = new_fluid_synth(settings_);
    setVolume(volume_);
    if (!synth_ || fluid_synth_sfload(synth_, kSoundfont, 1) == FLUID_FAILED) {
        std::cerr << "orrowvale: the soundfont " << kSoundfont
                  << " cannot be loaded; the game plays without music\n";
        return false;
    }
    driver_ = openQuietly(settings_, synth_);
    if (!driver_) std::cerr << "orrowvale: no audio device; the game plays without music\n";
    return driver_ != nullptr;
}

std::string MidiPlayer::playLooping(const std::string& file) {
    stop();
    if (!isPlainFile(file) || !fluid_is_midifile(file.c_str()))
        return file + ": 음악 파일을 열 수 없습니다.";
    if (!openDevice()) return {};
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add(player_, file.c_str()) != FLUID_OK) {
        stop();
        return file + ": 음악 파일을 열 수 없습니다.";
    }
    fluid_player_set_loop(player_, -1);
    fluid_player_play(player_);
    return {};
}

void MidiPlayer::stop() {
    if (!player_) return;
    fluid_player_stop(player_);
    fluid_player_join(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    // Notes still sounding would hang on after the tune stopped.
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

// The synthesizer's gain: 0.2 (its own default) at 50, twice that at 100.
void MidiPlayer::setVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    if (synth_) fluid_synth_set_gain(synth_, static_cast<float>(0.4 * volume_ / 100.0));
}

bool MidiPlayer::playing() const {
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

}  // namespace orrowvale
