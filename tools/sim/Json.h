#pragma once
// A small JSON reader for the simulator's own reports. Numbers keep their text, so that sums
// wider than a double read back exactly; the caller converts what it expects.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vortala::sim {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a number as written, or a string's value
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in the order written

    // The member `key` of an object; nullptr when absent or when this is no object.
    const JsonValue* Find(std::string_view key) const;
};

// Parses one JSON document (RFC 8259; at most 64 levels deep). On failure returns false and says
// where and why ("line 3, column 7: ...").
bool ParseJson(std::string_view text, JsonValue& out, std::string& error);

// A report of one of the simulator's commands: parses it and checks that its "format" is
// `format`; on failure says why, naming the command whose report it is not.
bool ParseReport(std::string_view json, std::string_view format, std::string_view command, JsonValue& doc,
                 std::string& error);
// The report's "sums" object; nullptr, saying so, when it has none.
const JsonValue* FindSums(const JsonValue& doc, std::string& error);

}  // namespace vortala::sim
