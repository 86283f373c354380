#include "RtpSums.h"

#include <limits>
#include <ostream>
#include <type_traits>

namespace vortala::sim {

namespace {

// Every sum of a tally, by group (nullptr: the top level) and name, for both the writer and the
// reader, so that the two can never disagree on a field.
template <typename Tally, typename Visit>
void ForEachSum(Tally& t, Visit&& visit) {
    visit(nullptr, "games", t.games);
    visit(nullptr, "free_spins", t.freeSpins);
    visit(nullptr, "hits", t.hits);
    visit(nullptr, "paid_games", t.paidGames);
    visit(nullptr, "stuck_games", t.stuckGames);
    visit(nullptr, "staked", t.staked);
    visit(nullptr, "returned", t.returned);
    visit(nullptr, "inserted", t.inserted);
    visit(nullptr, "jackpot_kept", t.jackpotKept);
    visit(nullptr, "largest_win", t.largestReturn);
    visit(nullptr, "largest_win_game", t.largestReturnGame);
    visit(nullptr, "return_squared", t.sumReturnSquared);
    visit(nullptr, "return_stake", t.sumReturnStake);
    visit(nullptr, "stake_squared", t.sumStakeSquared);
    visit(nullptr, "blocks", t.blocks);
    visit(nullptr, "block_return_squared", t.blockReturnSquared);
    visit(nullptr, "block_return_stake", t.blockReturnStake);
    visit(nullptr, "block_stake_squared", t.blockStakeSquared);
    visit(nullptr, "outside_spread", t.outsideSpread);
    for (int i = 0; i < kSourceCount; ++i)
        visit("sources", SourceName(static_cast<Source>(i)), t.bySource[i]);
    for (int i = 0; i < kStoreCount; ++i) visit("fed", StoreName(static_cast<Store>(i)), t.fed[i]);
    for (int i = 0; i < kStoreCount; ++i) visit("paid_out", StoreName(static_cast<Store>(i)), t.paidOut[i]);
    for (int i = 0; i < 3; ++i) visit("lost_to_powder", StoreName(static_cast<Store>(i)), t.blownUp[i]);
    for (int i = 0; i < kBonusCount; ++i) visit("bonuses", BonusName(static_cast<Bonus>(i)), t.bonuses[i]);
}

constexpr WideSum kWideMax = static_cast<WideSum>(~static_cast<unsigned __int128>(0) >> 1);

// The range of a field's type (std::numeric_limits knows no 128-bit type in standard C++).
template <typename T>
constexpr WideSum Lowest() {
    if constexpr (std::is_same_v<T, WideSum>)
        return -kWideMax - 1;
    else
        return std::numeric_limits<T>::min();
}
template <typename T>
constexpr WideSum Highest() {
    if constexpr (std::is_same_v<T, WideSum>)
        return kWideMax;
    else
        return std::numeric_limits<T>::max();
}

}  // namespace

std::string Decimal(WideSum v) {
    if (v == 0) return "0";
    const bool negative = v < 0;
    std::string digits;
    for (; v != 0; v /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(v % 10) : v % 10)));
    return negative ? "-" + digits : digits;
}

bool ReadWhole(const JsonValue* v, WideSum low, WideSum high, WideSum& out) {
    if (!v || v->kind != JsonValue::Kind::Number) return false;
    const std::string& text = v->text;
    const bool negative = !text.empty() && text[0] == '-';
    if (text.size() == (negative ? 1u : 0u)) return false;
    WideSum value = 0;
    for (std::size_t i = negative; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;  // a fraction or an exponent
        const int digit = text[i] - '0';
        // Built on the side of its sign, so that the lowest value reads too.
        if (negative ? value < (low + digit) / 10 : value > (high - digit) / 10) return false;
        value = value * 10 + (negative ? -digit : digit);
    }
    if (value < low || value > high) return false;
    out = value;
    return true;
}

void WriteSums(std::ostream& out, const RtpTally& t) {
    const char* group = nullptr;
    bool first = true;
    out << '{';
    ForEachSum(t, [&](const char* g, const char* name, const auto& value) {
        if (g != group) {
            out << (group ? "}, \"" : ", \"") << g << "\": {";
            group = g;
            first = true;
        }
        out << (first ? "" : ", ") << '"' << name << "\": " << Decimal(value);
        first = false;
    });
    out << (group ? "}}" : "}");
}

bool ReadSums(const JsonValue& sums, RtpTally& t, std::string& error) {
    RtpTally read;
    ForEachSum(read, [&](const char* group, const char* name, auto& value) {
        if (!error.empty()) return;
        using T = std::remove_reference_t<decltype(value)>;
        const JsonValue* holder = group ? sums.Find(group) : &sums;
        WideSum v = 0;
        if (!holder || !ReadWhole(holder->Find(name), Lowest<T>(), Highest<T>(), v)) {
            error = std::string("sums: ") + (group ? std::string(group) + ": " : "") + '"' + name +
                    "\" is missing or not a whole number in range";
            return;
        }
        value = static_cast<T>(v);
    });
    if (!error.empty()) return false;
    t = read;
    return true;
}

}  // namespace vortala::sim
