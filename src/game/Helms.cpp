// The three helms: ten-position progress wheels that turn one position per feeding. A helm that is
// fed at its last position completes a circle and earns the barrel bonus.
#include "Rules.h"

namespace vortala {

int HelmAngleOfPosition(int position) {
    if (position == 9) return 0;
    if (position == 10) return 36;
    return 36 * (position + 1);
}

void StepHelms(GameState& g) {
    for (int h = 0; h < 3; ++h) {
        if (!g.HelmTurning[h]) continue;
        const int next = g.HelmPosition[h] >= 10 ? 1 : g.HelmPosition[h] + 1;
        g.HelmAngle[h] = (g.HelmAngle[h] + 1) % 360;
        if (g.HelmAngle[h] == HelmAngleOfPosition(next)) {
            g.HelmPosition[h] = next;
            g.HelmTurning[h] = 0;  // one feeding, one position
        }
    }
}

void CheckHelm3Completion(GameState& g) {
    if (!g.RiskLadderWon) return;
    const int p = g.HelmPosition[2];
    const bool completed = (g.HelmLastBeforeBonus == 0 && p > 0) || (g.HelmLastBeforeBonus == 9 && p == 1);
    if (!completed) return;
    g.BarrelBonusDue = 1;
    g.BarrelScreen = 1;
    g.ReelsInView = 0;
    g.InputLocked = 1;  // as on every bonus screen: no spin may start under the barrels
}

}  // namespace vortala
