#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Resources.h"

namespace vortala {
namespace {

std::vector<unsigned char> ReadAsset(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Resources, EveryAssetIsBuiltInByteForByte) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VORTALA_ASSET_DIR)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        ResourceType type;
        if (extension == ".jpg")
            type = ResourceType::Jpeg;
        else if (extension == ".tga")
            type = ResourceType::Tga;
        else if (extension == ".wav")
            type = ResourceType::Wave;
        else if (extension == ".html")
            type = ResourceType::Html;
        else
            continue;
        const std::string name = entry.path().filename().string();
        const auto found = FindResource(name, type);
        ASSERT_TRUE(found) << name;
        const auto bytes = ReadAsset(entry.path());
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), found->data, found->data + found->size)) << name;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(Resources, NamedByTheStemInAnyCaseAndTyped) {
    const auto bar = FindResource("bar_area.jpg", ResourceType::Jpeg);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->data[0], 0xFF);
    EXPECT_EQ(bar->data[1], 0xD8);
    EXPECT_TRUE(FindResource("BAR_AREA", ResourceType::Jpeg));
    EXPECT_TRUE(FindResource("barab", ResourceType::Wave));
    EXPECT_TRUE(FindResource("MYHTML", ResourceType::Html));
    EXPECT_TRUE(FindResource("Sundukoff.tga.bak", ResourceType::Tga));  // text before the first dot

    EXPECT_FALSE(FindResource("barab", ResourceType::Jpeg));  // right name, wrong type
    EXPECT_FALSE(FindResource("bar.jpg", ResourceType::Wave));
    EXPECT_FALSE(FindResource(".jpg", ResourceType::Jpeg));  // empty name
    EXPECT_FALSE(FindResource("", ResourceType::Jpeg));
    EXPECT_FALSE(FindResource("bar_are", ResourceType::Jpeg));
    EXPECT_FALSE(FindResource("bar_areas", ResourceType::Jpeg));
}

}  // namespace
}  // namespace vortala
