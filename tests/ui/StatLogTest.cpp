#include <algorithm>

#include "UiTestSupport.h"
#include "app/StatLog.h"
#include "records/LogBook.h"

namespace vortala {
namespace {

using testing::TempHome;

// One run's log: the interrupted block of a run before it, its own opening and closing.
void RunSession(int number, Money inserted, Money credit, SaveFailures& failures) {
    LogBook book(SaveFolder() + "stat.log", failures);
    book.CloseInterrupted({});
    book.Open(number, 0, 0);
    book.Close(inserted, credit);
}

std::tm Moment() {
    std::tm t{};
    t.tm_mday = 5, t.tm_mon = 2, t.tm_year = 124, t.tm_hour = 9, t.tm_min = 7, t.tm_sec = 3;
    return t;
}

TEST(StatLog, BlocksHaveTheirExactLines) {
    StatLog log;
    ASSERT_EQ(log.Lines().size(), 5u);
    log.AppendOpening(12, Moment());
    log.AppendClosing(500, 0, Moment());
    const std::vector<std::string> tail(log.Lines().begin() + 5, log.Lines().end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        std::string(40, '*'), "Zevirezid *Vortala* ON -  05/03/2024, 09:07:03",
                        "game's number  12", "Set on stake 500", "Taken off 0", "You won 0", "You lost 500",
                        "Zevirezid *Vortala* OFF -  05/03/2024, 09:07:03"}));
    StatLog even, ahead;
    even.AppendClosing(300, 300, Moment());
    EXPECT_EQ(even.Lines()[7], "You won 0");
    EXPECT_EQ(even.Lines()[8], "You lost 0");
    ahead.AppendClosing(500, 800, Moment());
    EXPECT_EQ(ahead.Lines()[7], "You won 300");
    EXPECT_EQ(ahead.Lines()[8], "You lost 0");
}

TEST(StatLog, TheFileHoldsTheBlocksAsShownWithCrLf) {
    StatLog log;
    std::string text = StatLog::HeaderText();
    text += log.AppendOpening(1, Moment());
    text += log.AppendClosing(5, 0, Moment(), true);
    StatLog again;
    again.Replace(text);
    EXPECT_EQ(again.Lines(), log.Lines());
    EXPECT_NE(text.find("You lost 5\r\nZevirezid *Vortala* OFF -  05/03/2024, 09:07:03 (interrupted)\r\n"),
              std::string::npos);
}

TEST(StatLog, HistoryStartsAfreshAtTheListedGameNumbers) {
    for (int n : {100, 200, 2500, 3000, 3500, 10000}) EXPECT_TRUE(StatLog::ClearsHistoryAt(n)) << n;
    for (int n : {1, 99, 150, 2600, 2700, 3100, 10500, 0, -100})
        EXPECT_FALSE(StatLog::ClearsHistoryAt(n)) << n;
}

TEST_F(TempHome, FirstRunWritesHeaderAndBothBlocks) {
    GameState g;
    g.CreditInserted = 500;
    g.Credit = 800;
    SaveFailures failures;
    RunSession(1, g.CreditInserted, g.Credit, failures);
    StatLog written;
    written.Replace(ReadText(LogPath()));
    ASSERT_EQ(written.Lines().size(), 13u);
    EXPECT_EQ(written.Lines()[1], "Orvexa presents:");
    EXPECT_EQ(written.Lines()[7], "game's number  1");
    EXPECT_EQ(written.Lines()[10], "You won 300");
    // The next run keeps the history and adds to it.
    RunSession(2, g.CreditInserted, g.Credit, failures);
    written.Replace(ReadText(LogPath()));
    EXPECT_EQ(written.Lines().size(), 21u);
    // At game 100 the history starts afresh from the designed header.
    RunSession(100, g.CreditInserted, g.Credit, failures);
    written.Replace(ReadText(LogPath()));
    EXPECT_EQ(written.Lines().size(), 13u);
    EXPECT_EQ(written.Lines()[7], "game's number  100");
    // Nothing but the log is left in the folder: no temporary file survives the save.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SaveFolder()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST_F(TempHome, ALogWithoutAGameRecordsZeroes) {
    SaveFailures failures;
    RunSession(3, 0, 0, failures);
    EXPECT_NE(ReadText(LogPath()).find("Set on stake 0\r\nTaken off 0\r\n"), std::string::npos);
}

// A long history: the memo shows its last megabyte from a whole line, and the file only ever
// grows by the new blocks; what was there stays byte for byte.
TEST_F(TempHome, ALongLogIsShownFromItsTailAndOnlyAppendedTo) {
    std::string history;
    for (int i = 0; history.size() < 1536 * 1024; ++i)
        history += "earlier line " + std::to_string(i) + "\r\n";
    std::filesystem::create_directories(SaveFolder());
    std::ofstream(LogPath(), std::ios::binary) << history;
    SaveFailures failures;
    auto book = std::make_unique<LogBook>(LogPath(), failures);
    book->Open(7, 0, 0);
    const std::vector<std::string>& lines = book->Log().Lines();
    EXPECT_EQ(lines.back(), "game's number  7");
    EXPECT_EQ(lines.front().rfind("earlier line ", 0), 0u);
    EXPECT_NE(history.find("\n" + lines.front() + "\r\n"), std::string::npos);  // a whole line
    EXPECT_LE(lines.size(), 1024 * 1024 / 16u);
    book->Close(0, 0);
    const std::string text = ReadText(LogPath());
    EXPECT_EQ(text.substr(0, history.size()), history);
    EXPECT_EQ(std::count(text.begin() + static_cast<std::ptrdiff_t>(history.size()), text.end(), '\n'), 8);
}

// A session that died: the next start closes its block with the money of its last finished game,
// marked as interrupted, before opening its own.
TEST_F(TempHome, AnInterruptedSessionIsClosedAtTheNextStart) {
    GameState g;
    SaveFailures failures;
    auto first = std::make_unique<LogBook>(LogPath(), failures);
    first->Open(4, 0, 0);
    g.CreditInserted = 500, g.Credit = 350;
    first->GameEnded(g.CreditInserted, g.Credit);
    g.Credit = 0;  // lost after the last finished game: never recorded
    const std::string record = LogBook::SessionRecordPath(LogPath());
    const std::string logThen = ReadText(LogPath()), recordThen = ReadText(record);
    first->Close(g.CreditInserted, g.Credit);
    first.reset();
    std::ofstream(LogPath(), std::ios::binary) << logThen;  // as if the process had died before
    std::ofstream(record, std::ios::binary) << recordThen;

    RunSession(5, g.CreditInserted, g.Credit, failures);
    StatLog written;
    written.Replace(ReadText(LogPath()));
    const std::vector<std::string>& lines = written.Lines();
    ASSERT_EQ(lines.size(), 5u + 3 + 5 + 3 + 5);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 12),
              (std::vector<std::string>{"Set on stake 500", "Taken off 350", "You won 0", "You lost 150"}));
    EXPECT_NE(lines[12].find(" (interrupted)"), std::string::npos);
    EXPECT_EQ(lines[15], "game's number  5");
    EXPECT_EQ(lines[20].find(" (interrupted)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(record));  // the second session closed itself

    // Killed after its own closing block but before the record went: nothing more to close.
    const std::size_t before = lines.size();
    std::ofstream(record, std::ios::binary) << recordThen;
    RunSession(6, 0, 0, failures);
    written.Replace(ReadText(LogPath()));
    ASSERT_EQ(lines.size(), before + 3 + 5);
    EXPECT_EQ(lines[before + 2], "game's number  6");
    EXPECT_FALSE(std::filesystem::exists(record));
}

}  // namespace
}  // namespace vortala
