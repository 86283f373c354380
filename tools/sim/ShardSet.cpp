#include "ShardSet.h"

#include <cstdlib>

namespace vortala::sim {

bool ShardSet::Add(unsigned k, const std::string& name, std::string& error) {
    std::string& place = names_[k - 1];
    if (!place.empty()) {
        error = "cannot merge: shard " + std::to_string(k) + " of " + std::to_string(names_.size()) +
                " appears twice, in " + place + " and " + name;
        return false;
    }
    place = name.empty() ? "?" : name;
    return true;
}

bool ShardSet::Complete(std::string& error) const {
    std::vector<unsigned> missing;
    for (unsigned k = 0; k < names_.size(); ++k)
        if (names_[k].empty()) missing.push_back(k + 1);
    if (missing.empty()) return true;
    std::string list;
    for (std::size_t i = 0; i < missing.size() && i < 10; ++i)
        list += (i ? ", " : "") + std::to_string(missing[i]);
    if (missing.size() > 10) list += " and " + std::to_string(missing.size() - 10) + " more";
    error = "cannot merge: " + std::to_string(missing.size()) + " of the run's " +
            std::to_string(names_.size()) + " shards missing (shard " + list + ")";
    return false;
}

RunSpeed ReadShardSpeed(const JsonValue& doc, unsigned threads) {
    auto number = [&](const char* key, double otherwise) {
        const JsonValue* v = doc.Find(key);
        return v && v->kind == JsonValue::Kind::Number ? std::strtod(v->text.c_str(), nullptr) : otherwise;
    };
    RunSpeed speed;
    speed.threads = threads;
    speed.seconds = number("seconds", 0.0);
    speed.threadSeconds = number("thread_seconds", speed.seconds * threads);
    return speed;
}

}  // namespace vortala::sim
