#pragma once
// The Italian texts of the messages, in tables by subject, each a run of
// MessageId in the enum's order: MessageTexts.cpp the libraries' messages,
// TableTexts.cpp the cycle table's and the paste reader's, CommandTexts.cpp
// the command lines' refusals of their arguments. Inside the
// messages library only; a front end words a message with MessageText.

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

std::span<const Source> TableSources();
std::span<const Source> CommandSources();

}  // namespace volvenza::message_sources
