#include "ui/GameRecall.h"

#include <imgui.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <string>

#include "game/Rules.h"
#include "ui/SimulatorFigures.h"

namespace vortala {

namespace {

constexpr float kWidth = 640, kHeight = 450;
constexpr float kFace = 24;  // one reel face's picture
const ImVec4 kGold{0.95f, 0.80f, 0.40f, 1.0f};
const ImVec4 kGood{0.55f, 0.85f, 0.45f, 1.0f};
const ImVec4 kBad{1.0f, 0.45f, 0.35f, 1.0f};
constexpr std::array<int, 3> kRowPositions{4, 3, 2};  // top, middle, bottom

std::string Time(std::int64_t unixMs) {
    if (unixMs <= 0) return "time unknown";
    const std::time_t t = static_cast<std::time_t>(unixMs / 1000);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", &local);
    return text;
}

std::string Colour(std::int64_t c) {
    return c == 1 ? "red" : c == 2 ? "black" : "?";
}

std::string Values(const RecordEvent& e) {
    std::string s;
    for (int i = 0; i < e.outCount; ++i) s += (i ? "," : "") + std::to_string(e.out[i]);
    return s;
}

std::string BarrelText(std::int64_t content) {
    switch (content) {
        case kEmptyBarrel:
            return "empty";
        case kFullBarrel:
            return "full: the completed helms' banks paid";
        case kExplodedBarrel:
        case kPowderBarrel:
            return "powder: the completed helms' banks lost";
        default:
            return "?";
    }
}

// One line per bonus screen the game went through, in order.
std::vector<std::string> BonusLines(const GameRecord& g) {
    std::vector<std::string> out;
    std::string risk, voyage;
    auto flush = [&](std::string& text) {
        if (!text.empty()) out.push_back(text);
        text.clear();
    };
    for (const RecordEvent& e : g.events) {
        if (e.kind != RecordEvent::Guess && e.kind != RecordEvent::Take) flush(risk);
        if (e.kind != RecordEvent::Arrow) flush(voyage);
        switch (e.kind) {
            case RecordEvent::Guess:
                risk += (risk.empty() ? "Risk game: " : ", ") + Colour(e.out[0]) +
                        (e.out[0] == e.choice ? " (right)" : " (wrong)");
                break;
            case RecordEvent::Take:
                risk += risk.empty() ? "Risk game: taken at once" : ", taken";
                break;
            case RecordEvent::Arrow: {
                const std::int64_t square = e.outCount > 1 ? e.out[1] : 0;
                voyage += (voyage.empty() ? "Voyage: " : ", ") + std::to_string(e.outCount ? e.out[0] : 0) +
                          " to square " + std::to_string(square);
                if (square == 16) voyage += " (the goal)";
                if (square != 16 && IsReefSquare(static_cast<int>(square))) voyage += " (sunk on a reef)";
                break;
            }
            case RecordEvent::Barrel:
                out.push_back("Barrel " + std::to_string(e.choice) + ": " +
                              BarrelText(e.outCount ? e.out[0] : -1));
                break;
            case RecordEvent::Chest:
                out.push_back("Chests " + Values(e) + ": chest " + std::to_string(e.choice) + " chosen, x" +
                              std::to_string(e.out[std::clamp(e.choice - 1, 0, 4)]) + " the stake");
                break;
            case RecordEvent::FreeGames:
                out.push_back("Free games " + Values(e) + ": item " + std::to_string(e.choice) + ", " +
                              std::to_string(e.out[std::clamp(e.choice - 1, 0, 5)]) + " free games");
                break;
            case RecordEvent::Coin:
                out.push_back("Coin game: x" + std::to_string(e.outCount ? e.out[0] : 0) + " the coin pile");
                break;
            case RecordEvent::Insert:
                out.push_back("Inserted " + std::to_string(e.input) + " while the game ran");
                break;
            case RecordEvent::Outside:
                out.push_back("The state was changed outside the rules here (a test code or a new game)");
                break;
            default:
                break;
        }
    }
    flush(risk);
    flush(voyage);
    return out;
}

std::string LinesText(const GameRecord& g) {
    std::string s;
    for (const RecordLine& l : g.lines) {
        const Money bet = g.before.bets[std::clamp(l.line - 1, 0, kLines - 1)];
        std::string one = "line " + std::to_string(l.line) + ": ";
        if (l.multiplier > 0)
            one += "x" + std::to_string(l.multiplier) + " = " + std::to_string(bet * l.multiplier) +
                   (l.coin ? " to the coin pile" : "");
        else if (l.wilds > 0 && l.wilds < 5)
            one += std::to_string(l.wilds) + " wilds";
        else
            continue;
        s += (s.empty() ? "" : ";  ") + one;
    }
    if (g.scatters >= 3) s += (s.empty() ? "" : ";  ") + std::to_string(g.scatters) + " islands";
    return s.empty() ? "no winning line" : s;
}

std::string SourcesText(const GameRecord& g) {
    std::string s;
    for (int i = 0; i < kWinSourceCount; ++i)
        if (g.sources[i] != 0)
            s += (s.empty() ? "" : ", ") + std::string(WinSourceName(static_cast<WinSource>(i))) + " " +
                 std::to_string(g.sources[i]);
    return s.empty() ? "nothing won" : "won: " + s;
}

void Row(const char* name, const std::string& machine, const std::string& simulator = "") {
    ImGui::TableNextRow();
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(name);
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(machine.c_str());
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(simulator.c_str());
}

std::string Percent(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", 100.0 * share);
    return text;
}

}  // namespace

void GameRecall::LoadPictures() {
    for (int s = 0; s < kSymbolCount; ++s) LoadTexture(SymbolPicture(s), symbols_[s]);
}

void GameRecall::Activate() {
    gamesPage_ = 0;
    pageChanged_ = true;
}

int GameRecall::PageCount() const {
    const int games = static_cast<int>(journal_.Games().size());
    return std::max(1, (games + kGamesPerPage - 1) / kGamesPerPage);
}

void GameRecall::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_ESCAPE || key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_F6) Close();
    if (key == SDLK_PAGEDOWN || key == SDLK_RIGHT) gamesPage_ = std::min(gamesPage_ + 1, PageCount() - 1);
    if (key == SDLK_PAGEUP || key == SDLK_LEFT) gamesPage_ = std::max(gamesPage_ - 1, 0);
    if (key == SDLK_TAB) {
        page_ = page_ == Page::Games ? Page::Meters : Page::Games;
        pageChanged_ = true;
    }
}

void GameRecall::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kWidth, kHeight));
    ImGui::Begin("Game recall", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    if (ImGui::BeginTabBar("pages")) {
        const bool select = pageChanged_;
        pageChanged_ = false;
        const auto flags = [&](Page p) {
            return select && page_ == p ? ImGuiTabItemFlags_SetSelected : ImGuiTabItemFlags_None;
        };
        // While a page asked for is being selected, the tab that was shown must not take it back.
        if (ImGui::BeginTabItem("Games", nullptr, flags(Page::Games))) {
            if (!select) page_ = Page::Games;
            DrawGames();
            ImGui::EndTabItem();
        }
        if (ImGui::BeginTabItem("Meters", nullptr, flags(Page::Meters))) {
            if (!select) page_ = Page::Meters;
            DrawMeters();
            ImGui::EndTabItem();
        }
        ImGui::EndTabBar();
    }
    ImGui::SetCursorPos(ImVec2(kWidth - 88, kHeight - 36));
    if (ImGui::Button("Close", ImVec2(75, 25))) Close();
    ImGui::End();
}

void GameRecall::DrawGames() {
    const auto& games = journal_.Games();
    const int count = static_cast<int>(games.size());
    gamesPage_ = std::min(gamesPage_, PageCount() - 1);
    const int first = gamesPage_ * kGamesPerPage;
    const int last = std::min(count, first + kGamesPerPage);
    if (ImGui::Button("< Newer") && gamesPage_ > 0) --gamesPage_;
    ImGui::SameLine();
    if (ImGui::Button("Older >") && gamesPage_ + 1 < PageCount()) ++gamesPage_;
    ImGui::SameLine();
    if (count == 0)
        ImGui::TextUnformatted("No game on record yet.");
    else
        ImGui::Text("Games %d to %d of the %d kept, newest first", first + 1, last, count);
    ImGui::BeginChild("games", ImVec2(0, kHeight - 124), true);
    for (int i = first; i < last; ++i) {
        ImGui::PushID(i);
        DrawGame(games[static_cast<std::size_t>(count - 1 - i)]);
        ImGui::PopID();
        ImGui::Separator();
    }
    ImGui::EndChild();
}

void GameRecall::DrawGame(const GameRecord& g) {
    ImGui::TextColored(kGold, "Game %llu", static_cast<unsigned long long>(g.seq));
    ImGui::SameLine();
    ImGui::Text("%s   session %lld   %s   credit %lld -> %lld", Time(g.endMs).c_str(),
                static_cast<long long>(g.session),
                g.free ? "free spin" : ("stake " + std::to_string(g.stake)).c_str(),
                static_cast<long long>(g.before.credit), static_cast<long long>(g.after.credit));
    // The fifteen faces that stood in view, as the reels showed them.
    ImGui::BeginGroup();
    for (int row = 0; row < 3; ++row) {
        for (int reel = 0; reel < kReels; ++reel) {
            if (reel) ImGui::SameLine(0, 2);
            const int symbol = std::clamp(g.reels[reel][kRowPositions[row]], 0, kSymbolCount - 1);
            const TextureHandle t = symbols_[symbol];
            if (t)
                ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(t)),
                             ImVec2(kFace, kFace));
            else
                ImGui::Button(std::to_string(symbol).c_str(), ImVec2(kFace, kFace));
        }
    }
    ImGui::EndGroup();
    ImGui::SameLine(0, 12);
    ImGui::BeginGroup();
    ImGui::PushTextWrapPos(kWidth - 40);
    ImGui::TextUnformatted(LinesText(g).c_str());
    for (const std::string& line : BonusLines(g)) ImGui::TextUnformatted(line.c_str());
    ImGui::TextUnformatted(SourcesText(g).c_str());
    ImGui::PopTextWrapPos();
    ImGui::EndGroup();
}

void GameRecall::DrawMeters() {
    const Meters& m = journal_.CurrentMeters();
    const GameState& g = machine_.State();
    // The build's table first; other settings are played on demand and kept.
    const SimulatorFigure* sim = FindSimulatorFigure(g.FortuneSpin, 0, g.FortuneBonus);
    SimulatorAnswer answer;
    if (!sim && simulator_) answer = simulator_(g.FortuneSpin, g.FortuneBonus);
    if (answer.figure) sim = &*answer.figure;
    const std::string missing = answer.computing ? "computing..." : "unavailable";
    const ImGuiTableFlags flags = ImGuiTableFlags_RowBg | ImGuiTableFlags_BordersInnerV;
    ImGui::BeginChild("meters", ImVec2(0, kHeight - 104), false);
    // The balance and what the start-up check found come first: they are why this page exists.
    const Money balance = m.Credit();
    const bool balanced = balance == journal_.LastCredit();
    ImGui::TextColored(
        balanced ? kGood : kBad,
        "inserted - staked + returned - taken off%s = %lld; the credit at the last record: %lld",
        m.unclosed ? " - unclosed" : "", static_cast<long long>(balance),
        static_cast<long long>(journal_.LastCredit()));
    for (const std::string& note : journal_.Notes()) ImGui::TextColored(kBad, "%s", note.c_str());
    if (ImGui::BeginTable("table", 3, flags)) {
        ImGui::TableSetupColumn("", ImGuiTableColumnFlags_WidthFixed, 170);
        ImGui::TableSetupColumn("This machine, lifetime");
        ImGui::TableSetupColumn("Simulator, these settings");
        ImGui::TableHeadersRow();
        const auto n = [](std::int64_t v) { return std::to_string(v); };
        Row("Games (paid / free)", n(m.games - m.freeGames) + " / " + n(m.freeGames),
            sim ? n(sim->games) + " games, bet 1 x 15" : missing);
        Row("Staked", n(m.staked));
        Row("Returned", n(m.returned));
        Row("Inserted", n(m.inserted));
        Row("Taken off", n(m.taken));
        if (m.unclosed) Row("Left by unclosed sessions", n(m.unclosed));
        Row("Largest win", n(m.largest));
        Row("Return to player",
            m.staked ? Percent(static_cast<double>(m.returned) / static_cast<double>(m.staked)) : "-",
            sim ? Percent(sim->rtp) + "  (" + Percent(sim->rtpLow) + " to " + Percent(sim->rtpHigh) + ")"
                : missing);
        Row("Hit frequency",
            m.games ? Percent(static_cast<double>(m.hits) / static_cast<double>(m.games)) : "-",
            sim ? Percent(sim->hitFrequency) : missing);
        for (int b = 0; b < kMeterBonusCount; ++b)
            Row(MeterBonusName(static_cast<MeterBonus>(b)), n(m.bonuses[b]));
        ImGui::EndTable();
    }
    ImGui::Spacing();
    ImGui::Text("Fortune spin %d, risk %d, bonus %d.", g.FortuneSpin, g.FortuneRisk, g.FortuneBonus);
    if (answer.computing)
        ImGui::TextWrapped("The simulator is playing %lld games for these settings.", kSimulatorFigureGames);
    else if (!sim)
        ImGui::TextWrapped(
            "The simulator's table holds spin and bonus fortune -100, -50, 0, 50 and 100 only "
            "(and none in a build without it).");
    else
        ImGui::TextWrapped(
            "Simulator: a player who takes every win at once, so the risk fortune does not count.");
    ImGui::EndChild();
}

}  // namespace vortala
