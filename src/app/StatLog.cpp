#include "app/StatLog.h"

#include <cstdio>

#include "version/Version.h"

namespace vortala {

namespace {

const std::string kStars(40, '*');
constexpr std::string_view kOnLabel = "Zevirezid *Vortala* ON - ";
constexpr std::string_view kOffLabel = "Zevirezid *Vortala* OFF - ";

bool StartsWith(const std::string& line, std::string_view prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> Header() {
    return {kStars, "Orvexa presents:", "Zevirezid Vortala v." + std::string(kVersion),
            "https://www.orvexa.example", kStars};
}

std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

StatLog::StatLog() : lines_(Header()) {}

bool StatLog::ClearsHistoryAt(int n) {
    if (n >= 100 && n <= 2500) return n % 100 == 0;
    if (n >= 3000 && n <= 10000) return n % 500 == 0;
    return false;
}

void StatLog::Restart() {
    lines_ = Header();
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

std::string StatLog::Append(std::vector<std::string> block) {
    lines_.insert(lines_.end(), block.begin(), block.end());
    return FileText(block);
}

std::string StatLog::AppendOpening(int gameNumber, const std::tm& now) {
    return Append({kStars, LogStamp(kOnLabel, now), "game's number  " + std::to_string(gameNumber)});
}

std::string StatLog::AppendClosing(Money inserted, Money credit, const std::tm& now, bool interrupted) {
    const Money gain = credit - inserted;
    return Append({"Set on stake " + std::to_string(inserted), "Taken off " + std::to_string(credit),
                   "You won " + std::to_string(gain > 0 ? gain : 0),
                   "You lost " + std::to_string(gain > 0 ? 0 : -gain),
                   LogStamp(kOffLabel, now) + (interrupted ? " (interrupted)" : "")});
}

bool StatLog::LastBlockClosed() const {
    for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
        if (StartsWith(*line, kOffLabel)) return true;
        if (StartsWith(*line, kOnLabel)) return false;
    }
    return false;
}

std::string StatLog::HeaderText() {
    return FileText(Header());
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
