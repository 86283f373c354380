#pragma once
// HeadlessDriver: a script's commands on a headless machine, on its virtual clock. Used by
// `vortala-sim script` and by tests that run scripts against a host they also watch.
#include "HeadlessHost.h"
#include "ScriptRunner.h"

namespace vortala {

class HeadlessDriver : public ScriptDriver {
public:
    explicit HeadlessDriver(HeadlessHost& host) : host_(host) {}

    Machine& machine() override { return host_.machine(); }
    void Input(const InputEvent& event) override { host_.Input(event); }
    void Advance(std::uint32_t ms) override { host_.Advance(ms); }
    bool Settle(std::uint32_t limitMs) override { return host_.Settle(limitMs); }
    std::vector<std::string> TakeSounds() override { return host_.TakeSounds(); }

private:
    HeadlessHost& host_;
};

}  // namespace vortala
