#pragma once
// SimulatorService: the recall window's simulator figures for fortune settings the build's table
// does not hold, played on one background thread (400 000 games, the table's count and seed) and
// kept per setting for the rest of the run. Asking never waits: the answer is "computing" until
// the figures are there. The last setting asked for is the one played next; a run still under
// way when the game closes is given up.
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "ui/SimulatorFigures.h"

namespace vortala {

class SimulatorService {
public:
    SimulatorService() = default;
    ~SimulatorService();
    SimulatorService(const SimulatorService&) = delete;
    SimulatorService& operator=(const SimulatorService&) = delete;

    SimulatorAnswer Ask(int spin, int bonus);

private:
    using Setting = std::pair<int, int>;  // spin, bonus
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<Setting, SimulatorFigure> known_;
    std::optional<Setting> wanted_;
    bool stop_ = false;
    std::thread worker_;  // started at the first question
};

}  // namespace vortala
