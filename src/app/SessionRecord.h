#pragma once
// SessionRecord: what the statistics log needs to close a session that never closed itself (a
// crash, a kill, a power cut): the money put in and the credit at its last finished game, and
// when that game ended. It lives in a small file beside the log while a session is open and is
// rewritten as each game ends; the credit in it only ever goes into the log, never back to the
// player.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/Money.h"

namespace vortala {

struct SessionRecord {
    Money inserted = 0;
    Money credit = 0;
    std::int64_t updated = 0;  // seconds since the epoch

    std::string Text() const;
    // Missing or damaged fields read as 0; nothing when the text is not a record at all.
    static std::optional<SessionRecord> Parse(std::string_view text);
};

}  // namespace vortala
