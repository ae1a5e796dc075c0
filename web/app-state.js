// The page's state and its one way to the core, for every part of the page.
//
//   stop()                   ends the core's worker mid-request and starts a
//                            fresh one; what was waiting is rejected
//                            (error.stopped). A core that traps is replaced
//                            alike by itself: its request is rejected
//                            (error.trapped), the others go to the new one
//   call(method, ...args)    the core in its worker (worker.js): 'run', 'size',
//                            'convert', 'gas', 'command' as in volvenza.js, and
//                            'check'; a promise of the answer, rejected with
//                            the core's message (error.code its status)
//   currentProjectText()     the design as .vlzp text, written by the core
//   loadProjectText(text, name)
//                            a .vlz or .vlzp (by name, else by content) read
//                            by the core; on refusal rejects with its message
//                            naming the file and the line or JSON path, and
//                            the page keeps what it had
//   project()                the design as the page edits it (the .vlzp JSON)
//   part(name), partKey(name) a part of it ('data', 'movements', 'gas',
//                            'requirements', 'recommendation') and the
//                            project's name of it, as the core names them
//   asRun(design)            the design as a run sees it: without the
//                            sizing's requirements and last recommendation
//   edited(what)             tell everyone that the design changed
//   language(), setLanguage('it'|'en')
//   formatNumber(x, decimals) as the core writes it: the language's decimal
//                            separator; decimals fixed, or omitted for the
//                            box form
//   parseNumber(text)        a typed number as the windows read it, or null
//   typedAsNumber(input, {characters, decimalKey}), fitsNumberBox(text)
//                            a number box that refuses a letter typed or
//                            pasted, as the windows' boxes
//   onChange(callback)       callback(what) after every change: 'project'
//                            (edits, loads), 'results' (a run), 'language',
//                            'opened' (after a load's 'project'), 'sizing'
//                            (the sizing's requirements edited)
//   results()                the last run: {series, vlz, summary, notes} or null
//   undo(), redo()           the design (and its typed texts) as it was
//                            before the last edit, or again after it; they
//                            tell 'project' and say whether there was one
//
// Nothing typed is lost on reload: the design, the texts that are not numbers
// yet and the language are kept in localStorage.

import { ask } from './core-now.js';
import { coreTable, limit, t } from './texts.js';

const STORE = 'volvenza.work';
const LANGUAGE = 'volvenza.language';

const pending = new Map();
let nextId = 1;
function answer(event) {
  const { id, value, error } = event.data;
  const waiting = pending.get(id);
  if (!waiting) return;
  pending.delete(id);
  if (error && error.trapped) {
    // The core trapped: its module is unusable. A fresh worker takes over
    // what was still waiting; the page's state is the page's, and stays.
    restart();
    const e = new Error(t('Il calcolo si è interrotto per un errore interno (%1) ed è stato riavviato; il lavoro è come prima.',
      error.message));
    e.trapped = true;
    waiting.reject(e);
  } else if (error) {
    const e = new Error(error.message);
    e.code = error.code;
    waiting.reject(e);
  } else {
    waiting.resolve(value);
  }
}
function startWorker() {
  const w = new Worker('worker.js');
  w.onmessage = answer;
  return w;
}
let worker = startWorker();
function post(id, message) {
  worker.postMessage({ id, ...message });
}
function restart() {
  worker.terminate();
  worker = startWorker();
  for (const [id, waiting] of pending) post(id, waiting.message);
}

// The core cannot be interrupted inside a search: its worker is ended and a
// new one started (the module loaded again). Every request still waiting is
// rejected with error.stopped set; the design, its drafts and the results
// are the page's, and stay.
export function stop() {
  worker.terminate();
  worker = startWorker();
  for (const [id, waiting] of pending) {
    const e = new Error('stopped');
    e.stopped = true;
    waiting.reject(e);
    pending.delete(id);
  }
}

let currentLanguage = localStorage.getItem(LANGUAGE) ||
  ((navigator.language || '').toLowerCase().startsWith('en') ? 'en' : 'it');

export function call(method, ...args) {
  const id = nextId++;
  return new Promise((resolve, reject) => {
    const message = { method, args, language: currentLanguage };
    pending.set(id, { resolve, reject, message });
    post(id, message);
  });
}

const listeners = [];
export function onChange(callback) {
  listeners.push(callback);
}
function tell(what) {
  for (const callback of listeners) callback(what);
}

export function language() {
  return currentLanguage;
}
export function setLanguage(lang) {
  currentLanguage = lang === 'en' ? 'en' : 'it';
  localStorage.setItem(LANGUAGE, currentLanguage);
  tell('language');
}

// The decimal separator the core writes in the page's language.
export function decimalSeparator() {
  return ask({ format: 0 }).separator;
}

// Whether a number box lets `text` be typed: digits and the characters the
// core gives for the desktop's boxes, or `characters` (the bottles' own).
export const fitsNumberBox = (text, characters) =>
  [...text].every((c) => /[0-9]/.test(c) || (characters ?? coreTable('characters')).includes(c));

// A number box as the desktop's: a letter typed, pasted or dropped is
// refused; with `decimalKey` the separator the language does not use types
// the one it does, as in the cycle table and the initial values.
export function typedAsNumber(input, { characters, decimalKey = false } = {}) {
  input.addEventListener('beforeinput', (e) => {
    const text = e.data ?? e.dataTransfer?.getData('text/plain') ?? '';
    if (!fitsNumberBox(text, characters)) {
      e.preventDefault();
      return;
    }
    const want = decimalSeparator();
    if (decimalKey && e.inputType === 'insertText' && e.data === (want === ',' ? '.' : ',')) {
      e.preventDefault();
      const { selectionStart: s, selectionEnd: f, value } = input;
      input.value = value.slice(0, s) + want + value.slice(f);
      input.setSelectionRange(s + 1, s + 1);
      input.dispatchEvent(new Event('input'));
    }
  });
  return input;
}

// A number as the boxes show it, written by the core (on the page's thread,
// as parseNumber reads): without `decimals`, the box form (`single` for the
// values kept in single precision); with `decimals`, fixed.
export function formatNumber(x, decimals, single = false) {
  if (x === null || x === undefined) return '';
  return ask({ format: Number.isFinite(x) ? x : String(x), decimals, single }).text;
}

// A typed number as the windows read a box, read by the core on the page's
// thread (core-now.js, loaded before the page starts), `single` for a value
// kept in single precision; null for none.
export function parseNumber(text, single = false) {
  return ask({ number: String(text), single }).value;
}

// The design being edited and the drafts: texts typed where a number goes,
// by "place" ('dati/V0', 'mov/3/Ti'), kept until a number replaces them.
let design = null;
let drafts = {};
let lastResults = null;

export function project() {
  return design;
}
export const partKey = (name) => coreTable('parts')[name];
export const part = (name) => design?.[partKey(name)];
export const asRun = (d) => JSON.stringify({ ...d, [partKey('requirements')]: undefined, [partKey('recommendation')]: undefined });
export function draftsOf() {
  return drafts;
}
export function results() {
  return lastResults;
}

// Every edit keeps the state before it, for Ctrl+Z.
const undone = [];
const redone = [];
let kept = null;

function keep() {
  const now = JSON.stringify({ design, drafts });
  if (kept !== null && kept !== now) {
    undone.push(kept);
    if (undone.length > limit('undoSteps')) undone.shift();
    redone.length = 0;
  }
  kept = now;
  try {
    localStorage.setItem(STORE, now);
  } catch (e) {
    // A full store keeps the last copy; the page goes on.
  }
}

function back(from, to) {
  if (!from.length) return false;
  to.push(kept);
  kept = from.pop();
  ({ design, drafts } = JSON.parse(kept));
  try {
    localStorage.setItem(STORE, kept);
  } catch (e) {
    // As above.
  }
  tell('project');
  return true;
}
export const undo = () => back(undone, redone);
export const redo = () => back(redone, undone);

export function edited(what = 'project') {
  keep();
  tell(what);
}

export function setDraft(place, text) {
  if (text === null) delete drafts[place];
  else drafts[place] = text;
}

export function setResults(r) {
  lastResults = r;
  tell('results');
}

// The kinds of file a design is kept in ('simulation', 'project'): {extension,
// name}, the core's; a file of `kind` named `base`.
export const fileKind = (kind) => coreTable('files')[kind];
export const fileOf = (kind, base) => base + '.' + fileKind(kind).extension;
// The names the page gives the files it makes for itself: what it hands a
// command and what the command writes, a new design and the example (the
// desktop's have no file until saved). The page's own, none of the core's.
export const workName = { input: 'in', output: 'out', fresh: 'nuovo', example: 'esempio' };

export async function currentProjectText() {
  return call('convert', JSON.stringify(design), fileKind('project').extension);
}

export async function loadProjectText(text, name) {
  // The file's own name where it can be, so that the core's messages name it.
  const input = ask({ 'file-name': String(name || ''), text }).name;
  const output = fileOf('project', workName.output);
  const reply = await call('command', ['convert', input, output], { [input]: text }, [output]);
  const out = reply.files[output];
  if (out === undefined) {
    const e = new Error(reply.stderr.trim());
    e.code = reply.code;
    throw e;
  }
  design = JSON.parse(out);
  drafts = {};
  lastResults = null;
  edited('project');
  tell('results');
  tell('opened');
  // The notes on writing the output (its results not kept) concern a file
  // the page makes for itself, not the one opened.
  return reply.stderr.split('\n').filter((line) => !line.includes(output)).join('\n').trim();
}

// The built-in example, as the desktop's Esempio loads it.
export async function loadExample() {
  const example = fileOf('simulation', workName.example);
  const reply = await call('command', ['example', example], {}, [example]);
  return loadProjectText(reply.files[example], example);
}

// Back to what was kept; false when nothing was.
export function restore() {
  try {
    const kept = JSON.parse(localStorage.getItem(STORE));
    if (kept && kept.design && kept.design.formato) {
      design = kept.design;
      drafts = kept.drafts || {};
      return true;
    }
  } catch (e) {
    // Nothing readable kept: start afresh.
  }
  return false;
}

// For engineers who script in the console: window.volvenza as volvenza.js
// gives it, answered by the worker.
const consoleApi = { language: currentLanguage, ready: call('gas', 20, 1).then(() => true) };
for (const name of ['run', 'size', 'convert', 'gas', 'command']) {
  consoleApi[name] = (...args) => {
    const id = nextId++;
    return new Promise((resolve, reject) => {
      const message = { method: name, args, language: consoleApi.language };
      pending.set(id, { resolve, reject, message });
      post(id, message);
    });
  };
}
window.volvenza = consoleApi;
