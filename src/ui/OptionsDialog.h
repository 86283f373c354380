#pragma once
// OptionsDialog: the operator's settings. Its controls are the live store of the options (the
// machine's Settings); the dialog itself copies only the fortune bars, the speed and the bonus
// accumulation switch into the game. Two pages: "Settings" and "Gambling", the latter a news
// pane that shows the built-in page (there is no embedded browser) and cycles the site's pages
// on "Refresh" while the machine is connected. Right clicks are ignored everywhere in it.
#include <array>
#include <functional>
#include <string>

#include "app/Machine.h"
#include "app/SettingsAccess.h"
#include "ui/ModalDialog.h"

namespace vortala {

class OptionsDialog : public ModalDialog {
public:
    struct Services {
        std::function<void(std::string_view)> openUrl;
        std::function<bool()> connected;  // the machine's own network state
        std::function<void()> showHistory;
    };
    OptionsDialog(Machine& machine, const SettingsAccess& store, Services services);

    std::string_view Name() const override { return "Options"; }
    void Activate() override;
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;
    bool IgnoresRightClicks() const override { return true; }

    // ---- Controls ----
    void SetFortuneBar(int bar, int position);  // bar 1..3
    void AllZero();
    void SetSpeed(int position);
    void Normal() { SetSpeed(30); }
    void SetDelay(int seconds);
    void Ok();
    void Refresh();
    void ShowHistory() { services_.showHistory(); }
    // The page shown first next time: 0 "Settings", 1 "Gambling".
    void SelectPage(int page) { wantedPage_ = page; }

    const std::string& ValueLabel(int bar) const { return valueLabel_[bar - 1]; }
    int PageIndex() const { return pageIndex_; }
    std::string PageUrl(int index) const;
    const std::string& CreditLine() const { return creditLine_; }
    bool CreditLineShown() const { return creditShown_; }

private:
    void ApplyDelayMinimum();
    void DrawSettingsPage();
    void DrawGamblingPage();
    void DrawBottomStrip();

    Machine& machine_;
    Services services_;
    std::array<std::string, 3> valueLabel_;
    int delayMinimum_ = 1;
    int wantedPage_ = -1;
    int pageIndex_ = 0;
    bool externalLinks_ = false;
    std::string refreshCaption_ = "Refresh";
    std::string creditLine_;
    bool creditShown_ = false;
    std::string builtInPage_;
};

}  // namespace vortala
