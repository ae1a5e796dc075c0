// The sizing assistant: the desktop's "Dimensionamento" window in the page.
// The requirements become volvenza-sim size's options; the core answers in
// the page's language, and its own lines (recommendation, candidates,
// explanations, arrangements, PED, energy, fatigue, duties) are shown as
// they come. "Applica" puts the recommended V0, P0 and Qp into the design.
// As on the desktop, the requirements are the project's as they are typed
// (a text that is no number is marked, named, and kept as a draft), and the
// answer is out of date only while the design or they differ from its own.
//
// It fills <section id="sizing"> and works through the page's state
// (app-state.js): the design as a project, the core in its worker, the
// language and its changes.
import * as app from './app-state.js';
import { loaded, t } from './texts.js';

// The desktop's words; their English comes from its catalogue (texts.js).
const HOLD = 'Mantenimento della pressione: scrivere pressione e tempo oltre 0, perdite e raffreddamento da 0 in su.';
const types = [['bladder', 'a sacca', 'sacca'], ['piston', 'a pistone', 'pistone'],
  ['diaphragm', 'a membrana', 'membrana']];
const catalogueKeys = [['V0 [dm3]', 'V0', 'V0'], ['Rapporto max', 'max_ratio', 'rapporto_max'],
  ['PS [bar]', 'PS', 'PS'], ['Portata max [dm3/min]', 'max_flow', 'portata_max'], ['τ [s]', 'tau', 'tau'],
  ['Escursione max [bar]', 'rated_swing', 'escursione_max'], ['Cicli nominali', 'rated_cycles', 'cicli_escursione']];
// The boxes: id, label, default, the option they give, what the desktop
// says when the box is no number, and whether it may be left empty.
const boxes = [['p1', 'Pressione minima p1 [bar]', null, '--pmin', 'Scrivere la pressione minima p1 in bar.'],
  ['ps', 'Pressione nominale PS [bar]', null, '--ps', 'La pressione nominale PS non è un numero.', true],
  ['relief', 'Taratura della valvola di massima [bar]', null, '--relief', 'La taratura della valvola non è un numero.', true],
  ['tolerance', 'Tolleranza della precarica [%]', [2], '--tolerance', 'Scrivere la tolleranza della precarica in %.'],
  ['hours', 'Ore di lavoro continuo [h]', [8], '--hours', 'Scrivere le ore di lavoro continuo.'],
  ['efficiency', 'Rendimento della pompa (fra 0 e 1)', [0.9], '--pump-efficiency', 'Scrivere il rendimento della pompa.'],
  ['hours-year', 'Ore di lavoro in un anno [h]', [2000], '--hours-per-year', 'Scrivere le ore di lavoro in un anno.'],
  ['bottles', 'Bombole per i pistoni [dm3, separate da ;]', [10, 20, 40, 50], '--bottle-sizes',
    'Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da ";".']];
// What the desktop says of a number out of a box's range, before a search.
const ranges = {
  p1: [(x) => x > 0, 'La pressione minima p1 deve essere positiva'],
  ps: [(x) => x > 0, 'La pressione nominale PS deve essere positiva'],
  relief: [(x) => x > 0, 'La taratura della valvola di massima deve essere positiva'],
  tolerance: [(x) => x >= 0 && x < 50, 'La tolleranza della precarica deve essere tra 0 e 50 %'],
  hours: [(x) => x > 0 && x <= 24 * 366, 'Le ore di lavoro continuo devono essere più di 0 e al più un anno'],
  efficiency: [(x) => x > 0 && x <= 1, 'Il rendimento della pompa deve essere più di 0 e al più 1'],
  'hours-year': [(x) => x > 0 && x <= 8760, 'Le ore di lavoro in un anno devono essere più di 0 e al più 8760'],
};
const MAX_SIZES = 200; // sizing/Requirements.h's kMaxCatalogueSizes

// Bottles as the desktop reads them: up to MAX_SIZES volumes over 0, by ';'.
function parseBottles(text) {
  const sizes = text.split(';').map((x) => app.parseNumber(x));
  return sizes.length <= MAX_SIZES && sizes.every((x) => x !== null && x > 0) ? sizes : null;
}
// A box's text again in the page's language, what is no number as it is.
function relanguage(text, bottles) {
  if (bottles) {
    const sizes = parseBottles(text);
    return sizes ? sizes.map((x) => app.formatNumber(x)).join('; ') : text;
  }
  const x = app.parseNumber(text);
  return x === null ? text : app.formatNumber(x);
}
const checks = [['precharge', 'Scegli la precarica', true], ['pump', 'Dimensiona anche la pompa', false],
  ['single', 'Ciclo singolo (la macchina fa un solo ciclo e si ferma)', false],
  ['arrangements', 'Prova anche le composizioni: accumulatori in parallelo e bombole', false],
  ['from-full', 'Corsa di emergenza dal pieno (Pm) invece che dal riavvio della pompa (Pm - Dp)', false]];
const holdBoxes = [['hold-pressure', 'Pressione da mantenere [bar]', '--hold-pressure'],
  ['hold-time', 'Tempo [s]', '--hold-time'], ['leakage', 'Perdite delle valvole [dm3/min]', '--leakage'],
  ['cooling', 'Raffreddamento del gas nel tempo [K]', '--hold-cooling']];

// Each type's default catalogue as the core gave it, once it has.
const defaults = {};

function attach(section, kept) {
  delete section.dataset.state;
  const number = (x) => app.formatNumber(x);
  const el = (tag, props, ...children) => {
    const e = Object.assign(document.createElement(tag), props || {});
    for (const c of children) e.append(c);
    return e;
  };
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

  // The catalogue: empty until an answer or a project gives the type's
  // defaults; an edited one goes to the core as --catalogue.
  let edited = false;
  function showCatalogue(rows) {
    const head = el('tr', {}, ...catalogueKeys.map(([h]) => el('th', { scope: 'col', textContent: t(h) })));
    catalogue.replaceChildren(el('thead', {}, head), el('tbody'));
    for (const row of rows) addRow(row);
  }
  function addRow(values) {
    const cells = catalogueKeys.map(([h], i) => {
      const input = el('input', { value: values[i] ?? '', inputMode: 'decimal' });
      input.setAttribute('aria-label', t(h));
      return el('td', {}, input);
    });
    catalogue.tBodies[0].append(el('tr', {}, ...cells));
  }
  // A type's defaults in the page's language; none until the core gave them.
  const defaultRows = (i) => (defaults[i] || []).map((row) => row.map((x) => (x === null ? '' : number(x))));
  showCatalogue([]);
  $('add').onclick = () => { addRow([]); edited = true; take(); follow(); };
  $('remove').onclick = () => { catalogue.tBodies[0].lastElementChild?.remove(); edited = true; take(); follow(); };
  $('defaults').onclick = () => { showCatalogue(defaultRows(type.selectedIndex)); edited = false; take(); follow(); };
  catalogue.addEventListener('input', () => { edited = true; });
  const rows = () => [...catalogue.tBodies[0].rows].map((r) => [...r.querySelectorAll('input')].map((e) => e.value));
  // A catalogue still holding the defaults of the type left behind becomes
  // the new type's defaults; one the user has edited stays.
  let shownType = type.selectedIndex;
  type.addEventListener('change', () => {
    if (!edited || JSON.stringify(rows()) === JSON.stringify(defaultRows(shownType))) {
      showCatalogue(defaultRows(type.selectedIndex));
      edited = false;
    }
    shownType = type.selectedIndex;
  });

  // Every box and cell read as the desktop reads it (app.parseNumber): a text
  // that is no number is marked red with its reason, which names it.
  function mark(input, why) {
    input.classList.toggle('not-a-number', !!why);
    input.title = why;
    if (why) input.setAttribute('aria-invalid', 'true');
    else input.removeAttribute('aria-invalid');
  }
  function judge(input) {
    const text = input.value.trim();
    let why = '';
    const cell = input.closest('#sz-catalogue td');
    if (!text || input.type === 'checkbox') {
      // An empty box is a requirement not given: the search asks for it.
    } else if (cell) {
      if (app.parseNumber(text) === null) {
        why = t('Catalogo, riga %1, %2: non è un numero.', cell.parentElement.sectionRowIndex + 1,
          t(catalogueKeys[cell.cellIndex][0]));
      }
    } else if (input.id.startsWith('sz-')) {
      const id = input.id.slice(3);
      const b = boxes.find(([x]) => x === id);
      const h = holdBoxes.find(([x]) => x === id);
      if ((b || h) && (id === 'bottles' ? parseBottles(text) : app.parseNumber(text)) === null) {
        why = b ? t(b[4], MAX_SIZES) : t('%1: non è un numero.', t(h[1]));
      }
    }
    if (!why && holdBoxes.some(([x]) => 'sz-' + x === input.id) && holdWrong().includes(input.id.slice(3))) why = t(HOLD);
    mark(input, why);
    return why;
  }
  // A hold is pressure and time above 0, leakage and cooling from 0 up: the
  // boxes of one begun and not whole, as the desktop never stores it.
  function holdWrong() {
    const value = (id) => app.parseNumber($(id).value.trim() || '0');
    if (!$('hold-pressure').value.trim() && !$('hold-time').value.trim()) return [];
    return holdBoxes.map(([id]) => id).filter((id) => {
      const x = value(id);
      return x !== null && (id.startsWith('hold-') ? !(x > 0) : !(x >= 0));
    });
  }
  const wrong = (input, why) => {
    mark(input, why);
    return new Error(why);
  };

  function args() {
    const a = ['--type', types[type.selectedIndex][0]];
    for (const [id, , , option, why, optional] of boxes) {
      const text = $(id).value.trim();
      if (!text && optional) continue;
      const x = id === 'bottles' ? parseBottles(text) : app.parseNumber(text);
      if (x === null) throw text ? wrong($(id), t(why, MAX_SIZES)) : new Error(t(why, MAX_SIZES));
      if (ranges[id] && !ranges[id][0](x)) throw wrong($(id), t(ranges[id][1]));
      a.push(option, id === 'bottles' ? x.join(',') : String(x));
    }
    if (edited) {
      // The core's list takes its numbers with the point, its sizes by ','.
      const list = [];
      [...catalogue.tBodies[0].rows].forEach((row, r) => {
        const inputs = [...row.querySelectorAll('input')];
        const cells = inputs.map((input) => {
          const why = judge(input);
          if (why) throw new Error(why);
          return input.value.trim() ? String(app.parseNumber(input.value)) : '';
        });
        if (!cells.some(Boolean)) return; // a row added and left empty
        if (!cells[0]) throw wrong(inputs[0], t('Il catalogo non dà V0 alla riga %1.', r + 1));
        list.push(cells.join(':').replace(/:+$/, ''));
      });
      a.push('--catalogue', list.join(','));
    }
    if (!$('precharge').checked) a.push('--keep-precharge');
    if ($('pump').checked) a.push('--size-pump');
    if ($('single').checked) a.push('--single-cycle');
    if ($('arrangements').checked) a.push('--arrangements');
    if ($('from-full').checked) a.push('--emergency-from-full');
    if ($('hold-pressure').value.trim() || $('hold-time').value.trim()) {
      for (const [id, , option] of holdBoxes) {
        const why = judge($(id));
        if (why) throw new Error(why);
        if ($(id).value.trim()) a.push(option, String(app.parseNumber($(id).value)));
      }
      if ($('hold-pm').checked) a.push('--hold-from-pm');
    }
    return a;
  }

  // The requirements as the form shows them, over the project's: what a box
  // shows as it was given keeps the project's exact value, a text that is no
  // number keeps it too (the text stays as the box's draft), an empty
  // optional box is no requirement. As the desktop's RequirementsShown.
  function shown() {
    const q = JSON.parse(JSON.stringify((app.project() || {}).dimensionamento || {}));
    const given = (id) => $(id).value.trim() !== '';
    const inRange = (id, x, old) => (x === old || ranges[id][0](x) ? x : old);
    const read = (input, old, scale = 1) => {
      if (input.dataset.shown === input.value) return old;
      const x = app.parseNumber(input.value);
      return x === null ? old : x / scale;
    };
    q.p1 = given('p1') ? read($('p1'), q.p1) : 0;
    q.tipo = types[type.selectedIndex][2];
    q.PS = given('ps') ? read($('ps'), q.PS ?? null) : null;
    q.valvola_di_massima = given('relief') ? read($('relief'), q.valvola_di_massima ?? null) : null;
    q.tolleranza_precarica = read($('tolerance'), q.tolleranza_precarica, 100);
    q.ore_di_lavoro = read($('hours'), q.ore_di_lavoro);
    // The run's energy takes these two: a figure out of their range stays a
    // draft (kept, and named by Calcola) and the project keeps the last good one.
    q.rendimento_pompa = inRange('efficiency', read($('efficiency'), q.rendimento_pompa), q.rendimento_pompa);
    q.ore_in_un_anno = inRange('hours-year', read($('hours-year'), q.ore_in_un_anno), q.ore_in_un_anno);
    if ($('bottles').dataset.shown !== $('bottles').value) q.bombole = parseBottles($('bottles').value) || q.bombole;
    const kept = q.catalogo || [];
    const sizes = [];
    let whole = catalogue.tBodies[0].rows.length > 0;
    [...catalogue.tBodies[0].rows].forEach((row, r) => {
      const inputs = [...row.querySelectorAll('input')];
      if (!inputs.some((e) => e.value.trim())) return;
      const size = {};
      inputs.forEach((e, c) => {
        const key = catalogueKeys[c][2];
        const old = (kept[r] || {})[key];
        const x = e.value.trim() ? read(e, old ?? null) : null;
        if (c < 5 || x !== null) size[key] = x;
      });
      if (size.V0 === null) whole = false;
      sizes.push(size);
    });
    if (whole) q.catalogo = sizes;
    Object.assign(q, { scegli_precarica: $('precharge').checked, dimensiona_pompa: $('pump').checked,
      ciclo_singolo: $('single').checked, composizioni: $('arrangements').checked,
      emergenza_da_pieno: $('from-full').checked });
    const h = q.mantenimento || {};
    if (holdBoxes.some(([id]) => judge($(id)))) return q; // the hold kept as it was
    q.mantenimento = given('hold-pressure') || given('hold-time') ? { pressione: read($('hold-pressure'), h.pressione ?? 0),
      tempo: read($('hold-time'), h.tempo ?? 0), trafilamento: read($('leakage'), h.trafilamento ?? 0),
      raffreddamento: read($('cooling'), h.raffreddamento ?? 0), da_Pm: $('hold-pm').checked } : null;
    return q;
  }
  const outOfRunRange = (e) => {
    const id = e.id.slice(3);
    if (id !== 'efficiency' && id !== 'hours-year') return false;
    const x = app.parseNumber(e.value);
    return x !== null && !ranges[id][0](x);
  };
  const numberInputs = () => section.querySelectorAll('.sz-requirements input:not([type="checkbox"])');
  const placeOf = (e) => 'sizing/' + (e.id ? e.id.slice(3)
    : `catalogo/${e.closest('tr').sectionRowIndex}/${e.parentElement.cellIndex}`);
  // Every edit goes into the project at once, as the desktop keeps it: saved
  // or reloaded, nothing typed is lost; the texts that are no number are the
  // project's drafts until they are.
  function take() {
    const p = app.project();
    if (!p || applying) return;
    for (const place of Object.keys(app.draftsOf())) if (place.startsWith('sizing/')) app.setDraft(place, null);
    for (const e of numberInputs()) if (judge(e) || outOfRunRange(e)) app.setDraft(placeOf(e), e.value);
    // A hold not whole stays out of the project, all its boxes as typed.
    if (holdBoxes.some(([id]) => judge($(id)))) for (const [id] of holdBoxes) app.setDraft(placeOf($(id)), $(id).value);
    p.dimensionamento = shown();
    // A box edited away from the value shown no longer stands for it: typed
    // back, its text is read, not the value it left.
    for (const e of numberInputs()) if (e.dataset.shown !== e.value) delete e.dataset.shown;
    seen = JSON.stringify(p.dimensionamento);
    app.edited('sizing');
  }

  // The core's lines: aligned rows are a table (the first its heading, the
  // recommended one marked with '>'), the more indented ones the explanation of the line before.
  function show(text) {
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
    answer.replaceChildren(...parts);
  }

  // The design as a run and a search see it: without the requirements and
  // the last recommendation, which the form says.
  const inputs = () => JSON.stringify({ ...app.project(), dimensionamento: undefined, raccomandazione: undefined });
  // The answer, the options it answers, the design it was found for and the
  // one its Applica made.
  let found = null;
  let applying = false;
  async function calculate() {
    let a;
    try {
      a = args();
    } catch (e) {
      found = null;
      stale.hidden = apply.disabled = true;
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
      // The project's own requirements are the base the options change: the
      // form says every one of them, the duties' plan included.
      const project = JSON.parse(await app.currentProjectText());
      if (project.dimensionamento) Object.assign(project.dimensionamento, { mantenimento: null, emergenza_da_pieno: false });
      // A catalogue not edited is the type's defaults: the core takes them
      // for a type other than its base's.
      if (project.dimensionamento && !edited) project.dimensionamento.tipo = types[(type.selectedIndex + 1) % types.length][2];
      const text = JSON.stringify(project);
      const reply = await app.call('command', ['size', 'in.vlzp', ...a], { 'in.vlzp': text });
      const refused = reply.code !== 0 && reply.code !== 1;
      found = refused ? null : { json: null, args: JSON.stringify(a), design, applied: null };
      // The core's reason, without the command's usage after it.
      const why = reply.stderr.split(/^(?:Uso|Usage):/m)[0].trim();
      if (refused) answer.replaceChildren(el('p', { className: 'sz-error', textContent: why }));
      else show(reply.stdout);
      stale.hidden = true;
      apply.disabled = true;
      section.dataset.state = found ? 'answered' : 'refused';
      if (refused) return;
      // The figures behind the text (the type's catalogue, what Applica puts
      // in) come after it: the answer shows after one search, not two.
      const asked = found;
      const json = await app.call('size', text, a).catch((e) => {
        if (e.stopped) throw e;
        return null;
      });
      if (found !== asked || !json) return;
      found.json = json;
      if (!edited) {
        defaults[type.selectedIndex] = json.requirements.catalogue.map((s) => catalogueKeys.map(([, key]) => s[key]));
        showCatalogue(defaultRows(type.selectedIndex));
        take();
      }
      follow();
    } catch (e) {
      // Stopped (or the core failed): no answer, not half of one.
      found = null;
      apply.disabled = true;
      stale.hidden = true;
      answer.replaceChildren(el('p', { className: e.stopped ? '' : 'sz-error',
        textContent: e.stopped ? t('Ricerca interrotta') : e.message }));
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
  function applyRecommendation() {
    const r = found && found.json && found.json.recommended;
    if (!r || !stale.hidden) return;
    const project = app.project();
    const q = found.json.requirements;
    const plan = project.dimensionamento || {};
    const held = (id) => app.parseNumber($(id).value) || 0;
    Object.assign(plan, { p1: q.p1, tipo: types.find(([name]) => name === q.type)[2],
      catalogo: q.catalogue.map((s) => {
        const size = { V0: s.V0, rapporto_max: s.max_ratio, PS: s.PS, portata_max: s.max_flow, tau: s.tau };
        if (s.rated_swing !== null) size.escursione_max = s.rated_swing;
        if (s.rated_cycles !== null) size.cicli_escursione = s.rated_cycles;
        return size;
      }), PS: q.PS, valvola_di_massima: q.relief, scegli_precarica: q.choose_precharge,
      dimensiona_pompa: q.size_pump, tolleranza_precarica: q.precharge_tolerance, ore_di_lavoro: q.working_hours,
      ciclo_singolo: q.single_cycle, rendimento_pompa: q.pump_efficiency, ore_in_un_anno: q.hours_per_year,
      composizioni: $('arrangements').checked, emergenza_da_pieno: $('from-full').checked });
    plan.mantenimento = found.args.includes('"--hold-pressure"') ? { pressione: held('hold-pressure'),
      tempo: held('hold-time'), trafilamento: held('leakage'), raffreddamento: held('cooling'),
      da_Pm: $('hold-pm').checked } : null;
    project.dimensionamento = plan;
    project.raccomandazione = { V0: r.V0, P0: r.P0, Qp: r.Qp, accumulatori: r.count, bombole: r.bottles,
      volume_bombola: r.bottle_size };
    Object.assign(project.dati_iniziali, { V0: r.V0, P0: r.P0, Qp: r.Qp });
    Object.assign(project.impianto, { accumulatori_in_parallelo: r.count, bombole_dm3: r.bottle_volume,
      p1_applicata: q.p1 });
    seen = JSON.stringify(plan);
    found.applied = inputs();
    app.edited('project');
  }

  // The requirements a project keeps fill the form when it is opened, with
  // the texts that were no number yet and its last recommendation.
  let seen = null;
  function fromProject() {
    const p = app.project() || {};
    const q = p.dimensionamento;
    seen = JSON.stringify(q);
    for (const e of numberInputs()) mark(e, '');
    if (q) {
      const put = (id, x) => { $(id).value = $(id).dataset.shown = x === null || x === undefined ? '' : number(x); };
      put('p1', q.p1 > 0 ? q.p1 : null);
      type.selectedIndex = shownType = Math.max(0, types.findIndex(([, , name]) => name === q.tipo));
      if (q.p1 > 0) {
        showCatalogue(q.catalogo.map((size) => catalogueKeys.map(([, , key]) => (size[key] ?? '') === '' ? '' : number(size[key]))));
        catalogue.querySelectorAll('input').forEach((e) => { e.dataset.shown = e.value; });
        edited = true;
      }
      [['ps', q.PS], ['relief', q.valvola_di_massima], ['tolerance', q.tolleranza_precarica * 100],
        ['hours', q.ore_di_lavoro], ['efficiency', q.rendimento_pompa], ['hours-year', q.ore_in_un_anno]]
        .forEach(([id, x]) => put(id, x));
      $('bottles').value = $('bottles').dataset.shown = q.bombole.map(number).join('; ');
      const h = q.mantenimento;
      [['hold-pressure', h && h.pressione], ['hold-time', h && h.tempo], ['leakage', h && h.trafilamento],
        ['cooling', h && h.raffreddamento]].forEach(([id, x]) => put(id, x));
      [['precharge', q.scegli_precarica], ['pump', q.dimensiona_pompa], ['single', q.ciclo_singolo],
        ['arrangements', q.composizioni], ['from-full', q.emergenza_da_pieno], ['hold-pm', !!(h && h.da_Pm)]]
        .forEach(([id, on]) => { $(id).checked = !!on; });
    }
    const typed = [];
    for (const [place, text] of Object.entries(app.draftsOf())) {
      const cell = place.match(/^sizing\/catalogo\/(\d+)\/(\d+)$/);
      if (cell) {
        while (catalogue.tBodies[0].rows.length <= +cell[1]) addRow([]);
        edited = true;
      }
      const e = cell ? catalogue.tBodies[0].rows[+cell[1]].cells[+cell[2]].firstChild
        : place.startsWith('sizing/') && $(place.slice(7));
      if (e) typed.push(Object.assign(e, { value: text }));
    }
    typed.forEach(judge); // once all are in: a hold's boxes are judged together
    if (!found) showLast();
  }
  // As the desktop shows it until "Calcola" answers again.
  function showLast() {
    const last = (app.project() || {}).raccomandazione;
    if (last) {
      const round = (x, digits) => number(Number(x.toFixed(digits)));
      let volume = round(last.V0, 3);
      if (last.accumulatori > 1) volume = last.accumulatori + ' × ' + volume;
      if (last.bombole > 0) volume += ` + ${last.bombole} × ${round(last.volume_bombola, 3)}`;
      answer.replaceChildren(el('p', { id: 'sz-last', textContent: t('Ultima raccomandazione: %1 dm3, precarica %2 bar, ' +
        'pompa %3 dm3/min. "Calcola" la ricalcola.', volume, round(last.P0, 2), round(last.Qp, 1)) }));
    }
  }

  // The answer is out of date while the design or the requirements differ
  // from those it was found for (or its Applica made); back to them, it is
  // not, as on the desktop.
  function follow() {
    if (!found || applying || section.dataset.state === 'searching') return;
    let a = null;
    try {
      a = JSON.stringify(args());
    } catch (e) {
      // A box the search would refuse: out of date.
    }
    const now = inputs();
    const old = (now !== found.design && now !== found.applied) || a !== found.args;
    stale.hidden = !old;
    apply.disabled = old || !(found.json && found.json.recommended);
    section.dataset.state = old ? 'stale' : 'answered';
  }
  compute.onclick = calculate;
  stop.onclick = () => app.stop();
  apply.onclick = applyRecommendation;
  requirements.addEventListener('input', (e) => {
    judge(e.target);
    take();
    follow();
  });
  requirements.addEventListener('change', () => {
    take();
    follow();
  });
  if (kept) {
    // The same requirements and answer in the other language, the numbers
    // with its decimal separator.
    for (const [id, value, on, was] of kept.boxes) {
      const e = section.querySelector('#' + id);
      if (e.type === 'checkbox') {
        e.checked = on;
        continue;
      }
      e.value = relanguage(value, id === 'sz-bottles');
      if (was !== undefined) e.dataset.shown = relanguage(was, id === 'sz-bottles');
    }
    type.selectedIndex = shownType = kept.type;
    edited = kept.edited;
    showCatalogue(kept.catalogue.map((row) => row.map(([value]) => relanguage(value))));
    catalogue.querySelectorAll('tbody tr').forEach((row, r) => row.querySelectorAll('input').forEach((e, c) => {
      const was = kept.catalogue[r][c][1];
      if (was !== undefined) e.dataset.shown = relanguage(was);
    }));
    for (const e of numberInputs()) judge(e);
    seen = kept.seen;
    if (kept.answered) calculate();
    else showLast();
  } else {
    fromProject();
  }
  return {
    keep: () => ({ edited, seen, type: type.selectedIndex, answered: section.dataset.state === 'answered',
      boxes: [...section.querySelectorAll('.sz-requirements input[id]')].map((e) => [e.id, e.value, e.checked, e.dataset.shown]),
      catalogue: [...catalogue.tBodies[0].rows].map((r) => [...r.querySelectorAll('input')].map((e) => [e.value, e.dataset.shown])) }),
    // An answer belongs to the project it was found in.
    opened() {
      found = null;
      delete section.dataset.state;
      stale.hidden = apply.disabled = true;
      answer.replaceChildren();
      fromProject();
    },
    project() {
      if (!applying && JSON.stringify((app.project() || {}).dimensionamento) !== seen) fromProject();
      follow();
    },
  };
}

const section = document.getElementById('sizing');
let sizing = null;
loaded.then(() => {
  sizing = attach(section);
});
app.onChange((what) => {
  if (!sizing) return;
  if (what === 'project') sizing.project();
  if (what === 'opened') sizing.opened();
  if (what === 'language') sizing = attach(section, sizing.keep());
});
