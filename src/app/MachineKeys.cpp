// Keys and typed characters of the main window.
//
// Stakes are refused from the start of a spin until its collection has run (or it lost), so a
// bet changed mid-game can neither be paid at the new stake nor throw the shown win away.
#include "Machine.h"

namespace vortala {

namespace {

// The one-letter code that toggles the test arrangement when typed first.
constexpr char kTestToggleLetter = 'T';

bool IsKeypadDigit(int key, int last) {
    return key >= vk::Numpad1 && key <= vk::Numpad(last);
}

}  // namespace

bool Machine::StakeLocked() const {
    return game_.ReelsSpinning || game_.ReelsStarting || game_.ReelsStopping[0] || CollectionPending(game_);
}

void Machine::Post(InputEvent::Kind kind, int key) {
    InputEvent e;
    e.kind = kind;
    e.key = key;
    platform_.PostInput(e);
}

void Machine::FormKeyDown(int key, Shift shift) {
    GameState& g = game_;
    // Escape closes the help page when it is up, and only minimises the game with nothing open.
    const bool helpClosed = g.HelpArmed && key == vk::Escape;
    if (key != vk::F1) DismissHelp(g);
    if (!g.InputLocked) {
        if (key == 'J' && shift.ctrl && shift.alt && shift.shift) ShowCredits(g, true);
        if (g.ReelsStopping[1]) {
            if (key == vk::Space && (g.ReelsSpinning || g.IntroShown || g.ReelsStarting)) {
                if (!g.ReelsAtRest) StopReelsByKey(g);
            } else if (key == vk::Space && !CollectionPending(g)) {
                // Preparing clears the stopped reels the pending collection waits for, so a
                // press before the collection would hang the game with its win never paid.
                ShowCredits(g, false);
                PrepareSpinKey(g, *this);
            } else if (key == vk::F5) {
                HighlightAllLines(g, true);
            }
            SetSpinKeyArmed(g, false);
        }
    }
    if (key == vk::Escape && !helpClosed) platform_.Minimise();
    if (g.BarrelScreen && !g.BarrelOpened) {
        if (key == vk::Space)
            PressBarrelSpace(g, *this);
        else if (key == vk::Left || key == vk::Right || key == vk::Down)
            MoveBarrelChoice(g, key == vk::Left    ? BarrelMove::Left
                                : key == vk::Right ? BarrelMove::Right
                                                   : BarrelMove::Down);
    }
}

void Machine::FormKeyUp(int key, Shift shift) {
    GameState& g = game_;
    key = vk::AsKeypad(key);
    HighlightAllLines(g, false);
    platform_.SetTimerEnabled(TimerId::WildAnimation, true);

    if (key == vk::PageUp && g.TotalBet < 891 && g.Credit > 0 && !g.InputLocked && !StakeLocked())
        MaximumStake(g, *this);
    if (key == vk::PageDown && g.TotalBet > 9 && !g.InputLocked && !StakeLocked()) MinimumStake(g, *this);
    if (key == vk::Space && g.CoinScreen && !g.CoinThrown) ThrowCoin(g, *this);
    if (!g.InputLocked) FreeStepsOnKeyUp(key, shift);
    BonusKeysOnKeyUp(key);
    AlwaysKeysOnKeyUp(key);
    if (g.RiskScreen && !g.RiskLocked) {
        if (key == vk::Left)
            Guess(g, *this, 1);
        else if (key == vk::Right)
            Guess(g, *this, 2);
        else if (key == vk::Down && g.RiskGuess[6] == 0)
            TakeWin(g, *this);
    }
    if (key == vk::F10) platform_.ToggleMaximise();
    if (key == vk::F11) platform_.ToggleFullScreen();
    // The window keys leave the opening picture up.
    if (key != vk::F10 && key != vk::F11 && g.IntroShown) {
        Post(InputEvent::Kind::KeyDown, vk::Space);
        Post(InputEvent::Kind::KeyUp, vk::Space);
        DismissIntro(g);
    }
}

void Machine::FreeStepsOnKeyUp(int key, Shift shift) {
    GameState& g = game_;
    LeaveScreensOnFreeKey(g);
    if (key == vk::Space) ReleaseSpace();
    const bool stakeKey = IsKeypadDigit(key, 9) || key == vk::Add || key == vk::Subtract;
    const bool stakeFree = !StakeLocked();
    if (stakeFree) {
        if (IsKeypadDigit(key, 9)) KeypadBet(key, shift);
        if (key == vk::Add) StakeAllUp();
        if (key == vk::Subtract) StakeAllDown();
    }
    SetSpinKeyArmed(g, true);  // every free release re-arms the spin key
    if (stakeKey && stakeFree) {
        ResetAfterBetChange(g, *this);
        FitBetsToCredit(g, *this);
    }
}

void Machine::ReleaseSpace() {
    GameState& g = game_;
    if (g.ReelsSpinning && !g.IntroShown) {
        StopSpin(g, *this);
        ReleaseSpinKey(g);
        return;
    }
    if (g.IntroShown || !CanStartSpin(g)) return;
    // A release nobody prepared (another key held while Space went down) prepares first, so the
    // spin cannot end at once on the last game's stopped reels.
    if (!g.SpinKeyDown) PrepareSpinKey(g, *this);
    StartSpin(g, *this);
    // The opening spin, which runs while the reels unfold, is the machine's show, not a game.
    gameInPlay_ = !g.IntroRunning;
    ReleaseSpinKey(g);
}

void Machine::KeypadBet(int key, Shift shift) {
    if (!game_.ReelsSpinning) ChangeLineBet(game_, *this, key - vk::Numpad1, shift.alt ? -1 : +1);
}

void Machine::StakeAllUp() {
    const GameState& g = game_;
    if (g.TotalBet > 890 || g.Credit < 1 || g.ReelsSpinning) return;
    RaiseAllLines(game_, *this);
}

void Machine::StakeAllDown() {
    if (game_.TotalBet >= 9) LowerAllLines(game_, *this);
}

void Machine::BonusKeysOnKeyUp(int key) {
    GameState& g = game_;
    if (g.FreeGameScreen && !g.FreeGamePicked && IsKeypadDigit(key, 6))
        PickFreeGames(g, *this, key - vk::Numpad1);
    if (g.ChestScreen && !g.ChestPicked && IsKeypadDigit(key, 5)) PickChest(g, *this, key - vk::Numpad1);
    if (g.SuperBonusScreen && !g.ArrowSpinning && key == vk::Space) SpinArrow(g, *this);
}

void Machine::AlwaysKeysOnKeyUp(int key) {
    GameState& g = game_;
    switch (key) {
        case vk::Insert:
            if (InsertCredit(g)) PlaySound(Cue::Credit, false);
            break;
        case vk::F1:
            PlaySound(Cue::ButtonClick, false);
            if (g.HelpArmed)
                platform_.OpenManual();
            else
                ArmHelp(g);
            break;
        case vk::F2:
            PlaySound(Cue::ButtonClick, false), platform_.ShowDialog(Dialog::Options);
            break;
        case vk::F3:
            PlaySound(Cue::ButtonClick, false), platform_.ShowDialog(Dialog::About);
            break;
        case vk::F4:
            PlaySound(Cue::ButtonClick, false), platform_.ShowDialog(Dialog::Statistics);
            break;
        case vk::F6:
            PlaySound(Cue::ButtonClick, false), platform_.ShowDialog(Dialog::Recall);
            break;
        default:
            break;
    }
}

void Machine::FormKeyPress(char c) {
    GameState& g = game_;
    if (typed_.size() == 1 && typed_[0] == kTestToggleLetter) ToggleTestArrangement(g);
    typed_.push_back(c);
    if (typed_.size() > 8) typed_.erase(0, 1);
    TypedCodes();
}

void Machine::TypedCodes() {
    GameState& g = game_;
    // Read the buffer afresh at each code: an earlier code may have cleared it.
    auto tail = [&](std::size_t from) { return typed_.size() == 8 ? typed_.substr(from) : std::string(); };
    if (tail(4) == "KELP") ForceTestArrangement(g);
    if (typed_ == "plum4826") {
        TypedCoinPile(g, *this);
        typed_.clear();
    }
    if (typed_ == "lanterns") {
        TypedFreeGames(g, *this);
        typed_.clear();
    }
    if (tail(4) == "wisk") TypedHelmToggle(g, *this);
    ShowCredits(g, false);
    if (tail(2) == "mizzen") {
        ShowCredits(g, true);
        PlaySound(Cue::FreeGamesAwarded, false);
    }
    if (typed_ == "doubloon") {
        TypedCredit(g, *this);
        typed_.clear();
    }
}

}  // namespace vortala
