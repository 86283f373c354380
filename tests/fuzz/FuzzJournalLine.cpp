// Any journal line: parsed without fault; one that parses is written back to the same line, and
// the audit of any text holds up.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/JournalBook.h"
#include "app/JournalLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vortala::JournalEntry entry;
    std::string why;
    if (vortala::ParseJournalLine(text, entry, why)) {
        const std::string again =
            entry.kind == vortala::JournalEntry::Kind::Game
                ? vortala::FormatGameLine(entry.game, entry.hasMeters ? &entry.meters : nullptr)
                : vortala::FormatCloseLine(entry.close, entry.meters);
        vortala::JournalEntry reread;
        if (!vortala::ParseJournalLine(again, reread, why)) __builtin_trap();
    }
    vortala::AuditJournal(text);
    return 0;
}
