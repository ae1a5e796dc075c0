// The page's words in Italian (the program's own) and in English, which the
// core gives from the program's catalogue when the page starts (the texts
// are listed in VolvenzaWebTables.cpp), with what the page shares with the
// desktop's windows: the kinds' titles, the cycle table's headers and
// tooltips, the sizes each kind's page shows and the kind each is listed as,
// the initial boxes' names and units, the tooltip of a box that holds no
// number, the gas laws and boxes, the results table's headings and formats,
// the chart readout's decimals and words, the note on results out of date;
// and the project's names of what the page edits, from the core too.
import { language } from './app-state.js';

let tables = null;
let told;
// Resolves once the core has given them.
export const loaded = new Promise((resolve) => {
  told = resolve;
});

// What was asked in English and has none: the page's tests check that it
// stays empty.
const untranslated = new Set();
globalThis.volvenzaUntranslated = untranslated;

// Asks the core once, before anything is shown.
export async function load(call) {
  tables = await call('tables');
  for (const italian of tables.missing) untranslated.add(italian);
  told();
}

// `text` with its %1, %2... filled with `parts` in one pass: a part holding
// "%2" stays as it is, a placeholder without its part too.
const filled = (text, parts) =>
  text.replace(/%(\d+)/g, (m, i) => (i >= 1 && i <= parts.length ? String(parts[i - 1]) : m));

// A text in the page's language with its %1, %2... filled with `parts`.
export function t(italian, ...parts) {
  let text = italian;
  if (language() === 'en') {
    if (tables && tables.texts[italian] !== undefined) text = tables.texts[italian];
    else untranslated.add(italian);
  }
  return filled(text, parts);
}

// One of the core's tables: 'kinds', 'shown', 'columns', 'tooltips', 'initial'
// (each {key, it, en, unit}: the project's name, the words), 'cycle' (per
// column of the cycle table {key, part}: the project's name, null for the
// pressure worked out, and 'kind', 'size', 'flow', 'duty', 'emergency' or ''),
// 'newMovement' (a movement as the project writes a new one), 'laws' and 'gas'
// (the gas laws and the envelope's boxes, {key, it, en}), 'lawKey' (the
// project's name of the gas's law), 'parts' (the project's names of its parts:
// {data, movements, gas, requirements, recommendation}), 'results' (the results table's headings),
// 'files' (the kinds of file a design is kept in, {simulation, project}, each
// {extension, name}: the name a design is offered under without one of its
// own), 'series' (the results table's after the time, {symbol, unit, axis}: the
// chart's axis title), 'chart' (the chart's choice of series in its order,
// {symbol, name}: the name's words), 'timeAxis' (the time's), 'resultsFormat' ({every, decimals}: a row every so many steps, each column's
// decimals), 'readout' ({pressure, time, sample, pressureSymbol}: the decimals
// of the chart's readout, its words, {it, en}, and the pressure's symbol), 'timeStep' (s), 'notANumber', 'stale' (the
// note on results the data have changed under), 'characters'
// (what a number box lets be typed besides digits), 'limits' (the most
// movements, the undo steps kept) or 'listed' (by a movement's kind, the one it
// is listed and edited as).
export function coreTable(name) {
  return tables[name];
}
export const limit = (name) => tables.limits[name];

// A word of those tables ({it, en}) in the page's language, its %1, %2...
// filled with `parts`.
export function word(both, ...parts) {
  return filled(language() === 'en' ? both.en : both.it, parts);
}
