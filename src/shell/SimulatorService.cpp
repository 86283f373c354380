#include "SimulatorService.h"

#include "FastPlayer.h"
#include "RtpSummary.h"

namespace vortala {

namespace {

// Plays the games for one setting; gives up (returning nothing) once stop reads true.
std::optional<SimulatorFigure> PlaySimulatorFigure(int spin, int bonus, const bool& stop, std::mutex& mutex) {
    // The build's table runs `vortala-sim rtp --games 400000 --fortune S,0,B`: the same options
    // here (one block, seed 1) give the same figures for the settings it holds.
    sim::RtpOptions options;
    options.games = static_cast<std::uint64_t>(kSimulatorFigureGames);
    options.fortuneSpin = spin;
    options.fortuneBonus = bonus;
    sim::RtpTally run, block;
    sim::FastPlayer player(options, 0);
    constexpr std::uint64_t kBatch = 2000;  // games between looks at the stop flag
    for (std::uint64_t played = 0; played < options.games; ++played) {
        if (played % kBatch == 0) {
            std::lock_guard<std::mutex> lock(mutex);
            if (stop) return std::nullopt;
        }
        player.PlayGame(block);
    }
    run.AddBlock(block);
    const sim::RtpSummary s = sim::Summarise(run);
    return SimulatorFigure{spin,
                           0,
                           bonus,
                           s.rtp,
                           s.rtp - s.halfWidth,
                           s.rtp + s.halfWidth,
                           s.hitFrequency,
                           kSimulatorFigureGames};
}

}  // namespace

SimulatorService::~SimulatorService() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

SimulatorAnswer SimulatorService::Ask(int spin, int bonus) {
    std::lock_guard<std::mutex> lock(mutex_);
    SimulatorAnswer answer;
    const auto known = known_.find({spin, bonus});
    if (known != known_.end()) {
        answer.figure = known->second;
        return answer;
    }
    answer.computing = true;
    if (wanted_ != Setting{spin, bonus}) {
        wanted_ = Setting{spin, bonus};
        if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
        wake_.notify_all();
    }
    return answer;
}

void SimulatorService::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        if (!wanted_ || known_.count(*wanted_)) {
            wake_.wait(lock);
            continue;
        }
        const Setting setting = *wanted_;
        lock.unlock();
        const auto figure = PlaySimulatorFigure(setting.first, setting.second, stop_, mutex_);
        lock.lock();
        if (figure) known_[setting] = *figure;
    }
}

}  // namespace vortala
