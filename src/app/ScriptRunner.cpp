#include "ScriptRunner.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>

#include "StateFields.h"

namespace vortala {

namespace {

using Words = std::vector<std::string>;

struct Failure {
    ScriptResult result;
    std::string message;
};

Words Split(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    Words words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ToInt(const std::string& text, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0';
}

std::string Strip(std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](unsigned char c) { return std::isspace(c); }), s.end());
    return s;
}

std::string SoundsJson(const std::vector<std::string>& sounds) {
    std::string out = "[";
    for (std::size_t i = 0; i < sounds.size(); ++i) out += (i ? ",\"" : "\"") + sounds[i] + "\"";
    return out + "]";
}

// Options by their control names; the fortune and speed bars take effect as "Ok" would apply them.
bool SetOption(Machine& m, const std::string& name, long long v) {
    Settings& s = m.Options();
    const std::map<std::string, int*> ints{{"autoStopSeconds", &s.autoStopSeconds},
                                           {"fortuneSpin", &s.fortuneSpin},
                                           {"fortuneRisk", &s.fortuneRisk},
                                           {"fortuneBonus", &s.fortuneBonus},
                                           {"paintIntervalMs", &s.paintIntervalMs}};
    const std::map<std::string, bool*> flags{{"autoStop", &s.autoStop},
                                             {"storeWindowSize", &s.storeWindowSize},
                                             {"bonusOncePerGame", &s.bonusOncePerGame},
                                             {"offerNewGameOnExit", &s.offerNewGameOnExit},
                                             {"sounds", &s.sounds},
                                             {"storeOptions", &s.storeOptions},
                                             {"transparentLines", &s.transparentLines}};
    if (auto it = ints.find(name); it != ints.end()) {
        *it->second = static_cast<int>(v);
        m.ApplyOptions();
        return true;
    }
    if (auto it = flags.find(name); it != flags.end()) {
        *it->second = v != 0;
        return true;
    }
    return false;
}

using HostOperation = void (*)(GameState&, GameHost&);
using StateOperation = void (*)(GameState&);

// The operations a script may call by name with no argument.
const std::map<std::string, HostOperation>& HostOperations() {
    static const std::map<std::string, HostOperation> operations{{"ChangeBets", ChangeBets},
                                                                 {"FitBetsToCredit", FitBetsToCredit},
                                                                 {"TakeWin", TakeWin},
                                                                 {"Randomize", Randomize},
                                                                 {"ApplySpinFortune", ApplySpinFortune},
                                                                 {"EvaluateArrangement", EvaluateArrangement},
                                                                 {"PrepareSpinKey", PrepareSpinKey},
                                                                 {"StartSpin", StartSpin},
                                                                 {"StopSpin", StopSpin},
                                                                 {"ResetAfterBetChange", ResetAfterBetChange},
                                                                 {"StepReelStart", StepReelStart},
                                                                 {"StepStopSequence", StepStopSequence},
                                                                 {"CollectIfSettled", CollectIfSettled},
                                                                 {"Collect", Collect},
                                                                 {"ArmBonusChooser", ArmBonusChooser},
                                                                 {"ChooseBonusScreen", ChooseBonusScreen},
                                                                 {"DealCard", DealCard},
                                                                 {"StepRiskCard", StepRiskCard},
                                                                 {"EndRisk", EndRisk},
                                                                 {"OpenBarrel", OpenBarrel},
                                                                 {"EndBarrels", EndBarrels},
                                                                 {"OpenChests", OpenChests},
                                                                 {"RevealChests", RevealChests},
                                                                 {"EndChests", EndChests},
                                                                 {"AwardFreeGames", AwardFreeGames},
                                                                 {"EndFreeGames", EndFreeGames},
                                                                 {"ThrowCoin", ThrowCoin},
                                                                 {"StepCoin", StepCoin},
                                                                 {"EndCoinGame", EndCoinGame},
                                                                 {"SpinArrow", SpinArrow},
                                                                 {"CheckArrow", CheckArrow},
                                                                 {"StepShip", StepShip},
                                                                 {"EndVoyage", EndVoyage}};
    return operations;
}

const std::map<std::string, StateOperation>& StateOperations() {
    static const std::map<std::string, StateOperation> operations{{"RecomputeTotalBet", RecomputeTotalBet},
                                                                  {"NewGame", NewGame},
                                                                  {"DrawArrangement", DrawArrangement},
                                                                  {"StepPanel", StepPanel},
                                                                  {"StepHelms", StepHelms},
                                                                  {"StepArrow", StepArrow},
                                                                  {"StepExplosion", StepExplosion},
                                                                  {"StepWildAnimation", StepWildAnimation}};
    return operations;
}

// Rule operations a script may call, by their names. Chest and item numbers count from 1.
bool CallOperation(Machine& m, const Words& w, std::string& error) {
    GameState& g = m.EditState();
    GameHost& h = m;
    const std::string& op = w[1];
    long long arg = 0;
    const bool hasArg = w.size() > 2 && ToInt(w[2], arg);
    const auto& plain = HostOperations();
    const auto& stateOnly = StateOperations();
    if (auto it = plain.find(op); it != plain.end()) return it->second(g, h), true;
    if (auto it = stateOnly.find(op); it != stateOnly.end()) return it->second(g), true;
    if (op == "Random" && hasArg && arg >= 1) return Random(g, static_cast<std::uint32_t>(arg)), true;
    if (op == "Guess" && hasArg && (arg == 1 || arg == 2)) return Guess(g, h, static_cast<int>(arg)), true;
    if (op == "PickChest" && hasArg && arg >= 1 && arg <= 5)
        return PickChest(g, h, static_cast<int>(arg) - 1), true;
    if (op == "PickFreeGames" && hasArg && arg >= 1 && arg <= 6)
        return PickFreeGames(g, h, static_cast<int>(arg) - 1), true;
    if (op == "SubstituteWilds" && hasArg && arg >= 1 && arg <= 15)
        return SubstituteWilds(g, static_cast<int>(arg) - 1), true;
    if (op == "StepReelMotion")
        return StepReelMotion(g, g.LastTick + (hasArg ? static_cast<std::uint32_t>(arg) : 30)), true;
    if (op == "InsertCredit") return InsertCredit(g), true;
    error = "unknown operation or bad argument: " + op;
    return false;
}

class Runner {
public:
    Runner(ScriptDriver& d, std::ostream& out) : d_(d), out_(out) {}

    // Runs one command; a failure carries its kind and message.
    bool Run(const Words& w, Failure& f) {
        const std::string& c = w[0];
        Machine& m = d_.machine();
        auto malformed = [&](const std::string& why) {
            f = {ScriptResult::Malformed, why};
            return false;
        };
        GatherSounds();
        long long n = 0;
        if (c == "seed" && w.size() == 2 && ToInt(w[1], n)) {
            m.EditState().Seed = static_cast<std::uint32_t>(n);
        } else if (c == "entropy" && w.size() == 2 && ToInt(w[1], n) && n >= 0 && n <= 0xFFFFFFFFLL) {
            m.QueueEntropy(static_cast<std::uint32_t>(n));
        } else if (c == "set" && w.size() == 3) {
            if (!SetField(m.EditState(), w[1], w[2])) return malformed("cannot set " + w[1] + " to " + w[2]);
        } else if (c == "option" && w.size() == 3 && ToInt(w[2], n)) {
            if (!SetOption(m, w[1], n)) return malformed("unknown option " + w[1]);
        } else if (c == "reels" && w.size() == 16) {
            GameState& g = m.EditState();
            for (int i = 0; i < 15; ++i) {
                if (!ToInt(w[1 + i], n) || n < 0 || n > 10) return malformed("bad symbol " + w[1 + i]);
                g.PresetRows[i / 5][i % 5] = static_cast<Byte>(n);
            }
            g.PresetPending = 1;
        } else if (c == "call" && w.size() >= 2) {
            std::string error;
            if (!CallOperation(m, w, error)) return malformed(error);
        } else if ((c == "keydown" || c == "keyup" || c == "key") && w.size() >= 2) {
            return Key(c, w, f);
        } else if (c == "type" && w.size() >= 2) {
            const std::string text = Rest(w, 1);
            for (char ch : text) Send(InputEvent::Kind::Char, ch);
        } else if (IsMouse(c)) {
            return Mouse(c, w, f);
        } else if (c == "frames" && w.size() == 2 && ToInt(w[1], n) && n >= 0) {
            d_.Advance(static_cast<std::uint32_t>(n * std::max(1, m.Options().paintIntervalMs)));
        } else if (c == "wait" && w.size() == 2 && ToInt(w[1], n) && n >= 0) {
            d_.Advance(static_cast<std::uint32_t>(n));
        } else if (c == "settle" && w.size() <= 2) {
            if (w.size() == 2 && (!ToInt(w[1], n) || n < 0)) return malformed("bad time " + w[1]);
            if (!d_.Settle(w.size() == 2 ? static_cast<std::uint32_t>(n) : 120000)) {
                f = {ScriptResult::ExpectationFailed, "the machine never settled"};
                return false;
            }
        } else if (c == "until" && w.size() >= 3) {
            return Until(w, f);
        } else if (c == "dump") {
            return Dump(w, f);
        } else if (c == "expect" && w.size() >= 3) {
            return Expect(w, f);
        } else {
            std::string error;
            if (d_.Extra(w, error)) return true;
            if (!error.empty()) return f = {ScriptResult::ExpectationFailed, error}, false;
            return malformed("unknown or malformed command");
        }
        return true;
    }

private:
    static bool IsMouse(const std::string& c) {
        return c == "mousedown" || c == "mouseup" || c == "click" || c == "dblclick" || c == "rclick" ||
               c == "move";
    }
    static std::string Rest(const Words& w, std::size_t from) {
        std::string s;
        for (std::size_t i = from; i < w.size(); ++i) s += (i > from ? " " : "") + w[i];
        return s;
    }

    void GatherSounds() {
        for (auto& s : d_.TakeSounds()) sounds_.push_back(std::move(s));
    }

    void Send(InputEvent::Kind kind, int key, Shift shift = {}, MouseButton button = MouseButton::Left,
              int x = 0, int y = 0) {
        InputEvent e;
        e.kind = kind;
        e.key = key;
        e.shift = shift;
        e.button = button;
        e.x = x;
        e.y = y;
        d_.Input(e);
    }

    bool Key(const std::string& c, const Words& w, Failure& f) {
        const int key = KeyCodeOf(w[1]);
        if (key < 0) return f = {ScriptResult::Malformed, "unknown key " + w[1]}, false;
        Shift shift;
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (w[i] == "shift")
                shift.shift = true;
            else if (w[i] == "ctrl")
                shift.ctrl = true;
            else if (w[i] == "alt")
                shift.alt = true;
            else
                return f = {ScriptResult::Malformed, "unknown modifier " + w[i]}, false;
        }
        if (c != "keyup") Send(InputEvent::Kind::KeyDown, key, shift);
        if (c != "keydown") Send(InputEvent::Kind::KeyUp, key, shift);
        return true;
    }

    bool Mouse(const std::string& c, const Words& w, Failure& f) {
        long long x = 0, y = 0;
        const bool right = w.size() == 4 && w[3] == "right";
        if (w.size() < 3 || w.size() > 4 || !ToInt(w[1], x) || !ToInt(w[2], y) || (w.size() == 4 && !right))
            return f = {ScriptResult::Malformed, "expected: " + c + " X Y"}, false;
        const int xi = static_cast<int>(x), yi = static_cast<int>(y);
        const MouseButton b = right || c == "rclick" ? MouseButton::Right : MouseButton::Left;
        using K = InputEvent::Kind;
        if (c == "move") return Send(K::MouseMove, 0, {}, b, xi, yi), true;
        if (c == "mousedown") return Send(K::MouseDown, 0, {}, b, xi, yi), true;
        if (c == "mouseup") return Send(K::MouseUp, 0, {}, b, xi, yi), true;
        Send(K::MouseDown, 0, {}, b, xi, yi);
        Send(K::MouseUp, 0, {}, b, xi, yi);
        if (c == "rclick") return Send(K::ContextPopup, 0, {}, b, xi, yi), true;
        Send(K::Click, 0, {}, b, xi, yi);
        if (c == "dblclick") {  // a double click presses again and clicks again
            Send(K::MouseDown, 0, {}, b, xi, yi);
            Send(K::Click, 0, {}, b, xi, yi);
            Send(K::MouseUp, 0, {}, b, xi, yi);
        }
        return true;
    }

    bool Dump(const Words& w, Failure& f) {
        std::string json;
        if (w.size() == 1) {
            json = DumpState(d_.machine().State());
            json.pop_back();
            json += ",";
        } else {
            json = "{";
            for (std::size_t i = 1; i < w.size(); ++i) {
                if (w[i] == "Sounds") continue;
                const auto v = GetField(d_.machine().State(), w[i]);
                if (!v) return f = {ScriptResult::Malformed, "unknown field " + w[i]}, false;
                json += "\"" + w[i] + "\":" + *v + ",";
            }
        }
        json += "\"Sounds\":" + SoundsJson(sounds_) + "}";
        out_ << json << '\n';
        sounds_.clear();
        return true;
    }

    // until FIELD VALUE [MS]: advances time until the field reads VALUE (default limit 60 s), so
    // scripts in the real window do not depend on how fast frames come.
    bool Until(const Words& w, Failure& f) {
        long long limit = 60000;
        std::string value = w[2];
        if (w.size() == 4 && !ToInt(w[3], limit))
            return f = {ScriptResult::Malformed, "bad time " + w[3]}, false;
        if (w.size() > 4) return f = {ScriptResult::Malformed, "expected: until FIELD VALUE [MS]"}, false;
        for (long long waited = 0;; waited += 10) {
            const auto v = GetField(d_.machine().State(), w[1]);
            if (!v) return f = {ScriptResult::Malformed, "unknown field " + w[1]}, false;
            if (Strip(*v) == Strip(value)) return true;
            if (waited >= limit) {
                f = {ScriptResult::ExpectationFailed,
                     w[1] + " never became " + value + " (it is " + *v + ")"};
                return false;
            }
            d_.Advance(10);
        }
    }

    bool Expect(const Words& w, Failure& f) {
        const std::string expected = Strip(Rest(w, 2));
        std::string actual;
        if (w[1] == "Sounds") {
            actual = SoundsJson(sounds_);
        } else {
            const auto v = GetField(d_.machine().State(), w[1]);
            if (!v) return f = {ScriptResult::Malformed, "unknown field " + w[1]}, false;
            actual = *v;
        }
        if (Strip(actual) == expected) {
            // A held check of the cues consumes them, so the next one covers only later cues.
            if (w[1] == "Sounds") sounds_.clear();
            return true;
        }
        f = {ScriptResult::ExpectationFailed, w[1] + " is " + actual + ", expected " + Rest(w, 2)};
        return false;
    }

    ScriptDriver& d_;
    std::ostream& out_;
    std::vector<std::string> sounds_;
};

}  // namespace

int KeyCodeOf(const std::string& name) {
    static const std::map<std::string, int> named{{"Space", vk::Space},
                                                  {"Insert", vk::Insert},
                                                  {"PageUp", vk::PageUp},
                                                  {"PageDown", vk::PageDown},
                                                  {"Left", vk::Left},
                                                  {"Right", vk::Right},
                                                  {"Up", vk::Up},
                                                  {"Down", vk::Down},
                                                  {"Escape", vk::Escape},
                                                  {"NumPlus", vk::Add},
                                                  {"NumMinus", vk::Subtract},
                                                  {"Plus", vk::RowPlus},
                                                  {"Minus", vk::RowMinus}};
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() >= 2 && name[0] == 'F') {
        long long n = 0;
        if (ToInt(name.substr(1), n) && n >= 1 && n <= 12) return vk::F1 + static_cast<int>(n) - 1;
    }
    if (name.size() == 4 && name.rfind("Num", 0) == 0 && name[3] >= '1' && name[3] <= '9')
        return vk::Numpad(name[3] - '0');
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    return -1;
}

ScriptResult RunScript(std::istream& script, ScriptDriver& driver, std::ostream& out, std::ostream& err) {
    Runner runner(driver, out);
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        const Words words = Split(line);
        if (words.empty()) continue;
        Failure failure{ScriptResult::Passed, ""};
        if (!runner.Run(words, failure)) {
            err << "line " << number << ": " << failure.message << '\n';
            return failure.result;
        }
    }
    return ScriptResult::Passed;
}

}  // namespace vortala
