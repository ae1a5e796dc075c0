// The sizing assistant: the desktop's "Dimensionamento" window in the page.
// The requirements become volvenza-sim size's options; the core answers in
// the page's language, and its own lines (recommendation, candidates,
// explanations, arrangements, PED, energy, fatigue, duties) are shown as
// they come. "Applica" has the core put the recommended V0, P0 and Qp into
// the design, as the desktop puts them.
// As on the desktop, the requirements are the project's as they are typed
// (a text that is no number is marked, named, and kept as a draft), and the
// answer is out of date only while the design or they differ from its own.
//
// It fills <section id="sizing"> and works through the page's state
// (app-state.js): the design as a project, the core in its worker, the
// language and its changes.
import * as app from './app-state.js';
import { ask, draftStopping } from './core-now.js';
import { loaded, t, word } from './texts.js';
import { addRow, boxes, buildForm, catalogueColumns, catalogueWords, checks, defaultRows, defaults, el, figuresText, form, formLoaded,
  holdBoxes, number, projectKeys, relanguage, showCatalogue, types } from './sizing-form.js';
import { args, judge, mark, numberInputs, placeOf, requirementsShown } from './sizing-read.js';

// Every edit goes into the project at once, as the desktop keeps it: saved
// or reloaded, nothing typed is lost; the texts that are no number are the
// project's drafts until they are.
function take(f) {
  const { $ } = f;
  const p = app.project();
  if (!p || f.applying) return;
  for (const place of Object.keys(app.draftsOf())) if (place.startsWith('sizing/')) app.setDraft(place, null);
  for (const e of numberInputs(f)) if (judge(f, e)) app.setDraft(placeOf(e), e.value);
  // A hold not whole stays out of the project, all its boxes as typed.
  if (holdBoxes.some(({ id }) => judge(f, $(id)))) for (const { id } of holdBoxes) app.setDraft(placeOf($(id)), $(id).value);
  p[app.partKey('requirements')] = requirementsShown(f);
  // A box edited away from the value shown no longer stands for it: typed
  // back, its text is read, not the value it left.
  for (const e of numberInputs(f)) if (e.dataset.shown !== e.value) delete e.dataset.shown;
  f.seen = JSON.stringify(app.part('requirements'));
  app.edited('sizing');
}

// The core's lines: aligned rows are a table (the first its heading, the
// recommended one marked with '>'), the more indented ones the explanation of the line before.
function show(f, text) {
  const parts = [];
  let table = null;
  for (const line of text.replace(/\n$/, '').split('\n')) {
    if (/^(  |> )\S/.test(line)) {
      const cells = line.trim().split(/\s{2,}/);
      // A row of another width starts the next table (the candidates
      // come right after the precharges).
      if (!table || cells.length !== table.tHead.rows[0].cells.length) {
        table = el('table', { className: 'sz-table' }, el('thead', {}, el('tr', {},
          ...cells.map((c) => el('th', { scope: 'col', textContent: c })))), el('tbody'));
        parts.push(table);
      } else {
        const row = el('tr', {}, ...cells.map((c) => el('td', { textContent: c })));
        if (/^>/.test(cells[0])) row.className = 'sz-recommended';
        table.tBodies[0].append(row);
      }
      continue;
    }
    table = null;
    parts.push(el('p', { className: /^\s/.test(line) ? 'sz-detail' : '', textContent: line.trim() }));
  }
  f.answer.replaceChildren(...parts);
}

// The design as a run and a search see it: without the requirements and
// the last recommendation, which the form says.
const inputs = () => app.asRun(app.project());
// The answer, the options it answers, the design it was found for and the
// one its Applica made, in f.found.
async function calculate(f) {
  const { section, answer, stale, apply, compute, stop, progress, type } = f;
  let a;
  try {
    // As the desktop's Calcola, a draft anywhere in the project first.
    const stops = draftStopping('sizing');
    if (stops) throw new Error(stops);
    a = args(f);
  } catch (e) {
    f.found = null;
    stale.hidden = apply.disabled = f.applied.hidden = true;
    section.dataset.state = 'refused';
    answer.replaceChildren(el('p', { className: 'sz-error', textContent: e.message }));
    return;
  }
  compute.disabled = true;
  stop.disabled = false;
  progress.hidden = false;
  section.dataset.state = 'searching';
  const design = inputs();
  try {
    // The project as the form's search starts from it (the core's rule),
    // which the options then change.
    const text = ask({ 'search-base': await app.currentProjectText(), type: types[type.selectedIndex].name,
      edited: f.edited }).project;
    const input = app.fileOf('project', app.workName.input);
    const reply = await app.call('command', ['size', input, ...a], { [input]: text });
    const refused = reply.code !== 0 && reply.code !== 1;
    f.found = refused ? null : { json: null, args: JSON.stringify(a), design, applied: null };
    // The core's reason, without the command's usage after it.
    const why = reply.stderr.split(/^(?:Uso|Usage):/m)[0].trim();
    if (refused) answer.replaceChildren(el('p', { className: 'sz-error', textContent: why }));
    else show(f, reply.stdout);
    stale.hidden = f.applied.hidden = true;
    apply.disabled = true;
    section.dataset.state = f.found ? 'answered' : 'refused';
    if (refused) return;
    // The figures behind the text (the type's catalogue, what Applica puts
    // in) come after it: the answer shows after one search, not two.
    const asked = f.found;
    const json = await app.call('size', text, a).catch((e) => {
      if (e.stopped) throw e;
      return null;
    });
    if (f.found !== asked || !json) return;
    f.found.json = json;
    if (!f.edited) {
      defaults[type.selectedIndex] = json.requirements.catalogue.map((s) => catalogueColumns.map(({ key }) => s[key]));
      showCatalogue(f, defaultRows(type.selectedIndex));
      take(f);
    }
    follow(f);
  } catch (e) {
    // Stopped (or the core failed): no answer, not half of one.
    f.found = null;
    apply.disabled = true;
    stale.hidden = f.applied.hidden = true;
    answer.replaceChildren(el('p', { className: e.stopped ? '' : 'sz-error',
      textContent: e.stopped ? word(catalogueWords.stopped) : e.message }));
    section.dataset.state = e.stopped ? 'stopped' : 'refused';
  } finally {
    compute.disabled = false;
    stop.disabled = true;
    progress.hidden = true;
  }
}

// As the desktop's Applica: the requirements and the recommendation go
// into the project, then V0, P0, Qp and the arrangement into the design.
// The last run stays, marked out of date (app.js), until the next.
function applyRecommendation(f) {
  const { found } = f;
  const r = found && found.json && found.json.recommended;
  if (!r || !f.stale.hidden) return;
  const project = app.project();
  // The requirements searched with are the form's, which is not stale;
  // the type and catalogue the search's, exactly, as the core puts them in
  // with the design and the p1 it was found for; the boxes the design fills
  // show it, whatever was typed there.
  const reply = ask({ apply: JSON.stringify({ ...project, [app.partKey('requirements')]: requirementsShown(f) }),
    design: r, searched: found.json.requirements });
  if (!reply.project) {
    f.answer.replaceChildren(el('p', { className: 'sz-error', textContent: reply.error || reply.stderr }));
    return;
  }
  Object.assign(project, JSON.parse(reply.project));
  for (const place of reply.cleared) app.setDraft(place, null);
  f.seen = JSON.stringify(app.part('requirements'));
  found.applied = inputs();
  f.applied.textContent = reply.line;
  app.edited('project');
}

// The requirements a project keeps fill the form when it is opened, with
// the texts that were no number yet and its last recommendation.
function fromProject(f) {
  const { $, type, catalogue } = f;
  const p = app.project() || {};
  const q = p[app.partKey('requirements')];
  f.seen = JSON.stringify(q);
  for (const e of numberInputs(f)) mark(e, '');
  const shown = q && ask({ 'requirements-figures': JSON.stringify(p) });
  if (shown && shown.boxes) {
    const put = (id, x) => { $(id).value = $(id).dataset.shown = x === null || x === undefined ? '' : number(x); };
    // What each box shows of them, the core's: none for a requirement not
    // given; the catalogue kept, or the type's defaults for a new project's.
    for (const b of boxes) {
      const x = shown.boxes[b.id];
      if (b.id === 'bottles') $(b.id).value = $(b.id).dataset.shown = figuresText(x);
      else put(b.id, x[0]);
    }
    type.selectedIndex = f.shownType = Math.max(0, types.findIndex(({ project }) => project === q[projectKeys.type]));
    if (shown.catalogue) {
      showCatalogue(f, shown.catalogue.map((size) => size.map((x) => (x === null ? '' : number(x)))));
      catalogue.querySelectorAll('input').forEach((e) => { e.dataset.shown = e.value; });
      f.edited = true;
    }
    const h = q[projectKeys.hold];
    for (const b of holdBoxes) put(b.id, h && h[b.project]);
    for (const c of checks) $(c.id).checked = !!q[c.project];
    $(form.holdFromPm.id).checked = !!(h && h[form.holdFromPm.project]);
  }
  const typed = [];
  for (const [place, text] of Object.entries(app.draftsOf())) {
    const cell = place.match(/^sizing\/catalogo\/(\d+)\/(\d+)$/);
    if (cell) {
      while (catalogue.tBodies[0].rows.length <= +cell[1]) addRow(f, []);
      f.edited = true;
    }
    const e = cell ? catalogue.tBodies[0].rows[+cell[1]].cells[+cell[2]].firstChild
      : place.startsWith('sizing/') && $(place.slice(7));
    if (e) typed.push(Object.assign(e, { value: text }));
  }
  typed.forEach((e) => judge(f, e)); // once all are in: a hold's boxes are judged together
  if (!f.found) showLast(f);
}
// As the desktop shows it until "Calcola" answers again, worded by the core.
function showLast(f) {
  const last = app.part('recommendation');
  if (last) {
    const reply = ask({ 'last-recommendation': JSON.stringify(app.project()) });
    if (reply.line) f.answer.replaceChildren(el('p', { id: 'sz-last', textContent: reply.line }));
  }
}

// The answer is out of date while the design or the requirements differ
// from those it was found for (or its Applica made); back to them, it is
// not, as on the desktop.
function follow(f) {
  const { found, section } = f;
  if (!found || f.applying || section.dataset.state === 'searching') return;
  let a = null;
  try {
    a = JSON.stringify(args(f));
  } catch (e) {
    // A box the search would refuse: out of date.
  }
  const now = inputs();
  const old = (now !== found.design && now !== found.applied) || a !== found.args;
  f.stale.hidden = !old;
  // Applied and the data still those: Applica has nothing more to put in.
  const done = !old && now === found.applied;
  f.applied.hidden = !done;
  f.apply.disabled = old || done || !(found.json && found.json.recommended);
  section.dataset.state = old ? 'stale' : 'answered';
}
// The catalogue's buttons, and a type chosen: a catalogue still holding the
// defaults of the type left behind becomes the new type's defaults; one the
// user has edited stays.
function wireCatalogue(f) {
  const { $, type, catalogue } = f;
  const edit = (change, edited = true) => () => {
    change();
    f.edited = edited;
    take(f);
    follow(f);
  };
  $('add').onclick = edit(() => addRow(f, []));
  $('remove').onclick = edit(() => catalogue.tBodies[0].lastElementChild?.remove());
  $('defaults').onclick = edit(() => showCatalogue(f, defaultRows(type.selectedIndex)), false);
  catalogue.addEventListener('input', () => { f.edited = true; });
  const rows = () => [...catalogue.tBodies[0].rows].map((r) => [...r.querySelectorAll('input')].map((e) => e.value));
  type.addEventListener('change', () => {
    if (!f.edited || JSON.stringify(rows()) === JSON.stringify(defaultRows(f.shownType))) {
      showCatalogue(f, defaultRows(type.selectedIndex));
      f.edited = false;
    }
    f.shownType = type.selectedIndex;
  });
}

// The same requirements and answer in the other language, the numbers with
// its decimal separator.
function restore(f, kept) {
  const { section, type, catalogue } = f;
  for (const [id, value, on, was] of kept.boxes) {
    const e = section.querySelector('#' + id);
    if (e.type === 'checkbox') {
      e.checked = on;
      continue;
    }
    e.value = relanguage(value, id === 'sz-bottles');
    if (was !== undefined) e.dataset.shown = relanguage(was, id === 'sz-bottles');
  }
  type.selectedIndex = f.shownType = kept.type;
  f.edited = kept.edited;
  showCatalogue(f, kept.catalogue.map((row) => row.map(([value]) => relanguage(value))));
  catalogue.querySelectorAll('tbody tr').forEach((row, r) => row.querySelectorAll('input').forEach((e, c) => {
    const was = kept.catalogue[r][c][1];
    if (was !== undefined) e.dataset.shown = relanguage(was);
  }));
  for (const e of numberInputs(f)) judge(f, e);
  f.seen = kept.seen;
  if (kept.answered) calculate(f);
  else showLast(f);
}

// The assistant in `section`, from the project or from what `kept` kept of
// it in the other language.
function attach(section, kept) {
  const f = buildForm(section);
  showCatalogue(f, []);
  wireCatalogue(f);
  f.compute.onclick = () => calculate(f);
  f.stop.onclick = () => app.stop();
  f.apply.onclick = () => applyRecommendation(f);
  f.requirements.addEventListener('input', (e) => {
    judge(f, e.target);
    take(f);
    follow(f);
  });
  f.requirements.addEventListener('change', () => {
    take(f);
    follow(f);
  });
  if (kept) restore(f, kept);
  else fromProject(f);
  return {
    keep: () => ({ edited: f.edited, seen: f.seen, type: f.type.selectedIndex,
      answered: section.dataset.state === 'answered',
      boxes: [...section.querySelectorAll('.sz-requirements input[id]')].map((e) => [e.id, e.value, e.checked, e.dataset.shown]),
      catalogue: [...f.catalogue.tBodies[0].rows].map((r) => [...r.querySelectorAll('input')].map((e) => [e.value, e.dataset.shown])) }),
    // An answer belongs to the project it was found in.
    opened() {
      f.found = null;
      delete section.dataset.state;
      f.stale.hidden = f.apply.disabled = f.applied.hidden = true;
      f.answer.replaceChildren();
      fromProject(f);
    },
    project() {
      if (!f.applying && JSON.stringify(app.part('requirements')) !== f.seen) fromProject(f);
      follow(f);
    },
  };
}

const section = document.getElementById('sizing');
let sizing = null;
Promise.all([loaded, formLoaded]).then(() => {
  sizing = attach(section);
});
app.onChange((what) => {
  if (!sizing) return;
  if (what === 'project') sizing.project();
  if (what === 'opened') sizing.opened();
  if (what === 'language') sizing = attach(section, sizing.keep());
});
