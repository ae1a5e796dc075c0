#pragma once
// The cycle table's questions the page asks of the core, answered as the
// desktop's table answers them, in the request's language.

#include <string>

#include "VolvenzaWebReply.h"

namespace volvenza {

// {"check": a project's text}: per movement the flow an edit of its sizes or
// times stores (the typed one where no formula applies), whether a figure of
// its duty is out of range (DutyOutOfRange), the row's severity ("error",
// "warning" or "") and its reasons: {"movements": [{"flow", "outOfRange",
// "severity", "reasons"}]}. A project that cannot be read answers with the
// message instead.
std::string CycleCheck(const Json& request);

// {"cells": movements as the project lists them}: {"rows": [[the cells'
// texts, in the table's order, the kind by its title]], "kept": [[what each
// keeps while its text is no number]]}, or the message.
std::string CycleCells(const Json& request);

// {"duty": a text typed into the cycle table's "column"}: {"value": the
// number, or the default for empty text (null for no typed pressure)}, or {}
// when it is not a number.
std::string CycleDuty(const Json& request);

// {"paste": text}: with "column", one value pasted into one cell of that
// column of movement "movement" (from 1) of kind "kind": {"value": the
// kind's code, the mark, or the cell's text for a number}, or the message,
// also for a cell the movement does not use; else movements pasted from a
// spreadsheet into a table with "room" for so many more: {"movements": as
// the project writes them, "notes"}, or the message, also when there are
// more than the room.
std::string CyclePaste(const Json& request);

}  // namespace volvenza
