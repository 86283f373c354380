#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "platform/IniText.h"
#include "platform/SettingsFile.h"
#include "platform/UserFolders.h"

namespace vortala {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "Software\\Orvexa\\Vortala";
constexpr const char* kSection = "vortala3";

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("vortala-settings-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "conf" / "vortala.ini").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void WriteFile(const std::string& text) {
        fs::create_directories(fs::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string FileText() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    std::string path_;
};

TEST_F(SettingsFileTest, MissingFileGivesDefaults) {
    const SettingsFile store(path_);
    EXPECT_EQ(store.ReadString(kKey, kSection, "val", "0"), "0");
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "sizeH", 480), 480);
    EXPECT_TRUE(store.ReadBool(kKey, kSection, "sound", true));
}

TEST_F(SettingsFileTest, ValuesSurviveASaveAndAreReadableText) {
    SettingsFile store(path_);
    store.WriteInteger(kKey, kSection, "speed", -30);
    store.WriteBool(kKey, kSection, "sound", false);
    store.WriteString("Software\\Orvex", kSection, "num", "17");
    ASSERT_TRUE(store.Save());

    const SettingsFile again(path_);
    EXPECT_EQ(again.ReadInteger(kKey, kSection, "speed", 0), -30);
    EXPECT_FALSE(again.ReadBool(kKey, kSection, "sound", true));
    EXPECT_EQ(again.ReadString("software\\orvex", "VORTALA3", "NUM", ""), "17");  // any letter case
    EXPECT_EQ(again.ReadString(kKey, kSection, "num", "none"), "none");           // other key
    EXPECT_NE(FileText().find("[Software\\Orvexa\\Vortala\\vortala3]\n"), std::string::npos);
    EXPECT_NE(FileText().find("speed=-30\n"), std::string::npos);
}

TEST_F(SettingsFileTest, EveryByteValueRoundTrips) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string edges = " =[x]; #%41 ";
    SettingsFile store(path_);
    store.WriteString(kKey, kSection, "val", all);
    store.WriteString(kKey, kSection, "edges", edges);
    ASSERT_TRUE(store.Save());

    const SettingsFile again(path_);
    EXPECT_EQ(again.ReadString(kKey, kSection, "val", ""), all);
    EXPECT_EQ(again.ReadString(kKey, kSection, "edges", ""), edges);
    for (unsigned char c : FileText()) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int{c};
}

TEST_F(SettingsFileTest, IntegersThatDoNotParseGiveTheDefault) {
    WriteFile("[Software\\Orvexa\\Vortala\\vortala3]\na=12x\nb=\nc=99999999999\nd= 7 \ne=+8\nf=2\ng=0\n");
    const SettingsFile store(path_);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "a", 5), 5);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "b", 5), 5);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "c", 5), 5);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "d", 5), 7);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "e", 5), 8);
    EXPECT_TRUE(store.ReadBool(kKey, kSection, "f", false));  // any integer but 0 is true
    EXPECT_FALSE(store.ReadBool(kKey, kSection, "g", true));
    EXPECT_TRUE(store.ReadBool(kKey, kSection, "a", true));
}

TEST_F(SettingsFileTest, NonsenseOrUnreadableFileGivesDefaults) {
    std::string garbage = "=x\n[unclosed\nnoequals\n\xff\xfe[]]]\r\n";
    for (int i = 0; i < 2000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    WriteFile(garbage);
    EXPECT_EQ(SettingsFile(path_).ReadInteger(kKey, kSection, "speed", 30), 30);

    fs::remove(path_);
    fs::create_directories(path_);  // a folder where the file should be
    SettingsFile store(path_);
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "speed", 30), 30);
    store.WriteInteger(kKey, kSection, "speed", 10);
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(store.ReadInteger(kKey, kSection, "speed", 30), 10);
}

TEST_F(SettingsFileTest, SaveMergesWithWhatAnotherStoreSaved) {
    SettingsFile first(path_);
    SettingsFile second(path_);
    first.WriteInteger(kKey, kSection, "coins", 5);
    ASSERT_TRUE(first.Save());
    second.WriteString("Software\\Orvex", kSection, "num", "3");
    ASSERT_TRUE(second.Save());

    const SettingsFile after(path_);
    EXPECT_EQ(after.ReadInteger(kKey, kSection, "coins", 0), 5);
    EXPECT_EQ(after.ReadString("Software\\Orvex", kSection, "num", ""), "3");
    for (const auto& entry : fs::directory_iterator(fs::path(path_).parent_path())) {
        EXPECT_EQ(entry.path().filename(), "vortala.ini");  // no temporary file left behind
    }
}

TEST(IniText, FormattingWhatWasParsedParsesTheSame) {
    const IniData data = ParseIni("[a\\b]\n x = 1\n[A\\B]\ny=%zz%4\n[ %20c ]\n#z=3\n;w=1\n[]\nq==\n");
    EXPECT_EQ(ParseIni(FormatIni(data)), data);
    ASSERT_EQ(data.size(), 3u);
    EXPECT_EQ(data.at("a\\b").at("X"), " 1");
    EXPECT_EQ(data.at("a\\b").at("y"), "%zz%4");
    EXPECT_EQ(data.count("  c "), 1u);
    EXPECT_EQ(data.at("").at("q"), "=");
}

class UserFoldersTest : public SettingsFileTest {
protected:
    void SetUp() override {
        SettingsFileTest::SetUp();
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
        SettingsFileTest::TearDown();
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(UserFoldersTest, FollowTheBaseDirectoryVariablesElseHome) {
    const std::string base = folder_.string();
    ::setenv("XDG_CONFIG_HOME", (base + "/cfg").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (base + "/data/").c_str(), 1);
    EXPECT_EQ(SettingsFile::DefaultPath(), base + "/cfg/orvexa/vortala.ini");
    EXPECT_EQ(SaveFolder(), base + "/data/Orvexa/Vortala/");
    EXPECT_TRUE(fs::is_directory(base + "/data/Orvexa/Vortala"));

    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // relative values do not count
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", (base + "/home").c_str(), 1);
    EXPECT_EQ(SettingsFile::DefaultPath(), base + "/home/.config/orvexa/vortala.ini");
    EXPECT_EQ(SaveFolder(), base + "/home/.local/share/Orvexa/Vortala/");
    EXPECT_TRUE(fs::is_directory(base + "/home/.local/share/Orvexa/Vortala"));

    ::unsetenv("HOME");  // the password database's home: named, never created here
    EXPECT_EQ(UserDataFolder().front(), '/');
}

}  // namespace
}  // namespace vortala
