#pragma once
// Reel symbols, paylines and pay-table constants shared by the rules and the drawing.
#include <array>
#include <cstdint>

namespace vortala {

enum Symbol : std::uint8_t {
    kIsland = 0,  // scatter
    kCrab = 1,
    kDolphin = 2,
    kShark = 3,
    kToucan = 4,
    kHelm = 5,
    kCoin = 6,     // pays into the coin pile
    kGalleon = 7,  // free-games trigger
    kBar = 8,
    kChest = 9,  // treasure-chest trigger
    kSkull = 10  // wild
};

constexpr int kReels = 5;
constexpr int kDrumPositions = 10;
constexpr int kLines = 15;
constexpr int kVisibleCells = 15;  // 3 rows x 5 reels
constexpr int kSymbolCount = 11;

// The multiplier a line of five wilds pays; it also marks the line that wins the jackpot.
constexpr int kFiveWildsMultiplier = 101;

// Drum positions 4, 3, 2 are the top, middle and bottom rows.
constexpr int kTopRowPosition = 4;

// Drum position read on reels 1..5 for each payline.
constexpr std::array<std::array<std::uint8_t, kReels>, kLines> kPaylines{{
    {3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4},
    {2, 2, 2, 2, 2},
    {4, 3, 2, 3, 4},
    {2, 3, 4, 3, 2},
    {4, 4, 3, 4, 4},
    {2, 2, 3, 2, 2},
    {3, 4, 4, 4, 3},
    {3, 2, 2, 2, 3},
    {3, 4, 3, 2, 3},
    {4, 2, 4, 2, 4},
    {2, 2, 3, 4, 4},
    {3, 2, 3, 4, 3},
    {4, 4, 3, 2, 2},
    {2, 4, 2, 4, 2},
}};

// Specials are never stood in for by a wild.
constexpr bool IsSpecial(int s) {
    return s == kIsland || s == kCoin || s == kGalleon || s == kChest;
}
// A symbol a wild may become: neither wild nor special.
constexpr bool IsUsable(int s) {
    return s != kSkull && !IsSpecial(s);
}

// Faces of the drums: 0..10 show the symbol's picture; the wild animation puts the extra wild
// frames 1..4 on a wild's face as 11..14 (frame 0 is the wild's own picture, face 10).
constexpr int kWildFrameFaceBase = 10;
constexpr int kFaceCount = 15;
constexpr bool IsWildFace(int face) {
    return face >= kWildFrameFaceBase && face < kFaceCount;
}

}  // namespace vortala
