#pragma once
// Money is held in 64 bits: seven risk doublings and eight voyage doublings multiply one game's
// win by up to 2^15, which overflows 32 bits long before the credit could.
#include <cstdint>

namespace vortala {

using Money = std::int64_t;

// The largest amount any money field may hold. Far beyond any reachable credit, yet far enough
// below INT64_MAX that adding two capped amounts or doubling one never overflows.
constexpr Money kMoneyCap = Money{1} << 60;

// Saturating arithmetic for money: every sum and product is clamped into [0, kMoneyCap].
inline Money ClampMoney(Money m) {
    return m < 0 ? 0 : (m > kMoneyCap ? kMoneyCap : m);
}
inline Money AddMoney(Money a, Money b) {
    return ClampMoney(ClampMoney(a) + ClampMoney(b));
}
inline Money MulMoney(Money a, std::int64_t factor) {
    a = ClampMoney(a);
    if (factor <= 0 || a == 0) return 0;
    if (a > kMoneyCap / factor) return kMoneyCap;
    return a * factor;
}

// As above, adding what the cap cut off to `capped` (itself capped), so nothing vanishes unsaid.
inline Money AddMoney(Money a, Money b, Money& capped) {
    const Money sum = ClampMoney(a) + ClampMoney(b);
    if (sum > kMoneyCap) capped = AddMoney(capped, sum - kMoneyCap);
    return ClampMoney(sum);
}
inline Money MulMoney(Money a, std::int64_t factor, Money& capped) {
    const Money product = MulMoney(a, factor);
    if (product == kMoneyCap && factor > 0) {
        // The true product a * factor exceeds the cap by at least (a * factor - cap); count what
        // fits in 64 bits, which caps the count as well.
        const Money whole = ClampMoney(a);
        const Money excess = whole > (kMoneyCap * 2) / factor ? kMoneyCap : whole * factor - kMoneyCap;
        capped = AddMoney(capped, excess);
    }
    return product;
}

}  // namespace vortala
