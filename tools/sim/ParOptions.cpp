#include "ParOptions.h"

#include "CommandText.h"

#include <string_view>
#include <vector>

namespace vortala::sim {

namespace {

// Whole numbers from low to high separated by commas; false unless there are `wanted` of them.
bool ParseList(std::string_view text, long long low, long long high, std::size_t wanted,
               std::vector<long long>& out) {
    out.clear();
    for (;;) {
        const std::size_t comma = text.find(',');
        long long v = 0;
        if (out.size() == wanted || !ParseWholeNumber(text.substr(0, comma), low, high, v)) return false;
        out.push_back(v);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return out.size() == wanted;
}

bool ParseBets(std::string_view text, ParOptions& o) {
    std::vector<long long> bets;
    if (ParseList(text, 0, 99, 1, bets)) {
        o.bets.fill(static_cast<int>(bets[0]));
    } else if (ParseList(text, 0, 99, 15, bets)) {
        for (int i = 0; i < 15; ++i) o.bets[i] = static_cast<int>(bets[i]);
    } else {
        return false;
    }
    for (int b : o.bets)
        if (b > 0) return true;
    return false;
}

bool ParseStates(std::string_view text, ParOptions& o) {
    const std::size_t colon = text.find(':');
    long long first = 0, count = 0;
    const auto all = static_cast<long long>(kAllStates);
    if (colon == std::string_view::npos || !ParseWholeNumber(text.substr(0, colon), 0, all - 1, first) ||
        !ParseWholeNumber(text.substr(colon + 1), 1, all, count) || first + count > all)
        return false;
    o.first = static_cast<std::uint64_t>(first);
    o.count = static_cast<std::uint64_t>(count);
    return true;
}

}  // namespace

StateRange ShardStates(const ParOptions& o) {
    const auto k = static_cast<unsigned __int128>(o.shard);
    const auto n = static_cast<unsigned __int128>(o.shards);
    const auto from = static_cast<std::uint64_t>((k - 1) * o.count / n);
    const auto to = static_cast<std::uint64_t>(k * o.count / n);
    return {o.first + from, to - from};
}

const char* ParUsage() {
    return "Usage: vortala-sim par [options]\n"
           "Computes the stop key's outcome from every state of the generator and reports the\n"
           "game's exact figures (a PAR sheet). See docs/PAR.md.\n"
           "Options:\n"
           "  --bets B | B1,...,B15  bet on every line, or on each line, 0..99 (default 1)\n"
           "  --fortune S,R,B        spin, risk and bonus fortune, each -100..100 (default 0,0,0)\n"
           "  --ahead                the player is ahead (credit above twice the credit inserted)\n"
           "  --states FIRST:COUNT   enumerate these generator states (default 0:4294967296)\n"
           "  --shard K/N            enumerate only the K-th of N parts of the states (default 1/1)\n"
           "  --threads T            worker threads (default: every core this process may use)\n"
           "  --json                 print the report as JSON (vortala-sim merge joins shards)\n"
           "  --load FILE            report from a stored --json report instead of enumerating\n"
           "  --compare FILE         set a vortala-sim rtp --json report beside the exact figures\n"
           "  --sweep N              draw RTP against each fortune setting from N states per point\n"
           "  --html FILE            write the PAR sheet as a web page\n"
           "  --markdown FILE        write the PAR sheet as Markdown\n";
}

bool ParseParOptions(int argc, char** argv, ParOptions& out, std::string& error) {
    ParOptions o;
    for (int i = 0; i < argc; ++i) {
        OptionWord option = SplitOption(argv[i]);
        const std::string_view name = option.name;
        const bool hasValue = option.hasValue;
        if ((name == "--json" || name == "--ahead") && !hasValue) {
            (name == "--json" ? o.json : o.ahead) = true;
            continue;
        }
        static constexpr const char* kValued[][2] = {
            {"--bets", "a whole number 0..99 or fifteen of them, not all 0"},
            {"--fortune", "three whole numbers from -100 to 100, as SPIN,RISK,BONUS"},
            {"--states", "FIRST:COUNT within 0..4294967296"},
            {"--shard", "K/N, whole numbers with 1 <= K <= N <= 1000000"},
            {"--threads", "a whole number from 1 to 256"},
            {"--load", "a file name"},
            {"--compare", "a file name"},
            {"--sweep", "a whole number from 1 to 4294967296"},
            {"--html", "a file name"},
            {"--markdown", "a file name"},
        };
        const char* needs = nullptr;
        for (const auto& v : kValued)
            if (name == v[0]) needs = v[1];
        if (!needs) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        if (!TakeOptionValue(option, argc, argv, i, error)) return false;
        const std::string_view value = option.value;
        long long v = 0;
        bool ok = !value.empty();
        if (name == "--bets") {
            ok = ParseBets(value, o);
        } else if (name == "--fortune") {
            std::vector<long long> f;
            ok = ParseList(value, -100, 100, 3, f);
            if (!ok) f.assign(3, 0);
            o.fortuneSpin = static_cast<int>(f[0]);
            o.fortuneRisk = static_cast<int>(f[1]);
            o.fortuneBonus = static_cast<int>(f[2]);
        } else if (name == "--states") {
            ok = ParseStates(value, o);
        } else if (name == "--shard") {
            ok = ParseShardText(value, 1000000, o.shard, o.shards);
        } else if (name == "--threads") {
            ok = ParseWholeNumber(value, 1, 256, v);
            o.threads = static_cast<unsigned>(v);
        } else if (name == "--sweep") {
            ok = ParseWholeNumber(value, 1, static_cast<long long>(kAllStates), v);
            o.sweep = static_cast<std::uint64_t>(v);
        } else {
            (name == "--load"      ? o.load
             : name == "--compare" ? o.compare
             : name == "--html"    ? o.html
                                   : o.markdown) = std::string(value);
        }
        if (!ok) {
            error = std::string(name) + " needs " + needs + ", not '" + std::string(value) + "'";
            return false;
        }
    }
    out = o;
    return true;
}

}  // namespace vortala::sim
