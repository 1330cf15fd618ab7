#include "tune.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace orrowvale::art {

double Song::seconds() const {
    return static_cast<double>(bars * kBeatsPerBar) * 60.0 / beatsPerMinute;
}

namespace {

constexpr int kStrings = 0;
constexpr int kCello = 1;
constexpr int kHarp = 2;
constexpr int kFlute = 3;
constexpr int kOboe = 4;
constexpr int kCelesta = 5;

// "C#5" -> 73, "Bb4" -> 70.
int pitchOf(const std::string& name) {
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                           {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.size() < 2 || !steps.count(name[0])) throw std::logic_error("bad pitch " + name);
    int pitch = steps.at(name[0]);
    std::size_t i = 1;
    if (name[i] == '#')
        ++pitch, ++i;
    else if (name[i] == 'b')
        --pitch, ++i;
    return pitch + 12 * (std::stoi(name.substr(i)) + 1);
}

struct Chord {
    int root;                  // pitch class
    std::vector<int> members;  // semitones above the root
};

Chord chordOf(const std::string& name) {
    static const std::map<std::string, Chord> chords{
        {"Dm", {2, {0, 3, 7}}},     {"Bb", {10, {0, 4, 7}}}, {"F", {5, {0, 4, 7}}},
        {"C", {0, {0, 4, 7}}},      {"Gm", {7, {0, 3, 7}}},  {"A", {9, {0, 4, 7}}},
        {"A7", {9, {0, 4, 7, 10}}},
    };
    return chords.at(name);
}

// One chord per bar; the middle section leans on the relative major.
const std::vector<std::string> kProgression = {
    "Dm", "Bb",                                     // rain begins
    "Dm", "Bb", "F",  "C",  "Gm", "Dm", "Bb", "A",  // the theme
    "Bb", "F",  "C",  "Dm", "Bb", "F",  "Gm", "A",  // the hopeful middle
    "Dm", "Bb", "Gm", "A",  "Dm", "A7",             // the theme again, back to the start
};

class Composer {
  public:
    explicit Composer(Song& song) : song_(song) {}

    // A line of bars separated by "|", each "PITCH:BEATS" or "r:BEATS"; every bar
    // must fill its four beats exactly.
    void melody(int channel, int firstBar, const std::string& bars, int baseVelocity) {
        std::string spaced;
        for (char c : bars)
            spaced += c == '|' ? std::string(" | ") : std::string(1, c);
        std::istringstream in(spaced);
        std::string token;
        int bar = firstBar;
        double beat = 0;
        while (in >> token) {
            if (token == "|") {
                finishBar(bar, beat);
                ++bar;
                beat = 0;
                continue;
            }
            const auto colon = token.find(':');
            const std::string pitch = token.substr(0, colon);
            const double beats = std::stod(token.substr(colon + 1));
            if (pitch != "r") {
                const bool downbeat = std::fmod(beat, 1.0) == 0.0;
                const int accent = beat == 0 ? 8 : downbeat ? 3 : -4;
                const int longer = std::min(static_cast<int>(beats * 4), 8);
                note(channel, tickOf(bar, beat), ticks(beats) - 12, pitchOf(pitch),
                     baseVelocity + accent + longer);
            }
            beat += beats;
        }
        finishBar(bar, beat);
    }

    void strings() {
        std::vector<int> previous = {62, 65, 69};
        for (int bar = 1; bar <= song_.bars; ++bar) {
            const Chord chord = chordOf(kProgression[static_cast<std::size_t>(bar - 1)]);
            previous = nearestVoicing(chord, previous);
            for (int pitch : previous)
                note(kStrings, tickOf(bar, 0), song_.ticksPerBar() - 6, pitch, 64);
        }
        // Each two-bar phrase swells and settles.
        const int phrase = 2 * song_.ticksPerBar();
        for (int tick = 0; tick < song_.endTick(); tick += 120) {
            const double t = static_cast<double>(tick % phrase) / phrase;
            const int value = static_cast<int>(std::lround(78 + 26 * std::sin(t * 3.14159265)));
            song_.controls.push_back({kStrings, tick, 11, value});
        }
    }

    void cello() {
        for (int bar = 1; bar <= song_.bars; ++bar) {
            const std::string name = kProgression[static_cast<std::size_t>(bar - 1)];
            const Chord chord = chordOf(name);
            const int root = 36 + (chord.root + 12 - 0) % 12;  // C2..B2
            const int low = root < 40 ? root + 12 : root;      // keep it in E2..D#3
            if (bar <= 2) {
                note(kCello, tickOf(bar, 0), song_.ticksPerBar() - 20, low, 70);
            } else if (name == "A7") {
                // Climbs through the leading tone back to the first bar's D.
                note(kCello, tickOf(bar, 0), ticks(2) - 20, low, 76);
                note(kCello, tickOf(bar, 2), ticks(1) - 20, low + 4, 72);
                note(kCello, tickOf(bar, 3), ticks(1) - 20, low + 7, 70);
            } else {
                note(kCello, tickOf(bar, 0), ticks(2) - 20, low, 78);
                note(kCello, tickOf(bar, 2), ticks(2) - 20, low + 7 > 52 ? low - 5 : low + 7, 68);
            }
        }
    }

    void harp() {
        for (int bar = 1; bar <= song_.bars; ++bar) {
            const Chord chord = chordOf(kProgression[static_cast<std::size_t>(bar - 1)]);
            const int root = 48 + chord.root;  // third octave
            const int third = chord.members[1];
            const int fifth = chord.members[2];
            const bool lifted = bar >= 11 && bar <= 18;
            const std::vector<int> pattern =
                lifted
                    ? std::vector<int>{0,          fifth, 12,         12 + third,
                                       12 + fifth, 24,    12 + fifth, 12 + third}
                    : std::vector<int>{0, fifth, 12, 12 + third, 12 + fifth, 12 + third, 12, fifth};
            for (std::size_t i = 0; i < pattern.size(); ++i) {
                const int velocity = i == 0 ? 72 : i % 2 == 0 ? 60 : 52;
                note(kHarp, tickOf(bar, 0.5 * static_cast<double>(i)), ticks(1.5),
                     root + pattern[i], velocity);
            }
        }
    }

  private:
    int ticks(double beats) const {
        return static_cast<int>(std::lround(beats * Song::kTicksPerQuarter));
    }
    int tickOf(int bar, double beat) const { return (bar - 1) * song_.ticksPerBar() + ticks(beat); }

    void note(int channel, int start, int length, int pitch, int velocity) {
        // Nothing may sound past the last bar line, or the loop would cut it off.
        length = std::min(length, song_.endTick() - start);
        song_.notes.push_back({channel, start, length, pitch, std::clamp(velocity, 1, 127)});
    }

    void finishBar(int bar, double beats) const {
        if (beats != 0 && beats != Song::kBeatsPerBar)
            throw std::logic_error("bar " + std::to_string(bar) + " holds " +
                                   std::to_string(beats) + " beats");
    }

    // The close voicing of the chord that moves the fewest semitones from the last one.
    static std::vector<int> nearestVoicing(const Chord& chord, const std::vector<int>& previous) {
        std::vector<int> best;
        int bestCost = 1 << 30;
        for (int inversion = 0; inversion < 3; ++inversion)
            for (int octave = 48; octave <= 60; octave += 12) {
                std::vector<int> voicing;
                for (int k = 0; k < 3; ++k) {
                    const int member = chord.members[static_cast<std::size_t>((k + inversion) % 3)];
                    int pitch = octave + chord.root + member;
                    while (!voicing.empty() && pitch <= voicing.back())
                        pitch += 12;
                    voicing.push_back(pitch);
                }
                if (voicing.front() < 50 || voicing.back() > 72) continue;
                int cost = 0;
                for (std::size_t k = 0; k < 3; ++k)
                    cost += std::abs(voicing[k] - previous[k]);
                if (cost < bestCost) {
                    bestCost = cost;
                    best = voicing;
                }
            }
        return best;
    }

    Song& song_;
};

}  // namespace

Song composeTitleTune() {
    Song song;
    song.title = "Endless Rain";
    song.beatsPerMinute = 72;
    song.bars = static_cast<int>(kProgression.size());
    song.voices = {
        {kStrings, 48, "Strings", 80, 64, 80}, {kCello, 42, "Cello", 84, 50, 70},
        {kHarp, 46, "Harp", 96, 40, 72},       {kFlute, 73, "Flute", 104, 76, 76},
        {kOboe, 68, "Oboe", 88, 90, 76},       {kCelesta, 8, "Celesta", 70, 100, 90},
    };
    Composer composer(song);
    composer.strings();
    composer.cello();
    composer.harp();
    composer.melody(
        kCelesta, 1,
        "r:0.5 A5:0.5 r:1 F5:0.5 r:0.5 D6:0.5 r:0.5 | r:1 F5:0.5 r:0.5 D6:0.5 r:1 Bb5:0.5", 62);
    composer.melody(
        kFlute, 3,
        "A4:1 D5:1 E5:1 F5:1 | F5:2.5 E5:0.5 D5:1 | C5:1.5 D5:0.5 C5:1 A4:1 | G4:3 A4:0.5 Bb4:0.5 |"
        "D5:1 G5:1.5 F5:0.5 E5:1 | F5:1.5 E5:0.5 D5:1 A4:1 | Bb4:1 D5:1 F5:1.5 E5:0.5 |"
        "E5:1.5 D5:0.5 C#5:2 |"
        "D5:1 F5:1 Bb5:1.5 A5:0.5 | A5:2 G5:1 F5:1 | G5:1.5 F5:0.5 E5:1 C5:1 | D5:2 E5:1 F5:1 |"
        "F5:1 G5:1 A5:1 Bb5:1 | C6:2 A5:1 F5:1 | Bb5:1.5 A5:0.5 G5:1 D5:1 | E5:1 D5:1 C#5:2 |"
        "A4:1 D5:1 E5:1 F5:1 | F5:2 G5:1 F5:1 | D5:1.5 Bb4:0.5 G4:1 Bb4:1 | A4:1 C#5:1 E5:2 |"
        "F5:1 E5:1 D5:2",
        80);
    composer.melody(kOboe, 11,
                    "F4:2 Bb4:2 | C5:2 A4:2 | G4:2 E4:2 | F4:2 A4:2 | D4:2 F4:2 | A4:2 C5:2 | D5:2 "
                    "Bb4:2 | A4:4",
                    60);
    composer.melody(kOboe, 23, "r:2 A4:1 F4:1 | E4:2 C#4:1 E4:1", 64);
    composer.melody(kCelesta, 23,
                    "r:2.5 A5:0.5 r:0.5 D6:0.5 | r:0.5 E6:0.5 r:1 C#6:0.5 r:0.5 A5:0.5 r:0.5", 60);
    return song;
}

namespace {

void putBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putVariableLength(std::string& out, std::uint32_t value) {
    std::string reversed;
    reversed.push_back(static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        reversed.push_back(static_cast<char>((value & 0x7F) | 0x80));
    out.append(reversed.rbegin(), reversed.rend());
}

struct Event {
    int tick;
    int order;  // at one tick: settings first, then note ends, then note starts
    std::string bytes;
};

std::string trackChunk(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    std::string body;
    int now = 0;
    for (const Event& event : events) {
        putVariableLength(body, static_cast<std::uint32_t>(event.tick - now));
        body += event.bytes;
        now = event.tick;
    }
    putVariableLength(body, static_cast<std::uint32_t>(endTick - now));
    body += std::string("\xFF\x2F\x00", 3);
    std::string chunk = "MTrk";
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string metaText(int type, const std::string& text) {
    std::string bytes{'\xFF', static_cast<char>(type)};
    putVariableLength(bytes, static_cast<std::uint32_t>(text.size()));
    return bytes + text;
}

std::string channelMessage(int status, int channel, int a, int b) {
    return {static_cast<char>(status | channel), static_cast<char>(a), static_cast<char>(b)};
}

}  // namespace

std::string midiFileBytes(const Song& song) {
    std::string file = "MThd";
    putBigEndian(file, 6, 4);
    putBigEndian(file, 1, 2);
    putBigEndian(file, static_cast<std::uint32_t>(song.voices.size() + 1), 2);
    putBigEndian(file, Song::kTicksPerQuarter, 2);

    const auto microsecondsPerQuarter =
        static_cast<std::uint32_t>(60'000'000 / song.beatsPerMinute);
    std::string tempo("\xFF\x51\x03", 3);
    putBigEndian(tempo, microsecondsPerQuarter, 3);
    file += trackChunk({{0, 0, metaText(0x03, song.title)},
                        {0, 0, tempo},
                        {0, 0, std::string("\xFF\x58\x04\x04\x02\x18\x08", 7)},
                        {0, 0, std::string("\xFF\x59\x02\xFF\x01", 5)}},  // one flat, minor
                       song.endTick());

    for (const Voice& voice : song.voices) {
        // The settings open every track, so each pass of a loop starts alike.
        std::vector<Event> events = {
            {0, 0, metaText(0x03, voice.name)},
            {0, 0,
             std::string{static_cast<char>(0xC0 | voice.channel),
                         static_cast<char>(voice.program)}},
            {0, 0, channelMessage(0xB0, voice.channel, 7, voice.volume)},
            {0, 0, channelMessage(0xB0, voice.channel, 10, voice.pan)},
            {0, 0, channelMessage(0xB0, voice.channel, 91, voice.reverb)},
            {0, 0, channelMessage(0xB0, voice.channel, 11, 100)},
        };
        for (const Control& control : song.controls)
            if (control.channel == voice.channel)
                events.push_back(
                    {control.tick, 0,
                     channelMessage(0xB0, voice.channel, control.controller, control.value)});
        for (const Note& note : song.notes) {
            if (note.channel != voice.channel) continue;
            events.push_back(
                {note.start, 2, channelMessage(0x90, voice.channel, note.pitch, note.velocity)});
            events.push_back(
                {note.start + note.length, 1, channelMessage(0x80, voice.channel, note.pitch, 64)});
        }
        file += trackChunk(std::move(events), song.endTick());
    }
    return file;
}

}  // namespace orrowvale::art
