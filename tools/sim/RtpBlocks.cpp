#include "RtpBlocks.h"

#include <algorithm>

namespace vortala::sim {

std::uint64_t BlockCount(const RtpOptions& o) {
    return o.games / o.blockGames + (o.games % o.blockGames != 0);
}

BlockRange ShardBlocks(const RtpOptions& o) {
    // 128 bits: blocks (up to 10^12) times shards (up to 10^6) overflows 64.
    const unsigned __int128 blocks = BlockCount(o);
    BlockRange r;
    r.first = static_cast<std::uint64_t>(blocks * (o.shard - 1) / o.shards);
    r.end = static_cast<std::uint64_t>(blocks * o.shard / o.shards);
    return r;
}

std::uint64_t GamesInBlock(const RtpOptions& o, std::uint64_t block) {
    const std::uint64_t start = block * o.blockGames;
    return start >= o.games ? 0 : std::min(o.blockGames, o.games - start);
}

std::uint64_t GamesInBlocks(const RtpOptions& o, BlockRange r) {
    if (r.Count() == 0) return 0;
    return (r.Count() - 1) * o.blockGames + GamesInBlock(o, r.end - 1);
}

}  // namespace vortala::sim
