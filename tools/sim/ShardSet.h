#pragma once
// The shards 1..N of one run as a merge meets them: each exactly once, none missing, all of the
// same run; and the run they make together.
#include <string>
#include <utility>
#include <vector>

#include "Json.h"
#include "Workers.h"

namespace vortala::sim {

class ShardSet {
public:
    explicit ShardSet(unsigned shards) : names_(shards) {}
    // False, saying which, when shard k (1..N) came before.
    bool Add(unsigned k, const std::string& name, std::string& error);
    // False, listing them, when some shards never came.
    bool Complete(std::string& error) const;

private:
    std::vector<std::string> names_;  // empty: not seen yet
};

// A shard report's speed: its threads, and its seconds where present (how long a shard took is
// no part of the figures, so it is never refused).
RunSpeed ReadShardSpeed(const JsonValue& doc, unsigned threads);

// Joins shard reports (each with name, options.shard/shards and run.tally) into the whole run's.
// `foreign(s, first)` says how s belongs to another run than the first, or "".
template <typename Shard, typename Foreign>
bool JoinShards(const std::vector<Shard>& shards, Shard& whole, std::string& error, Foreign&& foreign) {
    if (shards.empty()) {
        error = "no reports to merge";
        return false;
    }
    const Shard& first = shards.front();
    ShardSet seen(first.options.shards);
    Shard merged;
    merged.options = first.options;
    merged.options.shard = merged.options.shards = 1;
    merged.run.threads = 0;
    for (const Shard& s : shards) {
        const std::string differs = foreign(s, first);
        if (!differs.empty()) {
            error = "cannot merge reports of different runs: " + differs;
            return false;
        }
        if (!seen.Add(s.options.shard, s.name, error)) return false;
        merged.run.tally.Merge(s.run.tally);
        merged.run.AddShard(s.run);
    }
    if (!seen.Complete(error)) return false;
    whole = std::move(merged);
    return true;
}

}  // namespace vortala::sim
