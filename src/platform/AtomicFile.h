#pragma once
// Whole-file replacement that never leaves half a file: the text goes to a temporary file beside
// the target, is flushed to disk and then renamed over it. Missing folders are created.
#include <string>

namespace vortala {

// False when the file could not be written; the old file is then untouched.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);

}  // namespace vortala
