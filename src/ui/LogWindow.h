#pragma once
// LogWindow: the statistics log and its window (Memo1 with the lines, "OK"). Creating it first
// closes the block of a session that ended without closing its own (from the session record
// beside the log), then opens a block for this run; destroying it closes the block; a new game
// closes and opens one in between. Each block is appended to the file as it is made and flushed,
// so the file is never rewritten from what was read at start and a crash loses no earlier block.
// The memo shows at most the file's last megabyte, and only a regular file is read or written.
#include <string>

#include "app/StatLog.h"
#include "game/GameState.h"
#include "ui/ModalDialog.h"
#include "ui/SaveFailures.h"

namespace vortala {

class LogWindow : public ModalDialog {
public:
    // game may be null when the game never started; the money lines then read 0.
    LogWindow(std::string filePath, int gameNumber, const GameState* game, SaveFailures& failures);
    ~LogWindow() override;

    std::string_view Name() const override { return "LogFile"; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    void OpenSection(int gameNumber);
    void CloseSection();
    // A game has ended: the session record takes its money, for the closing block the next start
    // writes should this session never write its own.
    void GameEnded();
    // Adds a line to the log, written at once like a block.
    void Note(std::string line) { Write(log_.AppendNote(std::move(line))); }
    const StatLog& Log() const { return log_; }
    // The session record kept beside the log at logPath.
    static std::string SessionRecordPath(const std::string& logPath);

private:
    void CloseInterruptedSession();
    bool Write(const std::string& block);
    void WriteRecord();

    std::string path_;
    std::string recordPath_;
    const GameState* game_;
    SaveFailures& failures_;
    StatLog log_;
    bool open_ = false;      // a block is open
    bool recorded_ = false;  // its opening reached the file, so the session record stands for it
    std::string memo_;       // the lines as the window shows them
};

}  // namespace vortala
