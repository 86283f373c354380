// Each helm drum must turn the band with as many lit pips as its helm's position towards the
// player: the shipped picture read through GLU's cylinder mapping (s = 1 - slice / slices round
// the axis from +y towards +x, t along it) and the drum's transform of the helm drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "game/Rules.h"
#include "gfx/ImageDecode.h"
#include "platform/Resources.h"

namespace vortala {
namespace {

// The texture s at the front of a drum turned to angleDegrees: translate, rotate the angle about
// +x, rotate 90 about +y, then the cylinder, whose point at angle a round its axis is
// (sin a, cos a, z).
double FrontS(int angleDegrees) {
    const double turn = angleDegrees * M_PI / 180.0;
    double bestZ = -2, bestS = 0;
    for (int step = 0; step < 3600; ++step) {
        const double a = step * M_PI / 1800.0;
        const double x = std::sin(a), y = std::cos(a);
        // About +y by 90: (x, y, z) -> (z, y, -x); then about +x by the angle.
        const double z = std::sin(turn) * y + std::cos(turn) * -x;
        if (z > bestZ) bestZ = z, bestS = 1.0 - step / 3600.0;
    }
    return bestS;
}

// Lit pips along the middle of the band at s: gold runs between the band's mark (t below 0.2)
// and its number (t above 0.84).
int LitPips(const Image& picture, double s) {
    const int x = static_cast<int>(s * picture.width) % picture.width;
    int runs = 0;
    bool previous = false;
    for (int row = picture.height / 5; row < picture.height * 84 / 100; ++row) {  // row = t * height
        const std::uint8_t* p = &picture.pixels[(static_cast<std::size_t>(row) * picture.width + x) * 4];
        const bool lit = p[0] > 180 && p[1] > 140 && p[2] < 140;
        runs += lit && !previous;
        previous = lit;
    }
    return runs;
}

TEST(HelmDrum, TheFrontBandShowsTheHelmsPosition) {
    for (const char* name : {"barab_b_o.jpg", "barab_b_j.jpg", "barab_b_rb.jpg"}) {
        const auto data = FindResource(name, ResourceType::Jpeg);
        ASSERT_TRUE(data) << name;
        const DecodeResult decoded = DecodeJpeg(data->data, data->size, name);
        ASSERT_TRUE(decoded.image) << decoded.message;
        for (int position = 1; position <= 10; ++position) {
            const double s = FrontS(HelmAngleOfPosition(position));
            // The middle of the band at the front, so a seam between two bands is never read.
            const double band = (std::floor(s * 10) + 0.5) / 10;
            EXPECT_EQ(LitPips(*decoded.image, band), position) << name << " at s " << s;
        }
    }
}

}  // namespace
}  // namespace vortala
