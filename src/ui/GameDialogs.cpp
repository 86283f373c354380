#include "ui/GameDialogs.h"

#include "game/Rules.h"
#include "ui/ImGuiLayer.h"

namespace vortala {

GameDialogs::GameDialogs(SessionRecords& records, Machine* machine, Services services)
    : records_(records),
      machine_(machine),
      services_(std::move(services)),
      statistics_(records),
      log_(records.Log()) {
    if (!machine_) return;
    about_ = std::make_unique<AboutBox>(services_.openUrl);
    options_ = std::make_unique<OptionsDialog>(
        *machine_, records_.Store(),
        OptionsDialog::Services{services_.openUrl, services_.connected, [this] { stack_.Show(log_); }});
    records_.Failures().ShowOverTheGame([this](const std::string& text) {
        notice_.SetText(text);
        stack_.Show(notice_);
    });
    recall_ = std::make_unique<GameRecall>(*records_.Journal(), *machine_, services_.simulator);
    statistics_.SetRecallButton([this] { stack_.Show(*recall_); });
    if (records_.Journal()->Troubled()) {
        recall_->SelectPage(GameRecall::Page::Meters);
        stack_.Show(*recall_);
    }
}

GameDialogs::~GameDialogs() {
    records_.Failures().ShowOverTheGame({});  // nothing is drawn any more
    layer_.reset();
}

void GameDialogs::AttachWindow(SDL_Window* window, SDL_GLContext context) {
    layer_ = std::make_unique<ImGuiLayer>(window, context, stack_);
    TextureHandle picture = 0;
    if (LoadTexture("statbox.jpg", picture)) statistics_.SetPicture(picture);
    if (recall_) recall_->LoadPictures();
    if (about_ && LoadTexture("aboutbox.jpg", picture)) about_->SetPicture(picture);
}

bool GameDialogs::HandleEvent(const SDL_Event& e) {
    if (capture_.Swallows(e, stack_.Active())) return true;
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
            stack_.Show(statistics_);
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

// A click on the question comes while the frame is drawn: the close waits for the frame's step,
// so a game that frame settled is booked before the session it belongs to closes.
void GameDialogs::ExitAnswered() {
    const ExitQuestion::Answer answer = exit_.Chosen();
    machine_->AfterStep([this, answer] {
        if (answer == ExitQuestion::Answer::Yes) RequestClose();
        if (answer == ExitQuestion::Answer::No) StartNewGame();
    });
}

// The money is taken off as the box comes up, so the box shows exactly what the records keep.
void GameDialogs::RequestClose() {
    if (closing_ || !machine_) return;
    closing_ = true;
    records_.Failures().ShowOverTheGame({});  // a failed save now waits in a message box
    records_.Close();
    statistics_.ShowClosing(true);
    stack_.Show(statistics_, [this] { services_.quit(); });
}

void GameDialogs::CloseWithoutWaiting() {
    closing_ = true;
    records_.Failures().ShowOverTheGame({});  // the game is ending: nothing would draw the message
    records_.Close();
    services_.quit();
}

void GameDialogs::StartNewGame() {
    records_.StartNewGame();
    statistics_.ShowClosing(true);
    stack_.Show(statistics_, [this] { statistics_.ShowClosing(false); });
}

}  // namespace vortala
