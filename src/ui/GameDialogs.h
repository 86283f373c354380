#pragma once
// GameDialogs: the five windows around the game and the flows between them. Created in the
// game's fixed order (about window, options, statistics box, log window) and destroyed in the
// reverse one, so the log's closing block is written and the game number stored even when the
// display checks failed and the game never ran. It also runs the window's close (statistics box,
// then the save) and the exit dialog with its new-game path, and keeps the session safe as it
// goes: the game number is stored as soon as it is taken, and what the close stores is stored
// again whenever a game ends with any of it changed.
#include <SDL2/SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "app/Machine.h"
#include "app/Persistence.h"
#include "app/SettingsSnapshot.h"
#include "ui/AboutBox.h"
#include "ui/DialogStack.h"
#include "ui/ExitQuestion.h"
#include "ui/GameRecall.h"
#include "ui/JournalKeeper.h"
#include "ui/LogWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/SaveFailures.h"
#include "ui/SaveNotice.h"
#include "ui/SettingsStore.h"
#include "ui/StatisticsBox.h"

namespace vortala {

class ImGuiLayer;

class GameDialogs {
public:
    struct Services {
        std::function<void()> quit;
        std::function<WindowSize()> outerSize;
        std::function<void(std::string_view)> openUrl;
        std::function<bool()> connected;
        SimulatorSource simulator;  // figures for settings off the build's table; may be empty
    };
    // machine is null when the game could not start: only the records are kept then.
    GameDialogs(SettingsStore& store, std::string logPath, std::string journalPath, Machine* machine,
                Services services);
    ~GameDialogs();

    // Draws the dialogs in this window from now on; its GL context must be current.
    void AttachWindow(SDL_Window* window, SDL_GLContext context);
    // True when a dialog is up and takes the event.
    bool HandleEvent(const SDL_Event& e);
    // Draws the dialogs that are up over the frame.
    void Render();

    void Show(Dialog dialog);
    // Closing the main window: the statistics box, then the save, then the end.
    void RequestClose();
    // The close without the statistics box, for a signal: nothing may wait for the player.
    void CloseWithoutWaiting();
    // A game of the player has ended (once per game): records it in the journal, stores
    // what changed, updates the log's session record.
    void GameEnded();

    DialogStack& Stack() { return stack_; }
    AboutBox& About() { return *about_; }
    OptionsDialog& Options() { return *options_; }
    StatisticsBox& Statistics() { return *statistics_; }
    LogWindow& Log() { return *log_; }
    ExitQuestion& Exit() { return exit_; }
    GameRecall& Recall() { return *recall_; }
    JournalKeeper* Journal() { return journal_.get(); }

private:
    void ExitAnswered();
    void StartNewGame();
    void SaveAndQuit();
    void ReserveGameNumber();
    void SaveStore(std::string_view what);
    SettingsSnapshot ValuesToStore() const;

    SettingsStore& store_;
    Machine* machine_;
    Services services_;
    SaveFailures failures_;
    SettingsSnapshot stored_;  // the values the close stores, as last stored
    DialogStack stack_;
    ExitQuestion exit_;
    SaveNotice notice_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<StatisticsBox> statistics_;
    std::unique_ptr<LogWindow> log_;
    std::unique_ptr<JournalKeeper> journal_;
    std::unique_ptr<GameRecall> recall_;
    std::unique_ptr<ImGuiLayer> layer_;
    bool closing_ = false;
    bool saved_ = false;
};

}  // namespace vortala
