#pragma once

#include <string>

// FluidSynth's handles, declared as its own header does.
struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_player_t;

namespace orrowvale {

// Plays a standard MIDI file in a loop through FluidSynth and a General MIDI
// soundfont. Without an audio device the game plays on silently; that is said
// once on standard error.
class MidiPlayer {
  public:
    MidiPlayer();
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Plays `file` from its start, over and over until stop(). Returns an empty
    // text, or why the file cannot be played (it then stays quiet).
    std::string playLooping(const std::string& file);
    void stop();
    bool playing() const;
    // How loud, 0 to 100; 50 is the synthesizer's own loudness. Heard at once.
    void setVolume(int percent);
    int volume() const { return volume_; }
    // False when there is no audio device or no soundfont: music is then silent.
    bool hasSound() const { return driver_ != nullptr; }

  private:
    bool openDevice();

    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    bool deviceTried_ = false;
    int volume_ = 50;
};

inline constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

}  // namespace orrowvale
