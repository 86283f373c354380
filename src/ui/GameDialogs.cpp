#include "ui/GameDialogs.h"

#include "game/Rules.h"
#include "ui/ImGuiLayer.h"

namespace vortala {

GameDialogs::GameDialogs(SettingsStore& store, std::string logPath, std::string journalPath, Machine* machine,
                         Services services)
    : store_(store), machine_(machine), services_(std::move(services)) {
    const GameState* game = machine_ ? &machine_->State() : nullptr;
    if (machine_) {
        about_ = std::make_unique<AboutBox>(services_.openUrl);
        options_ = std::make_unique<OptionsDialog>(
            *machine_, store_,
            OptionsDialog::Services{services_.openUrl, services_.connected, [this] { stack_.Show(*log_); }});
    }
    statistics_ = std::make_unique<StatisticsBox>(store_, game);
    log_ = std::make_unique<LogWindow>(std::move(logPath), statistics_->GameNumber(), game);
    if (!machine_) return;
    journal_ = std::make_unique<JournalKeeper>(std::move(journalPath), *machine_);
    recall_ = std::make_unique<GameRecall>(*journal_, *machine_);
    statistics_->SetRecallButton([this] { stack_.Show(*recall_); });
    // What the journal's check found goes to the log and, at once, to the window.
    for (const std::string& note : journal_->Notes()) {
        log_->Note("Game journal: " + note);
        std::fprintf(stderr, "vortala: game journal: %s\n", note.c_str());
    }
    if (journal_->Troubled()) {
        recall_->SelectPage(GameRecall::Page::Meters);
        stack_.Show(*recall_);
    }
}

GameDialogs::~GameDialogs() {
    layer_.reset();
    recall_.reset();
    journal_.reset();     // writes what is queued
    log_.reset();         // the closing block
    statistics_.reset();  // the game number
    if (!store_.Save()) std::fprintf(stderr, "vortala: could not save the settings\n");
}

void GameDialogs::AttachWindow(SDL_Window* window, SDL_GLContext context) {
    layer_ = std::make_unique<ImGuiLayer>(window, context, stack_);
    TextureHandle picture = 0;
    if (LoadTexture("statbox.jpg", picture)) statistics_->SetPicture(picture);
    if (recall_) recall_->LoadPictures();
    if (about_ && LoadTexture("aboutbox.jpg", picture)) about_->SetPicture(picture);
}

bool GameDialogs::HandleEvent(const SDL_Event& e) {
    return layer_ && layer_->HandleEvent(e);
}

void GameDialogs::Render() {
    if (layer_) layer_->Render();
}

void GameDialogs::Show(Dialog dialog) {
    if (!machine_) return;
    switch (dialog) {
        case Dialog::Options:
            stack_.Show(*options_);
            break;
        case Dialog::OptionsGambling:
            options_->SelectPage(1);
            stack_.Show(*options_);
            break;
        case Dialog::About:
            stack_.Show(*about_);
            break;
        case Dialog::Statistics:
            stack_.Show(*statistics_);
            break;
        case Dialog::Recall:
            stack_.Show(*recall_);
            break;
        case Dialog::Exit:
            machine_->PlaySound(Cue::Exit, false);
            if (!machine_->Options().offerNewGameOnExit)
                RequestClose();
            else
                stack_.Show(exit_, [this] { ExitAnswered(); });
            break;
    }
}

void GameDialogs::ExitAnswered() {
    if (exit_.Chosen() == ExitQuestion::Answer::Yes) RequestClose();
    if (exit_.Chosen() == ExitQuestion::Answer::No) StartNewGame();
}

void GameDialogs::RequestClose() {
    if (closing_ || !machine_) return;
    closing_ = true;
    statistics_->SetTaken(machine_->State().Credit);
    stack_.Show(*statistics_, [this] {
        journal_->CloseSession(statistics_->GameNumber(), machine_->State().Credit, true);
        SaveAtClose(machine_->State(), machine_->Options(), services_.outerSize(), store_);
        if (!store_.Save()) std::fprintf(stderr, "vortala: could not save the settings\n");
        services_.quit();
    });
}

void GameDialogs::GameEnded() {
    if (journal_) journal_->GameEnded(statistics_->GameNumber());
}

// Money in play, bonus state and pending wins stay: only the credit and the stakes start afresh.
void GameDialogs::StartNewGame() {
    SaveAtNewGame(machine_->State(), machine_->Options(), store_);
    if (!store_.Save()) std::fprintf(stderr, "vortala: could not save the settings\n");
    log_->CloseSection();
    statistics_->SetTaken(machine_->State().Credit);
    stack_.Show(*statistics_, [this] {
        statistics_->SetTaken(0);
        journal_->CloseSession(statistics_->GameNumber(), machine_->State().Credit, false);
        NewGame(machine_->State());
        statistics_->RaiseGameNumber();
        log_->OpenSection(statistics_->GameNumber());
    });
}

}  // namespace vortala
