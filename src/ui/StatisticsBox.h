#pragma once
// StatisticsBox: the bill on the clipboard with the game number and the money of this game: put
// in, taken off, won, lost, as the session's records hold them: the session as it goes, or what
// its close or new game took off. F12 leaves it open; any other key or a click on the bill
// closes it.
#include <functional>

#include "app/Statement.h"
#include "gfx/Textures.h"
#include "records/SessionRecords.h"
#include "ui/ModalDialog.h"

namespace vortala {

class StatisticsBox : public ModalDialog {
public:
    explicit StatisticsBox(const SessionRecords& records) : records_(records) {}

    std::string_view Name() const override { return "AboutBox1"; }
    void Activate() override;
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    // The next showings are of what the last close or new game took off (Label_take: the
    // credit), or of the session as it goes.
    void ShowClosing(bool closing) { closing_ = closing; }
    int ShownNumber() const { return number_; }
    const Statement& Shown() const { return shown_; }
    void SetPicture(TextureHandle picture) { picture_ = picture; }
    // The "Game recall" button on the bill opens the recall window over the box.
    void SetRecallButton(std::function<void()> open) { openRecall_ = std::move(open); }

private:
    const SessionRecords& records_;
    bool closing_ = false;
    int number_ = 0;
    Statement shown_;
    TextureHandle picture_ = 0;
    std::function<void()> openRecall_;
};

}  // namespace vortala
