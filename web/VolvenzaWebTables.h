#pragma once
// What the page shows that the desktop's tables already say, asked of the
// core once when the page starts: the page's words in both languages, the
// kinds' titles, the cycle table's headers, the sizes each kind's page
// shows and the initial boxes' names.

#include <string>

namespace volvenza {

// The answer to {"tables": true}, as JSON.
std::string PageTables();

}  // namespace volvenza
