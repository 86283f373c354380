#pragma once
// StateFields: GameState fields by name, for scripts and dumps. Paths name a field and then any
// number of [index] or .member steps: "Credit", "LineBet[3]", "LineBet[*]" (every element),
// "Chests[0].ChestValue". Values are written and read as JSON text.
#include <optional>
#include <string>
#include <string_view>

#include "game/GameState.h"

namespace vortala {

// JSON text of the field at path, or nothing when no such field exists.
std::optional<std::string> GetField(const GameState& g, std::string_view path);
// Sets every field the path names (several with [*]); false when the path or value is bad.
bool SetField(GameState& g, std::string_view path, std::string_view value);
// One JSON object with every field of the state.
std::string DumpState(const GameState& g);

}  // namespace vortala
