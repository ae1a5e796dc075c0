// The sizing assistant's form read as the desktop reads it: each box and
// cell judged (a text that is no number is marked with its reason), the
// options the search is asked with, and the requirements the project keeps.
import * as app from './app-state.js';
import { t, word } from './texts.js';
import { boxOf, boxes, catalogueColumns, catalogueWords, checks, form, holdBoxes, readBox, types }
  from './sizing-form.js';

// Every box and cell read as the desktop reads it (a box by the core, a cell
// with app.parseNumber): a text that is no number is marked red with its
// reason, which names it (a catalogue cell's, as the desktop's, is named
// when the search is asked).
export function mark(input, why) {
  input.classList.toggle('not-a-number', !!why);
  input.title = why;
  if (why) input.setAttribute('aria-invalid', 'true');
  else input.removeAttribute('aria-invalid');
}
export function judge(f, input) {
  const text = input.value.trim();
  let why = '';
  const cell = input.closest('#sz-catalogue td');
  if (!text || input.type === 'checkbox') {
    // An empty box is a requirement not given: the search asks for it.
  } else if (cell) {
    if (app.parseNumber(text) === null) why = word(catalogueWords.cellTip);
  } else if (input.id.startsWith('sz-') && boxOf(input.id.slice(3))) {
    const read = readBox(input.id.slice(3), text);
    if (read.figures === null) why = read.why;
  }
  if (!why) why = holdWrong(f)[input.id.slice(3)] || '';
  mark(input, why);
  return why;
}
// A hold is pressure and time above 0, leakage and cooling from 0 up: the
// boxes of one begun and not whole (an empty one is 0), as the desktop
// never stores it, by what is said of each.
function holdWrong(f) {
  const { $ } = f;
  if (!$('hold-pressure').value.trim() && !$('hold-time').value.trim()) return {};
  const wrongs = {};
  for (const { id } of holdBoxes) {
    const read = readBox(id, $(id).value.trim() || '0');
    if (read.figures !== null && read.why) wrongs[id] = read.why;
  }
  return wrongs;
}
export const wrong = (input, why) => {
  mark(input, why);
  return new Error(why);
};

export function args(f) {
  const { $, catalogue } = f;
  const a = ['--type', types[f.type.selectedIndex].name];
  for (const b of boxes) {
    const text = $(b.id).value.trim();
    if (!text && b.optional) continue;
    if (!text) throw new Error(word(b.notANumber));
    // Refused in the words of the desktop's search, the box marked.
    const read = readBox(b.id, text);
    if (read.why) throw wrong($(b.id), read.why);
    // The core's list takes its sizes by ','; a figure goes as it was typed.
    a.push(b.option, b.id === 'bottles' ? read.figures.join(',') : String(app.parseNumber(text)));
  }
  if (f.edited) {
    // The core's list takes its numbers with the point, its sizes by ','.
    const list = [];
    [...catalogue.tBodies[0].rows].forEach((row, r) => {
      const inputs = [...row.querySelectorAll('input')];
      const cells = inputs.map((input, c) => {
        // As the desktop says a cell's draft, its text as typed.
        if (judge(f, input)) throw new Error(word(catalogueColumns[c].notANumber, r + 1, input.value));
        return input.value.trim() ? String(app.parseNumber(input.value)) : '';
      });
      if (!cells.some(Boolean)) return; // a row added and left empty
      if (!cells[0]) throw wrong(inputs[0], word(catalogueWords.noV0, r + 1));
      list.push(cells.join(':').replace(/:+$/, ''));
    });
    a.push('--catalogue', list.join(','));
  }
  for (const c of checks) if ($(c.id).checked !== c.whenClear) a.push(c.option);
  if ($('hold-pressure').value.trim() || $('hold-time').value.trim()) {
    for (const { id, option } of holdBoxes) {
      const why = judge(f, $(id));
      if (why) throw new Error(why);
      if ($(id).value.trim()) a.push(option, String(app.parseNumber($(id).value)));
    }
    if ($(form.holdFromPm.id).checked) a.push(form.holdFromPm.option);
  }
  return a;
}

// The requirements as the form shows them, over the project's: what a box
// shows as it was given keeps the project's exact value, a text that is no
// number keeps it too (the text stays as the box's draft), an empty
// optional box is no requirement. As the desktop's RequirementsShown.
export function requirementsShown(f) {
  const { $, catalogue } = f;
  const q = JSON.parse(JSON.stringify((app.project() || {}).dimensionamento || {}));
  const given = (id) => $(id).value.trim() !== '';
  const read = (input, old, scale = 1) => {
    if (input.dataset.shown === input.value) return old;
    const x = app.parseNumber(input.value);
    return x === null ? old : x / scale;
  };
  q.p1 = given('p1') ? read($('p1'), q.p1) : 0;
  q.tipo = types[f.type.selectedIndex].project;
  q.PS = given('ps') ? read($('ps'), q.PS ?? null) : null;
  q.valvola_di_massima = given('relief') ? read($('relief'), q.valvola_di_massima ?? null) : null;
  q.tolleranza_precarica = read($('tolerance'), q.tolleranza_precarica, boxOf('tolerance').perUnit);
  q.ore_di_lavoro = read($('hours'), q.ore_di_lavoro);
  // A figure out of its range is the project's too, as the desktop keeps
  // it: Calcola names it, and the run's balance is not worked out from it.
  q.rendimento_pompa = read($('efficiency'), q.rendimento_pompa);
  q.ore_in_un_anno = read($('hours-year'), q.ore_in_un_anno);
  if ($('bottles').dataset.shown !== $('bottles').value) q.bombole = readBox('bottles', $('bottles').value).figures || q.bombole;
  const kept = q.catalogo || [];
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
    if (size.V0 === null) whole = false;
    sizes.push(size);
  });
  if (whole) q.catalogo = sizes;
  Object.assign(q, { scegli_precarica: $('precharge').checked, dimensiona_pompa: $('pump').checked,
    ciclo_singolo: $('single').checked, composizioni: $('arrangements').checked,
    emergenza_da_pieno: $('from-full').checked });
  const h = q.mantenimento || {};
  if (holdBoxes.some(({ id }) => judge(f, $(id)))) return q; // the hold kept as it was
  q.mantenimento = given('hold-pressure') || given('hold-time') ? { pressione: read($('hold-pressure'), h.pressione ?? 0),
    tempo: read($('hold-time'), h.tempo ?? 0), trafilamento: read($('leakage'), h.trafilamento ?? 0),
    raffreddamento: read($('cooling'), h.raffreddamento ?? 0), da_Pm: $('hold-pm').checked } : null;
  return q;
}
export const numberInputs = (f) => f.section.querySelectorAll('.sz-requirements input:not([type="checkbox"])');
export const placeOf = (e) => 'sizing/' + (e.id ? e.id.slice(3)
  : `catalogo/${e.closest('tr').sectionRowIndex}/${e.parentElement.cellIndex}`);
