// The page: the toolbar (new, example, open, save, run and the gas law), the
// initial values, the cycle table, the run's messages, the chart and the
// results table. Every figure the page shows or saves comes from the core
// (app-state.js); this file only arranges them.
import * as app from './app-state.js';
import { ask, coreLoaded, draftStopping } from './core-now.js';
import { coreTable, load, t, word } from './texts.js';
import * as entry from './entry.js';
import * as initial from './initial.js';
import { createChart } from './chart.js';
import { createResults, seriesOfVlz } from './results.js';

const $ = (id) => document.getElementById(id);
// The gas laws and the envelope's boxes ({key, it, en}): the project's
// names and the desktop's gas-model window's words.
const laws = () => coreTable('laws');
const gasBoxes = () => coreTable('gas');

let chart, results;
let openedName = ''; // the file the work came from, for the name to save under

// `from` names what said it, for it to take back ('paste').
function say(text, kind = 'info', from = '') {
  const box = $('messages');
  box.textContent = text;
  box.dataset.kind = kind;
  box.dataset.from = from;
}

// Every text of the page in the current language.
function translate() {
  document.documentElement.lang = app.language();
  document.querySelectorAll('[data-t]').forEach((el) => {
    el.textContent = t(el.dataset.t);
  });
  document.querySelectorAll('[data-t-title]').forEach((el) => {
    el.title = t(el.dataset.tTitle);
    el.setAttribute('aria-label', t(el.dataset.tTitle));
  });
  document.querySelectorAll('.stale-note').forEach((note) => {
    note.textContent = word(coreTable('stale'));
  });
  $('language').value = app.language();
  document.querySelectorAll('.gas-label').forEach((l, i) => {
    l.textContent = word(gasBoxes()[i]);
  });
  const law = $('law');
  law.replaceChildren(...laws().map((l) => new Option(word(l), l.key)));
  const choice = $('series');
  const was = choice.value || coreTable('readout').pressureSymbol;
  choice.replaceChildren(...coreTable('chart').map(({ symbol, name }) => new Option(word(name), symbol)));
  choice.value = was;
}

function showGas() {
  const gas = app.part('gas');
  $('law').value = gas[coreTable('lawKey')];
  for (const { key: field } of gasBoxes()) {
    const input = $('gas-' + field);
    const draft = app.draftsOf()['gas/' + field];
    const text = draft !== undefined ? draft : app.formatNumber(gas[field]);
    if (document.activeElement !== input) input.value = text;
    input.classList.toggle('not-a-number', draft !== undefined);
  }
  // Beyond the one accumulator of V0, worded by the core as the desktop's
  // status bar says it.
  const vessels = ask({ vessels: JSON.stringify(app.project()) });
  $('vessels').textContent = vessels.line || '';
}

// As the desktop's note: results of a design that has changed since the
// run are said to be so, in the notes, over the chart and the table, until
// the next run.
const ranAs = (r) => !!r && app.asRun(JSON.parse(r.design)) === app.asRun(app.project());
function markStale() {
  const r = app.results();
  const stale = !!r && !ranAs(r);
  document.body.dataset.stale = stale;
  document.querySelectorAll('.stale-note').forEach((note) => { note.hidden = !stale; });
}

function showAll() {
  initial.showInitial($('initial'));
  entry.showTable();
  showGas();
  markStale();
}

// As the desktop: a box's text that is no number stops a run or a save,
// said for the box the desktop would name, in its words.
function stoppedByDraft(what) {
  const stops = draftStopping(what);
  if (stops) say(stops, 'error');
  return !!stops;
}

// The run: the project's gas law and envelope, the summary for the notes.
async function run() {
  if (stoppedByDraft('run')) return;
  say(t('Simulazione in corso…'));
  $('run').disabled = true;
  const started = performance.now();
  try {
    const text = JSON.stringify(app.project());
    const input = app.fileOf('project', app.fileKind('project').name);
    const output = app.fileOf('simulation', app.workName.output);
    const reply = await app.call('command', ['run', input, output, '--summary'], { [input]: text }, [output]);
    const out = reply.files[output];
    const lines = reply.stdout.split('\n').filter(Boolean);
    const json = lines.length && lines[lines.length - 1].startsWith('{') ? JSON.parse(lines.pop()) : null;
    const notes = [reply.stderr.trim(), ...lines, ...await verdicts(json)].filter(Boolean).join('\n');
    app.setResults(out ? { series: seriesOfVlz(out), vlz: out, summary: json, notes, design: text } : null);
    say((out ? t('Simulazione completata.') + '\n' : '') + notes, reply.code === 0 ? 'info' : 'error');
    window.volvenzaLastRunMs = performance.now() - started;
  } catch (e) {
    say(e.message, 'error');
  } finally {
    $('run').disabled = false;
  }
}

// The duties' verdicts of the summary, a line each, in the desktop's words.
async function verdicts(json) {
  if (!json) return [];
  const reply = await app.call('verdicts', json);
  return reply.error ? [reply.error] : reply.lines;
}

// --- Files ----------------------------------------------------------------

async function openFile(file) {
  const text = await file.text();
  try {
    const notes = await app.loadProjectText(text, file.name);
    openedName = file.name;
    await entry.refreshChecks();
    showAll();
    say([t('Aperto %1.', file.name), notes].filter(Boolean).join('\n'));
  } catch (e) {
    // The page stays as it was.
    say(t('Impossibile aprire %1:', file.name) + '\n' + e.message, 'error');
  }
}

// `kind` 'project' or 'simulation'.
async function save(kind) {
  if (stoppedByDraft('save')) return;
  try {
    // A simulation file keeps the results of the design as it is, or none.
    const current = JSON.stringify(app.project());
    const r = app.results();
    const text = kind === 'project' ? await app.currentProjectText()
      : ranAs(r) ? r.vlz : await app.call('convert', current, app.fileKind(kind).extension);
    const own = openedName && ask({ 'file-name': openedName, text: '' }).base;
    const name = app.fileOf(kind, own || app.fileKind(kind).name);
    if (window.showSaveFilePicker) {
      let handle = null;
      try {
        handle = await window.showSaveFilePicker({ suggestedName: name,
          types: [{ description: 'Volvenza', accept: { 'application/octet-stream': ['.' + app.fileKind(kind).extension] } }] });
      } catch (e) {
        if (e.name === 'AbortError') return; // cancelled
        // No picker here (or not allowed): the download below.
      }
      if (handle) {
        const writable = await handle.createWritable();
        await writable.write(text);
        await writable.close();
        say(t('Salvato %1.', handle.name));
        return;
      }
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/octet-stream' }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    say(t('Salvato %1.', name));
  } catch (e) {
    say(e.message, 'error');
  }
}

// The desktop's new project, as the core makes it.
async function newDesign() {
  await app.loadProjectText(ask({ 'new-project': true }).project, app.fileOf('project', app.workName.fresh));
  await entry.refreshChecks();
  showAll();
}

// --- Start ----------------------------------------------------------------

function buildGas() {
  const box = $('gas-values');
  for (const { key: field } of gasBoxes()) {
    const wrap = document.createElement('span');
    const l = document.createElement('label');
    l.htmlFor = 'gas-' + field;
    l.className = 'gas-label';
    const input = document.createElement('input');
    input.id = 'gas-' + field;
    input.inputMode = 'decimal';
    input.size = 6;
    app.typedAsNumber(input);
    input.addEventListener('input', () => {
      // Empty is no value: no envelope, the law's own exponent.
      const empty = input.value.trim() === '';
      const value = empty ? null : app.parseNumber(input.value);
      const bad = !empty && value === null;
      app.setDraft('gas/' + field, bad ? input.value : null);
      if (!bad) app.part('gas')[field] = value;
      input.classList.toggle('not-a-number', bad);
      app.edited('project');
    });
    wrap.append(l, ' ', input);
    box.append(wrap, ' ');
  }
  $('law').addEventListener('change', () => {
    app.part('gas')[coreTable('lawKey')] = $('law').value;
    app.edited('project');
  });
}

// Every part follows the project, its results and the language.
function follow() {
  app.onChange((what) => {
    if (what === 'results') {
      chart.update();
      results.update();
      markStale();
    } else if (what === 'project') {
      markStale();
      entry.refreshChecks().then(showAll);
    } else if (what === 'language') {
      translate();
      initial.buildInitial($('initial'));
      entry.refreshChecks().then(showAll);
      chart.draw();
      results.show();
    }
  });
}

// Movements pasted into the cycle table: one value into the current cell,
// rows from a spreadsheet after the current row.
async function paste(e) {
  const text = e.clipboardData.getData('text/plain');
  if (!text) return;
  e.preventDefault();
  try {
    if (!/[\t\n]/.test(text.trim())) {
      await entry.pasteValue(text);
      // A paste refused before is no longer the news.
      if ($('messages').dataset.from === 'paste') say('');
      return;
    }
    const reply = await entry.pasteMovements(text);
    say([t('Movimenti incollati: %1.', reply.movements.length), ...(reply.notes || [])].join('\n'));
  } catch (err) {
    say(err.message, 'error', 'paste');
  }
}

// F5 runs; Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) take back the design's
// edits, in the boxes as in the table, as on the desktop; a cell being
// edited keeps its own.
function onKey(e) {
  if (e.key === 'F5') {
    e.preventDefault();
    run();
  }
  const key = e.key.toLowerCase();
  if ((e.ctrlKey || e.metaKey) && (key === 'z' || key === 'y') &&
      !e.target.classList.contains('cell-editor')) {
    e.preventDefault();
    if (key === 'y' || e.shiftKey) app.redo();
    else app.undo();
  }
}

function listen() {
  $('language').addEventListener('change', () => app.setLanguage($('language').value));
  // As on the desktop, the example replaces the work and waits for a run.
  $('example').addEventListener('click', async () => {
    await app.loadExample();
    await entry.refreshChecks();
    showAll();
    say('');
  });
  $('new').addEventListener('click', newDesign);
  // Either kind of design, by the core's extensions.
  $('open-file').accept = ['simulation', 'project'].map((kind) => '.' + app.fileKind(kind).extension).join(',');
  $('open').addEventListener('click', () => $('open-file').click());
  $('open-file').addEventListener('change', () => {
    const file = $('open-file').files[0];
    $('open-file').value = '';
    if (file) openFile(file);
  });
  $('save-vlzp').addEventListener('click', () => save('project'));
  $('save-vlz').addEventListener('click', () => save('simulation'));
  $('run').addEventListener('click', run);
  $('add-movement').addEventListener('click', entry.addMovement);
  $('delete-movement').addEventListener('click', entry.deleteMovement);
  $('cycle').addEventListener('paste', paste);
  document.addEventListener('keydown', onKey);
}

async function start() {
  const loadedAt = performance.now();
  // What was kept comes back before the sizing (sizing.js) shows it, which
  // it does once the core has given the words.
  const restored = app.restore();
  // The boxes read what is typed by the core on the page's thread.
  await Promise.all([load(app.call), coreLoaded]);
  translate();
  buildGas();
  translate();
  if (!restored) await app.loadExample();
  initial.buildInitial($('initial'));
  entry.buildTable($('cycle'));
  chart = createChart($('chart'), $('readout'), $('series'), $('reset-zoom'));
  results = createResults($('results'), $('results-status'), $('results-previous'), $('results-next'));
  follow();
  await entry.refreshChecks();
  showAll();
  results.update();
  chart.update();
  listen();
  window.volvenzaReadyMs = performance.now() - loadedAt;
  document.body.dataset.ready = 'true';
}

start();
