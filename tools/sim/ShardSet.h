#pragma once
// The shards 1..N of one run as a merge meets them: each exactly once, none missing.
#include <string>
#include <vector>

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

}  // namespace vortala::sim
