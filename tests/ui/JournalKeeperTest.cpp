// The window's journal against the files a player's disk may hold in its place: each start must
// go on (no hang, no crash), say what it found, and keep every game it can.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/HeadlessDriver.h"
#include "game/GameReplay.h"
#include "records/JournalKeeper.h"

namespace vortala {
namespace {

namespace fs = std::filesystem;

// One losing game on line 1, played by keys; the keeper writes it.
void PlayLosingGame(HeadlessHost& host, JournalKeeper& keeper) {
    std::istringstream script(
        "key Insert\nsettle\nkey Num1\nreels 1 2 3 4 5  5 4 3 2 1  2 3 5 1 4\nkey Space\nuntil ReelsStarting "
        "0\n"
        "key Space\nsettle\n");
    HeadlessDriver driver(host);
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed) << err.str();
    keeper.GameEnded(1);
}

std::string Joined(const std::vector<std::string>& notes) {
    std::string all;
    for (const std::string& n : notes) all += n + "\n";
    return all;
}

class JournalKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vortala-journal-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "games.jsonl").string();
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Read() const {
        std::ifstream in(path_);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
    std::string path_;
};

TEST_F(JournalKeeperTest, FilesThatAreNoJournalNeverStopTheGame) {
    const auto dir = [&] { fs::create_directory(path_); };
    const auto fifo = [&] { ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0); };
    const auto device = [&] { fs::create_symlink("/dev/zero", path_); };
    for (const auto& make :
         {std::function<void()>(dir), std::function<void()>(fifo), std::function<void()>(device)}) {
        fs::remove_all(path_);
        make();
        HeadlessHost host;
        JournalKeeper keeper(path_, host.machine());  // must not block on the FIFO
        keeper.AllowWriting(true);
        EXPECT_NE(Joined(keeper.Notes()).find("not a regular file"), std::string::npos)
            << Joined(keeper.Notes());
        PlayLosingGame(host, keeper);
        keeper.Drain();
        EXPECT_EQ(keeper.Games().size(), 1u);  // still shown in the recall window
    }
}

TEST_F(JournalKeeperTest, ATornLineIsSkippedAndAnUnclosedSessionBooked) {
    {
        HeadlessHost host;
        JournalKeeper keeper(path_, host.machine());
        keeper.AllowWriting(true);
        EXPECT_TRUE(keeper.Notes().empty()) << Joined(keeper.Notes());  // a missing file is a new machine
        PlayLosingGame(host, keeper);
        PlayLosingGame(host, keeper);
    }  // ends without closing its session, as a crash would
    std::string text = Read();
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    text.resize(text.size() - 40);  // the last line torn mid-write
    std::ofstream(path_, std::ios::trunc) << text;

    HeadlessHost host;
    JournalKeeper keeper(path_, host.machine());
    keeper.AllowWriting(true);
    const std::string notes = Joined(keeper.Notes());
    EXPECT_NE(notes.find("1 damaged lines"), std::string::npos) << notes;
    EXPECT_NE(notes.find("ended without closing: its credit of 99"), std::string::npos) << notes;
    EXPECT_EQ(keeper.Games().size(), 1u);
    EXPECT_EQ(keeper.CurrentMeters().Credit(), 0);  // the credit left behind is booked, not lost
    PlayLosingGame(host, keeper);
    keeper.CloseSession(1, host.machine().State().Credit, true);
    keeper.Drain();

    const JournalAudit audit = AuditJournal(Read());
    EXPECT_EQ(audit.damaged, 1u);  // the torn line stays a line of its own
    EXPECT_EQ(audit.games.size(), 2u);
    EXPECT_EQ(audit.games.back().seq, 2u);
    EXPECT_TRUE(audit.findings.empty()) << audit.findings.front();
    EXPECT_EQ(audit.meters.Credit(), 0);
}

// What the player does while the reels of a losing game come to rest (a note put in, a spin
// started again with nothing bet) belongs to that game, and the re-play must do it at the same
// point.
TEST_F(JournalKeeperTest, StepsWhileTheReelsStopAreReplayed) {
    const char* scripts[] = {
        "key Insert\nsettle\nkey Num1\nreels 1 2 3 4 5  5 4 3 2 1  2 3 5 1 4\nkey Space\nuntil ReelsStarting "
        "0\n"
        "key Space\nkey Insert\nsettle\n",
        "key Insert\nsettle\nkey Space\nuntil ReelsStarting 0\nkey Space\nkey Space\nuntil ReelsStarting 0\n"
        "key Space\nsettle\n",
        // Stopped twice before a frame of the stop ran: one stake, the second draw stands.
        "key Insert\nsettle\nkey Num1\nkey Space\nuntil ReelsStarting 0\nkey Space\nkey Space\nsettle\n",
        // A win lost on a risk card: the frames fit the bets to the 10 left; a note put in then,
        // before the risk game ends, must come after that fit in the re-play too.
        "option fortuneRisk -100\nkey Insert\nsettle\nkey PageUp\nkey Space\nframes 20\n"
        "reels 2 3 4 5 8  1 1 1 2 3  4 5 8 2 3\nkey Space\nframes 60\nuntil RiskScreen 1\nkey Left\nframes "
        "9\n"
        "expect LineBet [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]\nexpect RiskScreen 1\nkey Insert\nsettle\n",
    };
    for (const char* text : scripts) {
        fs::remove(path_);
        HeadlessHost host;
        JournalKeeper keeper(path_, host.machine());
        keeper.AllowWriting(true);
        std::istringstream script(text);
        HeadlessDriver driver(host);
        std::ostringstream out, err;
        ASSERT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed) << err.str();
        ASSERT_TRUE(keeper.GameEnded(1)) << text;
        const GameRecord& played = keeper.Games().back();
        ASSERT_GE(played.events.size(), 2u) << text;  // the stop and what came during it
        GameRecord derived;
        RecordDifference difference;
        ASSERT_TRUE(ReplayGame(played, derived)) << text;
        EXPECT_FALSE(FirstDifference(played, derived, difference))
            << text << difference.field << ": recorded " << difference.recorded << ", re-derived "
            << difference.derived;
    }
}

// A note put in and one line bet, the reels spun and running at full speed.
constexpr const char* kSpinOneLine = "key Insert\nsettle\nkey Num1\nkey Space\nuntil ReelsStarting 0\n";

void RunSteps(HeadlessHost& host, const char* text) {
    std::istringstream script(text);
    HeadlessDriver driver(host);
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed) << err.str();
}

// A frame that draws nothing: what the dialogs do at its end is the test's.
class DialogsAtTheFrameEnd : public FramePainter {
public:
    bool BeginFrame() override { return true; }
    void DrawIntro(const GameState&) override {}
    void DrawHelp(const GameState&) override {}
    void DrawBackdrops(const GameState&) override {}
    void DrawVoyage(const GameState&) override {}
    void FinishBackdrops(const GameState&) override {}
    void DrawBarrels(const GameState&) override {}
    void DrawCoinDrum(const GameState&) override {}
    void DrawReels(const GameState&) override {}
    void DrawHelmDrums(const GameState&) override {}
    void DrawWinFrames(const GameState&) override {}
    void DrawPaylines(const GameState&) override {}
    void DrawStatus(const GameState&) override {}
    void DrawRiskCards(const GameState&) override {}
};

// The options dialog is drawn inside a frame; a fortune bar moved there mid-game is a change
// outside the rules, which the re-play puts back where it came.
class OptionsDrawnInTheFrame final : public DialogsAtTheFrameEnd {
public:
    explicit OptionsDrawnInTheFrame(Machine& m) : m_(m) {}
    void EndFrame() override { m_.SetFortuneBar(2, -2); }

private:
    Machine& m_;
};

TEST_F(JournalKeeperTest, AFortuneMovedWhileTheDialogsDrawIsReplayed) {
    HeadlessHost host;
    JournalKeeper keeper(path_, host.machine());
    keeper.AllowWriting(true);
    RunSteps(host, kSpinOneLine);
    OptionsDrawnInTheFrame painter(host.machine());
    host.machine().PaintFrame(&painter);
    RunSteps(host, "key Space\nsettle\n");
    ASSERT_TRUE(keeper.GameEnded(1));
    const GameRecord& played = keeper.Games().back();
    ASSERT_EQ(played.after.fortune[1], -2);
    GameRecord derived;
    RecordDifference difference;
    ASSERT_TRUE(ReplayGame(played, derived));
    EXPECT_FALSE(FirstDifference(played, derived, difference))
        << difference.field << ": recorded " << difference.recorded << ", re-derived " << difference.derived;
}

// The exit question answered by a click, in the frame whose rules settle the game: the session's
// close waits for the frame's step, by which the game is recorded and its end told.
class ClosedInTheSettlingFrame final : public DialogsAtTheFrameEnd {
public:
    ClosedInTheSettlingFrame(HeadlessHost& host, JournalKeeper& keeper) : host_(host), keeper_(keeper) {}
    void EndFrame() override {
        if (closed_ || !GameSettled(host_.machine().State()) || host_.GamesEnded() > 0) return;
        closed_ = true;
        host_.machine().AfterStep([this] {
            toldFirst_ = host_.GamesEnded() == 1;
            recordedFirst_ = keeper_.GameEnded(1);
        });
    }
    bool closed_ = false, toldFirst_ = false, recordedFirst_ = false;

private:
    HeadlessHost& host_;
    JournalKeeper& keeper_;
};

TEST_F(JournalKeeperTest, ASessionClosedInTheFrameThatSettlesAGameComesAfterIt) {
    HeadlessHost host;
    JournalKeeper keeper(path_, host.machine());
    keeper.AllowWriting(true);
    RunSteps(host, kSpinOneLine);
    ClosedInTheSettlingFrame painter(host, keeper);
    host.SetPainter(&painter);
    RunSteps(host, "key Space\nsettle\n");
    host.SetPainter(nullptr);
    ASSERT_TRUE(painter.closed_);
    EXPECT_TRUE(painter.toldFirst_);
    EXPECT_TRUE(painter.recordedFirst_) << "the game was still in play when the session closed";
}

TEST_F(JournalKeeperTest, AnEnormousFileIsReadOnlyAtItsEnd) {
    { std::ofstream out(path_); }
    ASSERT_EQ(truncate(path_.c_str(), 64 << 20), 0);  // sparse: 64 MiB of zeros, no line at all
    HeadlessHost host;
    JournalKeeper keeper(path_, host.machine());
    keeper.AllowWriting(true);
    EXPECT_NE(Joined(keeper.Notes()).find("larger than 16 MiB"), std::string::npos);
    PlayLosingGame(host, keeper);
    keeper.Drain();
    EXPECT_EQ(keeper.Games().size(), 1u);
}

}  // namespace
}  // namespace vortala
