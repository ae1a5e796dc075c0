// The sizing assistant's form: the desktop's requirements, boxes and
// catalogue, built in the page's language. sizing.js gives it its
// behaviour, sizing-read.js reads it.
import * as app from './app-state.js';
import { ask, coreLoaded } from './core-now.js';
import { coreTable, t, word } from './texts.js';

// The accumulator types ({name, project, words}: the core's name, the
// project's, the words shown) and the catalogue's columns ({heading, key,
// project, rating}), as the core gives them; what a cell says while its text
// is no number, and a size without V0.
export const types = [];
export const catalogueColumns = [];
export const catalogueWords = { cellTip: null, noV0: null, stopped: null };
// The form's title, headings, buttons and notes the desktop's window shows
// too, without its mnemonics ({title, requirements, type, catalogue, add,
// remove, defaults, emergencyNote, hold, compute, stop, apply}).
export const formWords = {};
// The form as the core describes it (VolvenzaWebSizing.h), from the tables
// the desktop's window is built from: the boxes ({id, label, default,
// option, notANumber, optional, emptyTaken, perUnit, characters: the bottles' besides
// the digits, null for the others'}), the choices ticked ({id, label,
// option, whenClear, on}), the hold's boxes ({id, label, option}) and its
// choice of Pm; the labels and texts in both languages.
export const boxes = [];
export const checks = [];
export const holdBoxes = [];
export const form = { holdFromPm: null };
// The order Calcola reads the form in: a box by its id, 'catalogue',
// 'choices', 'hold'.
export const readingOrder = [];
// Where the project keeps the type, the catalogue and the hold ({type,
// catalogue, hold}); each box, choice and hold box names its own (project).
export const projectKeys = {};
export const boxOf = (id) => boxes.find((b) => b.id === id) || holdBoxes.find((b) => b.id === id);

// Asks the core once; what it has no English for joins the page's list.
export const formLoaded = Promise.all([app.call('sizingForm').then((d) => {
  boxes.push(...d.boxes);
  checks.push(...d.choices);
  holdBoxes.push(...d.hold);
  form.holdFromPm = d.holdFromPm;
  Object.assign(projectKeys, d.projectKeys);
  for (const italian of d.missing) globalThis.volvenzaUntranslated.add(italian);
  types.push(...d.types);
  catalogueColumns.push(...d.catalogue);
  Object.assign(catalogueWords, { cellTip: d.cellTip, noV0: d.noV0, stopped: d.stopped });
  Object.assign(formWords, d.words);
  readingOrder.push(...d.order);
}), coreLoaded]);

// A box's text read as the desktop's window reads it, by the core: {figures
// (as the requirements keep them; null for a text that gives none), why
// (what is said of it, '' when it fits)}. The bottles' sizes are by ';';
// a hold box is read on the design, from Pm when `fromPm`.
export const readBox = (id, text, fromPm = false) => ask(holdBoxes.some((b) => b.id === id)
  ? { 'sizing-box': id, text, project: JSON.stringify(app.project() || {}), 'from-pm': fromPm }
  : { 'sizing-box': id, text });
export const number = (x) => app.formatNumber(x);
// Figures as a box shows them, by the core: the bottles' sizes as their box
// lists them, one figure as any box.
export const figuresText = (figures) => ask({ bottles: figures }).text;

// A box's text again in the page's language, what is no number as it is.
export function relanguage(text, bottles) {
  if (bottles) {
    const sizes = readBox('bottles', text).figures;
    return sizes ? figuresText(sizes) : text;
  }
  const x = app.parseNumber(text);
  return x === null ? text : app.formatNumber(x);
}
// Each type's default catalogue as the core gave it, once it has.
export const defaults = {};

export const el = (tag, props, ...children) => {
  const e = Object.assign(document.createElement(tag), props || {});
  for (const c of children) e.append(c);
  return e;
};

// The form in `section`, and what the rest of the assistant keeps of it:
// its parts, whether the catalogue was edited, the type it shows, the
// answer found and the requirements last seen in the project.
export function buildForm(section) {
  delete section.dataset.state;
  // The defaults in the page's language, as the project's values are.
  const box = (b) => el('p', {}, el('label', { htmlFor: 'sz-' + b.id, textContent: word(b.label) }),
    app.typedAsNumber(el('input', { id: 'sz-' + b.id, value: b.default ? figuresText(b.default) : '',
      inputMode: 'decimal', autocomplete: 'off' }), { characters: b.characters }));
  const check = (c) => el('p', {}, el('input', { type: 'checkbox', id: 'sz-' + c.id, checked: c.on }),
    el('label', { htmlFor: 'sz-' + c.id, textContent: ' ' + word(c.label) }));

  const type = el('select', { id: 'sz-type' });
  for (const { words } of types) type.append(el('option', { textContent: word(words) }));
  const catalogue = el('table', { id: 'sz-catalogue', className: 'sz-catalogue' });
  const answer = el('div', { id: 'sz-answer', className: 'sz-answer' });
  answer.setAttribute('aria-live', 'polite');
  const stale = el('p', { id: 'sz-stale', className: 'sz-stale', hidden: true,
    textContent: word(coreTable('stale')) });
  const compute = el('button', { id: 'sz-compute', type: 'button', textContent: word(formWords.compute) });
  // While searching: Interrompi, and a bar that says the search goes on (the
  // core tells no progress from its worker).
  const stop = el('button', { id: 'sz-stop', type: 'button', textContent: word(formWords.stop), disabled: true });
  const progress = el('progress', { id: 'sz-progress', hidden: true });
  progress.setAttribute('aria-label', t('Ricerca in corso'));
  const apply = el('button', { id: 'sz-apply', type: 'button', textContent: word(formWords.apply), disabled: true });
  // What Applica put into the project, beside it, while the data are those.
  const applied = el('span', { id: 'sz-applied', className: 'sz-applied', hidden: true });
  const hold = el('fieldset', {}, el('legend', { textContent: word(formWords.hold) }),
    ...holdBoxes.map(box), check(form.holdFromPm));
  const buttons = (...names) => el('p', { className: 'sz-controls' }, ...names.map(([id, label]) =>
    el('button', { id: 'sz-' + id, type: 'button', textContent: label })));
  const requirements = el('fieldset', { className: 'sz-requirements' },
    el('legend', { textContent: word(formWords.requirements) }), box(boxes[0]),
    el('p', {}, el('label', { htmlFor: 'sz-type', textContent: word(formWords.type) }), type),
    el('p', {}, el('span', { id: 'sz-catalogue-label', textContent: word(formWords.catalogue) })),
    catalogue,
    buttons(['add', word(formWords.add)], ['remove', word(formWords.remove)], ['defaults', word(formWords.defaults)]),
    ...boxes.slice(1).map(box), ...checks.map(check), hold);
  catalogue.setAttribute('aria-labelledby', 'sz-catalogue-label');
  requirements.insertBefore(el('p', { className: 'sz-note',
    textContent: word(formWords.emergencyNote) }), hold);
  // Requirements and Calcola on the left, the answer and Applica on the
  // right, as in the desktop's window.
  section.setAttribute('aria-labelledby', 'sz-title');
  section.replaceChildren(el('h2', { id: 'sz-title', textContent: word(formWords.title) }),
    el('div', { className: 'sz-left' }, requirements, el('p', { className: 'sz-controls' }, compute, ' ', stop, ' ', progress)),
    el('div', { className: 'sz-right' }, el('p', { className: 'sz-controls' }, applied, ' ', apply), stale, answer));
  const $ = (id) => section.querySelector('#sz-' + id);
  return { section, type, catalogue, answer, stale, compute, stop, progress, apply, applied, requirements, $,
    edited: false, shownType: type.selectedIndex, found: null, applying: false, seen: null };
}


// The catalogue: empty until an answer or a project gives the type's
// defaults; an edited one goes to the core as --catalogue.
export function showCatalogue(f, rows) {
  const head = el('tr', {}, ...catalogueColumns.map((c) => el('th', { scope: 'col', textContent: word(c.heading) })));
  f.catalogue.replaceChildren(el('thead', {}, head), el('tbody'));
  for (const row of rows) addRow(f, row);
}
export function addRow(f, values) {
  const cells = catalogueColumns.map((c, i) => {
    const input = app.typedAsNumber(el('input', { value: values[i] ?? '', inputMode: 'decimal' }));
    input.setAttribute('aria-label', word(c.heading));
    return el('td', {}, input);
  });
  f.catalogue.tBodies[0].append(el('tr', {}, ...cells));
}
// A type's defaults in the page's language; none until the core gave them.
export const defaultRows = (i) => (defaults[i] || []).map((row) => row.map((x) => (x === null ? '' : number(x))));
