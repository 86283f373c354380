#pragma once
// ExitQuestion: the warning box that offers, on leaving, to quit, to start a new game or to stay.
#include "ui/ModalDialog.h"

namespace vortala {

class ExitQuestion : public ModalDialog {
public:
    enum class Answer { Yes, No, Cancel };

    std::string_view Name() const override { return "Warning"; }
    void Activate() override { answer_ = Answer::Cancel; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    void Choose(Answer answer) {
        answer_ = answer;
        Close();
    }
    Answer Chosen() const { return answer_; }

private:
    Answer answer_ = Answer::Cancel;
};

}  // namespace vortala
