#include "ui/DialogStack.h"

#include <utility>

namespace vortala {

void DialogStack::Show(ModalDialog& dialog, std::function<void()> then) {
    dialog.Reopen();
    dialog.then = std::move(then);
    shown_.push_back(&dialog);
    dialog.Activate();
}

void DialogStack::Collect() {
    while (!shown_.empty() && shown_.back()->Closed()) {
        ModalDialog* done = shown_.back();
        shown_.pop_back();
        auto then = std::move(done->then);
        done->then = nullptr;
        if (then) then();
    }
}

}  // namespace vortala
