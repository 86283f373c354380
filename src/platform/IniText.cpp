#include "platform/IniText.h"

#include <algorithm>
#include <cstdio>

namespace vortala {

namespace {

unsigned char Upper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

// The format's marks, and blanks at either end, which the reader trims from names and headers.
bool NeedsEscape(unsigned char c, bool atEnd) {
    return c < 0x20 || c >= 0x7F || c == '%' || c == '=' || c == '[' || c == ']' || c == ';' || c == '#' ||
           (c == ' ' && atEnd);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool LessIgnoringCase::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Upper(static_cast<unsigned char>(x)) < Upper(static_cast<unsigned char>(y));
    });
}

std::string EscapeIniText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const auto c = static_cast<unsigned char>(ch);
        if (NeedsEscape(c, i == 0 || i + 1 == text.size())) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string UnescapeIniText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];  // a stray '%' written by hand stays as it is
        }
    }
    return out;
}

IniData ParseIni(std::string_view text) {
    IniData data;
    IniSection* section = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;
        if (trimmed.front() == '[') {
            section = nullptr;
            if (trimmed.size() >= 2 && trimmed.back() == ']') {
                section = &data[UnescapeIniText(trimmed.substr(1, trimmed.size() - 2))];
            }
            continue;
        }
        const auto equals = line.find('=');
        if (section == nullptr || equals == std::string_view::npos) continue;
        const std::string_view name = Trim(line.substr(0, equals));
        if (name.empty()) continue;
        (*section)[UnescapeIniText(name)] = UnescapeIniText(line.substr(equals + 1));
    }
    return data;
}

std::string FormatIni(const IniData& data) {
    std::string out;
    for (const auto& [path, values] : data) {
        if (!out.empty()) out += '\n';
        out += '[' + EscapeIniText(path) + "]\n";
        for (const auto& [name, text] : values) out += EscapeIniText(name) + '=' + EscapeIniText(text) + '\n';
    }
    return out;
}

}  // namespace vortala
