// The options dialog's behaviour; its layout is in OptionsLayout.cpp.
#include "ui/OptionsDialog.h"

#include <algorithm>

#include "app/Persistence.h"
#include "platform/Resources.h"
#include "ui/AboutBox.h"

namespace vortala {

namespace {

// The built-in page as plain text: the table cell's lines.
std::string BuiltInPageText() {
    const auto page = FindResource("myhtml", ResourceType::Html);
    if (!page) return {};
    const std::string html(reinterpret_cast<const char*>(page->data), page->size);
    const std::size_t cell = html.find("<td>");
    std::string text, lineBreak = "<br>";
    bool inTag = false;
    for (std::size_t i = cell == std::string::npos ? 0 : cell + 4; i < html.size(); ++i) {
        if (html.compare(i, 5, "</td>") == 0) break;
        if (html.compare(i, lineBreak.size(), lineBreak) == 0) text += '\n';
        if (html[i] == '<') inTag = true;
        if (!inTag && html[i] != '\n') text += html[i];
        if (html[i] == '>') inTag = false;
    }
    return text;
}

}  // namespace

OptionsDialog::OptionsDialog(Machine& machine, const SettingsAccess& store, Services services)
    : machine_(machine), services_(std::move(services)) {
    RestoreOptions(machine_.Options(), store);
    machine_.ApplySpeed();
    machine_.SuspendFortune();  // the bars keep their own positions until Ok
    // The labels tell where the bars stand from the first showing: a label reading "0 %" over a
    // bar at -2 would tell the player the odds are neutral when Ok is about to make them not.
    const Settings& o = machine_.Options();
    const int positions[3] = {o.fortuneSpin, o.fortuneRisk, o.fortuneBonus};
    for (int bar = 0; bar < 3; ++bar) valueLabel_[bar] = std::to_string(positions[bar]) + " %";
    pageIndex_ = services_.connected() ? 1 : 0;
    builtInPage_ = BuiltInPageText();
}

std::string OptionsDialog::PageUrl(int index) const {
    if (index == 0) return "res://vortala/myhtml";
    return std::string(kMakerSite) + "/en/updweb/web/index" + std::to_string(index) + ".htm";
}

void OptionsDialog::Activate() {
    creditShown_ = false;
    ApplyDelayMinimum();
    refreshCaption_ = "Refresh";
}

void OptionsDialog::ApplyDelayMinimum() {
    delayMinimum_ = 2;
    int& delay = machine_.Options().autoStopSeconds;
    if (delay == 1) delay = 2;
}

void OptionsDialog::SetFortuneBar(int bar, int position) {
    position = std::clamp(position, -100, 100);
    Settings& o = machine_.Options();
    int* const bars[3] = {&o.fortuneSpin, &o.fortuneRisk, &o.fortuneBonus};
    *bars[bar - 1] = position;
    machine_.SetFortuneBar(bar, position);
    valueLabel_[bar - 1] = std::to_string(position) + " %";
}

void OptionsDialog::AllZero() {
    for (int bar = 3; bar >= 1; --bar) SetFortuneBar(bar, 0);
}

void OptionsDialog::SetSpeed(int position) {
    machine_.Options().paintIntervalMs = std::clamp(position, 1, 50);
    machine_.ApplySpeed();
}

void OptionsDialog::SetDelay(int seconds) {
    machine_.Options().autoStopSeconds = std::clamp(seconds, delayMinimum_, 9);
}

void OptionsDialog::Ok() {
    ApplyDelayMinimum();
    machine_.ApplyOptions();
    Close();
}

void OptionsDialog::Refresh() {
    pageIndex_ = services_.connected() ? pageIndex_ + 1 : 0;
    if (pageIndex_ > 9) pageIndex_ = 1;
    externalLinks_ = false;
}

void OptionsDialog::KeyDown(SDL_Keycode key, Uint16 modifiers) {
    if (key == SDLK_ESCAPE) {  // there is no Cancel: Escape is Ok, as in any dialog
        Ok();
        return;
    }
    const bool chord = (modifiers & KMOD_CTRL) && (modifiers & KMOD_SHIFT) && (modifiers & KMOD_ALT);
    if (key != SDLK_j || !chord) return;
    // Kept as indices into a letter table so the line is not a plain string in the program.
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.!-";
    static constexpr int kPicks[32] = {2,  17, 0,  5, 19, 4, 3,  -1, 1, 24, -1, 19, 7,  4, -1, 21,
                                       14, 17, 19, 0, 11, 0, -1, 18, 4, 0,  -1, 2,  17, 4, 22, 27};
    creditLine_.clear();
    for (int pick : kPicks) creditLine_ += pick < 0 ? ' ' : kLetters[pick];
    creditShown_ = true;
}

}  // namespace vortala
