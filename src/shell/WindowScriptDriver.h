#pragma once
// WindowScriptDriver: runs a game script in the real window with real timers. Beyond the script
// language it reads "screenshot PATH", "expectregion", "stats", and drives the dialogs through
// SDL's own event queue with "sdlkey", "sdlclick", "close" and "expectdialog"; "windowsize",
// "untilwindow" and "untilcentred" size and watch the window itself, "expectlabel" reads the
// options' value labels.
#include <functional>
#include <string>
#include <vector>

#include "GameWindow.h"
#include "app/ScriptRunner.h"

namespace vortala {

class WindowScriptDriver : public ScriptDriver {
public:
    explicit WindowScriptDriver(GameWindow& window) : window_(window) {}
    Machine& machine() override { return window_.machine(); }
    void Input(const InputEvent& event) override { window_.Deliver(event); }
    void Advance(std::uint32_t ms) override { window_.RunFor(ms); }
    bool Settle(std::uint32_t limitMs) override;
    std::vector<std::string> TakeSounds() override { return window_.TakeSounds(); }
    bool Extra(const std::vector<std::string>& words, std::string& error) override;

private:
    bool PushEvents(const std::vector<std::string>& w, std::string& error);
    bool ExpectDialog(const std::string& name, std::string& error);
    bool ExpectRegion(const std::vector<std::string>& w, std::string& error);
    bool Screenshot(const std::string& path, std::string& error);
    bool UntilWindowSays(const std::function<std::string()>& what, long limitMs, std::string& error);
    bool UntilWindow(const std::vector<std::string>& w, std::string& error);
    bool UntilCentred(const std::vector<std::string>& w, std::string& error);
    bool WindowSize(const std::vector<std::string>& w);
    bool ExpectLabel(const std::vector<std::string>& w, std::string& error);
    void WriteFigures(const std::string& png) const;

    GameWindow& window_;
};

}  // namespace vortala
