// The journal line's writer and its strict, allocation-light reader. Both walk the field lists of
// GameRecord.h and JournalMeters.h, so a field is named in one place only.
#include "app/JournalLine.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <type_traits>

namespace vortala {

namespace {

constexpr std::string_view kCrcKey = ",\"crc\":\"";
constexpr std::size_t kCrcTail = kCrcKey.size() + 8 + 2;  // key, eight hex digits, `"}`

// CRC-32 (IEEE 802.3), eight bytes a round ("slicing by eight").
struct CrcTables {
    std::uint32_t t[8][256];
    CrcTables() {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (std::uint32_t i = 0; i < 256; ++i)
            for (int s = 1; s < 8; ++s) t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    }
};
const CrcTables kCrc;

char HexDigit(int v) {
    return static_cast<char>(v < 10 ? '0' + v : 'a' + v - 10);
}

// ---- Writer -----------------------------------------------------------------------------

class Writer {
public:
    explicit Writer(std::string& out) : s_(out) {}

    template <typename T>
    void Num(const char* key, const T& value) {
        Key(key);
        Put(value);
    }
    // A field older journals lack: written only when it is not 0.
    void Rare(const char* key, const Money& value) {
        if (value != 0) Num(key, value);
    }
    template <typename Body>
    void Object(const char* key, Body&& body) {
        Key(key);
        s_ += '{';
        first_ = true;
        body();
        s_ += '}';
        first_ = false;
    }
    void Events(const char* key, const std::vector<RecordEvent>& events) {
        Key(key);
        s_ += '[';
        for (std::size_t i = 0; i < events.size(); ++i) {
            const RecordEvent& e = events[i];
            if (i) s_ += ',';
            s_ += "[\"";
            s_ += e.kind;
            s_ += '"';
            if (e.choice != 0 || e.input != 0 || e.outCount != 0) {
                s_ += ',', Put(e.choice);
                s_ += ',', Put(e.input);
                for (int k = 0; k < e.outCount; ++k) s_ += ',', Put(e.out[k]);
            }
            s_ += ']';
        }
        s_ += ']';
    }
    void Lines(const char* key, const std::vector<RecordLine>& lines) {
        Key(key);
        s_ += '[';
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const RecordLine& l = lines[i];
            s_ += i ? ",[" : "[";
            Put(l.line), s_ += ',', Put(l.multiplier), s_ += ',', Put(l.wilds), s_ += ',', Put(l.coin);
            s_ += ']';
        }
        s_ += ']';
    }
    // The reel strips as one word: reel 1's ten positions first, each symbol a hex digit.
    void Reels(const char* key, const ReelStrips& reels) {
        Key(key);
        s_ += '"';
        for (const auto& strip : reels)
            for (std::int32_t s : strip) s_ += HexDigit(s & 15);
        s_ += '"';
    }
    void Carrieds(const char* key, const std::vector<Carried>& list) {
        Key(key);
        s_ += '[';
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i) s_ += ',';
            s_ += '{';
            first_ = true;
            VisitCarried(*this, list[i]);
            s_ += '}';
        }
        s_ += ']';
        first_ = false;
    }
    void Begin() {
        s_ += '{';
        first_ = true;
    }
    void End() {
        const std::uint32_t crc = Crc32(s_);
        s_ += kCrcKey;
        for (int shift = 28; shift >= 0; shift -= 4) s_ += HexDigit((crc >> shift) & 15);
        s_ += "\"}";
    }

private:
    void Key(const char* key) {
        if (!first_) s_ += ',';
        first_ = false;
        s_ += '"';
        s_ += key;
        s_ += "\":";
    }
    template <typename T>
    void Put(const T& v) {
        if constexpr (std::is_integral_v<T>) {
            char buffer[24];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
            s_.append(buffer, r.ptr);
        } else {
            s_ += '[';
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (i) s_ += ',';
                Put(v[i]);
            }
            s_ += ']';
        }
    }

    std::string& s_;
    bool first_ = true;
};

// ---- Reader -----------------------------------------------------------------------------

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool Ok() const { return ok_; }
    const std::string& Why() const { return why_; }
    // The next key, without consuming it.
    bool Peek(std::string_view key) const {
        const char* q = p_ + (first_ ? 0 : 1);
        return end_ - q > static_cast<std::ptrdiff_t>(key.size() + 2) && q[0] == '"' &&
               std::memcmp(q + 1, key.data(), key.size()) == 0 && q[key.size() + 1] == '"';
    }

    template <typename T>
    void Num(const char* key, T& value) {
        if (Key(key)) Get(value, key);
    }
    void Rare(const char* key, Money& value) {
        value = 0;
        if (Peek(key)) Num(key, value);
    }
    template <typename Body>
    void Object(const char* key, Body&& body) {
        if (!Key(key) || !Char('{', key)) return;
        first_ = true;
        body();
        Char('}', key);
        first_ = false;
    }
    void Events(const char* key, std::vector<RecordEvent>& events) {
        events.clear();
        if (!Key(key) || !Char('[', key)) return;
        while (ok_ && p_ < end_ && *p_ != ']') {
            if (!events.empty() && !Char(',', key)) return;
            RecordEvent e;
            if (!Char('[', key) || !Char('"', key) || p_ >= end_) return Fail(key);
            e.kind = *p_++;
            if (!Char('"', key)) return;
            if (p_ < end_ && *p_ == ',') {
                ++p_, Get(e.choice, key);
                if (!Char(',', key)) return;
                Get(e.input, key);
                while (ok_ && p_ < end_ && *p_ == ',') {
                    if (e.outCount == RecordEvent::kMaxOut) return Fail(key);
                    ++p_, Get(e.out[e.outCount++], key);
                }
            }
            if (!Char(']', key)) return;
            events.push_back(e);
        }
        Char(']', key);
    }
    void Lines(const char* key, std::vector<RecordLine>& lines) {
        lines.clear();
        if (!Key(key) || !Char('[', key)) return;
        while (ok_ && p_ < end_ && *p_ != ']') {
            if (!lines.empty() && !Char(',', key)) return;
            RecordLine l;
            Char('[', key), Get(l.line, key), Char(',', key), Get(l.multiplier, key), Char(',', key);
            Get(l.wilds, key), Char(',', key), Get(l.coin, key), Char(']', key);
            if (ok_) lines.push_back(l);
        }
        Char(']', key);
    }
    void Reels(const char* key, ReelStrips& reels) {
        if (!Key(key) || !Char('"', key)) return;
        if (end_ - p_ < kReels * kDrumPositions) return Fail(key);
        for (auto& strip : reels)
            for (std::int32_t& s : strip) {
                s = HexValue(*p_++);
                if (s < 0) return Fail(key);
            }
        Char('"', key);
    }
    void Carrieds(const char* key, std::vector<Carried>& list) {
        list.clear();
        if (!Key(key) || !Char('[', key)) return;
        while (ok_ && p_ < end_ && *p_ != ']') {
            if (!list.empty() && !Char(',', key)) return;
            if (!Char('{', key)) return;
            first_ = true;
            Carried c;
            VisitCarried(*this, c);
            Char('}', key);
            if (ok_) list.push_back(c);
        }
        Char(']', key);
        first_ = false;
    }
    bool Char(char c, const char* key) {
        if (ok_ && p_ < end_ && *p_ == c) return ++p_, true;
        Fail(key);
        return false;
    }
    void Open() {
        Char('{', "line");
        first_ = true;
    }
    // The body ends where the checksum begins: nothing may follow the last field.
    void Close() {
        if (ok_ && p_ != end_) Fail("end");
    }

private:
    void Fail(const char* key) {
        if (!ok_) return;
        ok_ = false;
        why_ = std::string("unreadable at \"") + key + "\"";
    }
    bool Key(const char* key) {
        if (!ok_) return false;
        if (!first_ && !Char(',', key)) return false;
        first_ = false;
        const std::size_t n = std::strlen(key);
        if (end_ - p_ < static_cast<std::ptrdiff_t>(n + 3) || p_[0] != '"' ||
            std::memcmp(p_ + 1, key, n) != 0 || p_[n + 1] != '"' || p_[n + 2] != ':') {
            ok_ = false;
            why_ = std::string("expected the field \"") + key + "\"";
            return false;
        }
        p_ += n + 3;
        return true;
    }
    template <typename T>
    void Get(T& v, const char* key) {
        if (!ok_) return;
        if constexpr (std::is_integral_v<T>) {
            // Within the field's own type: a value that does not fit is damage, never wrapped.
            std::int64_t wide = 0;
            if constexpr (std::is_same_v<T, std::uint64_t> || std::is_same_v<T, std::uint32_t>) {
                std::uint64_t u = 0;
                const auto r = std::from_chars(p_, end_, u);
                if (r.ec != std::errc() || u > std::numeric_limits<T>::max()) return Fail(key);
                p_ = r.ptr;
                v = static_cast<T>(u);
                return;
            } else {
                const auto r = std::from_chars(p_, end_, wide);
                if (r.ec != std::errc() || wide < std::numeric_limits<T>::min() ||
                    wide > std::numeric_limits<T>::max())
                    return Fail(key);
                p_ = r.ptr;
                v = static_cast<T>(wide);
            }
        } else {
            if (!Char('[', key)) return;
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (i && !Char(',', key)) return;
                Get(v[i], key);
            }
            Char(']', key);
        }
    }

    const char* p_;
    const char* end_;
    bool first_ = true;
    bool ok_ = true;
    std::string why_;
};

template <typename V, typename C>
void VisitClose(V& v, C& c) {
    v.Num("close", c.afterSeq);
    v.Num("session", c.session);
    v.Num("time", c.timeMs);
    v.Num("inserted", c.inserted);
    v.Num("abandoned", c.abandoned);
    v.Rare("playing", c.playing);
    v.Rare("returned", c.returned);
    v.Num("taken", c.taken);
    v.Num("unclosed", c.unclosed);
}

}  // namespace

std::uint32_t Crc32(std::string_view text) {
    std::uint32_t c = 0xFFFFFFFFu;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t n = text.size();
    const auto& t = kCrc.t;
    for (; n >= 8; n -= 8, p += 8) {
        const std::uint32_t a = c ^ (p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
        c = t[7][a & 0xFF] ^ t[6][(a >> 8) & 0xFF] ^ t[5][(a >> 16) & 0xFF] ^ t[4][a >> 24] ^ t[3][p[4]] ^
            t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; --n, ++p) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string FormatGameLine(const GameRecord& game, const Meters* meters) {
    std::string s;
    s.reserve(1024);
    Writer w(s);
    w.Begin();
    VisitRecord(w, game);
    if (meters) w.Object("meters", [&] { VisitMeters(w, *meters); });
    w.End();
    return s;
}

std::string FormatCloseLine(const JournalClose& close, const Meters& meters) {
    std::string s;
    Writer w(s);
    w.Begin();
    VisitClose(w, close);
    w.Object("meters", [&] { VisitMeters(w, meters); });
    w.End();
    return s;
}

bool ParseJournalLine(std::string_view line, JournalEntry& entry, std::string& why) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() < kCrcTail + 2 || line.substr(line.size() - 2) != "\"}" ||
        line.substr(line.size() - kCrcTail, kCrcKey.size()) != kCrcKey) {
        why = "no checksum (a torn or foreign line)";
        return false;
    }
    std::uint32_t stored = 0;
    for (std::size_t i = line.size() - 10; i < line.size() - 2; ++i) {
        const int v = HexValue(line[i]);
        if (v < 0) {
            why = "a bad checksum";
            return false;
        }
        stored = stored << 4 | static_cast<std::uint32_t>(v);
    }
    const std::string_view body = line.substr(0, line.size() - kCrcTail);
    if (Crc32(body) != stored) {
        why = "its checksum does not match (the line was cut short or edited)";
        return false;
    }
    Reader r(body);
    r.Open();
    entry.hasMeters = false;
    if (r.Peek("close")) {
        entry.kind = JournalEntry::Kind::Close;
        VisitClose(r, entry.close);
    } else {
        entry.kind = JournalEntry::Kind::Game;
        VisitRecord(r, entry.game);
    }
    if (r.Ok() && r.Peek("meters")) {
        entry.hasMeters = true;
        r.Object("meters", [&] { VisitMeters(r, entry.meters); });
    }
    r.Close();
    if (!r.Ok()) {
        why = r.Why();
        return false;
    }
    if (entry.kind == JournalEntry::Kind::Close && !entry.hasMeters) {
        why = "a close line without meters";
        return false;
    }
    return true;
}

}  // namespace vortala
