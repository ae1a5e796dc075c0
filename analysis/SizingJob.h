#pragma once
// The sizing search on a thread of its own, over a private copy of the data
// and movements, so the window stays responsive and nothing the user edits
// meanwhile changes under the search. The thread touches no window: the
// window polls the share done and collects the answer when it is there.

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "engine/CircuitState.h"
#include "sizing/Search.h"

namespace volvenza {

class SizingJob {
  public:
    // Copies what the search needs from `state`, with `data` as the initial
    // data, and starts at once.
    SizingJob(const CircuitState& state, const CircuitData& data, const sizing::Requirements& req);
    // Stops the search and waits for the thread.
    ~SizingJob();
    SizingJob(const SizingJob&) = delete;
    SizingJob& operator=(const SizingJob&) = delete;

    void Stop() { stop_ = true; }
    bool StopAsked() const { return stop_; }
    double Progress() const { return progress_; }
    bool Done() const { return done_; }
    // After Done: the answer, or the message why there is none.
    const Result<sizing::SizingAnswer>& Answer() const { return *answer_; }

  private:
    CircuitState state_;
    sizing::Requirements req_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    std::atomic<double> progress_{0};
    std::optional<Result<sizing::SizingAnswer>> answer_;  // none before Done
    std::thread thread_;
};

}  // namespace volvenza
