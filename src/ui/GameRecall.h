#pragma once
// GameRecall: the "Game recall" window (F6, or the button on the statistics box). Page "Games"
// shows the kept games newest first, ten to a page: number and time, the fifteen symbols that
// stood in view, the winning lines and their pays, each bonus's outcome, the win by source and
// the credit before and after. Page "Meters" shows the lifetime meters beside the simulator's
// figures for the current fortune settings, and what the journal's check found. Like every
// dialog it takes all input while it is up: PageUp/PageDown or the arrows page, Tab switches
// page, Escape, Return or F6 close it.
#include <array>

#include "app/Machine.h"
#include "gfx/Textures.h"
#include "records/JournalKeeper.h"
#include "ui/ModalDialog.h"
#include "ui/SimulatorFigures.h"

namespace vortala {

class GameRecall : public ModalDialog {
public:
    enum class Page { Games, Meters };
    static constexpr int kGamesPerPage = 10;

    // simulator works out the figures for settings the build's table does not hold (may be empty).
    GameRecall(const JournalKeeper& journal, const Machine& machine, SimulatorSource simulator = {})
        : journal_(journal), machine_(machine), simulator_(std::move(simulator)) {}

    std::string_view Name() const override { return "GameRecall"; }
    void Activate() override;
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    // The symbols' pictures; needs the window's GL context.
    void LoadPictures();
    void SelectPage(Page page) { page_ = page; }
    Page CurrentPage() const { return page_; }
    int GamesPage() const { return gamesPage_; }  // 0: the newest ten

private:
    int PageCount() const;
    void DrawGames();
    void DrawGame(const GameRecord& game);
    void DrawMeters();

    const JournalKeeper& journal_;
    const Machine& machine_;
    SimulatorSource simulator_;
    std::array<TextureHandle, kSymbolCount> symbols_{};
    Page page_ = Page::Games;
    bool pageChanged_ = true;
    int gamesPage_ = 0;
};

}  // namespace vortala
