#include "records/LogBook.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

namespace vortala {

namespace {

constexpr std::size_t kShownBytes = 1 << 20;  // a log grown beyond this shows its latest part
constexpr std::size_t kRecordBytes = 4096;

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace

LogBook::LogBook(std::string filePath, SaveFailures& failures)
    : path_(std::move(filePath)), recordPath_(SessionRecordPath(path_)), failures_(failures) {}

std::string LogBook::SessionRecordPath(const std::string& logPath) {
    return (std::filesystem::path(logPath).parent_path() / "stat.session").string();
}

// The record goes once its block is in the log (and stays for the next start when it cannot be
// written). A kill between a session's own closing block and the record's removal leaves the
// block closed already: the record then only goes.
void LogBook::CloseInterrupted(const std::optional<SessionRecord>& last) {
    const auto text = ReadRegularFile(recordPath_, kRecordBytes, ReadPart::Whole);
    if (!text) return;
    std::optional<SessionRecord> record = SessionRecord::Parse(*text);
    if (record && last) record = last;
    StatLog written;
    const auto logText = ReadRegularFile(path_, kShownBytes, ReadPart::Tail);
    if (logText) written.Replace(*logText);
    if (record && !(logText && written.LastBlockClosed())) {
        StatLog block;
        if (!Write(block.AppendClosing(record->inserted, record->credit, LocalTime(record->updated), true)))
            return;
    }
    unlink(recordPath_.c_str());
}

void LogBook::Open(int gameNumber, Money inserted, Money credit) {
    // unlink, not remove: a folder put in the log's place is never deleted.
    if (StatLog::ClearsHistoryAt(gameNumber)) unlink(path_.c_str());
    const auto text = ReadRegularFile(path_, kShownBytes, ReadPart::Tail);
    if (text && !text->empty())
        log_.Replace(*text);
    else
        log_.Restart();
    open_ = true;
    recorded_ = Write(log_.AppendOpening(gameNumber, LocalTime(std::time(nullptr))));
    if (recorded_) WriteRecord(inserted, credit);
}

void LogBook::Close(Money inserted, Money credit) {
    if (!open_) return;
    open_ = false;
    if (Write(log_.AppendClosing(inserted, credit, LocalTime(std::time(nullptr)))) && recorded_)
        unlink(recordPath_.c_str());
    recorded_ = false;
}

void LogBook::GameEnded(Money inserted, Money credit) {
    if (recorded_) WriteRecord(inserted, credit);
}

void LogBook::Note(std::string line) {
    Write(log_.AppendNote(std::move(line)));
}

// A file that is new or empty starts with the designed header, as the window's memo does.
bool LogBook::Write(const std::string& block) {
    if (AppendToRegularFile(path_, block, StatLog::HeaderText())) return true;
    failures_.Report("the statistics log", path_, errno);
    return false;
}

void LogBook::WriteRecord(Money inserted, Money credit) {
    SessionRecord record;
    record.inserted = inserted;
    record.credit = credit;
    record.updated = std::time(nullptr);
    if (!ReplaceFileAtomically(recordPath_, record.Text()))
        failures_.Report("the statistics log's session record", recordPath_, errno);
}

}  // namespace vortala
