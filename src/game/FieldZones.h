#pragma once
// The field's mouse zones: inclusive rectangles in field coordinates (0..666 by 0..500, origin
// at the bottom left) where the cabinet picture paints its buttons.

#include "FieldArea.h"

namespace vortala::zones {

struct Rect {
    int x0, x1, y0, y1;
    constexpr bool Contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

struct LineButton {
    Rect rect;
    int line;  // 0..14
};

constexpr Rect kAllLines{22, 50, 100, 122};
constexpr Rect kReelWindow{60, 590, 130, 380};
constexpr Rect kCoinSlot{170, 325, 430, 475};
constexpr Rect kStake{340, 490, 430, 510};
constexpr Rect kStakeLower{340, 490, 430, 500};
constexpr Rect kMaximum{610, 638, 100, 122};
constexpr Rect kHelpLink{546, 616, 21, 92};
constexpr Rect kCoinThrow{230, 372, 205, 330};
constexpr Rect kVoyageSpin{385, 505, 120, 215};
constexpr Rect kOptionsButton{566, 583, 481, 494};
constexpr Rect kStatisticsButton{543, 560, 481, 494};
constexpr Rect kHelpButton{518, 538, 481, 494};
constexpr Rect kMinimiseLeft{5, 30, 470, 494};
constexpr Rect kMinimiseRight{587, 605, 481, 494};
constexpr Rect kMaximise{610, 629, 481, 494};
constexpr Rect kExit{635, 688, 470, 494};
constexpr Rect kExitCursor{635, 658, 470, 494};
constexpr Rect kOptionsZone{585, 650, 0, 50};
constexpr Rect kRiskRed{210, 275, 130, 190};
constexpr Rect kRiskTake{290, 360, 130, 190};
constexpr Rect kRiskBlack{374, 438, 130, 190};

// Line buttons beside the reels (held: light one line).
constexpr LineButton kLineButtons[] = {
    {{4, 21, 144, 165}, 14}, {{4, 21, 173, 192}, 11}, {{4, 21, 234, 253}, 12}, {{4, 21, 258, 277}, 9},
    {{4, 21, 321, 338}, 13}, {{4, 21, 345, 363}, 10}, {{25, 50, 138, 154}, 4}, {{25, 50, 160, 177}, 2},
    {{25, 50, 185, 201}, 6}, {{25, 50, 223, 240}, 8}, {{25, 50, 245, 262}, 0}, {{25, 50, 270, 285}, 7},
    {{25, 50, 309, 325}, 5}, {{25, 50, 330, 348}, 1}, {{25, 50, 356, 372}, 3},
};
// The hand cursor's inner line strip differs at one edge from the press zones.
constexpr Rect kLineCursorInner[] = {{4, 21, 144, 165}, {4, 21, 173, 192}, {4, 21, 234, 253},
                                     {4, 21, 258, 277}, {4, 21, 321, 328}, {4, 21, 345, 363}};

// Bet buttons on the right (click raises, right click lowers).
constexpr LineButton kBetButtons[] = {
    {{640, 665, 146, 163}, 14}, {{640, 665, 170, 189}, 11}, {{640, 665, 235, 253}, 12},
    {{640, 665, 259, 277}, 9},  {{640, 665, 318, 336}, 13}, {{640, 665, 342, 362}, 10},
    {{610, 638, 245, 262}, 0},  {{610, 638, 330, 348}, 1},  {{610, 638, 160, 177}, 2},
    {{610, 638, 356, 372}, 3},  {{610, 638, 138, 154}, 4},  {{610, 638, 309, 325}, 5},
    {{610, 638, 185, 201}, 6},  {{610, 638, 270, 285}, 7},  {{610, 638, 223, 240}, 8},
};
constexpr Rect kBetCursorRight[] = {{640, 665, 146, 163}, {640, 665, 170, 189}, {640, 665, 235, 253},
                                    {640, 665, 269, 277}, {640, 665, 318, 336}, {640, 665, 342, 362}};

constexpr Rect kChestPick[] = {{81, 185, 135, 215},
                               {283, 390, 130, 210},
                               {470, 575, 135, 225},
                               {200, 298, 195, 275},
                               {386, 477, 215, 288}};
constexpr Rect kChestCursor[] = {
    {81, 185, 185, 215}, {283, 390, 130, 210}, {470, 575, 135, 215}, {386, 477, 215, 288}};
constexpr Rect kFreeGamePick[] = {{130, 185, 175, 235}, {385, 445, 140, 200}, {290, 345, 225, 280},
                                  {470, 525, 260, 313}, {200, 255, 280, 335}, {345, 392, 314, 365}};

// Hovering chooses a barrel or a torch target; later rectangles win on shared edges.
struct BarrelZone {
    Rect rect;
    int choice;
};
constexpr BarrelZone kBarrelZones[] = {{{130, 270, 115, 380}, 1},
                                       {{270, 390, 115, 380}, 2},
                                       {{390, 520, 115, 380}, 3},
                                       {{84, 87, 292, 298}, 4},
                                       {{566, 571, 292, 298}, 5}};

}  // namespace vortala::zones
