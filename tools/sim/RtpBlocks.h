#pragma once
// How a run's games are split: into blocks of a fixed number of games, each played from a fresh
// machine with its own streams, and shard K of N taking a contiguous run of those blocks. Both
// splits depend on the run's games, block size and N only, so no thread count, host or
// scheduler can change which games a block or a shard plays.
#include <cstdint>

#include "RtpOptions.h"

namespace vortala::sim {

struct BlockRange {
    std::uint64_t first = 0;  // block index, from 0
    std::uint64_t end = 0;    // one past the last
    std::uint64_t Count() const { return end - first; }
};

std::uint64_t BlockCount(const RtpOptions& o);
// The blocks of shard o.shard of o.shards: the blocks shared out as evenly as whole blocks allow.
BlockRange ShardBlocks(const RtpOptions& o);
std::uint64_t GamesInBlock(const RtpOptions& o, std::uint64_t block);  // the last one may be short
std::uint64_t GamesInBlocks(const RtpOptions& o, BlockRange r);
// Games are numbered from 1 across the whole run.
inline std::uint64_t FirstGameOfBlock(const RtpOptions& o, std::uint64_t block) {
    return block * o.blockGames + 1;
}

}  // namespace vortala::sim
