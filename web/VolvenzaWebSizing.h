#pragma once
// The sizing form the page builds, as the desktop's window builds it from
// the sizing library's tables: asked of the core once when the page starts;
// and each box's text read as the window reads it, asked as it is typed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volvenza {

// The answer to {"sizing-form": true}, as JSON: per box its id, label (in
// both languages), option, project file's key ("project"), whether it may
// be empty, default as the box shows it, what is said of a text that is no
// number and what may be typed besides digits ("characters"); the choices
// and the hold's boxes, each with its key too; the texts without English;
// the accumulator types (volvenza-sim's name, the project's, the words) and
// the catalogue's columns (heading, volvenza-sim's key, the project's,
// whether it is the fatigue rating's), a cell's tooltip while it is no number
// and what it lets be typed besides digits, what a size without V0 says (%1
// its row), the project file's keys of the type, the catalogue and the
// hold ("projectKeys"), the order Calcola reads the form in ("order": a
// box by its id, "catalogue", "choices", "hold"), and the window's title,
// headings, buttons and notes by a key of each, without their mnemonics
// ("words"). Whether a box's text fits is SizingBox's to say.
std::string SizingForm();

// The answer to {"sizing-box": id, "text": text}: the box's text read as
// the desktop's window reads it, {"figures": [...] as the requirements keep
// them (none for a box left empty that may be), or null for a text that
// gives none, "why": what is said of it, in the language of the messages,
// empty when it fits; the bottles' sizes also as volvenza-sim size takes
// them, "option"}. A hold box is read on
// the design `project` (with "project", a project file's text; its start
// at Pm with "from-pm"), its figure outside its range, above the hold's
// start or cooled past the gas law said of whether or not the hold is
// asked for (SizingHold says when it is). A catalogue cell ("catalogue")
// gives its figure or null. Nothing for a box the form does not have.
std::optional<std::string> SizingBox(std::string_view id, std::string_view text,
                                     const std::string& project, bool fromPm);

// The answer to {"catalogue-option": [[text per cell] per row]}, the
// catalogue's cells as typed: {"option": the catalogue as volvenza-sim
// size's --catalogue takes it, rows left empty left out}, or {"noV0": the
// first row (from 0) of a size without V0}. Nothing when a cell's text is
// no number.
std::optional<std::string> CatalogueOption(const std::vector<std::vector<std::string>>& rows);

// The answer to {"bottles": [sizes]}: {"text": as the bottles' box shows
// them, in the language of the messages}.
std::string BottlesText(const std::vector<double>& sizes);

// The answer to {"sizing-hold": [texts]}, the hold boxes' texts in the
// form's order, on the design and start as SizingBox's: {"begun": whether
// the hold is asked for (its pressure or its time typed; an empty box is
// then 0), "why": per box what is said of its figure while the hold is
// begun, empty when it fits or its text gives none (its draft), "inRange":
// per box whether its figure (0 for an empty box) is in the box's range,
// as the project keeps it}.
std::string SizingHold(const std::vector<std::string>& texts, const std::string& project,
                       bool fromPm);

// The answer to {"requirements-figures": a project file's text}: what the
// form's boxes show of its requirements, as the desktop's window shows
// them, {"boxes": by id the figures shown (none for a requirement not
// given, p1 at 0 among them; the tolerance in per cent), "catalogue": per
// size its figure in each column (null for no limit), or null while p1 is
// not given (a new project's: the form shows the type's defaults)}, or
// {"error"}.
std::string RequirementFiguresReply(const std::string& project);

// The answer to {"search-base": a project file's text, "type": volvenza-sim's
// name of the type shown, "edited": whether the catalogue was}: {"project":
// the text the form's search starts from, which its options then change},
// or nothing when the request is not such.
std::optional<std::string> SearchBaseReply(const std::string& project, const std::string& type,
                                           bool edited);

// The answer to {"requirements-shown": the form as it stands, "project": a
// project file's text}: {"requirements": the project's requirements as the
// form shows them (sizing::RequirementsShown), as the project file keeps
// them}, or {"error": why the project was not read}. The form: "boxes" by
// id, each [text, unchanged]; "type", volvenza-sim's name; "catalogue", per
// row per cell [text, unchanged]; "choices" by id, each ticked or not;
// "hold", its boxes' [text, unchanged] in the form's order; "fromPm".
// Nothing when the form is not such.
std::optional<std::string> RequirementsShownReply(const std::string& form,
                                                  const std::string& project);

}  // namespace volvenza
