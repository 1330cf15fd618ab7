#pragma once

#include <string>
#include <vector>

namespace orrowvale::art {

struct Voice {
    int channel = 0;
    int program = 0;  // General MIDI, 0-based
    std::string name;
    int volume = 100;
    int pan = 64;
    int reverb = 64;
};

struct Note {
    int channel = 0;
    int start = 0;  // ticks
    int length = 0;
    int pitch = 60;
    int velocity = 80;
};

struct Control {
    int channel = 0;
    int tick = 0;
    int controller = 0;
    int value = 0;
};

struct Song {
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kBeatsPerBar = 4;
    std::string title;
    int beatsPerMinute = 72;
    int bars = 0;
    std::vector<Voice> voices;
    std::vector<Note> notes;
    std::vector<Control> controls;

    int ticksPerBar() const { return kTicksPerQuarter * kBeatsPerBar; }
    int endTick() const { return bars * ticksPerBar(); }
    double seconds() const;
};

// The title tune: a slow piece in D minor for strings, cello, harp, flute, oboe
// and celesta that turns towards F major in its middle and ends on the dominant,
// so that it flows back into its first bar when it loops.
Song composeTitleTune();

// A standard MIDI file of type 1: a tempo track, then one track per voice. Every
// track ends exactly at the last bar line, so a looping player restarts in time.
std::string midiFileBytes(const Song& song);

}  // namespace orrowvale::art
