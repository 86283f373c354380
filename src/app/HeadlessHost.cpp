#include "HeadlessHost.h"

#include <algorithm>
#include <limits>

namespace vortala {

namespace {
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
}

HeadlessHost::HeadlessHost(std::uint32_t entropySeed, std::uint32_t startMs)
    : now_(startMs), entropyState_(entropySeed) {
    for (int i = 0; i < kTimerCount; ++i) timers_[i].interval = DefaultInterval(static_cast<TimerId>(i));
    machine_ = std::make_unique<Machine>(*this);
}

void HeadlessHost::SetTimerEnabled(TimerId id, bool enabled) {
    VirtualTimer& t = timers_[static_cast<int>(id)];
    if (t.enabled == enabled) return;
    t.enabled = enabled;
    if (!enabled) {
        if (t.inHandler) t.heldInHandler = true;
        return;
    }
    if (!t.started) {
        t.started = true;
        t.deadline = now_ + t.interval;
    } else if (t.heldInHandler) {
        // Resumes where the thread was held: one interval after the last tick, or one interval
        // from now if that moment has already passed.
        t.heldInHandler = false;
        t.deadline = t.lastTick + t.interval;
        if (t.deadline <= now_) t.deadline = now_ + t.interval;
    }
    // Disabled from elsewhere while waiting: the old deadline stands (and may already be due).
}

void HeadlessHost::SetTimerInterval(TimerId id, int intervalMs) {
    timers_[static_cast<int>(id)].interval = std::max(1, intervalMs);
}

void HeadlessHost::StartOneShot(OneShotTimer timer, int delayMs) {
    oneShots_.push_back({now_ + static_cast<std::uint64_t>(std::max(0, delayMs)), timer});
}

void HeadlessHost::PlaySound(std::string_view name, bool /*loop*/) {
    sounds_.emplace_back(name);
}

std::uint32_t HeadlessHost::Entropy() {
    entropyState_ = entropyState_ * 1664525u + 1013904223u;
    return entropyState_ ^ static_cast<std::uint32_t>(now_);
}

std::vector<std::string> HeadlessHost::TakeSounds() {
    std::vector<std::string> out;
    out.swap(sounds_);
    return out;
}

void HeadlessHost::Input(const InputEvent& event) {
    queue_.push_back(event);
    DrainInput();
}

void HeadlessHost::DrainInput() {
    while (!queue_.empty()) {
        const InputEvent e = queue_.front();
        queue_.pop_front();
        machine_->Deliver(e);
    }
}

std::uint64_t HeadlessHost::NextDue() const {
    std::uint64_t due = kNever;
    for (const auto& t : timers_)
        if (t.enabled) due = std::min(due, t.deadline);
    for (const auto& o : oneShots_) due = std::min(due, o.due);
    return due;
}

void HeadlessHost::FireTimer(TimerId id) {
    VirtualTimer& t = timers_[static_cast<int>(id)];
    t.lastTick = now_;
    t.inHandler = true;
    if (id == TimerId::Paint)
        machine_->PaintFrame(painter_);
    else
        machine_->OnTimer(id);
    t.inHandler = false;
    if (t.enabled && !t.heldInHandler) t.deadline = now_ + t.interval;
    DrainInput();
}

void HeadlessHost::Advance(std::uint32_t ms) {
    const std::uint64_t until = now_ + ms;
    DrainInput();
    for (;;) {
        const std::uint64_t due = NextDue();
        if (due > until) break;
        now_ = std::max(now_, due);
        // One-shots first, in the order they were started; then the component timers in order.
        for (std::size_t i = 0; i < oneShots_.size();) {
            if (oneShots_[i].due <= now_) {
                const OneShotTimer which = oneShots_[i].timer;
                oneShots_.erase(oneShots_.begin() + static_cast<std::ptrdiff_t>(i));
                machine_->OnOneShot(which);
                DrainInput();
            } else {
                ++i;
            }
        }
        for (int i = 0; i < kTimerCount; ++i) {
            const VirtualTimer& t = timers_[i];
            if (t.enabled && t.deadline <= now_) FireTimer(static_cast<TimerId>(i));
        }
    }
    now_ = until;
}

bool HeadlessHost::AnyPhaseTimerRunning() const {
    for (int i = static_cast<int>(TimerId::LineShow); i < kTimerCount; ++i)
        if (timers_[i].enabled) return true;
    return false;
}

bool HeadlessHost::Settle(std::uint32_t limitMs) {
    const std::uint64_t until = now_ + limitMs;
    for (;;) {
        if (machine_->Idle() && queue_.empty() && oneShots_.empty() && !AnyPhaseTimerRunning()) return true;
        if (now_ >= until) return false;
        Advance(static_cast<std::uint32_t>(std::min<std::uint64_t>(10, until - now_)));
    }
}

}  // namespace vortala
