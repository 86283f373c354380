// Vortala: the game in its window.
//   vortala                 play
//   vortala --script FILE   run a script in the real window with real timers; the extra command
//                           "screenshot PATH" writes the next drawn frame as a PNG
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/ScriptRunner.h"
#include "platform/GameWindow.h"

namespace {

class WindowDriver : public vortala::ScriptDriver {
public:
    explicit WindowDriver(vortala::GameWindow& window) : window_(window) {}
    vortala::Machine& machine() override { return window_.machine(); }
    void Input(const vortala::InputEvent& event) override { window_.Deliver(event); }
    void Advance(std::uint32_t ms) override { window_.RunFor(ms); }
    bool Settle(std::uint32_t limitMs) override {
        for (std::uint32_t waited = 0; waited <= limitMs; waited += 10) {
            if (window_.machine().Idle() && window_.PhaseTimersIdle() && !window_.OneShotsPending() &&
                !window_.InputPending())
                return true;
            window_.RunFor(10);
        }
        return false;
    }
    std::vector<std::string> TakeSounds() override { return window_.TakeSounds(); }
    bool Extra(const std::vector<std::string>& words, std::string& error) override {
        if (words[0] != "screenshot" || words.size() != 2) return false;
        window_.RequestScreenshot(words[1]);
        for (int waited = 0; window_.ScreenshotPending() && waited < 3000; waited += 10) window_.RunFor(10);
        if (window_.ScreenshotPending()) error = "no frame was drawn for the screenshot";
        return error.empty();
    }

private:
    vortala::GameWindow& window_;
};

}  // namespace

int main(int argc, char** argv) {
    const char* script = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--script") == 0) script = argv[2];
    else if (argc != 1) {
        std::cerr << "usage: vortala [--script FILE]\n";
        return 2;
    }
    vortala::GameWindow window;
    if (!window.Create()) return 1;
    if (!script) {
        window.Run();
        return 0;
    }
    std::ifstream file(script);
    if (!file) {
        std::cerr << "cannot open " << script << '\n';
        return 2;
    }
    WindowDriver driver(window);
    const auto result = vortala::RunScript(file, driver, std::cout, std::cerr);
    window.RequestQuit();  // the script ends the game as the exit button does
    return static_cast<int>(result);
}
