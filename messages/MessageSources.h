#pragma once
// The Italian texts of the messages, in tables by subject, each a run of
// MessageId in the enum's order, following on from the table before it:
// MessageTexts.cpp the checks before a run, the boxes' drafts and the
// ranges, GasTexts.cpp the gas laws' and the gas-model dialog's,
// SizingTexts.cpp the sizing's, FileTexts.cpp the files', TableTexts.cpp
// the cycle table's and the paste reader's, CommandTexts.cpp the command
// lines' refusals of their arguments. Inside the messages library only; a
// front end words a message with MessageText.

#include <cstddef>
#include <span>

#include "messages/Message.h"

namespace volvenza::message_sources {

struct Source {
    MessageId id;
    const char* italian;
};

// Whether `table` lists the ids from `first` to `last`, each once, in order.
template <size_t N>
constexpr bool Runs(const Source (&table)[N], MessageId first, MessageId last) {
    for (size_t i = 0; i < N; ++i) {
        if (static_cast<size_t>(table[i].id) != static_cast<size_t>(first) + i) return false;
    }
    return static_cast<size_t>(last) + 1 == static_cast<size_t>(first) + N;
}

// Whether a table's first id comes right after the last of the table before.
constexpr bool Follows(MessageId first, MessageId previousLast) {
    return static_cast<size_t>(first) == static_cast<size_t>(previousLast) + 1;
}

std::span<const Source> GasSources();
std::span<const Source> SizingSources();
std::span<const Source> FileSources();
std::span<const Source> TableSources();
std::span<const Source> CommandSources();

}  // namespace volvenza::message_sources
