#pragma once
// LogWindow: the statistics log and its window (Memo1 with the lines, "OK"). Creating it opens a
// block for this run, destroying it closes the block and saves the file; a new game closes and
// opens one in between. The file is replaced whole and atomically, so a crash never leaves half
// a log, and a file that cannot be read or written is never an error for the player.
#include <string>

#include "app/StatLog.h"
#include "game/GameState.h"
#include "ui/ModalDialog.h"

namespace vortala {

class LogWindow : public ModalDialog {
public:
    // game may be null when the game never started; the money lines then read 0.
    LogWindow(std::string filePath, int gameNumber, const GameState* game);
    ~LogWindow() override;

    std::string_view Name() const override { return "LogFile"; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    void OpenSection(int gameNumber);
    void CloseSection();
    // Adds a line to the log (kept with the next save).
    void Note(std::string line) { log_.AppendNote(std::move(line)); }
    const StatLog& Log() const { return log_; }

private:
    std::string path_;
    const GameState* game_;
    StatLog log_;
    std::string memo_;  // the lines as the window shows them
};

}  // namespace vortala
