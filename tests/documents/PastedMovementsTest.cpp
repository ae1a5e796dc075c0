// The reader of movements pasted from spreadsheets, with the words a front
// end gives it: what it takes as a number in each language, where a line's
// cells start, and the notes it leaves.

#include <gtest/gtest.h>

#include "documents/PastedMovements.h"
#include "engine/MovementKinds.h"

namespace volvenza {
namespace {

PasteWording Words(char decimal) {
    return {[](const char* italian) { return std::string(italian); },
            [](int column) { return std::string(PasteColumnHeader(column)); },
            [](std::string_view name) {
                return name == "MOTORE" ? MovementKind::Motor : MovementKind::Empty;
            },
            PageShows, decimal};
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
                          {"uno", ',', S::NotANumber, 0},
                          {"", ',', S::NotANumber, 0}}) {
        const PastedNumber n = ReadPastedNumber(c.cell, c.decimal);
        EXPECT_EQ(n.status, c.status) << c.cell << " with " << c.decimal;
        EXPECT_EQ(n.value, c.value) << c.cell;
    }
}

TEST(PastedMovements, ReadsLinesWithOrWithoutTheirNumberAndSaysWhatItLeft) {
    const PastedMovements p = MovementsFromText(
        "N\tTipo\tTi\tTf\r\n"
        "7\tMOTORE\t0\t1,5\t\t\t\t100\t120\n"
        "\n"
        "1\t0,5\t2\t50\t20\t150\t\t\t\t\t\t\t\t\t\tx\t99\tdopo\n",
        Words(','));
    ASSERT_EQ(p.error, "");
    ASSERT_EQ(p.movements.size(), 2u);
    EXPECT_EQ(p.movements[0].Kind, MovementKind::Motor);
    EXPECT_EQ(p.movements[0].Tf, 1.5f);
    EXPECT_EQ(p.movements[1].Kind, MovementKind::CylinderExtending);
    // The rod the extending cylinder does not use is read, and noted.
    EXPECT_EQ(p.movements[1].RodDiameter, 20.0f);
    EXPECT_TRUE(p.movements[1].Duty.Emergency);
    EXPECT_EQ(p.flowGiven, (std::vector<bool>{false, false}));
    ASSERT_EQ(p.notes.size(), 3u);
    EXPECT_NE(p.notes[0].find("riga 1"), std::string::npos);
    EXPECT_NE(p.notes[1].find("riga 4"), std::string::npos);  // the cells after pn
    EXPECT_NE(p.notes[2].find("riga 4"), std::string::npos);  // the unused size

    // A header anywhere but first is a wrong kind; the kind's code is read.
    EXPECT_NE(MovementsFromText("4\t0\t1\nTipo\tTi\tTf", Words(',')).error.find("riga 2"),
              std::string::npos);
    EXPECT_EQ(MovementsFromText("\n \n", Words(',')).error,
              "Gli appunti non contengono movimenti da incollare.");
}

TEST(PastedMovements, ExcerptsNeverCutACharacterInHalf) {
    EXPECT_EQ(PastedExcerpt("abcdef", 6), "abcdef");
    EXPECT_EQ(PastedExcerpt("abcdefg", 6), "abcdef\u2026");
    // "è" is one unit, the emoji two: the excerpt stops before it.
    EXPECT_EQ(PastedExcerpt("èbcde\U0001F600x", 6), "èbcde\u2026");
}

}  // namespace
}  // namespace volvenza
