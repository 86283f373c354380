#pragma once
// The game's own small files read and appended without trusting what sits at their path: only a
// regular file is read or written (a folder, a FIFO or a device in its place is refused, and
// opening never blocks on one), reads are bounded, and every descriptor is close-on-exec.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vortala {

enum class ReadPart {
    Whole,  // the whole file, or nothing when it is larger than the limit
    Tail,   // at most the last `limit` bytes, starting at a line's beginning when cut
};

// Nothing when the file is missing, not a regular file, unreadable or (Whole) larger than the
// limit; errno then says why (EISDIR a folder, EINVAL anything else that is not a regular file,
// EFBIG too large).
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit, ReadPart part);

// Opens the regular file at `path` for reading, following a link to what it names and never
// blocking on what is there: a close-on-exec descriptor for the caller to close, or -1 with errno
// set as ReadRegularFile sets it.
int OpenRegularFileToRead(const std::string& path);

// The errno of a failed read or open above in words ("it is a folder", "No such file or directory").
std::string FileProblem(int error);

// Appends text in one write and flushes it to disk; headerIfEmpty goes first when the file is
// new or empty. Missing folders are created. False, with errno saying why, when the path cannot
// be written; errno is EISDIR for a folder and EINVAL for anything else that is not a regular
// file.
bool AppendToRegularFile(const std::string& path, std::string_view text, std::string_view headerIfEmpty);

}  // namespace vortala
