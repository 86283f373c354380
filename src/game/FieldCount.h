#pragma once
// AggregateFieldCount<T>(): how many members an aggregate has, found by brace-initialising it
// with ever more values that convert to anything. Lets a hand-kept list of fields be checked
// against the struct at compile time.
#include <cstddef>
#include <utility>

namespace vortala {

namespace detail {

struct AnyField {
    template <typename T>
    constexpr operator T() const noexcept;  // never called: only used in unevaluated contexts
};

template <typename T, typename... A>
constexpr auto BraceInitialisable(int) -> decltype(T{std::declval<A>()...}, true) {
    return true;
}
template <typename T, typename... A>
constexpr bool BraceInitialisable(...) {
    return false;
}

}  // namespace detail

template <typename T, typename... A>
constexpr std::size_t AggregateFieldCount() {
    if constexpr (detail::BraceInitialisable<T, A..., detail::AnyField>(0))
        return AggregateFieldCount<T, A..., detail::AnyField>();
    else
        return sizeof...(A);
}

}  // namespace vortala
