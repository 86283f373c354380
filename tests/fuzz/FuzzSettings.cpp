// Any settings file text: parsed without fault, and what is written back reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vortala::IniData parsed = vortala::ParseIni(text);
    if (vortala::ParseIni(vortala::FormatIni(parsed)) != parsed) __builtin_trap();
    if (vortala::UnescapeIniText(vortala::EscapeIniText(text)) != text) __builtin_trap();
    return 0;
}
