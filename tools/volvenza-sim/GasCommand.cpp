#include "tools/volvenza-sim/GasCommand.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

#include "gas/GasLaw.h"
#include "gas/Nitrogen.h"
#include "numbers/NumberText.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SimUsage.h"

namespace volvenza {
namespace {

std::string Digits7(double value) {
    return FormatGeneral(value, 7, SimInEnglish() ? '.' : ',', true);
}

}  // namespace

int RunGasCommand(const std::vector<std::string>& args) {
    if (std::any_of(args.begin(), args.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        std::cout << *CommandUsage("gas");
        return 0;
    }
    for (const std::string& a : args) {
        // "-5" is a temperature; "--x" no number nor option of this command.
        if (a.starts_with("--")) return RefuseArguments(OptionNotTaken("gas", a), "gas");
    }
    std::optional<double> tc, bar;
    if (args.size() == 2) {
        tc = ParseNumber<double>(args[0]);
        bar = ParseNumber<double>(args[1]);
        // Typed infinities and NaN are numbers to the user, though not to the equation.
        for (size_t i = 0; i < 2; ++i) {
            std::string word;
            for (char c : args[i]) {
                if (c != '+' && c != '-') word += static_cast<char>(std::tolower(c));
            }
            if (word == "inf" || word == "infinity" || word == "nan") {
                (i == 0 ? tc : bar) = std::numeric_limits<double>::infinity();
            }
        }
    }
    if (!tc || !bar) {
        std::cerr << *CommandUsage("gas");
        return kExitUsage;
    }
    const double T = *tc + gas::kKelvin;
    const double p = *bar * 1e5;
    auto rho = gas::nitrogen::DensityAt(T, p);
    if (!rho) {
        // A pressure whose pascals overflow is named in bar as typed.
        const Message message = std::isfinite(*tc) && std::isfinite(*bar) && !std::isfinite(p)
                                    ? Message(MessageId::NitrogenPressureRange, {MsgNumber(*bar)})
                                    : rho.Error();
        std::cerr << SimMessage(message) << '\n';
        return 1;
    }
    const gas::nitrogen::Properties s = gas::nitrogen::PropertiesAt(T, *rho);
    std::cout << SimText(SIM_TEXT("volvenza-sim", "Densità [kg/m3]: ")) << Digits7(s.rho) << '\n'
              << SimText(SIM_TEXT("volvenza-sim", "Fattore di compressibilità Z: ")) << Digits7(s.Z)
              << '\n'
              << "cv [J/(kg·K)]: " << Digits7(s.cv) << '\n'
              << "cp [J/(kg·K)]: " << Digits7(s.cp) << '\n'
              << SimText(SIM_TEXT("volvenza-sim", "Velocità del suono [m/s]: ")) << Digits7(s.w)
              << '\n';
    return 0;
}

}  // namespace volvenza
