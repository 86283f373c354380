// The key and mouse tables written out for each document that shows them.
#include <cctype>
#include <cstddef>

#include "KeyGuide.h"

namespace vortala {

namespace {

// The keys as plain text: the brackets of the key caps dropped.
std::string Plain(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != '[' && c != ']') out += c;
    return out;
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Key caps become <kbd>; a hyphen between two numbers or key caps is a range (en dash), and one
// standing alone or before a number is a minus sign.
std::string Html(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > 0 ? text[i - 1] : ' ';
        const char after = i + 1 < text.size() ? text[i + 1] : ' ';
        if (c == '[') {
            out += "<kbd>";
        } else if (c == ']') {
            out += "</kbd>";
        } else if (c == '-' && (IsDigit(before) || before == ']') && (IsDigit(after) || after == '[')) {
            out += "\u2013";
        } else if (c == '-' && !std::isalpha(static_cast<unsigned char>(before))) {
            out += "\u2212";
        } else {
            out += HtmlEscaped(std::string_view(&text[i], 1));
        }
    }
    return out;
}

// roff: hyphens are minus signs (so they copy and search as such), backslashes escaped, and a
// line may not start with a control character.
std::string Roff(std::string_view text) {
    std::string out;
    for (const char c : Plain(text)) {
        if (c == '-')
            out += "\\-";
        else if (c == '\\')
            out += "\\e";
        else
            out += c;
    }
    const std::string times = "\u00d7";
    for (std::size_t at = out.find(times); at != std::string::npos; at = out.find(times))
        out.replace(at, times.size(), "\\(mu");
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

std::string RightClick(const MouseRow& row) {
    return row.rightClick.empty() ? "the same" : std::string(row.rightClick);
}

// Words of text, each line at most `width` characters after `indent` spaces of its own.
std::string Wrapped(const std::string& text, std::size_t first, std::size_t indent, std::size_t width) {
    std::string out, line;
    std::size_t room = width - first;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > room) {
            out += line + "\n" + std::string(indent, ' ');
            line.clear();
            room = width - indent;
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return out + line + "\n";
}

}  // namespace

std::string KeysAsMarkdown() {
    std::string out = "| key | action |\n|---|---|\n";
    for (const KeyRow& row : KeyTable()) out += "| " + Plain(row.keys) + " | " + Plain(row.action) + " |\n";
    out += "\n| mouse zone | left click | right click |\n|---|---|---|\n";
    int number = 0;
    for (const MouseRow& row : MouseTable())
        out += "| " + std::to_string(++number) + ". " + Plain(row.zone) + " | " + Plain(row.leftClick) +
               " | " + Plain(RightClick(row)) + " |\n";
    return out;
}

std::string KeysAsHtml() {
    std::string out = "  <tr><th>Key</th><th>What it does</th></tr>\n";
    for (const KeyRow& row : KeyTable())
        out += "  <tr><td>" + Html(row.keys) + "</td><td>" + Html(row.action) + "</td></tr>\n";
    return out;
}

std::string MouseAsHtml() {
    std::string out = "  <tr><th>#</th><th>Zone</th><th>Left click</th><th>Right click</th></tr>\n";
    int number = 0;
    for (const MouseRow& row : MouseTable()) {
        out += "  <tr><td>" + std::to_string(++number) + "</td><td>" + Html(row.zone) + "</td>";
        if (row.rightClick.empty())
            out += "<td colspan=\"2\">" + Html(row.leftClick) + "</td></tr>\n";
        else
            out += "<td>" + Html(row.leftClick) + "</td><td>" +
                   (row.rightClick == "-" ? std::string("\u2014") : Html(row.rightClick)) + "</td></tr>\n";
    }
    return out;
}

std::string KeysAsManPage() {
    std::string out = ".SH KEYS\n";
    bool first = true;
    for (const KeyRow& row : KeyTable()) {
        out += first ? ".TP 22\n" : ".TP\n";
        first = false;
        out += ".B " + Roff(row.keys) + "\n" + Roff(row.action) + "\n";
    }
    out += ".SH MOUSE\n";
    out += "Left and right clicks on the zones of the field:\n";
    for (const MouseRow& row : MouseTable()) {
        out += ".TP\n.B " + Roff(row.zone) + "\n";
        const std::string right = RightClick(row);
        out += Roff(row.leftClick) + (right == "-" ? "" : "; right click: " + Roff(right)) + "\n";
    }
    return out;
}

std::string KeysAsHelp() {
    constexpr std::size_t kKeyColumn = 24, kWidth = 80;
    std::string out;
    for (const KeyRow& row : KeyTable()) {
        std::string keys = "  " + Plain(row.keys);
        if (keys.size() + 1 > kKeyColumn)
            keys += "\n" + std::string(kKeyColumn, ' ');
        else
            keys.resize(kKeyColumn, ' ');
        out += keys + Wrapped(Plain(row.action), kKeyColumn, kKeyColumn, kWidth);
    }
    return out;
}

std::string KeysAsCard() {
    std::string out;
    for (const KeyRow& row : KeyTable())
        out += std::string(row.cardKeys) + "\t" + std::string(row.cardAction) + "\n";
    return out;
}

}  // namespace vortala
