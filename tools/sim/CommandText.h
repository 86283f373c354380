#pragma once
// What the subcommands read from their command lines and files alike.
#include <string>
#include <string_view>

namespace vortala::sim {

// Whole decimal numbers only: "1e6", "12abc" or an empty value are mistakes worth reporting.
bool ParseWholeNumber(std::string_view text, long long low, long long high, long long& out);
// K/N with 1 <= K <= N <= highest.
bool ParseShardText(std::string_view text, long long highest, unsigned& shard, unsigned& shards);
// One word of a command line: "--name value" or "--name=value".
struct OptionWord {
    std::string_view name;
    std::string_view value;
    bool hasValue = false;  // given after '='
};
OptionWord SplitOption(const char* word);
// The option's value: after its '=' or the next word (i moves on); false, saying so, if none.
bool TakeOptionValue(OptionWord& option, int argc, char** argv, int& i, std::string& error);

// A whole file as text; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);

}  // namespace vortala::sim
