// The sizing assistant's form read as the desktop reads it: each box and
// cell judged (a text that is no number is marked with its reason), the
// options the search is asked with, and the requirements the project keeps.
import * as app from './app-state.js';
import { ask } from './core-now.js';
import { t, word } from './texts.js';
import { boxOf, boxes, catalogueColumns, catalogueWords, checks, form, holdBoxes, projectKeys, readBox, readingOrder,
  types } from './sizing-form.js';

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
  if (!text || input.type === 'checkbox') {
    // An empty box is a requirement not given: the search asks for it.
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

// The requirements as the form shows them, over the project's: what a box
// shows as it was given keeps the project's exact value, a text that is no
// number keeps it too (the text stays as the box's draft), an empty
// optional box is no requirement. As the desktop's RequirementsShown.
export function requirementsShown(f) {
  const { $, catalogue } = f;
  const q = JSON.parse(JSON.stringify(app.part('requirements') || {}));
  const given = (id) => $(id).value.trim() !== '';
  const read = (input, old, scale = 1) => {
    if (input.dataset.shown === input.value) return old;
    const x = app.parseNumber(input.value);
    return x === null ? old : x / scale;
  };
  // Each box where the project keeps it: p1 left empty is 0, as a new
  // project has it, another that may be empty no requirement. A figure out
  // of its range is the project's too, as the desktop keeps it: Calcola
  // names it, and the run's balance is not worked out from it.
  for (const b of boxes) {
    const e = $(b.id);
    if (b.id === 'bottles') {
      if (e.dataset.shown !== e.value) q[b.project] = readBox(b.id, e.value).figures || q[b.project];
    } else if (!given(b.id) && (b.optional || b === boxes[0])) {
      q[b.project] = b.optional ? null : 0;
    } else {
      q[b.project] = read(e, q[b.project] ?? null, b.perUnit);
    }
  }
  q[projectKeys.type] = types[f.type.selectedIndex].project;
  const kept = q[projectKeys.catalogue] || [];
  const sizes = [];
  let whole = catalogue.tBodies[0].rows.length > 0;
  [...catalogue.tBodies[0].rows].forEach((row, r) => {
    const inputs = [...row.querySelectorAll('input')];
    if (!inputs.some((e) => e.value.trim())) return;
    const size = {};
    inputs.forEach((e, c) => {
      const { project: key, rating } = catalogueColumns[c];
      const old = (kept[r] || {})[key];
      const x = e.value.trim() ? read(e, old ?? null) : null;
      if (!rating || x !== null) size[key] = x;
    });
    if (size[catalogueColumns[0].project] === null) whole = false; // no V0
    sizes.push(size);
  });
  if (whole) q[projectKeys.catalogue] = sizes;
  for (const c of checks) q[c.project] = $(c.id).checked;
  const h = q[projectKeys.hold] || {};
  // A hold box whose text gives no figure in its range keeps the hold as it
  // was; a pressure above the start is the project's, as the desktop keeps
  // it, and Calcola names it.
  const hold = holdRead(f);
  if (holdBoxes.some(({ id }, i) => (given(id) || hold.begun) && !hold.inRange[i])) return q;
  q[projectKeys.hold] = hold.begun ? Object.fromEntries([
    ...holdBoxes.map(({ id, project }) => [project, read($(id), h[project] ?? 0)]),
    [form.holdFromPm.project, $(form.holdFromPm.id).checked]]) : null;
  return q;
}
export const numberInputs = (f) => f.section.querySelectorAll('.sz-requirements input:not([type="checkbox"])');
export const placeOf = (e) => 'sizing/' + (e.id ? e.id.slice(3)
  : `catalogo/${e.closest('tr').sectionRowIndex}/${e.parentElement.cellIndex}`);
