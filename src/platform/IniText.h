#pragma once
// IniText: the text form of the settings file. "[key\section]" headers are followed by
// "name=text" lines; section paths and names compare without regard to letter case, as
// registry keys do. Control bytes, bytes from 128 up and the format's own marks are written as
// %XX, so every byte value of a stored text survives and the file stays readable. Lines that do
// not fit the form are skipped, never an error.
#include <map>
#include <string>
#include <string_view>

namespace vortala {

struct LessIgnoringCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

using IniSection = std::map<std::string, std::string, LessIgnoringCase>;
using IniData = std::map<std::string, IniSection, LessIgnoringCase>;

std::string EscapeIniText(std::string_view text);
std::string UnescapeIniText(std::string_view text);

IniData ParseIni(std::string_view text);
std::string FormatIni(const IniData& data);

}  // namespace vortala
