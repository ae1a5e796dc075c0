#include "engine/GasPath.h"

#include <cmath>
#include <optional>

#include "engine/CycleDemand.h"
#include "engine/NitrogenPath.h"
#include "engine/PathSupport.h"
#include "gas/IdealLaw.h"

namespace volvenza {
namespace {

using namespace path;

class IdealPath final : public GasPath {
  public:
    IdealPath(const gas::IdealLaw& law, double pm) : law_(law), pm_(pm) {}
    GasPoint Full() const override {
        GasPoint full = At(law_.FullVolume());
        full.pressure = pm_;  // as typed, not the polytrope's last bit
        return full;
    }
    double EmptyVolume() const override { return law_.EmptyVolume(); }
    bool ExchangesHeat() const override { return false; }
    double PrechargeAtTemp() const override { return law_.PrechargeAtTemp(); }
    double Energy(const GasPoint& p) const override { return law_.EnergyAt(p.volume); }
    Reached Advance(GasPoint& point, double from, double to, double rate, const Watch& watch,
                    PathLog& log) override {
        return AdvanceBarotropic(*this, point, from, to, rate, watch, log);
    }
    Reached Hold(GasPoint& point, double from, double to, PathLog& log) override {
        return HoldBarotropic(point, from, to, log);
    }
    std::optional<GasPoint> AtPressure(GaugeBar pressure, double, const GasPoint&) const override {
        const std::optional<double> volume = VolumeAt(pressure, {}, 0);
        if (!volume) return std::nullopt;
        GasPoint p = At(*volume);
        p.pressure = pressure.value();
        return p;
    }

    GasPoint At(double volume) const {
        GasPoint p;
        p.volume = volume;
        p.pressure = law_.PressureAt(volume);
        p.temperature = law_.TemperatureAt(volume);
        p.slope = -law_.Exponent() * p.Absolute().value() / volume;
        return p;
    }
    GasPoint Sample(double volume) const { return At(volume); }
    std::optional<double> VolumeAt(GaugeBar pressure, const GasPoint&, double) const {
        if (!(ToAbsolute(pressure) > AbsoluteBar(0))) return std::nullopt;
        return law_.VolumeAt(pressure.value());
    }
    double Work(const GasPoint& a, const GasPoint& b) const {
        return law_.WorkBetween(a.volume, b.volume);
    }
    // The first law: what the diatomic gas gains and does, it took in.
    double Heat(const GasPoint& a, const GasPoint& b, double work) const {
        return law_.EnergyAt(b.volume) - law_.EnergyAt(a.volume) + work;
    }

  private:
    gas::IdealLaw law_;
    double pm_;
};

}  // namespace

ExactData TypedData(const CircuitData& data, const Arrangement& vessels) {
    ExactData d{Dm3(Typed(data.V0)),       GaugeBar(Typed(data.P0)), Typed(data.Tc),
                Dm3PerMin(Typed(data.Qp)), GaugeBar(Typed(data.Pm)), BarDifference(Typed(data.Dp)),
                Typed(data.CycleTime)};
    d.V0 = vessels.Count * d.V0 + Dm3(vessels.BottleVolume);
    d.Qp = d.Qp * vessels.VolumetricEfficiency;
    return d;
}

Result<std::unique_ptr<GasPath>> MakeGasPath(const ExactData& d, const GasSettings& g,
                                             double workTemp, double tolerance) {
    using R = Result<std::unique_ptr<GasPath>>;
    std::unique_ptr<GasPath> path;
    if (g.Law == GasLawKind::Ideal) {
        auto law = gas::IdealLaw::Create({d.V0.value(), d.P0.value(), g.ChargeTemp, workTemp,
                                          d.Pm.value(), g.Exponent, g.Start});
        if (!law) return R::Fail(law.Error());
        path = std::make_unique<IdealPath>(*law, d.Pm.value());
    } else {
        auto law = gas::NitrogenLaw::Create(
            {d.V0.value(), d.P0.value(), g.ChargeTemp, workTemp, d.Pm.value(), g.Tau, g.Start});
        if (!law) return R::Fail(law.Error());
        path = std::make_unique<NitrogenPath>(*law, d.Pm.value(), tolerance);
    }
    // Full at Pm, the gas must still fill the bottles: with less, the oil
    // would fill the accumulators before the pressure reached Pm.
    const double bottles = g.Vessels.BottleVolume;
    const double full = path->Full().volume;
    if (bottles > 0 && full < bottles) {
        return R::Fail(
            Message(MessageId::BottlesTooLarge, {MsgRounded(bottles, 3), MsgRounded(full, 3)}));
    }
    return R(std::move(path));
}

}  // namespace volvenza
