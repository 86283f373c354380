#include "app/StatLog.h"

#include <cstdio>

namespace vortala {

namespace {
const std::string kStars(40, '*');
}

StatLog::StatLog()
    : lines_{kStars, "Orvexa presents:", "Zevirezid Vortala v.3.08", "https://www.orvexa.example", kStars} {}

bool StatLog::ClearsHistoryAt(int n) {
    if (n >= 100 && n <= 2500) return n % 100 == 0;
    if (n >= 3000 && n <= 10000) return n % 500 == 0;
    return false;
}

void StatLog::Replace(std::string_view text) {
    lines_.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

void StatLog::AppendOpening(int gameNumber, const std::tm& now) {
    lines_.push_back(kStars);
    lines_.push_back(LogStamp("Zevirezid *Vortala* ON - ", now));
    lines_.push_back("game's number  " + std::to_string(gameNumber));
}

void StatLog::AppendClosing(Money inserted, Money credit, const std::tm& now) {
    const Money gain = credit - inserted;
    lines_.push_back("Set on stake " + std::to_string(inserted));
    lines_.push_back("Taken off " + std::to_string(credit));
    lines_.push_back("You won " + std::to_string(gain > 0 ? gain : 0));
    lines_.push_back("You lost " + std::to_string(gain > 0 ? 0 : -gain));
    lines_.push_back(LogStamp("Zevirezid *Vortala* OFF - ", now));
}

std::string StatLog::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

// The pattern is the quoted label, which ends in a blank, then a blank and the date.
std::string LogStamp(std::string_view label, const std::tm& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%04d, %02d:%02d:%02d", t.tm_mday % 100,
                  (t.tm_mon + 1) % 100, (t.tm_year + 1900) % 10000, t.tm_hour % 100, t.tm_min % 100,
                  t.tm_sec % 100);
    return std::string(label) + " " + stamp;
}

}  // namespace vortala
