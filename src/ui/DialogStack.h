#pragma once
// DialogStack: the dialogs that are up, the topmost one active. Dialogs are owned elsewhere (they
// live for the whole run and keep their control states); the stack only shows and hides them.
#include <vector>

#include "ui/ModalDialog.h"

namespace vortala {

class DialogStack {
public:
    // Brings the dialog up on top; then runs after it closes.
    void Show(ModalDialog& dialog, std::function<void()> then = {});
    bool Active() const { return !shown_.empty(); }
    ModalDialog* Top() const { return shown_.empty() ? nullptr : shown_.back(); }
    const std::vector<ModalDialog*>& Shown() const { return shown_; }
    // Takes closed dialogs off the top and runs their continuations, which may show others.
    void Collect();

private:
    std::vector<ModalDialog*> shown_;
};

}  // namespace vortala
