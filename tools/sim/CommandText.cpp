#include "CommandText.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vortala::sim {

bool ParseWholeNumber(std::string_view text, long long low, long long high, long long& out) {
    if (text.empty() || text.size() > 20) return false;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(copy.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

bool ParseShardText(std::string_view text, long long highest, unsigned& shard, unsigned& shards) {
    const std::size_t slash = text.find('/');
    long long k = 0, n = 0;
    if (slash == std::string_view::npos || !ParseWholeNumber(text.substr(0, slash), 1, highest, k) ||
        !ParseWholeNumber(text.substr(slash + 1), 1, highest, n) || k > n)
        return false;
    shard = static_cast<unsigned>(k);
    shards = static_cast<unsigned>(n);
    return true;
}

OptionWord SplitOption(const char* word) {
    OptionWord option{word, {}, false};
    if (const std::size_t eq = option.name.find('=');
        eq != std::string_view::npos && option.name.substr(0, 2) == "--") {
        option.value = option.name.substr(eq + 1);
        option.name = option.name.substr(0, eq);
        option.hasValue = true;
    }
    return option;
}

bool TakeOptionValue(OptionWord& option, int argc, char** argv, int& i, std::string& error) {
    if (option.hasValue) return true;
    if (i + 1 >= argc) {
        error = std::string(option.name) + " needs a value";
        return false;
    }
    option.value = argv[++i];
    return true;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

}  // namespace vortala::sim
