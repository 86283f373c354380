#pragma once
// ScriptRunner: drives a fresh machine from a text script, one command per line, and checks
// expectations against its state. Used by `vortala-sim script` on the virtual clock and by the
// windowed game's `--script`, which supplies its own driver.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "Machine.h"

namespace vortala {

// Where a script's commands act: a headless host, or the real window.
class ScriptDriver {
public:
    virtual ~ScriptDriver() = default;
    virtual Machine& machine() = 0;
    virtual void Input(const InputEvent& event) = 0;
    virtual void Advance(std::uint32_t ms) = 0;
    virtual bool Settle(std::uint32_t limitMs) = 0;
    virtual std::vector<std::string> TakeSounds() = 0;
    // Extra commands a driver understands (e.g. "screenshot PATH"); false when unknown.
    virtual bool Extra(const std::vector<std::string>& /*words*/, std::string& /*error*/) { return false; }
};

enum class ScriptResult { Passed = 0, ExpectationFailed = 1, Malformed = 2 };

// Runs the whole script; reports go to out (dumps) and err (failures).
ScriptResult RunScript(std::istream& script, ScriptDriver& driver, std::ostream& out, std::ostream& err);

// Virtual-key code of a script key name ("Space", "F5", "Num3", "A", ...), or -1.
int KeyCodeOf(const std::string& name);

}  // namespace vortala
