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

}  // namespace vortala
