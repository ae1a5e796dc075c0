// The sizing assistant's form: the desktop's requirements, boxes and
// catalogue, built in the page's language. sizing.js gives it its
// behaviour, sizing-read.js reads it.
import * as app from './app-state.js';
import { t } from './texts.js';

// The desktop's words; their English comes from its catalogue (texts.js).
export const HOLD = 'Mantenimento della pressione: scrivere pressione e tempo oltre 0, perdite e raffreddamento da 0 in su.';
export const types = [['bladder', 'a sacca', 'sacca'], ['piston', 'a pistone', 'pistone'],
  ['diaphragm', 'a membrana', 'membrana']];
export const catalogueKeys = [['V0 [dm3]', 'V0', 'V0'], ['Rapporto max', 'max_ratio', 'rapporto_max'],
  ['PS [bar]', 'PS', 'PS'], ['Portata max [dm3/min]', 'max_flow', 'portata_max'], ['τ [s]', 'tau', 'tau'],
  ['Escursione max [bar]', 'rated_swing', 'escursione_max'], ['Cicli nominali', 'rated_cycles', 'cicli_escursione']];
// The boxes: id, label, default, the option they give, what the desktop
// says when the box is no number, and whether it may be left empty.
export const boxes = [['p1', 'Pressione minima p1 [bar]', null, '--pmin', 'Scrivere la pressione minima p1 in bar.'],
  ['ps', 'Pressione nominale PS [bar]', null, '--ps', 'La pressione nominale PS non è un numero.', true],
  ['relief', 'Taratura della valvola di massima [bar]', null, '--relief', 'La taratura della valvola non è un numero.', true],
  ['tolerance', 'Tolleranza della precarica [%]', [2], '--tolerance', 'Scrivere la tolleranza della precarica in %.'],
  ['hours', 'Ore di lavoro continuo [h]', [8], '--hours', 'Scrivere le ore di lavoro continuo.'],
  ['efficiency', 'Rendimento della pompa (fra 0 e 1)', [0.9], '--pump-efficiency', 'Scrivere il rendimento della pompa.'],
  ['hours-year', 'Ore di lavoro in un anno [h]', [2000], '--hours-per-year', 'Scrivere le ore di lavoro in un anno.'],
  ['bottles', 'Bombole per i pistoni [dm3, separate da ;]', [10, 20, 40, 50], '--bottle-sizes',
    'Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da ";".']];
// What the desktop says of a number out of a box's range, before a search.
export const ranges = {
  p1: [(x) => x > 0, 'La pressione minima p1 deve essere positiva'],
  ps: [(x) => x > 0, 'La pressione nominale PS deve essere positiva'],
  relief: [(x) => x > 0, 'La taratura della valvola di massima deve essere positiva'],
  tolerance: [(x) => x >= 0 && x < 50, 'La tolleranza della precarica deve essere tra 0 e 50 %'],
  hours: [(x) => x > 0 && x <= 24 * 366, 'Le ore di lavoro continuo devono essere più di 0 e al più un anno'],
  efficiency: [(x) => x > 0 && x <= 1, 'Il rendimento della pompa deve essere più di 0 e al più 1'],
  'hours-year': [(x) => x > 0 && x <= 8760, 'Le ore di lavoro in un anno devono essere più di 0 e al più 8760'],
};
export const MAX_SIZES = 200; // sizing/Requirements.h's kMaxCatalogueSizes

// Bottles as the desktop reads them: up to MAX_SIZES volumes over 0, by ';'.
export function parseBottles(text) {
  const sizes = text.split(';').map((x) => app.parseNumber(x));
  return sizes.length <= MAX_SIZES && sizes.every((x) => x !== null && x > 0) ? sizes : null;
}
export const number = (x) => app.formatNumber(x);

// A box's text again in the page's language, what is no number as it is.
export function relanguage(text, bottles) {
  if (bottles) {
    const sizes = parseBottles(text);
    return sizes ? sizes.map((x) => app.formatNumber(x)).join('; ') : text;
  }
  const x = app.parseNumber(text);
  return x === null ? text : app.formatNumber(x);
}
export const checks = [['precharge', 'Scegli la precarica', true], ['pump', 'Dimensiona anche la pompa', false],
  ['single', 'Ciclo singolo (la macchina fa un solo ciclo e si ferma)', false],
  ['arrangements', 'Prova anche le composizioni: accumulatori in parallelo e bombole', false],
  ['from-full', 'Corsa di emergenza dal pieno (Pm) invece che dal riavvio della pompa (Pm - Dp)', false]];
export const holdBoxes = [['hold-pressure', 'Pressione da mantenere [bar]', '--hold-pressure'],
  ['hold-time', 'Tempo [s]', '--hold-time'], ['leakage', 'Perdite delle valvole [dm3/min]', '--leakage'],
  ['cooling', 'Raffreddamento del gas nel tempo [K]', '--hold-cooling']];

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
  const box = (id, label, value) => el('p', {}, el('label', { htmlFor: 'sz-' + id, textContent: t(label) }),
    el('input', { id: 'sz-' + id, value: value ? value.map(number).join('; ') : '', inputMode: 'decimal', autocomplete: 'off' }));
  const check = (id, label, on) => el('p', {}, el('input', { type: 'checkbox', id: 'sz-' + id, checked: on }),
    el('label', { htmlFor: 'sz-' + id, textContent: ' ' + t(label) }));

  const type = el('select', { id: 'sz-type' });
  for (const [, it] of types) type.append(el('option', { textContent: t(it) }));
  const catalogue = el('table', { id: 'sz-catalogue', className: 'sz-catalogue' });
  const answer = el('div', { id: 'sz-answer', className: 'sz-answer' });
  answer.setAttribute('aria-live', 'polite');
  const stale = el('p', { id: 'sz-stale', className: 'sz-stale', hidden: true,
    textContent: t('Risultati non aggiornati: i dati sono cambiati') });
  const compute = el('button', { id: 'sz-compute', type: 'button', textContent: t('Calcola') });
  // While searching: Interrompi, and a bar that says the search goes on (the
  // core tells no progress from its worker).
  const stop = el('button', { id: 'sz-stop', type: 'button', textContent: t('Interrompi'), disabled: true });
  const progress = el('progress', { id: 'sz-progress', hidden: true });
  progress.setAttribute('aria-label', t('Ricerca in corso'));
  const apply = el('button', { id: 'sz-apply', type: 'button', textContent: t('Applica'), disabled: true });
  const hold = el('fieldset', {}, el('legend', { textContent: t('Mantenimento della pressione a pompa ferma') }),
    ...holdBoxes.map(([id, label]) => box(id, label, null)), check('hold-pm', 'Dal pieno (Pm) invece che da Pm - Dp', false));
  const buttons = (...names) => el('p', { className: 'sz-controls' }, ...names.map(([id, label]) =>
    el('button', { id: 'sz-' + id, type: 'button', textContent: t(label) })));
  const requirements = el('fieldset', { className: 'sz-requirements' },
    el('legend', { textContent: t('Requisiti') }), box(...boxes[0].slice(0, 3)),
    el('p', {}, el('label', { htmlFor: 'sz-type', textContent: t('Tipo di accumulatore') }), type),
    el('p', {}, el('span', { id: 'sz-catalogue-label', textContent: t('Catalogo (cella vuota: nessun limite)') })),
    catalogue, buttons(['add', 'Aggiungi'], ['remove', 'Rimuovi'], ['defaults', 'Predefinito']),
    ...boxes.slice(1).map(([id, label, value]) => box(id, label, value)), ...checks.map((c) => check(...c)), hold);
  catalogue.setAttribute('aria-labelledby', 'sz-catalogue-label');
  requirements.insertBefore(el('p', { className: 'sz-note',
    textContent: t('I movimenti segnati "Em" nel ciclo devono compiersi a pompa persa.') }), hold);
  // Requirements and Calcola on the left, the answer and Applica on the
  // right, as in the desktop's window.
  section.setAttribute('aria-labelledby', 'sz-title');
  section.replaceChildren(el('h2', { id: 'sz-title', textContent: t('Dimensionamento') }),
    el('div', { className: 'sz-left' }, requirements, el('p', { className: 'sz-controls' }, compute, ' ', stop, ' ', progress)),
    el('div', { className: 'sz-right' }, el('p', { className: 'sz-controls' }, apply), stale, answer));
  const $ = (id) => section.querySelector('#sz-' + id);
  return { section, type, catalogue, answer, stale, compute, stop, progress, apply, requirements, $,
    edited: false, shownType: type.selectedIndex, found: null, applying: false, seen: null };
}


// The catalogue: empty until an answer or a project gives the type's
// defaults; an edited one goes to the core as --catalogue.
export function showCatalogue(f, rows) {
  const head = el('tr', {}, ...catalogueKeys.map(([h]) => el('th', { scope: 'col', textContent: t(h) })));
  f.catalogue.replaceChildren(el('thead', {}, head), el('tbody'));
  for (const row of rows) addRow(f, row);
}
export function addRow(f, values) {
  const cells = catalogueKeys.map(([h], i) => {
    const input = el('input', { value: values[i] ?? '', inputMode: 'decimal' });
    input.setAttribute('aria-label', t(h));
    return el('td', {}, input);
  });
  f.catalogue.tBodies[0].append(el('tr', {}, ...cells));
}
// A type's defaults in the page's language; none until the core gave them.
export const defaultRows = (i) => (defaults[i] || []).map((row) => row.map((x) => (x === null ? '' : number(x))));
