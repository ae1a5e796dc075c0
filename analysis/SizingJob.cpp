#include "analysis/SizingJob.h"

namespace volvenza {

SizingJob::SizingJob(const CircuitState& state, const CircuitData& data,
                     const sizing::Requirements& req)
    : req_(req) {
    InitCircuitState(state_);
    state_.Data = data;
    state_.Movements = state.Movements;
    state_.MovementCount = state.MovementCount;
    // The movement list as it stands, as a run would take it.
    state_.SimMovementCount = state.MovementCount;
    state_.TimeStep = state.TimeStep;
    thread_ = std::thread([this] {
        answer_ = sizing::SizeAccumulator(state_, req_, [this](double share) {
            progress_ = share;
            return !stop_;
        });
        done_ = true;
    });
}

SizingJob::~SizingJob() {
    stop_ = true;
    thread_.join();
}

}  // namespace volvenza
