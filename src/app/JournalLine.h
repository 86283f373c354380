#pragma once
// One line of the game journal (JSON Lines). Two kinds of line:
//   {"seq":..,"session":..,"start":..,"end":..,<the game>,["meters":{..},]"crc":"xxxxxxxx"}
//   {"close":..,"session":..,"time":..,"inserted":..,"abandoned":..,["playing":..,]["returned":..,]
//    "taken":..,"unclosed":..,"meters":{..},"crc":"xxxxxxxx"}
// the second written when a session ends and its credit is taken off (or found left behind by a
// session that never closed). "crc" is the CRC-32 of the line's text before `,"crc"`, so a torn
// or edited line is told from a rules difference. The parser reads exactly what the writer
// writes, fields in order; anything else is a damaged line, reported with the reason.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/JournalMeters.h"
#include "game/GameRecord.h"

namespace vortala {

struct JournalClose {
    std::uint64_t afterSeq = 0;  // the last game of the session
    std::int64_t session = 0;
    std::int64_t timeMs = 0;
    Money inserted = 0;   // put in since the session's last game (that of a game in play included)
    Money abandoned = 0;  // the stake of a game the window closed on before it ended
    Money playing = 0;    // the stake of a game in play that goes on into the next session
    Money returned = 0;   // what either game had already paid into the credit (written when not 0)
    Money taken = 0;      // credit taken off at the close
    Money unclosed = 0;   // credit a session left when the program ended without closing it
};

struct JournalEntry {
    enum class Kind { Game, Close } kind = Kind::Game;
    GameRecord game;
    JournalClose close;
    bool hasMeters = false;
    Meters meters;
};

std::uint32_t Crc32(std::string_view text);

// The line without its newline. meters may be null (the simulator's journals carry none).
std::string FormatGameLine(const GameRecord& game, const Meters* meters);
std::string FormatCloseLine(const JournalClose& close, const Meters& meters);

// False for a damaged line; `why` then says what is wrong with it.
bool ParseJournalLine(std::string_view line, JournalEntry& entry, std::string& why);

}  // namespace vortala
