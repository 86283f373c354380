#include "ui/LogWindow.h"

#include <imgui.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "app/SessionRecord.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

namespace vortala {

namespace {

constexpr float kWidth = 400;  // the memo: wide enough for a whole date line in the dialogs' font
constexpr std::size_t kShownBytes = 1 << 20;  // a log grown beyond this shows its latest part
constexpr std::size_t kRecordBytes = 4096;

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace

LogWindow::LogWindow(std::string filePath, int gameNumber, const GameState* game, SaveFailures& failures)
    : path_(std::move(filePath)), recordPath_(SessionRecordPath(path_)), game_(game), failures_(failures) {
    CloseInterruptedSession();
    OpenSection(gameNumber);
}

std::string LogWindow::SessionRecordPath(const std::string& logPath) {
    return (std::filesystem::path(logPath).parent_path() / "stat.session").string();
}

LogWindow::~LogWindow() {
    CloseSection();
}

// The record's money is that of the session's last finished game; the record goes once its
// block is in the log (and stays for the next start when it cannot be written).
void LogWindow::CloseInterruptedSession() {
    const auto text = ReadRegularFile(recordPath_, kRecordBytes, ReadPart::Whole);
    if (!text) return;
    if (const auto record = SessionRecord::Parse(*text)) {
        StatLog block;
        if (!Write(block.AppendClosing(record->inserted, record->credit, LocalTime(record->updated), true)))
            return;
    }
    unlink(recordPath_.c_str());
}

void LogWindow::OpenSection(int gameNumber) {
    // unlink, not remove: a folder put in the log's place is never deleted.
    if (StatLog::ClearsHistoryAt(gameNumber)) unlink(path_.c_str());
    const auto text = ReadRegularFile(path_, kShownBytes, ReadPart::Tail);
    if (text && !text->empty())
        log_.Replace(*text);
    else
        log_.Restart();
    open_ = true;
    recorded_ = Write(log_.AppendOpening(gameNumber, LocalTime(std::time(nullptr))));
    if (recorded_) WriteRecord();
}

void LogWindow::CloseSection() {
    if (!open_) return;
    open_ = false;
    const Money inserted = game_ ? game_->CreditInserted : 0, credit = game_ ? game_->Credit : 0;
    if (Write(log_.AppendClosing(inserted, credit, LocalTime(std::time(nullptr)))) && recorded_)
        unlink(recordPath_.c_str());
    recorded_ = false;
}

void LogWindow::GameEnded() {
    if (recorded_) WriteRecord();
}

// A file that is new or empty starts with the designed header, as the memo does.
bool LogWindow::Write(const std::string& block) {
    if (AppendToRegularFile(path_, block, StatLog::HeaderText())) return true;
    failures_.Report("the statistics log", path_, errno);
    return false;
}

void LogWindow::WriteRecord() {
    SessionRecord record;
    record.inserted = game_ ? game_->CreditInserted : 0;
    record.credit = game_ ? game_->Credit : 0;
    record.updated = std::time(nullptr);
    if (!ReplaceFileAtomically(recordPath_, record.Text()))
        failures_.Report("the statistics log's session record", recordPath_, errno);
}

// "OK" is the default button, and Escape cancels, as in any dialog.
void LogWindow::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE) Close();
}

void LogWindow::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kWidth + 16, 254 + ImGui::GetFrameHeight()));
    ImGui::Begin("Log", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    memo_.clear();
    for (const std::string& line : log_.Lines()) memo_ += line + '\n';
    ImGui::InputTextMultiline("##Memo1", memo_.data(), memo_.size() + 1, ImVec2(kWidth, 201),
                              ImGuiInputTextFlags_ReadOnly);
    ImGui::SetCursorPosX((kWidth + 16 - 75) / 2);
    if (ImGui::Button("OK", ImVec2(75, 25))) Close();
    ImGui::End();
}

}  // namespace vortala
