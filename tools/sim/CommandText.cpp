#include "CommandText.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "platform/RegularFile.h"

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

// Only a regular file, at most 16 MB: a FIFO or a link to a device never holds a command.
bool ReadTextFile(const std::string& path, std::string& text) {
    std::optional<std::string> read = ReadRegularFile(path, std::size_t{16} << 20, ReadPart::Whole);
    if (!read) return false;
    text = std::move(*read);
    return true;
}

}  // namespace vortala::sim
