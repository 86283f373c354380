#pragma once
// What the subcommands read from their command lines and files alike.
#include <string>
#include <string_view>

namespace vortala::sim {

// Whole decimal numbers only: "1e6", "12abc" or an empty value are mistakes worth reporting.
bool ParseWholeNumber(std::string_view text, long long low, long long high, long long& out);
// K/N with 1 <= K <= N <= highest.
bool ParseShardText(std::string_view text, long long highest, unsigned& shard, unsigned& shards);
// A whole file as text; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);

}  // namespace vortala::sim
