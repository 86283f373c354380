#pragma once
// GameDialogs: the windows around the game and the flows between them: about window, options,
// statistics box, log window, exit question with its new-game path, game recall, and the notice of
// a failed save. It runs the window's close (the session's records take the credit off, then the
// statistics box shows what they took) and the exit question's new game the same way. What the
// dialogs show of the session comes from its records, which alone write anything to disk.
#include <SDL2/SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "app/Machine.h"
#include "records/SessionRecords.h"
#include "ui/AboutBox.h"
#include "ui/DialogStack.h"
#include "ui/ExitQuestion.h"
#include "ui/GameRecall.h"
#include "ui/InputCapture.h"
#include "ui/LogWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/SaveNotice.h"
#include "ui/StatisticsBox.h"

namespace vortala {

class ImGuiLayer;

class GameDialogs {
public:
    struct Services {
        std::function<void()> quit;
        std::function<void(std::string_view)> openUrl;
        std::function<bool()> connected;
        SimulatorSource simulator;  // figures for settings off the build's table; may be empty
    };
    // machine is null when the game could not start: there is nothing to show then.
    GameDialogs(SessionRecords& records, Machine* machine, Services services);
    ~GameDialogs();

    // Draws the dialogs in this window from now on; its GL context must be current.
    void AttachWindow(SDL_Window* window, SDL_GLContext context);
    // True when the event is a dialog's: one is up, or it ends a press that one took.
    bool HandleEvent(const SDL_Event& e);
    // Draws the dialogs that are up over the frame.
    void Render();

    void Show(Dialog dialog);
    // Closing the main window: the records close the session, the statistics box shows what
    // they took off, then the game ends.
    void RequestClose();
    // The close without the statistics box, for a signal: nothing may wait for the player.
    void CloseWithoutWaiting();

    DialogStack& Stack() { return stack_; }
    AboutBox& About() { return *about_; }
    OptionsDialog& Options() { return *options_; }
    StatisticsBox& Statistics() { return statistics_; }
    LogWindow& Log() { return log_; }
    ExitQuestion& Exit() { return exit_; }
    GameRecall& Recall() { return *recall_; }

private:
    void ExitAnswered();
    void StartNewGame();

    SessionRecords& records_;
    Machine* machine_;
    Services services_;
    DialogStack stack_;
    InputCapture capture_;
    ExitQuestion exit_;
    SaveNotice notice_;
    StatisticsBox statistics_;
    LogWindow log_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<GameRecall> recall_;
    std::unique_ptr<ImGuiLayer> layer_;
    bool closing_ = false;
};

}  // namespace vortala
