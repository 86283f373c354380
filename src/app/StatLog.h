#pragma once
// StatLog: the lines of the statistics log, a plain-text history with one opening block per run
// or new game (date, time, game number) and one closing block (money put in, taken off, won,
// lost). It starts with the designed header lines and is replaced by the file's lines when one
// exists; the file side lives with the log window.
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

    void Replace(std::string_view fileText);
    void AppendOpening(int gameNumber, const std::tm& now);
    void AppendClosing(Money inserted, Money credit, const std::tm& now);
    // A line of its own, for what the game must tell the operator (the journal's check).
    void AppendNote(std::string note) { lines_.push_back(std::move(note)); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // The file's text: every line ended by CR LF.
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

// "dd/mm/yyyy, hh:nn:ss" after a quoted label, as the log writes it.
std::string LogStamp(std::string_view label, const std::tm& time);

}  // namespace vortala
