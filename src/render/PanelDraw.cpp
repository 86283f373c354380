// The panel's numbers, the status line and the values on the free-games and chest screens.
#include <GL/gl.h>

#include "GlRenderer.h"
#include "PanelText.h"

namespace vortala {

namespace {

struct Rgba {
    unsigned char r, g, b, a;
};
constexpr Rgba kGold{216, 179, 47, 255}, kDarkRed{160, 10, 0, 255}, kBrown{60, 10, 0, 255},
    kYellow{216, 216, 0, 255}, kAmber{216, 179, 0, 255}, kSignalRed{216, 10, 10, 255},
    kPureRed{255, 0, 0, 255}, kGreen{1, 255, 1, 255};

void Colour(const Rgba& c) {
    glColor4ub(c.r, c.g, c.b, c.a);
}

struct BetPlace {
    float x, y;
    Rgba first, second;
};
constexpr BetPlace kBetPlaces[kLines] = {
    {51.58f, 49.98f, kGold, kGold},    {51.58f, 50.645f, kGold, kDarkRed}, {51.58f, 49.32f, kGold, kDarkRed},
    {51.58f, 50.85f, kGold, kDarkRed}, {51.58f, 49.12f, kGold, kDarkRed},  {51.58f, 50.45f, kGold, kGold},
    {51.58f, 49.51f, kGold, kGold},    {51.58f, 50.17f, kGold, kGold},     {51.58f, 49.78f, kGold, kGold},
    {51.75f, 50.10f, kGold, kGold},    {51.75f, 50.75f, kYellow, kYellow}, {51.75f, 49.41f, kGold, kDarkRed},
    {51.75f, 49.90f, kGold, kGold},    {51.75f, 50.55f, kGold, kGold},     {51.75f, 49.22f, kAmber, kAmber}};
constexpr float kFreeGamePlaces[6][2] = {{49.1f, 49.725f}, {50.1f, 49.225f}, {49.5f, 49.925f},
                                         {50.55f, 50.1f},  {49.0f, 50.375f}, {49.9f, 50.355f}};
constexpr float kChestPlaces[5][2] = {
    {48.8f, 49.7f}, {50.0f, 49.63f}, {51.06f, 49.65f}, {49.48f, 50.1f}, {50.53f, 50.24f}};

}  // namespace

namespace {

void PrintTwice(const OutFont& font, const std::string& text, int set, float x, float y, float scale, Rgba a,
                Rgba b) {
    Colour(a);
    font.Print(text, set, x, y, scale);
    Colour(b);
    font.Print(text, set, x, y, scale);
}

void PrintOnce(const OutFont& font, const std::string& text, float x, float y, float scale, Rgba c) {
    Colour(c);
    font.Print(text, 0, x, y, scale);
}

// A bonus value at its place: the player's pick larger and red, the others gold.
void PrintPickValue(const OutFont& font, const std::string& text, const float (&place)[2], bool chosen) {
    if (chosen)
        PrintTwice(font, text, 0, place[0], place[1], 0.005f, kPureRed, kPureRed);
    else
        PrintTwice(font, text, 0, place[0], place[1], 0.004f, kGold, kBrown);
}

}  // namespace

void GlRenderer::DrawPanelText(const GameState& g) {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    DrawPanelFields(g);
    DrawBonusValues(g);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

void GlRenderer::DrawPanelFields(const GameState& g) {
    for (int i = 0; i < kLines; ++i) {
        const BetPlace& p = kBetPlaces[i];
        PrintTwice(font_, panel::TwoWide(g.LineBet[i]), 0, p.x, p.y, 0.004f, p.first, p.second);
    }
    PrintOnce(font_, panel::MoneyField(g.Credit), 49.1f, 51.40f, 0.005f, kGold);
    PrintOnce(font_, panel::MoneyField(g.TotalBet), 50.1f, 51.41f, 0.005f, kGold);
    PrintOnce(font_, panel::MoneyField(g.Win), 51.1f, 51.51f, 0.0045f, kGold);
    PrintOnce(font_, panel::PileField(g.CoinPile), 51.0f, 51.29f, 0.0035f, kGold);
    // A bank fed in this game glows red once the reels stand.
    auto bankColour = [&](Flag fed) { return fed && !g.ReelsSpinning ? kSignalRed : kGold; };
    PrintOnce(font_, panel::BankA(g.HelmBank[0]), 48.6f, 48.69f, 0.0035f, bankColour(g.ScatterWon));
    PrintOnce(font_, panel::BankA(g.HelmBank[1]), 49.75f, 48.69f, 0.0035f, bankColour(g.WildLineWon));
    PrintOnce(font_, panel::BankB(g.HelmBank[2]), 50.9f, 48.69f, 0.0035f, bankColour(g.RiskLadderWon));
    if (g.FreeGames > 0) PrintOnce(font_, panel::TwoWide(g.FreeGames), 51.6f, 51.51f, 0.0045f, kGreen);
    PrintOnce(font_, panel::ByLength(g.Jackpot), 48.15f, 51.51f, 0.0045f, kGold);

    const std::string status = panel::StatusMessage(g);
    if (!status.empty()) PrintTwice(font_, status, 1, 49.2f, 51.225f, 0.003f, kGold, kBrown);
}

void GlRenderer::DrawBonusValues(const GameState& g) {
    if (g.FreeGameScreen && g.FreeGameAwarded) {
        for (int k = 0; k < 6; ++k) {
            const auto& item = g.FreeGameItems[k];
            PrintPickValue(font_, std::to_string(item.FreeGameValue), kFreeGamePlaces[k],
                           item.FreeGameChosen);
        }
    }
    if (g.ChestScreen && g.ChestResultShown) {
        for (int k = 0; k < 5; ++k) {
            const auto& chest = g.Chests[k];
            if (chest.ChestValue <= 0 || !chest.ChestOpen) continue;
            PrintPickValue(font_, "x " + std::to_string(chest.ChestValue), kChestPlaces[k],
                           chest.ChestChosen);
        }
    }
}

}  // namespace vortala
