// The project file: a design with its gas law, requirements and
// recommendation comes back whole; a file with one bad field changes
// nothing and the message points at that field.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <tuple>

#include <nlohmann/json.hpp>

#include "documents/PastedMovements.h"
#include "documents/Project.h"
#include "documents/ProjectFile.h"
#include "documents/ProjectKeys.h"
#include "tests/support/Failure.h"

namespace volvenza {

using test::Failure;
namespace {

class ProjectFileTest : public ::testing::Test {
  protected:
    ProjectFileTest() {
        LoadExampleCircuit(state);
        state.Movements[2].Ti2 = 0.1f;  // a single that is not 0.1 exactly
        state.Movements[4].Tf2 = -std::numeric_limits<float>::max();  // the most a field holds
        state.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = -5, .MaxTemp = 55.5};
        state.Movements[3].Duty = {12.5, 0.9, 3, std::nullopt, true};
        state.Movements[4].Duty.Required = 80;
        sizing::Requirements& q = project.Requirements;
        q.Duties = {true, HoldDuty{GaugeBar(150), 600, Dm3PerMin(0.05), 0.5, false}};
        state.ChartMinPressure = 60;  // the sizing applied, which the energy balance takes
        q.MinPressure = GaugeBar(60);
        q.Type = sizing::AccumulatorType::Diaphragm;
        // Every column, given and absent, and a size with no ratio limit.
        q.Catalogue = sizing::DefaultCatalogue(sizing::AccumulatorType::Diaphragm);
        q.Catalogue[1].RatedPressure = GaugeBar(210);
        q.Catalogue[1].MaxFlow = Dm3PerMin(240);
        q.Catalogue[1].Tau = 30;
        q.Catalogue[1].RatedSwing = BarDifference(40);
        q.Catalogue[1].RatedCycles = 1e6;
        q.Catalogue[2].MaxRatio = std::numeric_limits<double>::infinity();
        q.BottleSizes = {0.5, 10};  // half a litre is a bottle too
        q.RatedPressure = GaugeBar(250);
        q.PrechargeTolerance = 0.035;
        q.WorkingHours = 16;
        q.SingleCycle = true;
        q.Gas = state.Gas;
        project.Recommendation =
            sizing::Design{Dm3(2.5), GaugeBar(49.7), Dm3PerMin(30), 1, Dm3(10), 2};
    }
    // Reads `text` into a state that holds other data, which must survive a refusal.
    std::optional<std::string> Read(const std::string& text) {
        InitCircuitState(other);
        other.Data.V0 = 123;
        other.ChartMinPressure = 70;
        return Failure(ReadProjectText(other, read, text, "p.vlzp"));
    }
    // Whether `text` is refused as no project, with a message holding `words`.
    ::testing::AssertionResult Refused(const std::string& text, const std::string& words) {
        const auto message = Read(text);
        if (message &&
            message->rfind("Il file p.vlzp non è un progetto Volvenza valido: ", 0) == 0 &&
            message->find(words) != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << message.value_or("read") << " / " << words;
    }
    // The good file's text with `from` replaced by `to`.
    std::string With(const std::string& from, const std::string& to) {
        std::string text = ProjectFileText(state, project);
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    }
    // Each text refused with its words, the state it was read into unchanged.
    void ExpectEachRefused(std::initializer_list<std::pair<std::string, std::string>> cases) {
        for (const auto& [text, expected] : cases) {
            EXPECT_TRUE(Refused(text, expected));
            EXPECT_EQ(std::pair(other.Data.V0, other.MovementCount), std::pair(123.0f, int16_t{0}))
                << expected;
        }
    }
    CircuitState state, other;
    ProjectSizing project, read;
};

TEST_F(ProjectFileTest, DesignComesBackWholeAndWritesTheSameText) {
    const std::string text = ProjectFileText(state, project);
    EXPECT_NE(text.find("\n  \"formato\": \"volvenza-progetto\",\n"), std::string::npos) << text;
    ASSERT_EQ(Read(text), std::nullopt);
    EXPECT_EQ(other.SimMovementCount, 5);
    // The slots past the fifth movement are empty in both; the applied p1 comes back.
    EXPECT_EQ(std::tie(other.Data, other.Movements, other.Gas, other.ChartMinPressure, read),
              std::tie(state.Data, state.Movements, state.Gas, state.ChartMinPressure, project));
    EXPECT_EQ(ProjectFileText(other, read), text);
    // Singles are written as typed (the largest exactly: its shortest form is
    // out of range); the exact values older files hold read back the same.
    for (const char* field :
         {"\"tempo_ciclo\": 4.7\n", "\"Ti2\": 0.1,", "\"Tf2\": -3.4028234663852886e+38,"})
        EXPECT_NE(text.find(field), std::string::npos) << field;
    const std::string typed = "\"Ti2\": 0.1,";
    std::string older = text;
    older.replace(older.find(typed), typed.size(), "\"Ti2\": 0.10000000149011612,");
    ASSERT_EQ(Read(older), std::nullopt);
    EXPECT_EQ(other.Movements, state.Movements);
    // The page's cycle table reads a list of movements as the file does.
    nlohmann::json list = nlohmann::json::parse(text)["movimenti"];
    const auto movements = ReadProjectMovements(list.dump());
    ASSERT_TRUE(movements);
    EXPECT_TRUE(std::equal(movements->begin(), movements->end(), state.Movements.begin() + 1,
                           state.Movements.begin() + 6));
    list[1]["tipo"] = 9;
    EXPECT_EQ(Failure(ReadProjectMovements(list.dump())),
              "il campo /movimenti/2/tipo deve essere un numero da 0 a 7");

    // A time constant of 0 is an isothermal gas; none is an infinite one.
    state.Gas.Tau = 0;
    ASSERT_EQ(Read(ProjectFileText(state, project)), std::nullopt);
    // No recommendation stays none; the first of each list of names reads back too.
    state.Gas.Tau = std::numeric_limits<double>::infinity();
    state.Gas.Law = GasLawKind::Classic;
    project.Requirements.Type = sizing::AccumulatorType::Bladder;
    project.Recommendation.reset();
    state.ChartMinPressure.reset();
    ASSERT_EQ(Read(ProjectFileText(state, project)), std::nullopt);
    EXPECT_EQ(
        std::tuple(other.ChartMinPressure.has_value(), std::isinf(other.Gas.Tau), other.Gas.Law,
                   read.Requirements.Type, read.Recommendation.has_value()),
        std::tuple(false, true, GasLawKind::Classic, sizing::AccumulatorType::Bladder, false));
}

// A text that is no project's JSON, or names a field twice: the place is
// named, and nothing the state held changes.
TEST_F(ProjectFileTest, OneBadTextChangesNothingAndIsNamed) {
    const std::string good = ProjectFileText(state, project);
    ExpectEachRefused({
        {good.substr(0, good.size() / 2), "il testo JSON non è valido alla riga "},
        {"{\n  \"formato\": \"volvenza-progetto\",\n  \"è\": x}",
         "il testo JSON non è valido alla riga 3, al carattere 8."},
        {"[]", "il campo / deve essere un oggetto"},
        {With("\"versione\": 1", "\"versione\": 2"), "il campo /versione non è una versione"},
        {With("\"V0\": 10.0", "\"V0\": 1" + std::string(400, '0')),
         "il testo JSON contiene alla riga 7 un numero troppo grande: 10000000000000000000…."},
        {With("\"V0\": 10.0", "\"V0\": -1e400"),
         "il testo JSON contiene alla riga 7 un numero troppo grande: -1e400."},
        // A key given twice: which value holds cannot be known.
        {With("\"Ti\": 0.2,", "\"Ti\": 0.2, \"Ti\": 0.2,"),
         "il campo /movimenti/2/Ti è scritto due volte"},
        {"[{\"a\": 1, \"a\": 2}]", "il campo /0/a è scritto due volte"},
        // The first fault is named, though the text breaks off later.
        {With("\"V0\": 0.075", "\"V0\": 0.075, \"tau\": 1, \"tau\": 2").substr(0, 2000),
         "il campo /dimensionamento/catalogo/0/tau è scritto due volte"},
        // Nested deeper than any project, refused before it is parsed.
        {std::string(100000, '[') + std::string(100000, ']'),
         "il testo JSON annida più di 16 livelli di elenchi e oggetti alla riga 1, al carattere "
         "17"},
        // A string ending in an escaped backslash ends there: what follows counts.
        {R"(["\\", )" + std::string(20, '[') + std::string(20, ']') + "]",
         "il testo JSON annida più di 16 livelli di elenchi e oggetti alla riga 1, al carattere "
         "23"},
        // An escaped quote does not end its string: the brackets after it are text.
        {R"(["\")" + std::string(20, '[') + R"("])", "il campo / deve essere un oggetto"},
    });
}

// A field out of its range or of the wrong kind: the field is named, and
// nothing the state held changes.
TEST_F(ProjectFileTest, OneBadFieldChangesNothingAndIsNamed) {
    ExpectEachRefused({
        {With("\"V0\": 10.0", "\"V0\": 1e39"),
         "il campo /dati_iniziali/V0 vale 1e+39, fuori dall'intervallo ammesso: da "
         "-3,402823e+38 a 3,402823e+38."},
        {With("\"tipo\": 1", "\"tipo\": 9"),
         "il campo /movimenti/1/tipo deve essere un numero da 0 a 7"},
        {With("\"Ti2\": 0.1,", "\"Ti2\": \"0,1\","),
         "il campo /movimenti/2/Ti2 deve essere un numero"},
        // Values the gas dialog refuses, whichever law is chosen.
        {With("\"esponente\": 1.4", "\"esponente\": 1.68"),
         "il campo /gas/esponente vale 1,68, fuori dall'intervallo ammesso: da 1 a 1,67."},
        {With("\"tau\": 45.0", "\"tau\": -1"),
         "il campo /gas/tau vale -1, fuori dall'intervallo ammesso: almeno 0, o null."},
        {With("\"legge\": \"azoto\"", "\"legge\": \"vapore\""),
         "il campo /gas/legge deve essere uno fra \"classica\", \"ideale\", \"azoto\""},
        {With("\"ciclo_singolo\": true", "\"ciclo_singolo\": 1"),
         "il campo /dimensionamento/ciclo_singolo deve essere true o false"},
        {With("\"portata_max\": 240.0", "\"portata_max\": \"240\""),
         "il campo /dimensionamento/catalogo/1/portata_max deve essere un numero o null"},
        {With("\"V0\": 0.075", "\"V\": 0.075"), "il campo /dimensionamento/catalogo/0/V0 manca"},
        // A recommendation no search makes, which "Applica" would put into the data.
        {With("\"bombole\": 2", "\"bombole\": 1.5"),
         "il campo /raccomandazione/bombole vale 1,5, fuori dall'intervallo ammesso: un numero "
         "intero da 0 a 8."},
        {With("\"volume_bombola\": 10.0", "\"volume_bombola\": -10"),
         "/raccomandazione/volume_bombola vale -10, fuori dall'intervallo ammesso: da 0 a"},
        {With("\"V0\": 2.5", "\"V0\": 1e308"),
         "/raccomandazione/V0 vale 1e+308, fuori dall'intervallo ammesso: più di 0 e al più "
         "3,402823e+38."},
        {With("\"P0\": 49.7", "\"P0\": -1e308"), "/raccomandazione/P0 vale -1e+308"},
        {With("\"rendimento\": 0.95", "\"rendimento\": 0"),
         "/movimenti/1/rendimento vale 0, fuori dall'intervallo ammesso: più di 0 e al più 1."},
        {With("\"pressione_richiesta\": 80.0", "\"pressione_richiesta\": -2"),
         "/movimenti/4/pressione_richiesta vale -2, fuori dall'intervallo ammesso: più di 0."},
        {With("\"perdita\": 3.0", "\"perdita\": -3"),
         "/movimenti/3/perdita vale -3, fuori dall'intervallo ammesso: almeno 0."},
        {With("\"carico\": 12.5", "\"carico\": -1"),
         "/movimenti/3/carico vale -1, fuori dall'intervallo ammesso: almeno 0."},
        {With("\"tempo\": 600.0", "\"tempo\": 0"), "/dimensionamento/mantenimento/tempo vale 0"},
        {With("\"pressione\": 150.0", "\"pressione\": 0"),
         "/dimensionamento/mantenimento/pressione vale 0"},
        {With("\"rendimento_volumetrico\": 1.0", "\"rendimento_volumetrico\": 0"),
         "/impianto/rendimento_volumetrico vale 0, fuori dall'intervallo ammesso: più di 0 e al "
         "più 1."},
    });
}

// The names the windows and the page edit a project by are the file's own:
// every column but the required pressure worked out, every initial value.
TEST_F(ProjectFileTest, TheWindowsNamesAreTheFilesKeys) {
    const nlohmann::json file = nlohmann::json::parse(ProjectFileText(state, project));
    for (int column = 0; column < PasteColumn::Count; ++column) {
        const char* key = ProjectColumnKey(column);
        if (column == PasteColumn::Required) {
            EXPECT_EQ(key, nullptr);
        } else {
            EXPECT_TRUE(key && std::ranges::any_of(file["movimenti"],
                                                   [&](const auto& m) { return m.contains(key); }))
                << column;
        }
    }
    size_t i = 0;
    for (; ProjectDataKey(i) != nullptr; ++i)
        EXPECT_TRUE(file["dati_iniziali"].contains(ProjectDataKey(i)));
    EXPECT_EQ(i, file["dati_iniziali"].size());
}

// Every field of a project, given a value of the wrong kind, is refused by
// its name: no reader goes on past a field it could not read.
TEST_F(ProjectFileTest, EveryUnreadableFieldIsRefusedByName) {
    const nlohmann::json flat = nlohmann::json::parse(ProjectFileText(state, project)).flatten();
    for (const auto& [pointer, value] : flat.items()) {
        nlohmann::json bad = flat;
        bad[pointer] = value.is_string() ? nlohmann::json(1) : nlohmann::json("x");
        // An element of a list is named by its list.
        std::string path = pointer;
        while (std::isdigit(static_cast<unsigned char>(path.back()))) path.erase(path.rfind('/'));
        EXPECT_TRUE(Refused(bad.unflatten().dump(), path.substr(path.rfind('/')))) << pointer;
    }
    // So is every part missing, but the plant, which older files lack.
    const nlohmann::json whole = flat.unflatten();
    for (const auto& [key, part] : whole.items()) {
        if (key == "impianto") continue;
        nlohmann::json without = whole;
        without.erase(key);
        EXPECT_TRUE(Refused(without.dump(), "il campo /" + key + " manca")) << key;
    }
}

// Files written before the catalogue had columns keep a bare list of
// volumes and say "cicli_ripetuti": the default range gives each volume its
// ratio (a volume it lacks takes its nearest one's), the rest its defaults.
// A catalogue longer than a search takes is refused.
TEST_F(ProjectFileTest, ReadsOlderFilesAndRefusesTooLongACatalogue) {
    nlohmann::json text = nlohmann::json::parse(ProjectFileText(state, project));
    nlohmann::json& req = text["dimensionamento"];
    const nlohmann::json plan{{"emergenza_da_pieno", req["emergenza_da_pieno"]},
                              {"mantenimento", req["mantenimento"]}};
    for (const char* key : {"tolleranza_precarica", "ore_di_lavoro", "ciclo_singolo",
                            "emergenza_da_pieno", "mantenimento", "bombole", "composizioni"})
        req.erase(key);
    req["cicli_ripetuti"] = false;
    req["catalogo"] = {0.16, 1.4, 3, 100};
    for (auto& movement : text["movimenti"]) {
        for (const char* key : {"emergenza", "perdita", "carico", "rendimento"})
            movement.erase(key);
    }
    ASSERT_EQ(Read(text.dump()), std::nullopt);
    // No movement marked, no loss and no load before the duties; no hold and
    // the stroke from Pm - Dp, one vessel as before arrangements.
    const Movement& m = other.Movements[3];
    EXPECT_EQ(std::tuple(m.Duty.Emergency, m.Duty.Loss, m.Duty.Load), std::tuple(false, 0.0, 0.0));
    const sizing::Requirements fresh, &r = read.Requirements;
    EXPECT_EQ(std::tie(r.PrechargeTolerance, r.WorkingHours, r.BottleSizes, r.SingleCycle,
                       r.Arrangements, r.Duties),
              std::tuple(fresh.PrechargeTolerance, fresh.WorkingHours, fresh.BottleSizes, false,
                         false, DutyPlan{}));
    std::vector<sizing::CatalogueSize> sizes(4);
    for (auto [i, v0, ratio] :
         {std::tuple{0, 0.16, 8.0}, {1, 1.4, 6.0}, {2, 3.0, 4.0}, {3, 100.0, 4.0}}) {
        sizes[i].V0 = Dm3(v0);
        sizes[i].MaxRatio = ratio;
    }
    EXPECT_EQ(read.Requirements.Catalogue, sizes);
    // A recommendation from before arrangements is one vessel and no bottle.
    for (const char* key : {"accumulatori", "bombole", "volume_bombola"})
        text["raccomandazione"].erase(key);
    req["catalogo"] = std::vector<double>(sizing::kMaxCatalogueSizes, 1.0);
    ASSERT_EQ(Read(text.dump()), std::nullopt);
    EXPECT_EQ(read.Recommendation,
              (sizing::Design{Dm3(2.5), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0}));
    // Figures under 1 are figures: a pump a search may size, a precharge, a
    // hold's time.
    text["raccomandazione"]["Qp"] = text["raccomandazione"]["P0"] = 0.5;
    req.update(plan);
    req["mantenimento"]["tempo"] = 0.5;
    ASSERT_EQ(Read(text.dump()), std::nullopt);
    EXPECT_EQ(std::tuple(read.Recommendation->Qp.value(), read.Recommendation->P0.value(),
                         read.Requirements.Duties.Hold->Time),
              std::tuple(0.5, 0.5, 0.5));

    req["catalogo"].push_back(1.0);
    EXPECT_TRUE(
        Refused(text.dump(), "/dimensionamento/catalogo deve essere un elenco di al più 200"));

    // The bottles to try: a list of at most as many, each more than 0 dm3,
    // a wrong one named by its place.
    req["catalogo"] = {0.16, 1.4};
    req["bombole"] = std::vector<double>(sizing::kMaxCatalogueSizes, 10.0);
    ASSERT_EQ(Read(text.dump()), std::nullopt);
    EXPECT_EQ(read.Requirements.BottleSizes.size(), sizing::kMaxCatalogueSizes);
    for (const auto& [bottles, named] :
         {std::pair{nlohmann::json(std::vector<double>(201, 10.0)), "/bombole è"},
          {nlohmann::json(10.0), "/bombole è"},
          {nlohmann::json{10.0, 0.0}, "/bombole/2 è"},
          {nlohmann::json{"10"}, "/bombole/1 è"}}) {
        req["bombole"] = bottles;
        EXPECT_TRUE(Refused(text.dump(), "il campo /dimensionamento" + std::string(named)));
    }
}

// A project replaces the whole model: no movement of a longer list stays
// behind, no results of an earlier run stay in view. A list longer than the
// model holds is refused.
TEST_F(ProjectFileTest, OpeningReplacesTheWholeModel) {
    CircuitState full;
    for (int k = 1; k <= kMaxMovements; ++k) full.Movements[k] = state.Movements[1];
    full.MovementCount = full.SimMovementCount = kMaxMovements;
    ReallocateResults(full, 500);
    full.LastPoint = 400;
    ASSERT_EQ(Failure(ReadProjectText(full, read, ProjectFileText(state, project), "p.vlzp")),
              std::nullopt);
    for (int k = 6; k <= kMaxMovements; ++k) ASSERT_EQ(full.Movements[k], Movement{}) << k;
    CircuitState fresh;
    state.MovementCount = 0;  // nor the first of a list when the project has none
    const std::string none = ProjectFileText(state, project);
    other.Movements[1] = state.Movements[1];
    other.MovementCount = 1;
    ASSERT_EQ(Failure(ReadProjectText(other, read, none, "p.vlzp")), std::nullopt);
    EXPECT_EQ(std::tie(other.Movements, other.MovementCount),
              std::tie(fresh.Movements, fresh.MovementCount));
    EXPECT_EQ(std::tie(full.PSeries, full.PointCapacity, full.LastPoint),
              std::tie(fresh.PSeries, fresh.PointCapacity, fresh.LastPoint));

    nlohmann::json text = nlohmann::json::parse(ProjectFileText(full, read));
    while (text["movimenti"].size() <= static_cast<size_t>(kMaxMovements)) {
        text["movimenti"].push_back(text["movimenti"][0]);
    }
    EXPECT_TRUE(Refused(text.dump(), "/movimenti deve essere un elenco di al più 1000"));
}

}  // namespace
}  // namespace volvenza
