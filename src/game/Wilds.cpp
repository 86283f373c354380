// Wild substitution: which symbol each wild of a line stands for, by where the wilds stand.
// Works on the line's own copy, so one wild cell may stand for different symbols on different
// lines.
#include "Rules.h"

namespace vortala {

namespace {

using Line = std::array<Byte, kReels>;

bool U(int s) {
    return IsUsable(s);
}
int Larger(int a, int b, bool preferFirstWhenEqual) {
    if (a == b) return preferFirstWhenEqual ? a : b;
    return a > b ? a : b;
}

// The larger of a and b if usable, else the other if usable; -1 when neither is.
int LargerOrOther(int a, int b, bool preferFirstWhenEqual) {
    const int larger = Larger(a, b, preferFirstWhenEqual);
    const int other = larger == a ? b : a;
    if (U(larger)) return larger;
    return U(other) ? other : -1;
}

void Set(Line& s, std::initializer_list<int> reels, int symbol) {
    if (symbol < 0) return;
    for (int r : reels) s[r - 1] = static_cast<Byte>(symbol);
}

void OneWild(Line& s, int w) {
    const int s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3], s5 = s[4];
    switch (w) {
        case 1:
            if (s2 == s3 && U(s2)) Set(s, {1}, s2);
            break;
        case 2:
            if (U(s3) && (s3 == s4 || s3 == s1)) Set(s, {2}, s3);
            break;
        case 3: {
            int v = -1;
            if (s2 == s4 && U(s2))
                v = s2;
            else if (s1 == s2 && U(s1))
                v = s1;
            else if (s4 == s5 && U(s4))
                v = s4;
            if (s1 == s2 && U(s1) && s4 == s5 && U(s4)) v = Larger(s1, s4, true);
            Set(s, {3}, v);
            break;
        }
        case 4:
            if (U(s3) && (s3 == s2 || s3 == s5)) Set(s, {4}, s3);
            break;
        case 5:
            if (s4 == s3 && U(s4)) Set(s, {5}, s4);
            break;
    }
}

void TwoWilds(Line& s, int a, int b) {
    const int s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3], s5 = s[4];
    const int key = a * 10 + b;
    switch (key) {
        case 12:
            if (U(s3)) Set(s, {1, 2}, s3);
            break;
        case 23:
            Set(s, {2, 3}, LargerOrOther(s1, s4, false));
            break;
        case 34:
            Set(s, {3, 4}, LargerOrOther(s2, s5, false));
            break;
        case 45:
            if (U(s3)) Set(s, {4, 5}, s3);
            break;
        case 13:
            if (s2 >= s4 || s4 != s5) {
                if (U(s2)) Set(s, {1, 3}, s2);
            } else if (IsSpecial(s4)) {
                if (U(s2)) Set(s, {1, 3}, s2);
            } else {
                Set(s, {3}, s4);
            }
            break;
        case 24:
            if (U(s3)) Set(s, {2, 4}, s3);
            break;
        case 35:
            if (s1 == s2 && U(s1) && s4 < s1)
                Set(s, {3}, s2);
            else if (U(s4))
                Set(s, {3, 5}, s4);
            break;
        case 14:
            if (s2 == s3 && U(s2))
                Set(s, {1, 4}, s2);
            else if (s5 == s3 && U(s3))
                Set(s, {4}, s3);
            break;
        case 15:
            if (s2 == s3 && s3 == s4 && U(s3))
                Set(s, {1, 5}, s3);
            else if (s2 == s3 && U(s2))
                Set(s, {1}, s2);
            else if (s3 == s4 && U(s3))
                Set(s, {5}, s3);
            break;
        case 25:
            if (s3 == s4 && U(s3))
                Set(s, {2, 5}, s3);
            else if (s1 == s3 && U(s1))
                Set(s, {2}, s1);
            break;
    }
}

void ThreeWilds(Line& s, int a, int b, int c) {
    const int s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3], s5 = s[4];
    const int key = a * 100 + b * 10 + c;
    switch (key) {
        case 345:
            if (U(s2)) Set(s, {3, 4, 5}, s2);
            break;
        case 245:
            if (U(s3)) Set(s, {2, 4, 5}, s3);
            break;
        case 145:
            if (U(s3)) {
                Set(s, {4, 5}, s3);
                if (s2 == s3) Set(s, {1}, s3);
            }
            break;
        case 135:
            if (U(s4) && s4 >= s2) {
                Set(s, {3, 5}, s4);
                if (s2 == s4) Set(s, {1}, s4);
            } else if (U(s2) && s2 > s4) {
                Set(s, {1, 3}, s2);
            }
            break;
        case 125:
            if (U(s3)) {
                Set(s, {1, 2}, s3);
                if (s4 == s3) Set(s, {5}, s3);
            }
            break;
        case 124:
            if (U(s3)) Set(s, {1, 2, 4}, s3);
            break;
        case 123:
            if (U(s4)) Set(s, {1, 2, 3}, s4);
            break;
        case 235:
            if (U(s4))
                Set(s, {2, 3, 5}, s4);
            else if (U(s1))
                Set(s, {2, 3}, s1);
            break;
        case 134:
            if (U(s2))
                Set(s, {1, 3, 4}, s2);
            else if (U(s5))
                Set(s, {3, 4}, s5);
            break;
        case 234:
            Set(s, {2, 3, 4}, LargerOrOther(s1, s5, true));
            break;
    }
}

}  // namespace

void SubstituteWilds(GameState& g, int line) {
    Line& s = g.LineSymbols[line];
    int wilds[kReels];
    int count = 0;
    int other = -1;
    for (int r = 0; r < kReels; ++r) {
        if (s[r] == kSkull)
            wilds[count++] = r + 1;
        else
            other = s[r];
    }
    switch (count) {
        case 1:
            OneWild(s, wilds[0]);
            break;
        case 2:
            TwoWilds(s, wilds[0], wilds[1]);
            break;
        case 3:
            ThreeWilds(s, wilds[0], wilds[1], wilds[2]);
            break;
        case 4:
            if (U(other)) s.fill(static_cast<Byte>(other));
            break;
        default:
            break;  // none, or five wilds: the jackpot line stays as it is
    }
}

}  // namespace vortala
