#pragma once
// The pictures, sounds and the offline page, built into the executable. A resource is found by
// its name, the part of a picture or cue name before the first '.', in any letter case, and by
// its type.
#include <cstddef>
#include <optional>
#include <string_view>

namespace vortala {

enum class ResourceType { Jpeg, Tga, Wave, Html };

struct ResourceData {
    const unsigned char* data;
    std::size_t size;
};

std::optional<ResourceData> FindResource(std::string_view pictureOrCueName, ResourceType type);

}  // namespace vortala
