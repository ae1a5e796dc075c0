// The cycle table, as the desktop's "Ciclo" window has it: the same
// columns and marks (the initial values are initial.js's). A text that is
// not a number stays where it was typed, in red, while the design keeps the
// value it had; how each cell reads (which are blank, the numbers' form)
// comes from the core's cells, what the table works out (the flow after a
// size or a time, a duty out of range, a row's marks) from its check.
import * as app from './app-state.js';
import { ask } from './core-now.js';
import { coreTable, limit, t, word } from './texts.js';

// The cycle table's columns by the project's field, as the core names them
// (the pressure worked out, which the project does not keep, is the page's
// 'pn'); their headers and tooltips, in the same order, are the desktop's
// (texts.js). Filled once the core has answered.
let COLUMNS = [];
let DUTY = []; // the duty's figures typed
let SIZES = []; // the sizes a kind's page may hide
let SINGLE = []; // the figures the project keeps in single precision
// The fields of the kind, the flow and the emergency mark.
let KIND, FLOW, EMERGENCY;
const header = (col) => word(coreTable('columns')[col]);
const tooltip = (col) => word(coreTable('tooltips')[col]);
// The sizes each kind's page shows, by the project's field names.
const shown = (kind) => coreTable('shown')[kind].map((col) => COLUMNS[col]);

// Per movement {flow, outOfRange, severity, reasons} from the core's check.
let checked = [];

// The kind a movement is listed and edited as (an empty slot's is the first).
const listed = (kind) => coreTable('listed')[kind];

function shows(m, field) {
  if (SIZES.includes(field)) return shown(listed(m[KIND])).includes(field);
  return true;
}

// The movements' cells as the desktop's table shows them, and what each
// keeps while its text is no number, from the core; blank for movements it
// cannot read.
function cellsOf(moves) {
  const reply = moves.length ? ask({ cells: moves }) : { rows: [], kept: [] };
  if (reply.rows) return reply;
  const blank = moves.map(() => COLUMNS.map(() => ''));
  return { rows: blank, kept: blank };
}

// A cell's text as the table shows it: a text typed that is no number, else
// the core's (`cells`, its row's).
function cellText(cells, index, col) {
  const draft = app.draftsOf()[`mov/${index}/${COLUMNS[col]}`];
  return draft !== undefined ? draft : cells[col];
}

// A cell holding a text that is not a number, as the desktop says it: the
// column by its header's first word and the value the movement keeps
// (`kept`, its row's, from the core); a duty's number kept aside is out of
// its range, which the core names.
function notANumber(kept, col, text) {
  const name = header(col).split(' ')[0];
  const duty = DUTY.includes(COLUMNS[col]) ? ask({ duty: text, column: col }) : null;
  if (duty && 'value' in duty) return t('Valore fuori campo in %1, %2: resta %3', name, duty.range, kept[col]);
  return t('Valore non valido in %1: resta %2', name, kept[col]);
}

// What is wrong with a row, as the desktop marks it: 'error', 'warning' or
// '' and the reasons, the texts typed that are not numbers before the core's
// (from the movement).
function rowCheck(kept, index) {
  const reasons = [];
  COLUMNS.forEach((field, col) => {
    const draft = app.draftsOf()[`mov/${index}/${field}`];
    if (draft !== undefined) reasons.push(notANumber(kept, col, draft));
  });
  const c = checked[index];
  const severity = reasons.length ? 'error' : (c && c.severity) || '';
  if (c) reasons.push(...c.reasons);
  return { severity, reasons };
}

let table = null;
let cursor = { row: 0, col: 0 };
let editor = null; // the input or select while a cell is edited

// A design the core refuses keeps the last answer, as does a check cut
// short by Interrompi.
export async function refreshChecks() {
  let reply;
  try {
    reply = await app.call('check', JSON.stringify(app.project()));
  } catch (e) {
    if (e.stopped) return {};
    throw e;
  }
  if (reply.movements) checked = reply.movements;
  return reply;
}

// A movement as the project writes a new one.
const newMovement = () => structuredClone(coreTable('newMovement'));

export function buildTable(container) {
  const columns = coreTable('cycle');
  COLUMNS = columns.map((c) => c.key ?? 'pn');
  DUTY = columns.filter((c) => c.part === 'duty').map((c) => c.key);
  SIZES = columns.filter((c) => c.part === 'size').map((c) => c.key);
  SINGLE = columns.filter((c) => c.single).map((c) => c.key);
  [KIND, FLOW, EMERGENCY] = ['kind', 'flow', 'emergency'].map((part) => columns.find((c) => c.part === part).key);
  table = container;
  showTable();
  table.addEventListener('keydown', onKey);
  table.addEventListener('click', (e) => {
    const td = e.target.closest('td[data-col]');
    if (td) focusCell(+td.parentElement.dataset.row, +td.dataset.col);
  });
  table.addEventListener('dblclick', (e) => {
    if (e.target.closest('td[data-col]')) startEdit('');
  });
}

export function showTable() {
  if (!table || editor) return;
  const moves = app.part('movements');
  const head = document.createElement('thead');
  const hr = document.createElement('tr');
  const corner = document.createElement('th');
  corner.textContent = 'N';
  corner.scope = 'col';
  hr.append(corner);
  COLUMNS.forEach((_, c) => {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = header(c);
    th.title = tooltip(c);
    hr.append(th);
  });
  head.append(hr);
  const body = document.createElement('tbody');
  const cells = cellsOf(moves);
  moves.forEach((m, i) => {
    const tr = document.createElement('tr');
    tr.dataset.row = i;
    const check = rowCheck(cells.kept[i], i);
    if (check.severity) tr.classList.add('row-' + check.severity);
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = i + 1;
    th.title = check.reasons.join('\n');
    tr.append(th);
    COLUMNS.forEach((field, c) => {
      const td = document.createElement('td');
      td.dataset.col = c;
      td.tabIndex = -1;
      td.textContent = cellText(cells.rows[i], i, c);
      td.setAttribute('aria-label', `${header(c)}: ${td.textContent}`);
      const draft = app.draftsOf()[`mov/${i}/${field}`];
      if (draft !== undefined) {
        td.classList.add('not-a-number');
        td.title = notANumber(cells.kept[i], c, draft);
      } else if (check.reasons.length) {
        td.title = check.reasons.join('\n');
      }
      if (field === 'pn' || (!shows(m, field) && SIZES.includes(field))) td.classList.add('computed');
      if (field === KIND) td.classList.add('kind');
      tr.append(td);
    });
    body.append(tr);
  });
  const hadFocus = table.contains(document.activeElement);
  table.replaceChildren(head, body);
  cursor.row = Math.min(cursor.row, Math.max(moves.length - 1, 0));
  const cell = cellAt(cursor.row, cursor.col);
  if (cell) {
    cell.tabIndex = 0;
    if (hadFocus) cell.focus();
  }
  if (!moves.length) table.tabIndex = 0;
}

function cellAt(row, col) {
  return table.querySelector(`tr[data-row="${row}"] td[data-col="${col}"]`);
}

function focusCell(row, col) {
  const rows = app.part('movements').length;
  if (!rows) return;
  row = Math.max(0, Math.min(rows - 1, row));
  col = Math.max(0, Math.min(COLUMNS.length - 1, col));
  const old = cellAt(cursor.row, cursor.col);
  if (old) old.tabIndex = -1;
  cursor = { row, col };
  const cell = cellAt(row, col);
  cell.tabIndex = 0;
  cell.focus();
}

export function currentRow() {
  return cursor.row;
}

function onKey(e) {
  if (editor) return;
  const { row, col } = cursor;
  const last = COLUMNS.length - 1;
  const moves = {
    ArrowUp: [row - 1, col], ArrowDown: [row + 1, col], ArrowLeft: [row, col - 1], ArrowRight: [row, col + 1],
    Home: [row, 0], End: [row, last], Enter: [row + 1, col],
  };
  if (e.key === 'Tab') {
    // Tab walks the cells and leaves the table at its ends; an empty table
    // lets it go on at once.
    if (app.part('movements').length === 0) return;
    const next = e.shiftKey ? (col > 0 ? [row, col - 1] : row > 0 ? [row - 1, last] : null)
      : (col < last ? [row, col + 1] : row < app.part('movements').length - 1 ? [row + 1, 0] : null);
    if (next) {
      e.preventDefault();
      focusCell(...next);
    }
    return;
  }
  if (e.key === 'Escape') {
    // Out of the table, to what follows it, without walking every cell.
    e.preventDefault();
    document.getElementById('add-movement').focus();
    return;
  }
  if (moves[e.key] && !e.altKey && !e.ctrlKey) {
    e.preventDefault();
    focusCell(...moves[e.key]);
  } else if (e.key === 'F2') {
    e.preventDefault();
    startEdit(null);
  } else if (e.key === ' ' && COLUMNS[col] === EMERGENCY) {
    e.preventDefault();
    commit(row, EMERGENCY, !app.part('movements')[row][EMERGENCY]);
  } else if (e.key === 'Delete' || e.key === 'Backspace') {
    e.preventDefault();
    commitText(row, col, '');
  } else if (e.key.length === 1 && !e.ctrlKey && !e.metaKey && !e.altKey) {
    e.preventDefault();
    startEdit(e.key);
  }
}

// Editing a cell: an input over it (a list for the kind); Enter or Tab
// keeps the text, Esc leaves the cell as it was.
function startEdit(typed) {
  const { row, col } = cursor;
  const field = COLUMNS[col];
  const cell = cellAt(row, col);
  if (!cell || field === 'pn') return;
  const m = app.part('movements')[row];
  if (field === EMERGENCY) {
    commit(row, field, !m[EMERGENCY]);
    return;
  }
  if (field === KIND) {
    editor = document.createElement('select');
    coreTable('kinds').forEach((title, k) => {
      if (title) editor.append(new Option(`${k} ${word(title)}`, k, false, k === listed(m[KIND])));
    });
    // A kind's code typed chooses it.
    if (typed && /^\d$/.test(typed) && coreTable('kinds')[+typed]) editor.value = typed;
  } else {
    editor = document.createElement('input');
    // A letter typed opens the cell as it is, refused as in the box.
    if (typed && !app.fitsNumberBox(typed)) typed = null;
    editor.value = typed === null || typed === '' ? cellText(cellsOf([m]).rows[0], row, col) : typed === ' ' ? '' : typed;
    app.typedAsNumber(editor, { decimalKey: true });
  }
  editor.className = 'cell-editor';
  editor.setAttribute('aria-label', header(col) + ' — ' + t('Movimento %1, %2', row + 1, tooltip(col)));
  cell.replaceChildren(editor);
  editor.focus();
  if (editor.setSelectionRange && typed) editor.setSelectionRange(editor.value.length, editor.value.length);
  let done = false;
  const finish = (keep, move) => {
    if (done) return;
    done = true;
    const value = editor.value;
    editor = null;
    if (keep) commitText(row, col, value);
    else showTable();
    if (move) focusCell(...move);
    else focusCell(row, col);
  };
  editor.addEventListener('keydown', (e) => {
    // The table's own keys wait until the edit is over.
    e.stopPropagation();
    if (e.key === 'Escape') { e.preventDefault(); finish(false); }
    else if (e.key === 'Enter') { e.preventDefault(); finish(true, [row + 1, col]); }
    else if (e.key === 'Tab') { e.preventDefault(); finish(true, [row, col + (e.shiftKey ? -1 : 1)]); }
    else if ((e.key === 'ArrowUp' || e.key === 'ArrowDown') && editor.tagName === 'INPUT') {
      e.preventDefault();
      finish(true, [row + (e.key === 'ArrowUp' ? -1 : 1), col]);
    }
  });
  editor.addEventListener('blur', () => finish(true));
}

// A typed text into a cell: a number (or empty) is the movement's, anything
// else stays as the cell's draft.
async function commitText(row, col, text) {
  const field = COLUMNS[col];
  const m = app.part('movements')[row];
  const place = `mov/${row}/${field}`;
  if (field === KIND) return commit(row, field, +text);
  if (field === 'pn' || field === EMERGENCY) return showTable();
  const trimmed = text.replace(/^[ \t]+|[ \t]+$/g, '');
  // A duty's figure as the core reads it, the default for an empty cell.
  const duty = DUTY.includes(field) ? ask({ duty: trimmed, column: col }) : null;
  const value = duty ? duty.value : trimmed === '' ? null : app.parseNumber(trimmed, SINGLE.includes(field));
  const read = duty ? 'value' in duty : value !== null;
  if (!read) {
    if (trimmed === '' && !DUTY.includes(field)) return showTable();
    app.setDraft(place, text);
    app.edited('project');
    return showTable();
  }
  const before = m[field];
  m[field] = value;
  app.setDraft(place, null);
  const reply = await refreshChecks();
  const outOfRange = Boolean(reply.movements && reply.movements[row] && reply.movements[row].outOfRange);
  if (reply.error || (DUTY.includes(field) && outOfRange)) {
    // Out of range (the duty's, or what a project holds): the figure stays
    // typed, the movement as it was.
    m[field] = before;
    app.setDraft(place, text);
    await refreshChecks();
  } else if (field !== FLOW && !DUTY.includes(field) && checked[row]) {
    m[FLOW] = checked[row].flow;
  }
  app.edited('project');
  showTable();
}

async function commit(row, field, value) {
  const m = app.part('movements')[row];
  m[field] = value;
  if (field === KIND) {
    // A new kind keeps only the sizes its page shows.
    for (const size of SIZES) if (!shown(value).includes(size)) m[size] = 0;
    await refreshChecks();
    m[FLOW] = checked[row].flow;
  }
  await refreshChecks();
  app.edited('project');
  showTable();
  focusCell(row, cursor.col);
}

export async function addMovement() {
  const moves = app.part('movements');
  moves.splice(moves.length ? cursor.row + 1 : 0, 0, newMovement());
  await refreshChecks();
  app.edited('project');
  showTable();
  focusCell(moves.length === 1 ? 0 : cursor.row + 1, 0);
}

export async function deleteMovement() {
  const moves = app.part('movements');
  if (!moves.length) return;
  moves.splice(cursor.row, 1);
  // Drafts follow their movements.
  const drafts = app.draftsOf();
  for (const place of Object.keys(drafts).filter((p) => p.startsWith('mov/'))) {
    const [, r, f] = place.split('/');
    const text = drafts[place];
    app.setDraft(place, null);
    if (+r < cursor.row) app.setDraft(place, text);
    else if (+r > cursor.row) app.setDraft(`mov/${+r - 1}/${f}`, text);
  }
  await refreshChecks();
  app.edited('project');
  showTable();
  if (moves.length) focusCell(cursor.row, cursor.col);
}

// One value copied from one cell goes into the current cell as if typed,
// read by the core as the desktop's table reads it; its message otherwise,
// as for a cell the movement does not use.
export async function pasteValue(text) {
  const field = COLUMNS[cursor.col];
  const m = app.part('movements')[cursor.row];
  if (!m) return;
  const reply = await app.call('paste', text, { column: cursor.col, kind: listed(m[KIND]), movement: cursor.row + 1 });
  if (reply.error) throw new Error(reply.error);
  if (field === KIND || field === EMERGENCY) await commit(cursor.row, field, reply.value);
  else await commitText(cursor.row, cursor.col, reply.value);
  focusCell(cursor.row, cursor.col);
}

// Movements pasted from a spreadsheet, read by the core as the desktop reads
// them, go in after the current row; more than the table has room for
// are refused, as on the desktop.
export async function pasteMovements(text) {
  const moves = app.part('movements');
  const reply = await app.call('paste', text, { room: limit('movements') - moves.length });
  if (reply.error) throw new Error(reply.error);
  const at = moves.length ? cursor.row + 1 : 0;
  moves.splice(at, 0, ...reply.movements);
  await refreshChecks();
  app.edited('project');
  showTable();
  return reply;
}
