// The reader of movements pasted from spreadsheets, with the kinds' names a
// front end gives it: what it takes as a number in each language, where a
// line's cells start, and the notes it leaves, worded in Italian.

#include <gtest/gtest.h>

#include <cmath>

#include "documents/CycleCells.h"
#include "documents/MovementChecks.h"
#include "documents/PastedMovements.h"
#include "engine/FlowModel.h"
#include "engine/MovementKinds.h"

namespace volvenza {
namespace {

PasteWording Words(char decimal) {
    return {[](std::string_view name) {
                return name == "MOTORE" ? MovementKind::Motor : MovementKind::Empty;
            },
            PageShows, decimal};
}

// The refusal, or the notes one after the other.
std::string Said(const Result<PastedMovements>& p) {
    if (!p) return ItalianText(p.Error());
    std::string said;
    for (const Message& note : p->notes) said += ItalianText(note);
    return said;
}

TEST(PastedMovements, GroupingIsNeverTakenForADecimalSeparator) {
    using S = PastedNumber::Status;
    struct Case {
        const char* cell;
        char decimal;
        S status;
        double value;
    };
    for (const Case& c : {Case{"1,5", ',', S::Read, 1.5},
                          {" 1.5 ", ',', S::Read, 1.5},
                          {"1.500", ',', S::Ambiguous, 0},
                          {"1.5000", ',', S::Read, 1.5},
                          {"1.234,5", ',', S::Ambiguous, 0},
                          {"1,500", '.', S::Ambiguous, 0},
                          {"1.500", '.', S::Read, 1.5},
                          {"1e3", ',', S::Read, 1000},
                          {"1,+50", '.', S::NotANumber, 0},
                          {"1,5+5", '.', S::NotANumber, 0},
                          {"1,55+", '.', S::NotANumber, 0},
                          {"uno", ',', S::NotANumber, 0},
                          {"", ',', S::NotANumber, 0}}) {
        const PastedNumber n = ReadPastedNumber(c.cell, c.decimal);
        EXPECT_EQ(n.status, c.status) << c.cell << " with " << c.decimal;
        EXPECT_EQ(n.value, c.value) << c.cell;
    }
}

TEST(PastedMovements, ReadsLinesWithOrWithoutTheirNumberAndSaysWhatItLeft) {
    const Result<PastedMovements> read = MovementsFromText(
        "N\tTipo\tTi\tTf\r\n"
        "7\tMOTORE\t0\t1,5\t\t\t\t100\t120\t\t\t7,5\n"
        "\n"
        "1\t0,5\t2\t50\t20\t150\t\t\t\t\t\t\t\t\t\tx\t99\tdopo\n",
        Words(','));
    ASSERT_TRUE(read) << read.Error();
    const PastedMovements& p = *read;
    ASSERT_EQ(p.movements.size(), 2u);
    EXPECT_EQ(p.movements[0].Kind, MovementKind::Motor);
    EXPECT_EQ(p.movements[0].Tf, 1.5f);
    EXPECT_EQ(p.movements[1].Kind, MovementKind::CylinderExtending);
    // The rod the extending cylinder does not use is read, and noted.
    EXPECT_EQ(p.movements[1].RodDiameter, 20.0f);
    EXPECT_TRUE(p.movements[1].Duty.Emergency);
    EXPECT_EQ(p.flowGiven, (std::vector<bool>{true, false}));
    ASSERT_EQ(p.notes.size(), 3u);
    EXPECT_NE(ItalianText(p.notes[0]).find("riga 1"), std::string::npos);  // the header

    // A header anywhere but first is a wrong kind; the kind's code is read.
    EXPECT_NE(Said(MovementsFromText("4\t0\t1\nTipo\tTi\tTf", Words(','))).find("riga 2"),
              std::string::npos);
    // A code is a sign and at most nine digits; marks are 1, x or 0.
    EXPECT_EQ(PastedKind("+1", Words(',')), MovementKind::CylinderExtending);
    EXPECT_EQ(PastedKind("000000004", Words(',')), MovementKind::Motor);
    EXPECT_EQ(PastedKind("0000000004", Words(',')), MovementKind::Empty);
    EXPECT_EQ((std::vector{ReadPastedMark(" 0 "), ReadPastedMark(""), ReadPastedMark("2")}),
              (std::vector<std::optional<bool>>{false, false, std::nullopt}));
    // An empty η is the usual 0,95, an empty load none; a column outside the
    // duty takes nothing, and has no header past the last.
    Movement m;
    m.Duty.Efficiency = 0.5;
    m.Duty.Load = 2;
    EXPECT_TRUE(DutyFromText(m, PasteColumn::Efficiency, " ") && m.Duty.Efficiency == 0.95);
    EXPECT_TRUE(DutyFromText(m, PasteColumn::Load, "") && m.Duty.Load == 0);
    EXPECT_TRUE(DutyFromText(m, PasteColumn::Loss, "3") && m.Duty.Loss == 3);
    EXPECT_FALSE(DutyFromText(m, PasteColumn::Kind, "1"));
    EXPECT_EQ(
        std::string(PasteColumnHeader(PasteColumn::Kind)) + PasteColumnHeader(PasteColumn::Count),
        "Tipo");
    // A flow over no time is not shown as one; no flow at all shows its 0.
    m = {.Ti = 1, .Tf = 1};
    const std::string none = CycleCellText(m, PasteColumn::Flow, ',');
    m.Qm = 1;
    EXPECT_EQ(none + "|" + CycleCellText(m, PasteColumn::Flow, ','), "0|");
    // A duty's cell that is no finite number changes nothing.
    for (const char* cell : {"x", "1e999"})
        EXPECT_FALSE(DutyFromText(m, PasteColumn::Load, cell)) << cell;
    EXPECT_EQ(m.Duty.Load, 0);
    EXPECT_EQ(Said(MovementsFromText("\n \n", Words(','))),
              "Gli appunti non contengono movimenti da incollare.");
}

TEST(PastedMovements, RefusalsAndNotesNameTheLineAndTheCell) {
    // The cell count includes the number column; the notes name the first
    // line with extra cells or unused sizes.
    for (const auto& [text, says] : std::initializer_list<std::pair<const char*, const char*>>{
             {"1\tMOTORE\t0", "riga 1 degli appunti ha 3 celle"},
             {"MOTORE\t0", "riga 1 degli appunti ha 2 celle"},
             {"1\t0\t1.500", "valore «1.500» di Tf [sec] è ambiguo"},
             {"1\t0\tuno", "valore «uno» di Tf [sec] non è un numero"},
             {"1\t0\t1e39", "«1e39» di Tf [sec] è oltre"},
             {"1\t0\t1\t50\t\t150\t\t\t\t\t\t10\t1,5", "«1,5» di η è fuori dai limiti"},
             {"1\t0\t1\t50\t\t150\t\t\t\t\t\t\t\t\t\tsì", "«sì» di Em non è 1, x o 0"},
             {"1\t0\t1\t50\t20\t150\t\t\t\t\t\t\t\t\t\t\t\t9",
              "pn sono state ignorate (la prima alla riga 1"},
             {"1\t0\t1\t50\t20\t150\t\t\t\t\t\t\t\t\t\t\t\t9",
              "non usa sono state ignorate (la prima alla riga 1"},
             {"1\t0\t1\t50\n1\t0\t1\t50\t20",
              "non usa sono state ignorate (la prima alla riga 2"}}) {
        const std::string said = Said(MovementsFromText(text, Words(',')));
        EXPECT_NE(said.find(says), std::string::npos) << text << ": " << said;
    }
    EXPECT_TRUE(MovementsFromText("1\t0\t1\t50", Words(','))->notes.empty());
    // The last kind by its number too.
    EXPECT_EQ(MovementsFromText("7\t0\t1\t50", Words(','))->movements.at(0).Kind,
              MovementKind::SingleActingCylinder);
    // A 0 where the kind has no size is no size: nothing ignored.
    EXPECT_TRUE(MovementsFromText("1\t0\t1\t50\t0", Words(','))->notes.empty());
}

TEST(MovementChecks, MarkWhatTheRunRefusesAndAFlowTypedByHand) {
    using S = MovementCheck::Severity;
    auto motor = [](float ti, float tf, double qm) {
        Movement m;
        m.Ti = ti, m.Tf = tf, m.Qm = qm, m.Speed = 1000, m.Displacement = 1.23456f;
        m.Kind = MovementKind::Motor;
        return m;
    };
    // A cylinder pushing out, a rod kept from another kind wider than its
    // bore: no rod it shows, so its negative flow is the stroke's.
    Movement pushing = motor(0, 1, -1);
    pushing.Kind = MovementKind::CylinderExtending, pushing.BoreDiameter = 40;
    pushing.RodDiameter = 50, pushing.Stroke = -100;
    struct Case {
        Movement m;
        float cycleTime;
        S severity;
        std::vector<std::string> starts;
    };
    const char* typed = "Qm immesso a mano: le misure e i tempi danno 1,235 dm3/min.";
    const char* after = "Il movimento esce dal ciclo, che dura 0,5 s.";
    for (const Case& c :
         {Case{motor(0, 1, 0), 0.5f, S::Warning, {after, typed}},
          {motor(0, 0.5f, 0), 0.5f, S::None, {typed}},     // ends as the cycle does
          {motor(0, 5, 0), 0, S::None, {typed}},           // no cycle time
          {motor(2, 1, 0), 0, S::Error, {"Tf è uguale"}},  // no flow to compare
          {motor(1, 1, 2), 0, S::Error, {"Tf è uguale", "Qm non è mostrata"}},
          {motor(1, 1, -2), 0, S::Error, {"Tf è uguale", "Qm è negativa:"}},  // typed, not timed
          {pushing, 0, S::Error, {"Qm è negativa:", "Qm immesso a mano"}},
          {motor(-1, 1, 1.23456), 0, S::Error, {"Il movimento comincia prima di 0 s"}},
          {motor(0, INFINITY, NAN), 0, S::Error, {"Qm non è un numero finito", "Ti o Tf non è"}}}) {
        const MovementCheck check = CheckMovement(c.m, c.cycleTime);
        EXPECT_EQ(check.severity, c.severity) << c.starts[0];
        ASSERT_EQ(check.reasons.size(), c.starts.size()) << c.starts[0];
        for (size_t i = 0; i < c.starts.size(); ++i) {
            EXPECT_EQ(ItalianText(check.reasons[i]).rfind(c.starts[i], 0), 0u) << check.reasons[i];
        }
    }
    // Half a thousandth, grown with the flow, is the same flow.
    Movement m = motor(0, 1, 1e10 + 0.005);
    m.Speed = 1e6f, m.Displacement = 1e7f;
    EXPECT_EQ(OtherFlowOfSizes(m), std::nullopt);
    m.Qm = 0;
    EXPECT_EQ(OtherFlowOfSizes(m), 1e10);
    // Exactly the slack apart is still the same flow, the next double past it
    // is typed by hand: a speed whose flow and slack add up exactly.
    m.Displacement = 1;
    double sizes = 0, limit = 0;
    for (int speed = 1; speed < 100000 && limit == 0; ++speed) {
        m.Speed = static_cast<float>(speed);
        sizes = *FlowOfSizes(m);
        const double slack = 0.0005 + 1e-12 * sizes, qm = sizes + slack;
        if (qm - sizes == slack) limit = qm;
    }
    ASSERT_NE(limit, 0);
    m.Qm = limit;
    EXPECT_EQ(OtherFlowOfSizes(m), std::nullopt);
    m.Qm = std::nextafter(limit, INFINITY);
    EXPECT_EQ(OtherFlowOfSizes(m), sizes);
}

TEST(PastedMovements, ExcerptsNeverCutACharacterInHalf) {
    EXPECT_EQ(PastedExcerpt("abcdef", 6), "abcdef");
    EXPECT_EQ(PastedExcerpt("abcdefg", 6), "abcdef\u2026");
    // "è" is one unit, the emoji two: the excerpt stops before it.
    EXPECT_EQ(PastedExcerpt("èbcde\U0001F600x", 6), "èbcde\u2026");
    EXPECT_EQ(PastedExcerpt("èbcd\U0001F600x", 6), "èbcd\U0001F600\u2026");  // it fits whole
}

}  // namespace
}  // namespace volvenza
