#pragma once
// What the page shows that the desktop's tables already say, asked of the
// core once when the page starts: the page's words in both languages, the
// windows' words (the kinds' titles, the cycle table's headers and
// tooltips, the initial boxes' names and units, the tooltip of a box that
// holds no number, the gas laws and the envelope's boxes, the results
// table's headings and its series with their units, the chart's choice of
// series), the kinds of file a design is kept in, the project's names of
// what the page edits (its parts, the initial values, the cycle table's
// columns, the gas law and its figures), a new movement as the project writes it, the time
// step, the sizes each kind's page shows and the kind each code is listed as.

#include <string>
#include <string_view>

namespace volvenza {

// The answer to {"tables": true}, as JSON.
std::string PageTables();

// A window's label as the page shows it: without the desktop's mnemonic
// ("p&1" is "p1", "&&" an ampersand).
std::string WithoutMnemonic(std::string_view text);

// The catalogue's English of `italian` in `context` (one the page takes its
// words from); nullptr when it has none.
const char* CatalogueEnglish(std::string_view context, std::string_view italian);

}  // namespace volvenza
