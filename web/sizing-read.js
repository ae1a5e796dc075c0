// The sizing assistant's form read as the desktop reads it: each box and
// cell judged (a text that is no number is marked with its reason), the
// options the search is asked with, and the requirements the project keeps.
import * as app from './app-state.js';
import { ask } from './core-now.js';
import { word } from './texts.js';
import { boxOf, boxes, catalogueWords, checks, form, holdBoxes, readBox, readingOrder, types } from './sizing-form.js';

// Every box and cell read as the desktop reads it, by the core: a text that
// is no number is marked red with its reason (a catalogue cell's, as the
// desktop's, is named when the search is asked).
export function mark(input, why) {
  input.classList.toggle('not-a-number', !!why);
  input.title = why;
  if (why) input.setAttribute('aria-invalid', 'true');
  else input.removeAttribute('aria-invalid');
}
export function judge(f, input) {
  const text = input.value.trim();
  const id = input.id.slice(3);
  let why = '';
  const cell = input.closest('#sz-catalogue td');
  const required = boxes.find((b) => b.id === id && !b.emptyTaken);
  if (input.type === 'checkbox') {
    // Nothing to read.
  } else if (!text) {
    // An empty box is a requirement not given, or a draft where the
    // requirements cannot hold it empty (the core's rule).
    if (required) why = word(required.notANumber);
  } else if (cell) {
    if (readBox('catalogue', text).figures === null) why = word(catalogueWords.cellTip);
  } else if (input.id.startsWith('sz-') && boxOf(id)) {
    const read = readBox(id, text);
    if (read.figures === null) why = read.why;
  }
  const hold = holdBoxes.findIndex((b) => b.id === id);
  if (!why && hold >= 0) why = holdRead(f).why[hold];
  mark(input, why);
  return why;
}
// The hold as the core reads its boxes, on the design: {begun: whether it
// is asked for, why: per box what is said of its figure while it is,
// inRange: per box whether its figure is one the project keeps}.
const holdRead = (f) => ask({ 'sizing-hold': holdBoxes.map(({ id }) => f.$(id).value.trim()),
  project: JSON.stringify(app.project() || {}), 'from-pm': f.$(form.holdFromPm.id).checked });
export const wrong = (input, why) => {
  mark(input, why);
  return new Error(why);
};

// The search's options from the form, read in the order the desktop's
// Calcola reads it (the core's), so that the first refusal is the same: a
// text that is no number first, as the drafts stop it (the form's drafts,
// the first named by the core as the desktop names it), then the parts.
export function args(f) {
  const { $, catalogue } = f;
  const a = ['--type', types[f.type.selectedIndex].name];
  const typed = Object.fromEntries(Object.entries(app.draftsOf()).filter(([place]) => place.startsWith('sizing/')));
  const stops = ask({ 'draft-stops': 'sizing', drafts: typed, movements: 0 }).message;
  if (stops) throw new Error(stops);
  const rows = f.edited ? [...catalogue.tBodies[0].rows].map((row) => [...row.querySelectorAll('input')]) : [];
  const box = (b) => {
    const text = $(b.id).value.trim();
    if (!text && b.optional) return;
    if (!text) throw new Error(word(b.notANumber));
    // Refused in the words of the desktop's search, the box marked.
    const read = readBox(b.id, text);
    if (read.why) throw wrong($(b.id), read.why);
    // The bottles' sizes as the core writes them for its option; a figure as
    // it was typed.
    a.push(b.option, read.option ?? String(app.parseNumber(text)));
  };
  const parts = {
    catalogue: () => {
      if (!f.edited) return;
      // The catalogue as the core's option takes it, written by the core; a
      // row added and left empty is no size.
      const read = ask({ 'catalogue-option': rows.map((inputs) => inputs.map((input) => input.value)) });
      if (read.noV0 !== undefined) throw wrong(rows[read.noV0][0], word(catalogueWords.noV0, read.noV0 + 1));
      a.push('--catalogue', read.option);
    },
    choices: () => {
      for (const c of checks) if ($(c.id).checked !== c.whenClear) a.push(c.option);
    },
    hold: () => {
      if (!holdRead(f).begun) return;
      for (const { id, option } of holdBoxes) {
        const why = judge(f, $(id));
        if (why) throw new Error(why);
        if ($(id).value.trim()) a.push(option, String(app.parseNumber($(id).value)));
      }
      if ($(form.holdFromPm.id).checked) a.push(form.holdFromPm.option);
    },
  };
  for (const part of readingOrder) (parts[part] || (() => box(boxOf(part))))();
  return a;
}

// The requirements as the form shows them, over the project's, taken by the
// core as the desktop takes them (a box unchanged keeps the project's exact
// value, a text that is no number keeps it too, as the box's draft); the
// project's as they are should it not read the project.
export function requirementsShown(f) {
  const { $, catalogue } = f;
  const shown = (e, text = e.value) => [text, e.dataset.shown === e.value];
  const now = {
    boxes: Object.fromEntries(boxes.map((b) => [b.id, shown($(b.id))])),
    type: types[f.type.selectedIndex].name,
    catalogue: [...catalogue.tBodies[0].rows].map((row) => [...row.querySelectorAll('input')].map((e) => shown(e))),
    choices: Object.fromEntries(checks.map((c) => [c.id, $(c.id).checked])),
    hold: holdBoxes.map(({ id }) => shown($(id), $(id).value.trim())),
    fromPm: $(form.holdFromPm.id).checked,
  };
  const reply = ask({ 'requirements-shown': now, project: JSON.stringify(app.project() || {}) });
  return reply.requirements || JSON.parse(JSON.stringify(app.part('requirements') || {}));
}
export const numberInputs = (f) => f.section.querySelectorAll('.sz-requirements input:not([type="checkbox"])');
export const placeOf = (e) => 'sizing/' + (e.id ? e.id.slice(3)
  : `catalogo/${e.closest('tr').sectionRowIndex}/${e.parentElement.cellIndex}`);
