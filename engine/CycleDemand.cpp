#include "engine/CycleDemand.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace volvenza {

double Typed(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double decimal = value;
    std::from_chars(text, end, decimal);
    return decimal;
}

DemandProfile MakeDemand(const MovementTable& movements, int count, float cycleTime) {
    DemandProfile d;
    d.CycleTime = std::max(Typed(cycleTime), 0.0);
    // Each movement's start and end inside the cycle, marked with its place
    // in the list: the flow of a stretch is the sum of the movements running
    // in it, added in list order, so a stretch where none runs draws exactly 0.
    std::vector<std::pair<double, int>> edges;  // (time, +i start or -i end)
    for (int i = 1; i <= count; ++i) {
        const Movement& m = movements[static_cast<size_t>(i)];
        const double from = std::clamp(Typed(m.Ti), 0.0, d.CycleTime);
        const double to = std::clamp(Typed(m.Tf), 0.0, d.CycleTime);
        if (!(to > from) || m.Qm == 0) continue;
        edges.push_back({from, i});
        edges.push_back({to, -i});
        d.Oil += m.Qm * (to - from) / 60;
        d.LatestEnd = std::max(d.LatestEnd, to);
    }
    std::sort(edges.begin(), edges.end());
    std::vector<int> running;  // kept in list order
    d.Times.push_back(0);
    size_t e = 0;
    while (d.Times.back() < d.CycleTime) {
        const double at = d.Times.back();
        for (; e < edges.size() && edges[e].first <= at; ++e) {
            const int i = edges[e].second;
            if (i > 0) {
                running.insert(std::lower_bound(running.begin(), running.end(), i), i);
            } else {
                running.erase(std::lower_bound(running.begin(), running.end(), -i));
            }
        }
        double flow = 0;
        for (int i : running) flow += movements[static_cast<size_t>(i)].Qm;
        const double next = e < edges.size() ? edges[e].first : d.CycleTime;
        // Two stretches of the same flow are one.
        if (!d.Flows.empty() && d.Flows.back() == flow) {
            d.Times.back() = next;
        } else {
            d.Flows.push_back(flow);
            d.Times.push_back(next);
        }
        d.Peak = std::max(d.Peak, flow);
    }
    return d;
}

}  // namespace volvenza
