#include "report/SizingReport.h"

#include <QCoreApplication>
#include <QStringList>

#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace volvenza {
namespace {

using namespace sizing;

const QString kFont = QStringLiteral("Courier");
constexpr double kPoints = 12;
constexpr double kMargin = 8;

QString T(const char* text) {
    return QCoreApplication::translate("SizingReport", text);
}

QString Num(double value, int decimals) {
    return QString::fromStdString(FormatNumber(RoundHalfEven(value, decimals)));
}

QString Optional(const std::optional<double>& value) {
    return value ? Num(*value, 2) + QStringLiteral(" bar") : T("nessuna");
}

// Lines under the print header, on as many pages as they need.
class Page {
  public:
    Page(PrinterSurface& s, const QString& header) : s_(s), header_(header) { Heading(); }
    void Line(const QStringList& items = {}) {
        if (s_.CurrentY() + s_.LineHeight() > s_.PageHeight()) {
            s_.NewPage();
            Heading();
        }
        s_.SetCurrentX(kMargin);
        s_.Print(items);
    }

  private:
    void Heading() {
        s_.SetFont(kFont, kPoints);
        s_.ScaleWidthTo100();
        s_.SetCurrentX(50 - s_.TextWidth(header_) / 2);
        s_.Print({header_});
        s_.Print();
    }
    PrinterSurface& s_;
    QString header_;
};

}  // namespace

void PrintSizingReport(PrinterSurface& surface, const QString& printHeader, const Requirements& req,
                       const SizingAnswer& answer) {
    Page page(surface, printHeader);
    page.Line({T("DIMENSIONAMENTO")});
    page.Line();
    page.Line({T("Requisiti")});
    const QString types[] = {T("a sacca"), T("a pistone"), T("a membrana")};
    const QString laws[] = {T("classica"), T("gas ideale"), T("azoto reale")};
    QStringList sizes;
    for (double v : req.Catalogue) sizes << Num(v, 3);
    QStringList temps;
    for (double t : answer.Temperatures) temps << Num(t, 1);
    page.Line({T("p1:"), Num(req.MinPressure, 2) + QStringLiteral(" bar")});
    page.Line({T("Tipo:"), types[static_cast<int>(req.Type)]});
    page.Line({T("Catalogo:"), sizes.join(QLatin1Char(' ')) + QStringLiteral(" dm3")});
    page.Line({T("PS:"), Optional(req.RatedPressure)});
    page.Line({T("Valvola:"), Optional(req.ReliefSetting)});
    page.Line({T("Gas:"), laws[static_cast<int>(req.Gas.Law)] + QStringLiteral(", ") +
                              temps.join(QStringLiteral(" ")) + QStringLiteral(" °C")});
    page.Line({T("Precarica:"), req.ChoosePrecharge ? T("scelta") : T("dei dati iniziali")});
    page.Line({T("Pompa:"), req.SizePump ? T("dimensionata") : T("dei dati iniziali")});
    page.Line({T("Cicli:"), req.RepeatCycles ? T("ripetuti") : T("uno")});
    page.Line();

    page.Line({T("Raccomandazione")});
    if (const Evaluation* rec = answer.Recommendation()) {
        const Design& d = rec->Proposed;
        page.Line({T("V0:"), Num(d.V0, 3) + QStringLiteral(" dm3")});
        page.Line({T("P0:"), Num(d.P0, 2) + QStringLiteral(" bar")});
        page.Line({T("Qp:"), Num(d.Qp, 1) + QStringLiteral(" dm3/min")});
        page.Line({T("Precarica da impostare caricando a:")});
        for (const PrechargeRow& row : answer.PrechargeTable) {
            page.Line({QString(), Num(row.ChargeTemp, 0) + QStringLiteral(" °C"),
                       Num(row.Precharge, 1) + QStringLiteral(" bar")});
        }
    } else {
        page.Line({QString::fromStdString(answer.Reason)});
    }
    page.Line();

    page.Line({T("Candidati (pressione minima [bar] per temperatura, regole 1-4)")});
    QStringList heading{T("V0 [dm3]"), T("P0 [bar]")};
    for (const QString& t : temps) heading << t + QStringLiteral(" °C");
    heading << T("Regole") << T("Esito");
    page.Line(heading);
    for (const Evaluation& e : answer.Candidates) {
        QStringList row{Num(e.Proposed.V0, 3), Num(e.Proposed.P0, 2)};
        for (const TemperatureOutcome& o : e.Temps) row << Num(o.LowestPressure, 2);
        QString rules;
        for (bool pass : e.Rules) rules += pass ? QStringLiteral("s") : QStringLiteral("n");
        row << rules << (e.Passes() ? T("supera") : T("non supera"));
        page.Line(row);
    }
    page.Line();

    page.Line({T("Regole")});
    page.Line({T("1. Pressione mai sotto p1, nessuna fine per precarica.")});
    page.Line({T("2. Precarica alla temperatura massima <= 0,9 p1 (sacca, membrana),")});
    page.Line({T("   <= p1 - 5 bar (pistone).")});
    page.Line({T("3. Pm / precarica alla temperatura minima <= 4 (sacca), <= 8 (membrana).")});
    page.Line({T("4. Pm <= PS e <= 0,9 x taratura della valvola di massima.")});
    page.Line({T("Pressioni assolute per gas ideale e azoto reale.")});
    surface.EndDoc();
}

}  // namespace volvenza
