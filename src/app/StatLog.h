#pragma once
// StatLog: the lines of the statistics log, a plain-text history with one opening block per run
// or new game (date, time, game number) and one closing block (money put in, taken off, won,
// lost). It starts with the designed header lines and is replaced by the file's lines when one
// exists. Each Append returns the block as the file holds it, so the file grows block by block
// with exactly the lines shown; the file side lives with the log window.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "game/Money.h"

namespace vortala {

class StatLog {
public:
    StatLog();

    // The history starts afresh at these game numbers: every hundred to 2500, every five hundred
    // from 3000 to 10000.
    static bool ClearsHistoryAt(int gameNumber);

    // Back to the designed header lines alone.
    void Restart();
    void Replace(std::string_view fileText);
    std::string AppendOpening(int gameNumber, const std::tm& now);
    // An interrupted session's block (written at the next start) says so on its last line, whose
    // time is that of the session's last finished game.
    std::string AppendClosing(Money inserted, Money credit, const std::tm& now, bool interrupted = false);
    // A line of its own, for what the game must tell the operator (the journal's check).
    std::string AppendNote(std::string note) { return Append({std::move(note)}); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // Whether the last session's block has its closing: false after an opening with none, and
    // when no block is there at all.
    bool LastBlockClosed() const;
    // The designed header lines as the file holds them (every line ended by CR LF).
    static std::string HeaderText();

private:
    std::string Append(std::vector<std::string> block);

    std::vector<std::string> lines_;
};

// The label, a blank, then "dd/mm/yyyy, hh:nn:ss", as the log writes it.
std::string LogStamp(std::string_view label, const std::tm& time);

}  // namespace vortala
