#include "engine/CycleDemand.h"

#include <algorithm>
#include <utility>

#include "numbers/FloatChars.h"

namespace volvenza {

double Typed(float value) {
    const std::string text = ShortestText(value);
    double decimal = value;
    ReadFloat(text.data(), text.data() + text.size(), decimal);
    return decimal;
}

DemandProfile MakeDemand(const MovementTable& movements, int count, float cycleTime,
                         bool everyEdge) {
    std::vector<DemandSpan> spans;
    for (int i = 1; i <= count; ++i) {
        const Movement& m = movements[static_cast<size_t>(i)];
        spans.push_back({Typed(m.Ti), Typed(m.Tf), m.Qm, i});
    }
    return DemandOf(spans, Typed(cycleTime), everyEdge);
}

DemandProfile DemandOf(const std::vector<DemandSpan>& spans, double cycleTime, bool everyEdge) {
    DemandProfile d;
    d.CycleTime = std::max(cycleTime, 0.0);
    // Each movement's start and end inside the cycle, marked with its place
    // in the list: the flow of a stretch is the sum of the movements running
    // in it, added in list order, so a stretch where none runs draws exactly 0.
    std::vector<std::pair<double, int>> edges;  // (time, +i start or -i end)
    std::vector<double> flows(1, 0.0);          // by place
    for (const DemandSpan& m : spans) {
        const double from = std::clamp(m.from, 0.0, d.CycleTime);
        const double to = std::clamp(m.to, 0.0, d.CycleTime);
        if (!(to > from) || (m.flow == 0 && !everyEdge)) continue;
        const int i = m.order;
        if (flows.size() <= static_cast<size_t>(i)) flows.resize(static_cast<size_t>(i) + 1, 0.0);
        flows[static_cast<size_t>(i)] = m.flow;
        edges.push_back({from, i});
        edges.push_back({to, -i});
        d.Oil += m.flow * (to - from) / 60;
        if (m.flow != 0) d.LatestEnd = std::max(d.LatestEnd, to);
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
        for (int i : running) flow += flows[static_cast<size_t>(i)];
        const double next = e < edges.size() ? edges[e].first : d.CycleTime;
        // Two stretches of the same flow are one.
        if (!everyEdge && !d.Flows.empty() && d.Flows.back() == flow) {
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
