#pragma once
// StatisticsBox: the bill on the clipboard with the game number and the money of this game: put
// in, taken off, won, lost. It holds the run's game number (read at creation as the stored one
// plus one, stored again when the box is destroyed at program end). F12 leaves it open; any other
// key or a click on the bill closes it.
#include <functional>

#include "app/SettingsAccess.h"
#include "app/Statement.h"
#include "game/GameState.h"
#include "gfx/Textures.h"
#include "ui/ModalDialog.h"

namespace vortala {

class StatisticsBox : public ModalDialog {
public:
    // game may be null when the game never started (display checks failed).
    StatisticsBox(SettingsAccess& store, const GameState* game);
    ~StatisticsBox() override;

    std::string_view Name() const override { return "AboutBox1"; }
    void Activate() override;
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    int GameNumber() const { return gameNumber_; }
    void RaiseGameNumber();
    // Label_take: the credit when the game closes or is renewed, 0 otherwise.
    void SetTaken(Money taken) { taken_ = taken; }
    const Statement& Shown() const { return shown_; }
    void SetPicture(TextureHandle picture) { picture_ = picture; }
    // The "Game recall" button on the bill opens the recall window over the box.
    void SetRecallButton(std::function<void()> open) { openRecall_ = std::move(open); }

private:
    SettingsAccess& store_;
    const GameState* game_;
    int gameNumber_;
    Money taken_ = 0;
    Statement shown_;
    TextureHandle picture_ = 0;
    std::function<void()> openRecall_;
};

}  // namespace vortala
