// Checks every shipped picture, sound and page against what the game loads: names, sizes,
// JPEG frame headers, TGA headers, WAV format; and the sounds against what a finished game sounds
// like: loudness per family, true peak, clean starts, ends and loop seams, no clicks at note onsets.
// Reads the files directly, needs no decoder library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "SoundMeter.h"

namespace {

namespace test = vortala::test;

const std::string kDir = VORTALA_ASSET_DIR;

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(kDir + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned Le16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return Le16(b, at) | uint32_t(Le16(b, at + 2)) << 16;
}
unsigned Be16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] << 8 | b[at + 1];
}

struct Picture {
    const char* name;
    unsigned width, height;
};

// The texture catalogue, in load order (cher.jpg is loaded twice but shipped once).
const Picture kCatalogue[] = {
    {"sundukoff.tga", 128, 128},  {"sundukon_0.tga", 128, 128}, {"sundukon_1.tga", 128, 128},
    {"sundukon_2.tga", 128, 128}, {"bar_area.jpg", 1024, 512},  {"attack.tga", 64, 64},
    {"explot.jpg", 512, 512},     {"kartabet.jpg", 1024, 1024}, {"bar.tga", 128, 256},
    {"bar_cr.tga", 128, 256},     {"bar_gcr.tga", 128, 256},    {"ramk_o.tga", 128, 128},
    {"pipka.tga", 32, 32},        {"arrow.tga", 128, 64},       {"br_left.tga", 64, 64},
    {"br_right.tga", 64, 64},     {"br_die.tga", 64, 64},       {"addarea.jpg", 1024, 512},
    {"bonusarea.jpg", 654, 325},  {"sbonarea.jpg", 1024, 512},  {"cardsd.tga", 128, 128},
    {"cardsb.tga", 128, 128},     {"cardsr.tga", 128, 128},     {"logo.jpg", 512, 512},
    {"fire0.jpg", 64, 64},        {"fire1.jpg", 64, 64},        {"fire2.jpg", 64, 64},
    {"fire3.jpg", 64, 64},        {"fire4.jpg", 64, 64},        {"rbarea.jpg", 1024, 512},
    {"intfasex.jpg", 1024, 1024}, {"coin.tga", 24, 24},         {"coinarea.jpg", 1024, 512},
    {"barab_c0.jpg", 256, 128},   {"barab_c1.jpg", 256, 128},   {"barab_c2.jpg", 256, 128},
    {"barab_c5.jpg", 256, 128},   {"barab_b_j.jpg", 256, 128},  {"barab_b_o.jpg", 256, 128},
    {"barab_b_rb.jpg", 256, 128}, {"ostr.jpg", 256, 256},       {"del.jpg", 256, 256},
    {"shark.jpg", 256, 256},      {"tuk.jpg", 256, 256},        {"rul.jpg", 256, 256},
    {"coin.jpg", 256, 256},       {"bar.jpg", 256, 256},        {"gal.jpg", 256, 256},
    {"sun.jpg", 256, 256},        {"cher.jpg", 256, 256},       {"cher1.jpg", 256, 256},
    {"cher2.jpg", 256, 256},      {"cher3.jpg", 256, 256},      {"spritb1.jpg", 1024, 128},
    {"crab.jpg", 256, 256},       {"font.jpg", 256, 256},
};

struct JpegInfo {
    bool ok = false;
    std::string error;
    unsigned width = 0, height = 0, components = 0, precision = 0;
};

// Walks the marker segments up to the scan, then the entropy-coded data to EOI.
JpegInfo ParseJpeg(const std::vector<uint8_t>& b) {
    JpegInfo info;
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return info.error = "no SOI", info;
    size_t at = 2;
    bool frame = false;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return info.error = "marker expected", info;
        uint8_t m = b[at + 1];
        if (m == 0xFF) {
            ++at;
            continue;
        }
        size_t len = Be16(b, at + 2);
        if (at + 2 + len > b.size() || len < 2) return info.error = "segment runs past the end", info;
        if (m == 0xC0 || m == 0xC1 || m == 0xC2) {
            info.precision = b[at + 4];
            info.height = Be16(b, at + 5);
            info.width = Be16(b, at + 7);
            info.components = b[at + 9];
            frame = true;
        } else if (m >= 0xC3 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
            return info.error = "unsupported coding process", info;
        }
        at += 2 + len;
        if (m == 0xDA) {  // scan: skip coded data, stuffed bytes and restart markers
            while (at + 1 < b.size()) {
                if (b[at] == 0xFF && b[at + 1] != 0x00 && !(b[at + 1] >= 0xD0 && b[at + 1] <= 0xD7)) break;
                ++at;
            }
            if (at + 1 >= b.size()) return info.error = "scan without end", info;
            if (b[at + 1] == 0xD9) {
                info.ok = frame;
                if (!frame) info.error = "no frame header";
                return info;
            }
        }
    }
    return info.error = "no EOI", info;
}

TEST(AssetCatalogue, EveryPictureIsPresentDecodableAndOfItsSize) {
    for (const Picture& p : kCatalogue) {
        SCOPED_TRACE(p.name);
        std::vector<uint8_t> b = ReadFile(p.name);
        ASSERT_FALSE(b.empty()) << "missing";
        std::string name = p.name;
        if (name.substr(name.size() - 4) == ".jpg") {
            JpegInfo j = ParseJpeg(b);
            ASSERT_TRUE(j.ok) << j.error;
            EXPECT_EQ(j.components, 3u);
            EXPECT_EQ(j.precision, 8u);
            EXPECT_EQ(j.width, p.width);
            EXPECT_EQ(j.height, p.height);
        } else {
            ASSERT_GE(b.size(), 18u);
            EXPECT_EQ(b[0], 0) << "ID field must be empty";
            EXPECT_EQ(b[1], 0) << "no colour map";
            EXPECT_EQ(b[2], 2) << "uncompressed true colour";
            EXPECT_EQ(Le16(b, 12), p.width);
            EXPECT_EQ(Le16(b, 14), p.height);
            EXPECT_EQ(b[16], 32);
            EXPECT_EQ(b[17], 8) << "8 alpha bits, bottom-left origin";
            EXPECT_EQ(b.size(), 18u + size_t(p.width) * p.height * 4);
        }
    }
}

TEST(AssetCatalogue, FlareFramesAreAllThere) {
    for (int i = 1; i <= 27; ++i) {
        std::string name = "bn" + std::to_string(i) + ".jpg";
        SCOPED_TRACE(name);
        JpegInfo j = ParseJpeg(ReadFile(name));
        ASSERT_TRUE(j.ok) << j.error;
        EXPECT_EQ(j.width, 256u);
        EXPECT_EQ(j.height, 128u);
        EXPECT_EQ(j.components, 3u);
    }
}

TEST(AssetCatalogue, TgaPicturesHaveTransparentSurroundingsAndOpaqueContent) {
    for (const Picture& p : kCatalogue) {
        std::string name = p.name;
        if (name.substr(name.size() - 4) != ".tga") continue;
        SCOPED_TRACE(name);
        std::vector<uint8_t> b = ReadFile(name);
        ASSERT_EQ(b.size(), 18u + size_t(p.width) * p.height * 4);
        size_t clear = 0, solid = 0;
        for (size_t i = 18 + 3; i < b.size(); i += 4) {
            if (b[i] <= 13) ++clear;  // the game's alpha test drops alpha <= 0.05
            if (b[i] == 255) ++solid;
        }
        EXPECT_GT(clear, 0u) << "nothing is cut out";
        EXPECT_GT(solid, 0u) << "nothing is drawn";
        if (name != "ramk_o.tga") {  // the win frame is a thin outline
            // the corners are outside every drawing
            EXPECT_LE(b[18 + 3], 13);
            EXPECT_LE(b[b.size() - 1], 13);
        }
    }
}

TEST(AssetCatalogue, JpegParserRejectsDamagedFiles) {
    std::vector<uint8_t> good = ReadFile("coin.jpg");
    ASSERT_TRUE(ParseJpeg(good).ok);
    std::vector<uint8_t> cut(good.begin(), good.begin() + good.size() / 2);
    EXPECT_FALSE(ParseJpeg(cut).ok);
    std::vector<uint8_t> noSoi = good;
    noSoi[1] = 0;
    EXPECT_FALSE(ParseJpeg(noSoi).ok);
}

TEST(AssetFont, SheetIsSixteenCellsOfSixteenPixels) {
    JpegInfo j = ParseJpeg(ReadFile("font.jpg"));
    ASSERT_TRUE(j.ok) << j.error;
    EXPECT_EQ(j.width, 16u * 16u);
    EXPECT_EQ(j.height, 16u * 16u);
}

const char* const kSounds[] = {
    "add",       "addgam",   "barab",   "barab_start",  "barab_stop",  "barab_up", "barrcr", "barroff",
    "barron",    "bet",      "blast",   "brig_move",    "butt_click",  "card",     "credit", "exit",
    "jpot",      "komb1",    "komb2",   "komb3",        "nocred",      "rbno",     "rbyes",  "sbon",
    "sbon_dead", "sbon_win", "sun_fon", "sunfull_open", "sunnul_open", "take_win", "bonbar", "rb"};

struct Wave {
    unsigned format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<float> samples;
};

Wave ParseWave(const std::vector<uint8_t>& b) {
    Wave w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id(b.begin() + at, b.begin() + at + 4);
        size_t len = Le32(b, at + 4);
        if (at + 8 + len > b.size()) break;
        if (id == "fmt ") {
            w.format = Le16(b, at + 8);
            w.channels = Le16(b, at + 10);
            w.rate = Le32(b, at + 12);
            w.bits = Le16(b, at + 22);
        } else if (id == "data") {
            for (size_t i = 0; i + 1 < len; i += 2)
                w.samples.push_back(int16_t(Le16(b, at + 8 + i)) / 32768.0f);
        }
        at += 8 + len + (len & 1);
    }
    return w;
}

// A row of the pipeline's cue table: the loudness the cue was made for and what kind of sound it is.
struct CueRow {
    std::string family;
    double target = 0;
    bool loop = false, percussive = false;
};

std::map<std::string, CueRow> ReadCueTable() {
    std::ifstream in(VORTALA_SOUND_TABLE);
    std::map<std::string, double> targets;
    std::map<std::string, CueRow> cues;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        for (size_t at = 0; at <= line.size();) {
            size_t tab = std::min(line.find('\t', at), line.size());
            f.push_back(line.substr(at, tab - at));
            at = tab + 1;
        }
        if (f[0] == "family" && f.size() >= 3) targets[f[1]] = std::stod(f[2]);
        if (f[0] == "cue" && f.size() >= 4)
            cues[f[1]] = {f[2], targets.at(f[2]), f[3].find("loop") != std::string::npos,
                          f[3].find("percussive") != std::string::npos};
    }
    return cues;
}

struct MeasuredCue {
    std::string name;
    CueRow row;
    Wave wave;
    double loudness = 0;
};

// Every cue, read and measured once for all the sound checks.
const std::vector<MeasuredCue>& Cues() {
    static const std::vector<MeasuredCue> cues = [] {
        std::map<std::string, CueRow> table = ReadCueTable();
        std::vector<MeasuredCue> out;
        for (const char* name : kSounds) {
            MeasuredCue c{name, table[name], ParseWave(ReadFile(std::string(name) + ".wav"))};
            c.loudness = test::CueLoudness(c.wave.samples, 44100);
            out.push_back(std::move(c));
        }
        return out;
    }();
    return cues;
}

TEST(AssetSounds, EveryCueIsSixteenBitMonoPcmWithAFamily) {
    std::map<std::string, CueRow> table = ReadCueTable();
    EXPECT_EQ(table.size(), std::size(kSounds)) << "the cue table lists a cue the game does not have";
    for (const MeasuredCue& c : Cues()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(table.count(c.name), 1u) << "no family in tools/art/sounds.tsv";
        EXPECT_EQ(c.wave.format, 1u);
        EXPECT_EQ(c.wave.bits, 16u);
        EXPECT_EQ(c.wave.channels, 1u);
        EXPECT_EQ(c.wave.rate, 44100u);
        EXPECT_GT(c.wave.samples.size(), c.wave.rate / 50) << "too short";
    }
}

TEST(AssetSounds, LevelsAreCleanAndMatchTheirFamily) {
    const size_t ms = 44;
    for (const MeasuredCue& c : Cues()) {
        SCOPED_TRACE(c.name);
        const std::vector<float>& s = c.wave.samples;
        ASSERT_GT(s.size(), 2 * ms);
        EXPECT_NEAR(c.loudness, c.row.target, 2.0) << c.row.family << " family, LUFS";
        EXPECT_LE(test::TruePeak(s), -1.0) << "dBTP";
        double mean = 0;
        for (float v : s) mean += v;
        EXPECT_LT(std::abs(mean / s.size()), 0.001) << "DC offset";
        if (c.row.loop) {  // its ends meet each other (checked below), but its first play starts from silence
            EXPECT_LT(test::PeakLevel(s, 0, 1), -40.0) << "the first play starts with a step";
            continue;
        }
        EXPECT_LT(test::PeakLevel(s, 0, ms), -60.0) << "does not start at silence";
        EXPECT_LT(test::PeakLevel(s, s.size() - ms, s.size()), -60.0) << "does not end at silence";
    }
}

TEST(AssetSounds, InterfaceIsQuietestAndWinsGrowWithinSixLu) {
    std::map<std::string, std::pair<double, int>> families;  // summed loudness, count
    double loudestInterface = -100, quietestOther = 0;
    for (const MeasuredCue& c : Cues()) {
        families[c.row.family].first += c.loudness;
        ++families[c.row.family].second;
        if (c.row.family == "interface")
            loudestInterface = std::max(loudestInterface, c.loudness);
        else
            quietestOther = std::min(quietestOther, c.loudness);
    }
    EXPECT_LT(loudestInterface, quietestOther);
    auto mean = [&](const char* f) { return families[f].first / families[f].second; };
    EXPECT_LT(mean("win-small"), mean("win-medium"));
    EXPECT_LT(mean("win-medium"), mean("win-large"));
    EXPECT_LT(mean("win-large"), mean("win-jackpot"));
    EXPECT_LE(mean("win-jackpot") - mean("win-small"), 6.0);
    // a loss is news too, but quieter than the smallest win
    EXPECT_GE(mean("win-small") - mean("loss"), 2.0);
    EXPECT_LE(mean("win-small") - mean("loss"), 4.0);
}

// The ticks of the panel are heard against the exit bell's strike, by their loudest 100 ms: never
// louder than it and not lost beside it.
TEST(AssetSounds, TicksAreBalancedAgainstTheBell) {
    std::map<std::string, double> strike;
    for (const MeasuredCue& c : Cues())
        strike[c.name] = test::LoudestStretch(c.wave.samples, 44100, 0.1).loudness;
    for (const char* tick : {"bet", "butt_click", "card"}) {
        SCOPED_TRACE(tick);
        EXPECT_LE(strike[tick], strike["exit"] + 0.5);
        EXPECT_GE(strike[tick], strike["exit"] - 3.0);
    }
}

// A laptop's speaker gives little below 300 Hz: every cue keeps most of its loudness there.
TEST(AssetSounds, CuesCarryOnSmallSpeakers) {
    for (const MeasuredCue& c : Cues()) {
        SCOPED_TRACE(c.name);
        const double small = test::CueLoudness(test::HighPassed(c.wave.samples, 300.0, 44100), 44100);
        EXPECT_LE(c.loudness - small, 5.0) << "LU lost through a 300 Hz high-pass";
    }
}

// How long the game lets each cue sound before the next cue or the next screen cuts it, from the
// frame and phase timers at their usual settings (a paint tick of 30 ms). What a cue has to say,
// its loudest moment, must come before that.
struct Slot {
    const char* cue;
    int ms;
    const char* cutBy;
};
const Slot kSlots[] = {
    {"card", 30, "the verdict, one paint tick later"},
    {"barab_up", 100, "the spin's start when Space is only tapped"},
    {"barab_start", 450, "the running reels' loop, 15 ticks later"},
    {"barab_stop", 300, "the next reel's stop, 10 ticks later"},
    {"brig_move", 500, "the ship's next square"},
    {"komb1", 2000, "the bonus chooser's next screen"},
    {"komb2", 2000, "the bonus chooser's next screen"},
    {"komb3", 2000, "the bonus chooser's next screen"},
    {"credit", 2000, "the bonus chooser's next screen"},
    {"jpot", 2000, "the bonus chooser's next screen"},
    {"rbno", 2000, "the end of the risk game"},
    {"addgam", 2000, "the end of the free games' award"},
    {"sunfull_open", 2000, "the other chests opening"},
    {"sunnul_open", 2000, "the other chests opening"},
    {"sbon_win", 2000, "the end of the voyage"},
    {"sbon_dead", 2000, "the end of the voyage"},
    {"barron", 3000, "the end of the barrel bonus"},
    {"barroff", 3000, "the end of the barrel bonus"},
    {"barrcr", 3000, "the end of the barrel bonus"},
};

TEST(AssetSounds, CuesSayTheirPieceBeforeTheyAreCut) {
    for (const Slot& slot : kSlots) {
        SCOPED_TRACE(slot.cue);
        const auto cue = std::find_if(Cues().begin(), Cues().end(),
                                      [&](const MeasuredCue& c) { return c.name == slot.cue; });
        ASSERT_NE(cue, Cues().end());
        const double loudest = test::LoudestStretch(cue->wave.samples, 44100, 0.01).start + 0.01;
        EXPECT_LE(loudest * 1000, slot.ms) << "its loudest moment (ms) comes after " << slot.cutBy
                                           << "; it lasts " << cue->wave.samples.size() / 44.1 << " ms";
    }
}

TEST(AssetSounds, NoNoteStartsWithAClick) {
    for (const MeasuredCue& c : Cues()) {
        if (c.row.percussive) continue;
        SCOPED_TRACE(c.name);
        std::vector<float> s = c.wave.samples;
        if (c.row.loop)
            s.insert(s.end(), c.wave.samples.begin(), c.wave.samples.end());  // and across the seam
        std::vector<double> clicks = test::OnsetClicks(s, 44100);
        if (!clicks.empty())
            ADD_FAILURE() << clicks.size() << " clicks, the first at " << clicks.front() << " s";
    }
}

TEST(AssetSounds, LoopsJoinWithoutAJumpOrAGap) {
    for (const MeasuredCue& c : Cues()) {
        if (!c.row.loop) continue;
        SCOPED_TRACE(c.name);
        const std::vector<float>& s = c.wave.samples;
        ASSERT_GT(s.size(), 44100u / 10);
        // the step across the seam is no larger than the loudest step inside the sound
        float maxStep = 0;
        for (size_t i = 1; i < s.size(); ++i) maxStep = std::max(maxStep, std::abs(s[i] - s[i - 1]));
        EXPECT_LE(std::abs(s.front() - s.back()), maxStep);
        // and no gap: the level of the last and the first 100 ms are within 6 dB of each other
        const size_t span = 44100 / 10;
        auto rms = [&](size_t from) {
            double sum = 0;
            for (size_t i = from; i < from + span; ++i) sum += double(s[i]) * s[i];
            return 10 * std::log10(std::max(sum / span, 1e-10));
        };
        EXPECT_NEAR(rms(s.size() - span), rms(0), 6.0);
    }
}

TEST(AssetSounds, MeterReadsKnownSignals) {
    // a 1 kHz sine at -20 dBFS in one channel reads -23 LUFS
    std::vector<float> sine(44100 * 2);
    for (size_t i = 0; i < sine.size(); ++i)
        sine[i] = 0.1f * std::sin(2 * 3.14159265358979 * 1000 * i / 44100.0);
    EXPECT_NEAR(test::IntegratedLoudness(sine, 44100), -23.0, 0.1);
    // a quarter-rate sine sampled 45 degrees off its crests peaks 3 dB above its samples
    std::vector<float> offCrest(4410);
    for (size_t i = 0; i < offCrest.size(); ++i)
        offCrest[i] = 0.5f * std::sin(3.14159265358979 * (i / 2.0 + 0.25));
    EXPECT_NEAR(test::PeakLevel(offCrest, 100, 4300), -9.03, 0.05);
    EXPECT_NEAR(test::TruePeak(offCrest), -6.02, 0.2);
    // a note that starts at its crest pops; the same note faded in over 5 ms does not
    std::vector<float> note(44100 / 2), faded(44100 / 2);
    for (size_t i = 0; i < note.size(); ++i) {
        const float tail = std::min(1.0f, float(note.size() - i) / 2205.0f);  // both end in a 50 ms fade
        note[i] =
            tail * 0.3f * std::cos(2 * 3.14159265358979 * 440 * i / 44100.0) * std::exp(-float(i) / 1e4f);
        faded[i] = note[i] * std::min(1.0f, i / 220.0f);
    }
    std::vector<float> pause(4410, 0.0f);
    note.insert(note.begin(), pause.begin(), pause.end());
    faded.insert(faded.begin(), pause.begin(), pause.end());
    EXPECT_FALSE(test::OnsetClicks(note, 44100).empty());
    EXPECT_TRUE(test::OnsetClicks(faded, 44100).empty());
}

TEST(AssetPage, BuiltInPageIsAUtf8HtmlPage) {
    std::vector<uint8_t> b = ReadFile("MYHTML.html");
    std::string page(b.begin(), b.end());
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("<html"), std::string::npos);
    EXPECT_NE(page.find("charset=\"utf-8\""), std::string::npos);
    EXPECT_NE(page.find("#006600"), std::string::npos);
    EXPECT_NE(page.find("650px"), std::string::npos);
}

}  // namespace
