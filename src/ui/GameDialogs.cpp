#include "ui/GameDialogs.h"

#include <cerrno>

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
    if (machine_)
        failures_.ShowOverTheGame([this](const std::string& text) {
            notice_.SetText(text);
            stack_.Show(notice_);
        });
    statistics_ = std::make_unique<StatisticsBox>(store_, game);
    ReserveGameNumber();
    log_ = std::make_unique<LogWindow>(std::move(logPath), statistics_->GameNumber(), game, failures_);
    if (!machine_) return;
    stored_ = ValuesToStore();
    journal_ = std::make_unique<JournalKeeper>(std::move(journalPath), *machine_);
    recall_ = std::make_unique<GameRecall>(*journal_, *machine_, services_.simulator);
    statistics_->SetRecallButton([this] { stack_.Show(*recall_); });
    // What the journal's check found goes to the log and, at once, to the window.
    for (const std::string& note : journal_->Notes()) {
        log_->Note("Game journal: " + note);
        std::fprintf(stderr, "vortala: game journal: %s\n", note.c_str());
    }
    if (!journal_->FileProblem().empty())
        failures_.Report("the game journal", journal_->Path(), journal_->FileProblem());
    if (journal_->Troubled()) {
        recall_->SelectPage(GameRecall::Page::Meters);
        stack_.Show(*recall_);
    }
}

GameDialogs::~GameDialogs() {
    failures_.ShowOverTheGame({});  // nothing is drawn any more
    layer_.reset();
    recall_.reset();
    journal_.reset();     // writes what is queued
    log_.reset();         // the closing block
    statistics_.reset();  // the game number
    SaveStore("the game number");
}

// Stored before the run's block is written, so a run that dies never hands its number on.
void GameDialogs::ReserveGameNumber() {
    StoreGameNumber(statistics_->GameNumber(), store_);
    SaveStore("the game number");
}

void GameDialogs::SaveStore(std::string_view what) {
    if (!store_.Save()) failures_.Report(what, store_.Path(), errno);
}

SettingsSnapshot GameDialogs::ValuesToStore() const {
    SettingsSnapshot values;
    SaveAtClose(machine_->State(), machine_->Options(), services_.outerSize(), values);
    return values;
}

void GameDialogs::GameEnded() {
    if (!machine_) return;
    journal_->GameEnded(statistics_->GameNumber());
    SettingsSnapshot values = ValuesToStore();
    if (values != stored_) {
        values.CopyTo(store_);
        SaveStore("the settings and money");
        stored_ = std::move(values);  // a failed save keeps its writes for the next one
    }
    log_->GameEnded();
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
    stack_.Show(*statistics_, [this] { SaveAndQuit(); });
}

void GameDialogs::CloseWithoutWaiting() {
    closing_ = true;
    if (machine_)
        SaveAndQuit();
    else
        services_.quit();
}

void GameDialogs::SaveAndQuit() {
    if (saved_) return;
    saved_ = true;
    failures_.ShowOverTheGame({});  // the game is ending: nothing would draw the message
    journal_->CloseSession(statistics_->GameNumber(), machine_->State().Credit, true);
    SaveAtClose(machine_->State(), machine_->Options(), services_.outerSize(), store_);
    SaveStore("the settings and money");
    services_.quit();
}

// Money in play, bonus state and pending wins stay: only the credit and the stakes start afresh.
void GameDialogs::StartNewGame() {
    SaveAtNewGame(machine_->State(), machine_->Options(), store_);
    SaveStore("the settings and money");
    log_->CloseSection();
    statistics_->SetTaken(machine_->State().Credit);
    stack_.Show(*statistics_, [this] {
        statistics_->SetTaken(0);
        journal_->CloseSession(statistics_->GameNumber(), machine_->State().Credit, false);
        machine_->NewGame();
        statistics_->RaiseGameNumber();
        ReserveGameNumber();
        log_->OpenSection(statistics_->GameNumber());
    });
}

}  // namespace vortala
