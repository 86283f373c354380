#pragma once
// Whole-file replacement that never leaves half a file: the text goes to a temporary file beside
// the target ("<name>.XXXXXX"), is flushed to disk and then renamed over it. Missing folders are
// created.
#include <string>

namespace vortala {

// False, with errno saying why, when the file could not be written; the old file is then
// untouched.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);

// Removes the temporary files a replacement of `path` left behind when the process was killed
// during it. Only safe while no other process may be replacing the same file.
void RemoveStaleTemporaries(const std::string& path);

}  // namespace vortala
