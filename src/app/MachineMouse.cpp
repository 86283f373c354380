// Mouse zones of the field. The mouse never acts on the game itself: a click inside a painted
// button queues the key event of that button's key, except for the bet buttons and the window
// buttons.
#include "Machine.h"
#include "game/FieldZones.h"

namespace vortala {

using namespace zones;

void Machine::FormMouseDown(MouseButton /*button*/, Shift /*shift*/, int x, int y) {
    GameState& g = game_;
    press_ = {x, y};
    if (kHelpLink.Contains(x, y) && g.HelpArmed)
        Post(InputEvent::Kind::KeyUp, vk::F1);
    else
        DismissHelp(g);
    if (!g.IntroShown && !g.InputLocked) {
        if (kAllLines.Contains(x, y)) Post(InputEvent::Kind::KeyDown, vk::F5);
        for (const auto& b : kLineButtons)
            if (b.rect.Contains(x, y)) HighlightLine(g, b.line);
        if (kReelWindow.Contains(x, y)) Post(InputEvent::Kind::KeyDown, vk::Space);
        mouseSpinArmed_ = true;
    }
    if (g.BarrelScreen && kReelWindow.Contains(x, y)) Post(InputEvent::Kind::KeyDown, vk::Space);
}

void Machine::FormMouseUp(MouseButton /*button*/, Shift /*shift*/, int /*x*/, int /*y*/) {
    GameState& g = game_;
    const int x = press_.x, y = press_.y;
    Post(InputEvent::Kind::KeyUp, vk::F5);
    if (!g.IntroShown && !g.InputLocked && !g.ReelsSpinning && kCoinSlot.Contains(x, y)) {
        Post(InputEvent::Kind::KeyDown, vk::Insert);
        Post(InputEvent::Kind::KeyUp, vk::Insert);
    }
    if (g.CoinScreen && !g.CoinThrown && kCoinThrow.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Space);
    if (!g.InputLocked && mouseSpinArmed_ && kReelWindow.Contains(x, y)) {
        Post(InputEvent::Kind::KeyUp, vk::Space);
        mouseSpinArmed_ = false;
    }
    if (g.ChestScreen)
        for (int i = 0; i < 5; ++i)
            if (kChestPick[i].Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Numpad(i + 1));
    if (g.FreeGameScreen)
        for (int i = 0; i < 6; ++i)
            if (kFreeGamePick[i].Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Numpad(i + 1));
    if (g.SuperBonusScreen && kVoyageSpin.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Space);
    if (kOptionsButton.Contains(x, y) && !g.InputLocked) Post(InputEvent::Kind::KeyUp, vk::F2);
    if (kStatisticsButton.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::F4);
    if (kHelpButton.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::F1);
}

void Machine::ClickBetButton(int line, int delta) {
    if (ChangeLineBet(game_, *this, line, delta) && delta > 0) FitBetsToCredit(game_, *this);
}

void Machine::FormClick() {
    GameState& g = game_;
    const int x = press_.x, y = press_.y;
    if (!g.IntroShown) {
        if (kMinimiseLeft.Contains(x, y) || kMinimiseRight.Contains(x, y)) platform_.Minimise();
        if (kMaximise.Contains(x, y)) {
            Post(InputEvent::Kind::KeyDown, vk::F10);
            Post(InputEvent::Kind::KeyUp, vk::F10);
        }
        if (kExit.Contains(x, y)) platform_.ShowDialog(Dialog::Exit);
        if (kOptionsZone.Contains(x, y)) platform_.ShowDialog(Dialog::OptionsGambling);
        if (g.RiskScreen) {
            if (kRiskRed.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Left);
            if (kRiskTake.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Down);
            if (kRiskBlack.Contains(x, y)) Post(InputEvent::Kind::KeyUp, vk::Right);
        }
    }
    if (!g.IntroShown && !g.InputLocked && !g.ReelsSpinning) {
        if (kStake.Contains(x, y)) {
            Post(InputEvent::Kind::KeyDown, vk::Add);
            Post(InputEvent::Kind::KeyUp, vk::Add);
        }
        if (kMaximum.Contains(x, y) && g.TotalBet <= 890 && g.Credit > 0)
            Post(InputEvent::Kind::KeyUp, vk::PageUp);
        if (!StakeLocked())
            for (const auto& b : kBetButtons)
                if (b.rect.Contains(x, y)) ClickBetButton(b.line, +1);
    }
    if (g.IntroShown) {
        Post(InputEvent::Kind::KeyDown, vk::Space);
        Post(InputEvent::Kind::KeyUp, vk::Space);
        DismissIntro(g);
    }
}

void Machine::FormContextPopup() {
    GameState& g = game_;
    const int x = press_.x, y = press_.y;
    if (g.IntroShown || g.InputLocked || StakeLocked()) return;
    if (kMaximum.Contains(x, y) && g.TotalBet > 9) Post(InputEvent::Kind::KeyUp, vk::PageDown);
    if (kStakeLower.Contains(x, y) && g.TotalBet > 14) LowerAllLines(game_, *this);
    for (const auto& b : kBetButtons)
        if (b.rect.Contains(x, y)) ClickBetButton(b.line, -1);
}

Cursor Machine::FormMouseMove(Shift /*shift*/, int x, int y) {
    GameState& g = game_;
    if (g.BarrelScreen && !g.BarrelOpened)
        for (const auto& z : kBarrelZones)
            if (z.rect.Contains(x, y)) HoverBarrel(g, z.choice);
    if (g.IntroShown) return Cursor::Arrow;

    auto any = [&](const auto& rects) {
        for (const auto& r : rects)
            if (r.Contains(x, y)) return true;
        return false;
    };
    bool hand = kAllLines.Contains(x, y) || any(kLineCursorInner) || kMaximum.Contains(x, y) ||
                any(kBetCursorRight) || kMaximise.Contains(x, y) || kExitCursor.Contains(x, y) ||
                kMinimiseLeft.Contains(x, y) || kMinimiseRight.Contains(x, y) ||
                kOptionsButton.Contains(x, y) || kStatisticsButton.Contains(x, y) ||
                kHelpButton.Contains(x, y) || kOptionsZone.Contains(x, y) || kStake.Contains(x, y) ||
                kCoinSlot.Contains(x, y);
    // The outer line strip and the left bet column share their press rectangles; the other two
    // columns have cursor rectangles of their own.
    for (const auto& b : kLineButtons)
        if (b.rect.x0 == 25) hand |= b.rect.Contains(x, y);
    for (const auto& b : kBetButtons)
        if (b.rect.x0 == 610) hand |= b.rect.Contains(x, y);
    if (g.HelpArmed) hand = kHelpLink.Contains(x, y);
    if (g.FreeGameScreen && !g.FreeGamePicked) hand = any(kFreeGamePick);
    if (g.ChestScreen && !g.ChestPicked) hand = any(kChestCursor);
    if (g.SuperBonusScreen && !g.ArrowSpinning) hand = kVoyageSpin.Contains(x, y);
    if (g.RiskScreen && !g.RiskLocked)
        hand = kRiskRed.Contains(x, y) || kRiskTake.Contains(x, y) || kRiskBlack.Contains(x, y);
    return hand ? Cursor::Hand : Cursor::Arrow;
}

void Machine::Deliver(const InputEvent& e) {
    RecordBefore();
    switch (e.kind) {
        case InputEvent::Kind::KeyDown:
            FormKeyDown(e.key, e.shift);
            break;
        case InputEvent::Kind::KeyUp:
            FormKeyUp(e.key, e.shift);
            break;
        case InputEvent::Kind::Char:
            FormKeyPress(static_cast<char>(e.key));
            break;
        case InputEvent::Kind::MouseDown:
            FormMouseDown(e.button, e.shift, e.x, e.y);
            break;
        case InputEvent::Kind::MouseUp:
            FormMouseUp(e.button, e.shift, e.x, e.y);
            break;
        case InputEvent::Kind::Click:
            FormClick();
            break;
        case InputEvent::Kind::ContextPopup:
            FormContextPopup();
            break;
        case InputEvent::Kind::MouseMove:
            FormMouseMove(e.shift, e.x, e.y);
            break;
    }
    // Typed characters change the state by test codes, outside the rules.
    FinishStep(e.kind == InputEvent::Kind::Char);
}

}  // namespace vortala
