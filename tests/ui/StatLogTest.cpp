#include "UiTestSupport.h"
#include "app/StatLog.h"
#include "ui/LogWindow.h"

namespace vortala {
namespace {

using testing::TempHome;

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

TEST(StatLog, TextRoundTripsWithCrLf) {
    StatLog log;
    log.AppendOpening(1, Moment());
    StatLog again;
    again.Replace(log.Text());
    EXPECT_EQ(again.Lines(), log.Lines());
    EXPECT_NE(log.Text().find("\r\n"), std::string::npos);
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
    { LogWindow window(LogPath(), 1, &g); }
    StatLog written;
    written.Replace(ReadText(LogPath()));
    ASSERT_EQ(written.Lines().size(), 13u);
    EXPECT_EQ(written.Lines()[1], "Orvexa presents:");
    EXPECT_EQ(written.Lines()[7], "game's number  1");
    EXPECT_EQ(written.Lines()[10], "You won 300");
    // The next run keeps the history and adds to it.
    { LogWindow window(LogPath(), 2, &g); }
    written.Replace(ReadText(LogPath()));
    EXPECT_EQ(written.Lines().size(), 21u);
    // At game 100 the history starts afresh from the designed header.
    { LogWindow window(LogPath(), 100, &g); }
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
    { LogWindow window(LogPath(), 3, nullptr); }
    EXPECT_NE(ReadText(LogPath()).find("Set on stake 0\r\nTaken off 0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vortala
