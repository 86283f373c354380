#include "platform/Resources.h"

#include "platform/EmbeddedResources.h"

namespace vortala {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

}  // namespace

std::optional<ResourceData> FindResource(std::string_view pictureOrCueName, ResourceType type) {
    const std::string_view name = pictureOrCueName.substr(0, pictureOrCueName.find('.'));
    if (name.empty()) return std::nullopt;
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& r = kEmbeddedResources[i];
        if (r.type == type && SameIgnoringCase(r.name, name)) {
            return ResourceData{r.begin, static_cast<std::size_t>(r.end - r.begin)};
        }
    }
    return std::nullopt;
}

}  // namespace vortala
