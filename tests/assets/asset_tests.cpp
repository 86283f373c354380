// Checks every shipped picture, sound and page against what the game loads: names, sizes,
// JPEG frame headers, TGA headers, WAV format. Reads the files directly, needs no decoder library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kDir = VORTALA_ASSET_DIR;

std::vector<uint8_t> ReadFile(const std::string& name) {
  std::ifstream in(kDir + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned Le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) { return Le16(b, at) | uint32_t(Le16(b, at + 2)) << 16; }
unsigned Be16(const std::vector<uint8_t>& b, size_t at) { return b[at] << 8 | b[at + 1]; }

struct Picture {
  const char* name;
  unsigned width, height;
};

// The texture catalogue, in load order (cher.jpg is loaded twice but shipped once).
const Picture kCatalogue[] = {
    {"sundukoff.tga", 128, 128}, {"sundukon_0.tga", 128, 128}, {"sundukon_1.tga", 128, 128},
    {"sundukon_2.tga", 128, 128}, {"bar_area.jpg", 1024, 512}, {"attack.tga", 64, 64},
    {"explot.jpg", 512, 512}, {"kartabet.jpg", 1024, 1024}, {"bar.tga", 128, 256},
    {"bar_cr.tga", 128, 256}, {"bar_gcr.tga", 128, 256}, {"ramk_o.tga", 128, 128},
    {"pipka.tga", 32, 32}, {"arrow.tga", 128, 64}, {"br_left.tga", 64, 64},
    {"br_right.tga", 64, 64}, {"br_die.tga", 64, 64}, {"addarea.jpg", 1024, 512},
    {"bonusarea.jpg", 654, 325}, {"sbonarea.jpg", 1024, 512}, {"cardsd.tga", 128, 128},
    {"cardsb.tga", 128, 128}, {"cardsr.tga", 128, 128}, {"logo.jpg", 512, 512},
    {"fire0.jpg", 64, 64}, {"fire1.jpg", 64, 64}, {"fire2.jpg", 64, 64},
    {"fire3.jpg", 64, 64}, {"fire4.jpg", 64, 64}, {"rbarea.jpg", 1024, 512},
    {"intfasex.jpg", 1024, 1024}, {"coin.tga", 24, 24}, {"coinarea.jpg", 1024, 512},
    {"barab_c0.jpg", 256, 128}, {"barab_c1.jpg", 256, 128}, {"barab_c2.jpg", 256, 128},
    {"barab_c5.jpg", 256, 128}, {"barab_b_j.jpg", 256, 128}, {"barab_b_o.jpg", 256, 128},
    {"barab_b_rb.jpg", 256, 128}, {"ostr.jpg", 256, 256}, {"del.jpg", 256, 256},
    {"shark.jpg", 256, 256}, {"tuk.jpg", 256, 256}, {"rul.jpg", 256, 256},
    {"coin.jpg", 256, 256}, {"bar.jpg", 256, 256}, {"gal.jpg", 256, 256},
    {"sun.jpg", 256, 256}, {"cher.jpg", 256, 256}, {"cher1.jpg", 256, 256},
    {"cher2.jpg", 256, 256}, {"cher3.jpg", 256, 256}, {"spritb1.jpg", 1024, 128},
    {"crab.jpg", 256, 256}, {"font.jpg", 256, 256},
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
    if (m == 0xFF) { ++at; continue; }
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
    "add", "addgam", "barab", "barab_start", "barab_stop", "barab_up", "barrcr", "barroff",
    "barron", "bet", "blast", "brig_move", "butt_click", "card", "credit", "exit",
    "jpot", "komb1", "komb2", "komb3", "nocred", "rbno", "rbyes", "sbon",
    "sbon_dead", "sbon_win", "sun_fon", "sunfull_open", "sunnul_open", "take_win", "bonbar", "rb"};

struct Wave {
  unsigned format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
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
      for (size_t i = 0; i + 1 < len; i += 2) w.samples.push_back(int16_t(Le16(b, at + 8 + i)));
    }
    at += 8 + len + (len & 1);
  }
  return w;
}

TEST(AssetSounds, EveryCueIsSixteenBitPcmAndNotClipped) {
  for (const char* cue : kSounds) {
    SCOPED_TRACE(cue);
    Wave w = ParseWave(ReadFile(std::string(cue) + ".wav"));
    EXPECT_EQ(w.format, 1u);
    EXPECT_EQ(w.bits, 16u);
    EXPECT_EQ(w.channels, 1u);
    EXPECT_EQ(w.rate, 44100u);
    ASSERT_GT(w.samples.size(), w.rate / 50) << "too short";
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32000) << "clipped";
    EXPECT_GT(peak, 8000) << "far too quiet beside the other cues";
  }
}

TEST(AssetSounds, LoopsJoinWithoutAClick) {
  for (const char* cue : {"barab", "sun_fon"}) {
    SCOPED_TRACE(cue);
    Wave w = ParseWave(ReadFile(std::string(cue) + ".wav"));
    ASSERT_GT(w.samples.size(), 2u);
    // the step across the loop seam is no larger than the loudest step inside the sound
    int maxStep = 0;
    for (size_t i = 1; i < w.samples.size(); ++i)
      maxStep = std::max(maxStep, std::abs(w.samples[i] - w.samples[i - 1]));
    EXPECT_LE(std::abs(w.samples.front() - w.samples.back()), maxStep);
  }
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
