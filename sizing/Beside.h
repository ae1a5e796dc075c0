#pragma once
// Work that runs beside the caller on long cycles. A build without threads
// (VOLVENZA_THREADS off, as in the browser) runs everything one after
// another: the evaluator never takes the side-by-side ways there, and work
// handed over anyway would run when its result is asked for.

#include <future>
#include <utility>

#ifndef VOLVENZA_THREADS
#define VOLVENZA_THREADS 1
#endif

namespace volvenza::sizing {

inline constexpr bool kThreads = VOLVENZA_THREADS != 0;

template <typename Work>
auto Beside(Work&& work) {
    return std::async(kThreads ? std::launch::async : std::launch::deferred,
                      std::forward<Work>(work));
}

}  // namespace volvenza::sizing
