#include "ParTally.h"

#include <algorithm>
#include <ostream>

#include "RtpSums.h"

namespace vortala::sim {

namespace {

// Every sum, named as in the JSON, for the writer, the reader, the merge and the comparison
// alike, so that none of them can miss a field. The histogram is done apart.
// clang-format off
#define VORTALA_PAR_SUMS(X)                                                                         \
    X(states) X(winningStates) X(payingStates) X(arrangementsDrawn) X(redrawnStates) X(lines)      \
    X(linePaysBySymbol) X(coinLinePays) X(coinStates) X(wildLinePays) X(wildLineStates)            \
    X(scatterPays) X(islands) X(chestTriggers) X(freeGameTriggers) X(fiveWilds) X(fiveWildPays)    \
    X(helmFeeds) X(winSum) X(winSquares) X(chestValues) X(freeGameValues) X(coinMultipliers)       \
    X(riskCardWins) X(barrels) X(arrowDraws)
// clang-format on

template <typename T>
struct IsArray : std::false_type {};
template <typename T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

template <typename T>
void WriteValue(std::ostream& out, const T& v) {
    if constexpr (IsArray<T>::value) {
        out << '[';
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i) out << ", ";
            WriteValue(out, v[i]);
        }
        out << ']';
    } else {
        out << Decimal(static_cast<WideSum>(v));
    }
}

template <typename T>
bool ReadValue(const JsonValue* j, T& v) {
    if constexpr (IsArray<T>::value) {
        if (!j || j->kind != JsonValue::Kind::Array || j->items.size() != v.size()) return false;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (!ReadValue(&j->items[i], v[i])) return false;
        return true;
    } else {
        constexpr bool wide = std::is_same_v<T, WideSum>;
        const WideSum high = wide ? static_cast<WideSum>(~static_cast<unsigned __int128>(0) >> 1)
                                  : static_cast<WideSum>(UINT64_MAX);
        WideSum read = 0;
        if (!ReadWhole(j, wide ? -high - 1 : 0, high, read)) return false;
        v = static_cast<T>(read);
        return true;
    }
}

template <typename T>
void Add(T& into, const T& from) {
    if constexpr (IsArray<T>::value) {
        for (std::size_t i = 0; i < into.size(); ++i) Add(into[i], from[i]);
    } else {
        into += from;
    }
}

}  // namespace

void ParTally::AddWin(std::int64_t win) {
    winSum += win;
    winSquares += static_cast<WideSum>(win) * win;
    const auto at = static_cast<std::size_t>(win);
    if (at >= winHistogram.size()) winHistogram.resize(at + 1, 0);
    ++winHistogram[at];
}

void ParTally::Merge(const ParTally& o) {
#define VORTALA_ADD(name) Add(name, o.name);
    VORTALA_PAR_SUMS(VORTALA_ADD)
#undef VORTALA_ADD
    if (o.winHistogram.size() > winHistogram.size()) winHistogram.resize(o.winHistogram.size(), 0);
    for (std::size_t i = 0; i < o.winHistogram.size(); ++i) winHistogram[i] += o.winHistogram[i];
}

bool ParTally::operator==(const ParTally& o) const {
    bool same = true;
#define VORTALA_SAME(name) same = same && name == o.name;
    VORTALA_PAR_SUMS(VORTALA_SAME)
#undef VORTALA_SAME
    auto trimmed = [](std::vector<std::uint64_t> h) {
        while (!h.empty() && h.back() == 0) h.pop_back();
        return h;
    };
    return same && trimmed(winHistogram) == trimmed(o.winHistogram);
}

void WriteParSums(std::ostream& out, const ParTally& t) {
    out << '{';
    bool first = true;
#define VORTALA_WRITE(name)                          \
    out << (first ? "" : ", ") << "\"" #name "\": "; \
    WriteValue(out, t.name);                         \
    first = false;
    VORTALA_PAR_SUMS(VORTALA_WRITE)
#undef VORTALA_WRITE
    out << ", \"winHistogram\": [";
    first = true;
    for (std::size_t win = 0; win < t.winHistogram.size(); ++win) {
        if (t.winHistogram[win] == 0) continue;
        out << (first ? "" : ", ") << '[' << win << ", " << t.winHistogram[win] << ']';
        first = false;
    }
    out << "]}";
}

bool ReadParSums(const JsonValue& sums, ParTally& t, std::string& error) {
    ParTally read;
#define VORTALA_READ(name)                                        \
    if (error.empty() && !ReadValue(sums.Find(#name), read.name)) \
        error = "sums: \"" #name "\" is missing, of the wrong shape or out of range";
    VORTALA_PAR_SUMS(VORTALA_READ)
#undef VORTALA_READ
    if (!error.empty()) return false;
    const JsonValue* histogram = sums.Find("winHistogram");
    if (!histogram || histogram->kind != JsonValue::Kind::Array) {
        error = "sums: \"winHistogram\" is missing";
        return false;
    }
    // Above any spin's win (1000 x 99 on fifteen lines, islands 5 x 1485) and small enough that a
    // damaged report cannot make the histogram claim much memory.
    constexpr std::uint64_t kLargestWin = 2000000;
    for (const JsonValue& pair : histogram->items) {
        std::array<std::uint64_t, 2> entry{};
        if (!ReadValue(&pair, entry) || entry[0] > kLargestWin) {
            error = "sums: \"winHistogram\" holds an entry that is not [win, states]";
            return false;
        }
        if (entry[0] >= read.winHistogram.size()) read.winHistogram.resize(entry[0] + 1, 0);
        read.winHistogram[entry[0]] += entry[1];
    }
    t = std::move(read);
    return true;
}

}  // namespace vortala::sim
