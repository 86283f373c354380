#pragma once
// LogWindow: the statistics log's window (Memo1 with the lines, "OK"). It shows the lines the
// session's records hold; the file is theirs.
#include <string>

#include "app/StatLog.h"
#include "ui/ModalDialog.h"

namespace vortala {

class LogWindow : public ModalDialog {
public:
    explicit LogWindow(const StatLog& log) : log_(log) {}

    std::string_view Name() const override { return "LogFile"; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

private:
    const StatLog& log_;
    std::string memo_;  // the lines as the window shows them
};

}  // namespace vortala
