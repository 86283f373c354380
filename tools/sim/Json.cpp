#include "Json.h"

#include <cstdint>

namespace vortala::sim {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool Document(JsonValue& out, std::string& error) {
        if (Value(out, 0)) {
            SkipSpace();
            if (pos_ == text_.size()) return true;
            Fail("text after the end of the document");
        }
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < failedAt_ && i < text_.size(); ++i, ++column)
            if (text_[i] == '\n') ++line, column = 0;
        error = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + why_;
        return false;
    }

private:
    // The first failure is the one reported; at the end of the text, the end is the reason.
    bool Fail(const char* why) {
        if (!why_.empty()) return false;
        why_ = pos_ < text_.size() ? why : "the text ends before the document does";
        failedAt_ = pos_;
        return false;
    }
    void SkipSpace() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }
    bool Take(char c) {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return Fail("unknown word");
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue& v, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        SkipSpace();
        if (pos_ >= text_.size()) return Fail("expected a value");
        switch (text_[pos_]) {
            case '{':
                return Object(v, depth);
            case '[':
                return Array(v, depth);
            case '"':
                v.kind = JsonValue::Kind::String;
                return String(v.text);
            case 't':
                v.kind = JsonValue::Kind::Boolean, v.boolean = true;
                return Word("true");
            case 'f':
                v.kind = JsonValue::Kind::Boolean, v.boolean = false;
                return Word("false");
            case 'n':
                v.kind = JsonValue::Kind::Null;
                return Word("null");
            default:
                return Number(v);
        }
    }

    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++pos_;
        if (Take('}')) return true;
        do {
            SkipSpace();
            std::pair<std::string, JsonValue> member;
            if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("expected a member name in quotes");
            if (!String(member.first)) return false;
            if (!Take(':')) return Fail("expected ':' after a member name");
            if (!Value(member.second, depth + 1)) return false;
            v.members.push_back(std::move(member));
        } while (Take(','));
        return Take('}') || Fail("expected ',' or '}' in an object");
    }

    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++pos_;
        if (Take(']')) return true;
        do {
            v.items.emplace_back();
            if (!Value(v.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']') || Fail("expected ',' or ']' in an array");
    }

    bool Digits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
        return pos_ > start || Fail("expected a digit");
    }

    bool Number(JsonValue& v) {
        const std::size_t start = pos_;
        if (text_[pos_] != '-' && (text_[pos_] < '0' || text_[pos_] > '9')) return Fail("expected a value");
        if (text_[pos_] == '-') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '0')
            ++pos_;
        else if (!Digits())
            return false;
        if (pos_ < text_.size() && text_[pos_] == '.' && (++pos_, !Digits())) return false;
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!Digits()) return false;
        }
        v.kind = JsonValue::Kind::Number;
        v.text = std::string(text_.substr(start, pos_ - start));
        return true;
    }

    bool Hex4(std::uint32_t& out) {
        if (pos_ + 4 > text_.size()) return Fail("a \\u escape needs four hex digits");
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return Fail("a \\u escape needs four hex digits");
            out = out * 16 + static_cast<std::uint32_t>(digit);
        }
        return true;
    }

    static void AppendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    bool Escape(std::string& out) {
        if (pos_ >= text_.size()) return Fail("a string is not closed");
        const char c = text_[pos_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kFrom.find(c); i != std::string_view::npos) {
            out += kTo[i];
            return true;
        }
        std::uint32_t code = 0;
        if (c != 'u') return Fail("unknown escape in a string");
        if (!Hex4(code)) return false;
        if (code >= 0xD800 && code < 0xDC00) {  // a surrogate pair's first half
            std::uint32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u" || (pos_ += 2, !Hex4(low)) || low < 0xDC00 || low >= 0xE000)
                return Fail("an unpaired surrogate in a \\u escape");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xDC00 && code < 0xE000) {
            return Fail("an unpaired surrogate in a \\u escape");
        }
        AppendUtf8(out, code);
        return true;
    }

    bool String(std::string& out) {
        ++pos_;  // the opening quote
        out.clear();
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return Fail("a control character inside a string");
            if (c != '\\')
                out += c;
            else if (!Escape(out))
                return false;
        }
        return Fail("a string is not closed");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string why_;
    std::size_t failedAt_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [name, value] : members)
        if (name == key) return &value;
    return nullptr;
}

bool ParseJson(std::string_view text, JsonValue& out, std::string& error) {
    JsonValue value;
    if (!Parser(text).Document(value, error)) return false;
    out = std::move(value);
    return true;
}

bool ParseReport(std::string_view json, std::string_view format, std::string_view command, JsonValue& doc,
                 std::string& error) {
    if (!ParseJson(json, doc, error)) return false;
    const JsonValue* found = doc.Find("format");
    if (!found || found->kind != JsonValue::Kind::String || found->text != format) {
        error = "not a report of this version of vortala-sim " + std::string(command) +
                " (its \"format\" is not \"" + std::string(format) + "\")";
        return false;
    }
    return true;
}

const JsonValue* FindSums(const JsonValue& doc, std::string& error) {
    const JsonValue* sums = doc.Find("sums");
    if (sums && sums->kind == JsonValue::Kind::Object) return sums;
    error = "\"sums\" is missing";
    return nullptr;
}

}  // namespace vortala::sim
