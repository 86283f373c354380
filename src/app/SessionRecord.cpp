#include "app/SessionRecord.h"

#include <charconv>

#include "app/Persistence.h"

namespace vortala {

namespace {
constexpr std::string_view kTitle = "vortala session";
}

std::string SessionRecord::Text() const {
    return std::string(kTitle) + "\ninserted=" + std::to_string(inserted) +
           "\ncredit=" + std::to_string(credit) + "\nupdated=" + std::to_string(updated) + "\n";
}

std::optional<SessionRecord> SessionRecord::Parse(std::string_view text) {
    if (text.substr(0, kTitle.size()) != kTitle) return std::nullopt;
    SessionRecord record;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view name = line.substr(0, equals), value = line.substr(equals + 1);
        if (name == "inserted") record.inserted = StoredMoney(value);
        if (name == "credit") record.credit = StoredMoney(value);
        if (name == "updated") std::from_chars(value.data(), value.data() + value.size(), record.updated);
    }
    return record;
}

}  // namespace vortala
