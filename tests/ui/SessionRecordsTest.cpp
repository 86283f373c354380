// The session's records at the edges a kill, a close in mid-game or a full disk leave: the
// journal, the stores and the log must still agree.
#include <sstream>

#include "UiTestSupport.h"
#include "app/HeadlessDriver.h"
#include "app/Persistence.h"
#include "records/SessionRecords.h"
#include "ui/InputCapture.h"

namespace vortala {
namespace {

class Records : public testing::TempHome {
protected:
    std::unique_ptr<SessionRecords> Open(HeadlessHost& host) {
        store_ = std::make_unique<SettingsStore>(SettingsStore::DefaultPath());
        return std::make_unique<SessionRecords>(*store_, LogPath(), SaveFolder() + "games.jsonl",
                                                &host.machine(), [] {
                                                    return WindowSize{800, 600};
                                                });
    }
    static void Play(HeadlessHost& host, const std::string& text) {
        std::istringstream script(text);
        HeadlessDriver driver(host);
        std::ostringstream out, err;
        ASSERT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed) << err.str();
    }
    static constexpr const char* kLosingGame =
        "key Num1\nreels 1 2 3 4 5  5 4 3 2 1  2 3 5 1 4\nkey Space\nuntil ReelsStarting 0\nkey "
        "Space\nsettle\n";

    std::unique_ptr<SettingsStore> store_;
};

// Money put in before a game the window closes on is booked with the close, so the meters still
// balance at the next start; what that game changed (a helm it set turning) is not stored.
TEST_F(Records, ACloseInMidGameBooksTheMoneyPutInBeforeIt) {
    {
        HeadlessHost host;
        auto records = Open(host);
        Play(host, "key Insert\nsettle\nkey Num1\nkey Space\nuntil ReelsStarting 0\n");
        host.machine().EditState().HelmTurning[1] = 1;
        records->Close();
    }
    GameState stored;
    RestoreMoney(stored, Store());
    EXPECT_EQ(stored.HelmPosition[1], 1);
    HeadlessHost host;
    auto records = Open(host);
    EXPECT_FALSE(records->Journal()->Troubled()) << records->Journal()->Notes().front();
    EXPECT_EQ(records->Journal()->CurrentMeters().inserted, 100);
}

// A new game while the reels turn: the game goes on into the next session. The close books what
// it has taken so far and its own line the rest, so the meters balance at every line, also when
// the program is killed before the game ends.
TEST_F(Records, AGameInPlayAcrossANewGameIsBookedOnce) {
    HeadlessHost host;
    auto records = Open(host);
    Play(host,
         "key Insert\nsettle\nkey Num1\nreels 1 2 3 4 5  5 4 3 2 1  2 3 5 1 4\nkey Space\nuntil "
         "ReelsStarting 0\n");
    const Money stake = 100 - host.machine().State().Credit;
    records->StartNewGame();
    JournalAudit audit = AuditJournal(ReadText(SaveFolder() + "games.jsonl"));
    EXPECT_TRUE(audit.findings.empty()) << audit.findings.front();  // as a kill here would leave it
    EXPECT_EQ(audit.meters.staked, stake);

    Play(host, "key Insert\nkey Space\nsettle\n");
    records->GameEnded();
    audit = AuditJournal(ReadText(SaveFolder() + "games.jsonl"));
    EXPECT_TRUE(audit.findings.empty()) << audit.findings.front();
    ASSERT_EQ(audit.games.size(), 1u);
    EXPECT_EQ(audit.meters.staked, stake);
    EXPECT_EQ(audit.meters.inserted, 200);
    EXPECT_EQ(audit.meters.Credit(), host.machine().State().Credit);
}

// A kill between a game's journal line and its stores: the next start takes the stores from the
// journal's last game and closes the log's block with that game's money.
TEST_F(Records, AJournalAheadOfTheStoresBringsThemUpToIt) {
    const std::string journal = SaveFolder() + "games.jsonl", record = LogBook::SessionRecordPath(LogPath());
    std::map<std::string, std::string> killed;  // the files as the kill leaves them
    {
        HeadlessHost host;
        auto records = Open(host);
        Play(host, "key Insert\nsettle\n");
        killed[SettingsStore::DefaultPath()] = ReadText(SettingsStore::DefaultPath());
        killed[record] = ReadText(record);
        host.machine().EditState().Jackpot = 4321;
        Play(host, kLosingGame);
        records->GameEnded();
        killed[journal] = ReadText(journal);
        killed[LogPath()] = ReadText(LogPath());
    }
    for (const auto& [path, text] : killed) std::ofstream(path, std::ios::trunc | std::ios::binary) << text;

    HeadlessHost host;
    auto records = Open(host);
    const GameRecord& last = records->Journal()->Games().back();
    EXPECT_GE(last.after.jackpot, 4321);
    EXPECT_EQ(host.machine().State().Jackpot, last.after.jackpot);
    GameState stored;
    RestoreMoney(stored, Store());
    EXPECT_EQ(stored.Jackpot, last.after.jackpot);
    const std::string log = ReadText(LogPath());
    EXPECT_NE(log.find("Set on stake " + std::to_string(last.after.inserted) + "\r\nTaken off " +
                       std::to_string(last.after.credit) + "\r\n"),
              std::string::npos)
        << log;
}

// A number that cannot be stored is never used: the session writes neither log nor journal.
TEST_F(Records, ANumberThatCannotBeReservedIsNotUsed) {
    std::filesystem::create_directories(root_);
    std::ofstream(root_ / "config") << "a file where the settings folder should be";
    HeadlessHost host;
    auto records = Open(host);
    EXPECT_FALSE(records->Recording());
    Play(host, std::string("key Insert\nsettle\n") + kLosingGame);
    records->GameEnded();
    records->Close();
    EXPECT_FALSE(std::filesystem::exists(LogPath()));
    EXPECT_FALSE(std::filesystem::exists(SaveFolder() + "games.jsonl"));
}

SDL_Event KeyEvent(Uint32 type, SDL_Scancode code) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = code;
    return e;
}

// The key or click that closes a dialog never reaches the game: not its release, not its
// character; a press after it does.
TEST(InputCaptureTest, ThePressThatClosesADialogEndsInIt) {
    InputCapture capture;
    EXPECT_FALSE(capture.Swallows(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE), true));  // the dialog's
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    EXPECT_TRUE(capture.Swallows(text, false));  // the dialog closed on the press
    EXPECT_TRUE(capture.Swallows(KeyEvent(SDL_KEYUP, SDL_SCANCODE_SPACE), false));
    EXPECT_FALSE(capture.Swallows(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE), false));
    EXPECT_FALSE(capture.Swallows(text, false));
    EXPECT_FALSE(capture.Swallows(KeyEvent(SDL_KEYUP, SDL_SCANCODE_SPACE), false));

    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    EXPECT_FALSE(capture.Swallows(click, true));
    click.type = SDL_MOUSEBUTTONUP;
    EXPECT_TRUE(capture.Swallows(click, false));
    EXPECT_FALSE(capture.Swallows(click, false));
}

}  // namespace
}  // namespace vortala
