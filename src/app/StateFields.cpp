// A small tree of typed leaves built over one GameState: arrays and records of the state become
// nodes, so one path walker serves get, set and dump alike.
#include "StateFields.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

namespace vortala {

namespace {

struct Node {
    enum class Kind { Int, Float, Array, Record } kind = Kind::Int;
    // Leaves: read and write through type-erased accessors.
    std::function<long long()> getInt;
    std::function<void(long long)> setInt;
    long long minValue = 0, maxValue = 0;
    float* floatPtr = nullptr;
    std::vector<Node> items;                            // Array
    std::vector<std::pair<const char*, Node>> members;  // Record
};

template <typename T>
Node Leaf(T& value) {
    Node n;
    if constexpr (std::is_floating_point_v<T>) {
        n.kind = Node::Kind::Float;
        n.floatPtr = &value;
    } else {
        n.getInt = [&value] { return static_cast<long long>(value); };
        n.setInt = [&value](long long v) { value = static_cast<T>(v); };
        n.minValue = static_cast<long long>(std::numeric_limits<T>::min());
        n.maxValue = std::is_same_v<T, std::uint64_t> ? std::numeric_limits<long long>::max()
                                                      : static_cast<long long>(std::numeric_limits<T>::max());
    }
    return n;
}

Node Make(LineResultRecord& r);
Node Make(ChestSlot& c);
Node Make(FreeGameSlot& f);
template <typename T>
Node Make(T& value) {
    return Leaf(value);
}
template <typename T, std::size_t N>
Node Make(std::array<T, N>& a) {
    Node n;
    n.kind = Node::Kind::Array;
    for (auto& item : a) n.items.push_back(Make(item));
    return n;
}
Node Record(std::vector<std::pair<const char*, Node>> members) {
    Node n;
    n.kind = Node::Kind::Record;
    n.members = std::move(members);
    return n;
}
Node Make(LineResultRecord& r) {
    return Record({{"FreeGameMark", Make(r.FreeGameMark)},
                   {"Multiplier", Make(r.Multiplier)},
                   {"WildCount", Make(r.WildCount)},
                   {"ChestMark", Make(r.ChestMark)},
                   {"CoinLine", Make(r.CoinLine)}});
}
Node Make(ChestSlot& c) {
    return Record({{"ChestValue", Make(c.ChestValue)},
                   {"ChestChosen", Make(c.ChestChosen)},
                   {"ChestOpen", Make(c.ChestOpen)}});
}
Node Make(FreeGameSlot& f) {
    return Record({{"FreeGameValue", Make(f.FreeGameValue)}, {"FreeGameChosen", Make(f.FreeGameChosen)}});
}

// Every field of the state, from the one list beside the struct.
Node Root(GameState& g) {
#define VORTALA_FIELD_NODE(name) {#name, Make(g.name)},
    return Record({VORTALA_GAME_STATE_FIELDS(VORTALA_FIELD_NODE)});
#undef VORTALA_FIELD_NODE
}

std::string FloatText(float f) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, f);
    return ec == std::errc() ? std::string(buf, end) : "0";
}

void Write(const Node& n, std::string& out) {
    switch (n.kind) {
        case Node::Kind::Int:
            out += std::to_string(n.getInt());
            break;
        case Node::Kind::Float:
            out += FloatText(*n.floatPtr);
            break;
        case Node::Kind::Array:
            out += '[';
            for (std::size_t i = 0; i < n.items.size(); ++i) {
                if (i) out += ',';
                Write(n.items[i], out);
            }
            out += ']';
            break;
        case Node::Kind::Record:
            out += '{';
            for (std::size_t i = 0; i < n.members.size(); ++i) {
                if (i) out += ',';
                out += '"';
                out += n.members[i].first;
                out += "\":";
                Write(n.members[i].second, out);
            }
            out += '}';
            break;
    }
}

// Resolves a path to the nodes it names; empty when it names nothing.
std::vector<const Node*> Resolve(const Node& root, std::string_view path) {
    std::vector<const Node*> current{&root};
    std::size_t i = 0;
    bool first = true;
    while (i < path.size()) {
        std::vector<const Node*> next;
        if (path[i] == '[') {
            const std::size_t close = path.find(']', i);
            if (close == std::string_view::npos) return {};
            const std::string_view index = path.substr(i + 1, close - i - 1);
            for (const Node* n : current) {
                if (n->kind != Node::Kind::Array) return {};
                if (index == "*") {
                    for (const Node& item : n->items) next.push_back(&item);
                    continue;
                }
                std::size_t k = 0;
                auto [p, ec] = std::from_chars(index.data(), index.data() + index.size(), k);
                if (ec != std::errc() || p != index.data() + index.size() || k >= n->items.size()) return {};
                next.push_back(&n->items[k]);
            }
            i = close + 1;
        } else {
            if (!first) {
                if (path[i] != '.') return {};
                ++i;
            }
            std::size_t end = path.find_first_of(".[", i);
            if (end == std::string_view::npos) end = path.size();
            const std::string_view name = path.substr(i, end - i);
            for (const Node* n : current) {
                if (n->kind != Node::Kind::Record) return {};
                const Node* found = nullptr;
                for (const auto& [memberName, member] : n->members)
                    if (name == memberName) found = &member;
                if (!found) return {};
                next.push_back(found);
            }
            i = end;
        }
        first = false;
        current = std::move(next);
    }
    return current;
}

bool Assign(const Node& n, std::string_view value) {
    if (n.kind == Node::Kind::Float) {
        const std::string text(value);
        char* end = nullptr;
        const float f = std::strtof(text.c_str(), &end);
        if (text.empty() || *end != '\0') return false;
        *n.floatPtr = f;
        return true;
    }
    if (n.kind != Node::Kind::Int) return false;
    long long v = 0;
    auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || p != value.data() + value.size() || v < n.minValue || v > n.maxValue)
        return false;
    n.setInt(v);
    return true;
}

}  // namespace

std::optional<std::string> GetField(const GameState& g, std::string_view path) {
    const Node root = Root(const_cast<GameState&>(g));  // read only: no setter is called
    const auto nodes = Resolve(root, path);
    if (nodes.empty()) return std::nullopt;
    std::string out;
    if (nodes.size() == 1 && path.find("[*]") == std::string_view::npos) {
        Write(*nodes[0], out);
        return out;
    }
    out += '[';
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (i) out += ',';
        Write(*nodes[i], out);
    }
    out += ']';
    return out;
}

bool SetField(GameState& g, std::string_view path, std::string_view value) {
    const Node root = Root(g);
    const auto nodes = Resolve(root, path);
    if (nodes.empty()) return false;
    for (const Node* n : nodes)
        if (n->kind != Node::Kind::Int && n->kind != Node::Kind::Float) return false;
    for (const Node* n : nodes)
        if (!Assign(*n, value)) return false;
    return true;
}

std::string DumpState(const GameState& g) {
    std::string out;
    Write(Root(const_cast<GameState&>(g)), out);
    return out;
}

}  // namespace vortala
