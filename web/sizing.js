// The sizing assistant: the desktop's "Dimensionamento" window in the page.
// The requirements become volvenza-sim size's options; the core answers in
// the page's language, and its own lines (recommendation, candidates,
// explanations, arrangements, PED, energy, fatigue, duties) are shown as
// they come. "Applica" puts the recommended V0, P0 and Qp into the design.
//
// It fills <section id="sizing"> and works through the page's state
// (app-state.js): the design as a project, the core in its worker, the
// language and its changes.
import * as app from './app-state.js';

// The desktop's words, and their English from its translation.
const english = {
  'Dimensionamento': 'Sizing',
  'Requisiti': 'Requirements',
  'Pressione minima p1 [bar]': 'Lowest pressure p1 [bar]',
  'Tipo di accumulatore': 'Accumulator type',
  'a sacca': 'bladder',
  'a pistone': 'piston',
  'a membrana': 'diaphragm',
  'Catalogo (cella vuota: nessun limite)': 'Catalogue (empty cell: no limit)',
  'Rapporto max': 'Max ratio',
  'Portata max [dm3/min]': 'Max flow [dm3/min]',
  'Escursione max [bar]': 'Max swing [bar]',
  'Cicli nominali': 'Rated cycles',
  'Aggiungi': 'Add',
  'Rimuovi': 'Remove',
  'Predefinito': 'Defaults',
  'Pressione nominale PS [bar]': 'Rated pressure PS [bar]',
  'Taratura della valvola di massima [bar]': 'Relief valve setting [bar]',
  'Tolleranza della precarica [%]': 'Precharge tolerance [%]',
  'Ore di lavoro continuo [h]': 'Continuous working hours [h]',
  'Rendimento della pompa (fra 0 e 1)': 'Pump efficiency (between 0 and 1)',
  'Ore di lavoro in un anno [h]': 'Working hours in a year [h]',
  'Bombole per i pistoni [dm3, separate da ;]': 'Bottles for pistons [dm3, separated by ;]',
  'Scegli la precarica': 'Choose the precharge',
  'Dimensiona anche la pompa': 'Size the pump too',
  'Ciclo singolo (la macchina fa un solo ciclo e si ferma)':
    'Single cycle (the machine runs one cycle and stops)',
  'Prova anche le composizioni: accumulatori in parallelo e bombole':
    'Also try arrangements: accumulators in parallel and bottles',
  'Corsa di emergenza dal pieno (Pm) invece che dal riavvio della pompa (Pm - Dp)':
    "Emergency stroke from full (Pm) instead of from the pump's restart (Pm - Dp)",
  'I movimenti segnati "Em" nel ciclo devono compiersi a pompa persa.':
    'The movements marked "Em" in the cycle must complete with the pump lost.',
  'Mantenimento della pressione a pompa ferma': 'Pressure held with the pump off',
  'Pressione da mantenere [bar]': 'Pressure to hold [bar]',
  'Tempo [s]': 'Time [s]',
  'Perdite delle valvole [dm3/min]': "Valves' leakage [dm3/min]",
  'Raffreddamento del gas nel tempo [K]': 'Gas cooling over the time [K]',
  'Dal pieno (Pm) invece che da Pm - Dp': 'From full (Pm) instead of from Pm - Dp',
  'Calcola': 'Compute',
  'Interrompi': 'Stop',
  'Ricerca in corso': 'Searching',
  'Ricerca interrotta': 'Search stopped',
  'Applica': 'Apply',
  'Risultati non aggiornati: i dati sono cambiati': 'Results out of date: the data have changed',
  'Scrivere la pressione minima p1 in bar.': 'Enter the lowest pressure p1 in bar.',
};
const types = [['bladder', 'a sacca', 'sacca'], ['piston', 'a pistone', 'pistone'],
  ['diaphragm', 'a membrana', 'membrana']];
const catalogueKeys = [['V0 [dm3]', 'V0', 'V0'], ['Rapporto max', 'max_ratio', 'rapporto_max'],
  ['PS [bar]', 'PS', 'PS'], ['Portata max [dm3/min]', 'max_flow', 'portata_max'], ['τ [s]', 'tau', 'tau'],
  ['Escursione max [bar]', 'rated_swing', 'escursione_max'], ['Cicli nominali', 'rated_cycles', 'cicli_escursione']];
// The boxes: id, label, default, the option they give.
const boxes = [['p1', 'Pressione minima p1 [bar]', '', '--pmin'], ['ps', 'Pressione nominale PS [bar]', '', '--ps'],
  ['relief', 'Taratura della valvola di massima [bar]', '', '--relief'],
  ['tolerance', 'Tolleranza della precarica [%]', '2', '--tolerance'],
  ['hours', 'Ore di lavoro continuo [h]', '8', '--hours'],
  ['efficiency', 'Rendimento della pompa (fra 0 e 1)', '0,9', '--pump-efficiency'],
  ['hours-year', 'Ore di lavoro in un anno [h]', '2000', '--hours-per-year'],
  ['bottles', 'Bombole per i pistoni [dm3, separate da ;]', '10; 20; 40; 50', '--bottle-sizes']];
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
  const t = (it) => (app.language() === 'en' ? english[it] || it : it);
  const el = (tag, props, ...children) => {
    const e = Object.assign(document.createElement(tag), props || {});
    for (const c of children) e.append(c);
    return e;
  };
  const box = (id, label, value) => el('p', {}, el('label', { htmlFor: 'sz-' + id, textContent: t(label) }),
    el('input', { id: 'sz-' + id, value, inputMode: 'decimal', autocomplete: 'off' }));
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
    ...holdBoxes.map(([id, label]) => box(id, label, '')), check('hold-pm', 'Dal pieno (Pm) invece che da Pm - Dp', false));
  const buttons = (...names) => el('p', { className: 'sz-controls' }, ...names.map(([id, label]) =>
    el('button', { id: 'sz-' + id, type: 'button', textContent: t(label) })));
  const requirements = el('fieldset', { className: 'sz-requirements' },
    el('legend', { textContent: t('Requisiti') }), box(...boxes[0]),
    el('p', {}, el('label', { htmlFor: 'sz-type', textContent: t('Tipo di accumulatore') }), type),
    el('p', {}, el('span', { id: 'sz-catalogue-label', textContent: t('Catalogo (cella vuota: nessun limite)') })),
    catalogue, buttons(['add', 'Aggiungi'], ['remove', 'Rimuovi'], ['defaults', 'Predefinito']),
    ...boxes.slice(1).map((b) => box(...b)), ...checks.map((c) => check(...c)), hold);
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
  const number = (x) => app.formatNumber(x);
  showCatalogue([]);
  $('add').onclick = () => { addRow([]); edited = true; changed(); };
  $('remove').onclick = () => { catalogue.tBodies[0].lastElementChild?.remove(); edited = true; changed(); };
  $('defaults').onclick = () => { showCatalogue([]); edited = false; changed(); };
  catalogue.addEventListener('input', () => { edited = true; });
  const rows = () => [...catalogue.tBodies[0].rows].map((r) => [...r.querySelectorAll('input')].map((e) => e.value));
  // A catalogue still holding the defaults of the type left behind becomes
  // the new type's defaults; one the user has edited stays.
  let shownType = type.selectedIndex;
  type.addEventListener('change', () => {
    if (!edited || JSON.stringify(rows()) === JSON.stringify(defaults[shownType])) {
      showCatalogue(defaults[type.selectedIndex] || []);
      edited = false;
    }
    shownType = type.selectedIndex;
  });

  function args() {
    const a = [];
    const value = (id) => $(id).value.trim();
    if (!value('p1')) throw new Error(t('Scrivere la pressione minima p1 in bar.'));
    a.push('--type', types[type.selectedIndex][0]);
    for (const [id, , , option] of boxes) {
      if (!value(id)) continue;
      a.push(option, id === 'bottles' ? value(id).replace(/,/g, '.').split(/\s*;\s*/).join(',') : value(id));
    }
    if (edited) {
      const rows = [...catalogue.tBodies[0].rows].map((r) =>
        [...r.querySelectorAll('input')].map((i) => i.value.trim().replace(',', '.')).join(':').replace(/:+$/, ''));
      a.push('--catalogue', rows.join(','));
    }
    if (!$('precharge').checked) a.push('--keep-precharge');
    if ($('pump').checked) a.push('--size-pump');
    if ($('single').checked) a.push('--single-cycle');
    if ($('arrangements').checked) a.push('--arrangements');
    if ($('from-full').checked) a.push('--emergency-from-full');
    if (value('hold-pressure') || value('hold-time')) {
      for (const [id, , option] of holdBoxes) if (value(id)) a.push(option, value(id));
      if ($('hold-pm').checked) a.push('--hold-from-pm');
    }
    return a;
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

  let found = null; // the answer, the options it answers and the design it was found for
  let applying = false;
  async function calculate() {
    let a;
    try {
      a = args();
    } catch (e) {
      answer.replaceChildren(el('p', { className: 'sz-error', textContent: e.message }));
      return;
    }
    compute.disabled = true;
    stop.disabled = false;
    progress.hidden = false;
    section.dataset.state = 'searching';
    try {
      // The project's own requirements are the base the options change: the
      // form says every one of them, the duties' plan included.
      const project = JSON.parse(await app.currentProjectText());
      if (project.dimensionamento) Object.assign(project.dimensionamento, { mantenimento: null, emergenza_da_pieno: false });
      const text = JSON.stringify(project);
      const reply = await app.call('command', ['size', 'in.vlzp', ...a], { 'in.vlzp': text });
      const refused = reply.code !== 0 && reply.code !== 1;
      found = refused ? null : { json: null, args: a };
      if (refused) answer.replaceChildren(el('p', { className: 'sz-error', textContent: reply.stderr.trim() }));
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
        defaults[type.selectedIndex] = json.requirements.catalogue.map((s) =>
          catalogueKeys.map(([, key]) => (s[key] === null ? '' : number(s[key]))));
        showCatalogue(defaults[type.selectedIndex]);
      }
      apply.disabled = !stale.hidden || !json.recommended;
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
  async function applyRecommendation() {
    const r = found && found.json && found.json.recommended;
    if (!r || !stale.hidden) return;
    const project = JSON.parse(await app.currentProjectText());
    const q = found.json.requirements;
    const plan = project.dimensionamento || {};
    const held = (id) => Number($(id).value.trim().replace(',', '.')) || 0;
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
    plan.mantenimento = found.args.includes('--hold-pressure') ? { pressione: held('hold-pressure'),
      tempo: held('hold-time'), trafilamento: held('leakage'), raffreddamento: held('cooling'),
      da_Pm: $('hold-pm').checked } : null;
    project.dimensionamento = plan;
    project.raccomandazione = { V0: r.V0, P0: r.P0, Qp: r.Qp, accumulatori: r.count, bombole: r.bottles,
      volume_bombola: r.bottle_size };
    Object.assign(project.dati_iniziali, { V0: r.V0, P0: r.P0, Qp: r.Qp });
    Object.assign(project.impianto, { accumulatori_in_parallelo: r.count, bombole_dm3: r.bottle_volume,
      p1_applicata: q.p1 });
    applying = true;
    try {
      await app.loadProjectText(JSON.stringify(project, null, 2) + '\n', 'progetto.vlzp');
      // The page redraws itself on the load (app.js), as on any other.
      seen = JSON.stringify(app.project().dimensionamento);
    } finally {
      applying = false;
    }
  }

  // The requirements a project keeps fill the form when it is opened (or
  // applied); an edit of the design leaves the answer stale.
  let seen = null;
  function fromProject() {
    const q = (app.project() || {}).dimensionamento;
    seen = JSON.stringify(q);
    if (!q || !(q.p1 > 0)) return;
    const put = (id, x) => { $(id).value = x === null || x === undefined ? '' : number(x); };
    put('p1', q.p1);
    type.selectedIndex = shownType = Math.max(0, types.findIndex(([, , name]) => name === q.tipo));
    showCatalogue(q.catalogo.map((size) => catalogueKeys.map(([, , key]) => (size[key] ?? '') === '' ? '' : number(size[key]))));
    edited = true;
    [['ps', q.PS], ['relief', q.valvola_di_massima], ['tolerance', q.tolleranza_precarica * 100],
      ['hours', q.ore_di_lavoro], ['efficiency', q.rendimento_pompa], ['hours-year', q.ore_in_un_anno]]
      .forEach(([id, x]) => put(id, x));
    $('bottles').value = q.bombole.map(number).join('; ');
    const h = q.mantenimento;
    [['hold-pressure', h && h.pressione], ['hold-time', h && h.tempo], ['leakage', h && h.trafilamento],
      ['cooling', h && h.raffreddamento]].forEach(([id, x]) => put(id, x));
    [['precharge', q.scegli_precarica], ['pump', q.dimensiona_pompa], ['single', q.ciclo_singolo],
      ['arrangements', q.composizioni], ['from-full', q.emergenza_da_pieno], ['hold-pm', !!(h && h.da_Pm)]]
      .forEach(([id, on]) => { $(id).checked = !!on; });
  }

  function changed() {
    if (!found || applying) return;
    stale.hidden = false;
    apply.disabled = true;
    section.dataset.state = 'stale';
  }
  compute.onclick = calculate;
  stop.onclick = () => app.stop();
  apply.onclick = applyRecommendation;
  section.querySelector('.sz-requirements').addEventListener('input', changed);
  section.querySelector('.sz-requirements').addEventListener('change', changed);
  if (kept) {
    // The same requirements and answer in the other language.
    for (const [id, value, on] of kept.boxes) Object.assign(section.querySelector('#' + id), { value, checked: on });
    type.selectedIndex = shownType = kept.type;
    edited = kept.edited;
    showCatalogue(kept.catalogue);
    seen = kept.seen;
    if (kept.answered) calculate();
  } else {
    fromProject();
  }
  return {
    keep: () => ({ edited, seen, type: type.selectedIndex, answered: section.dataset.state === 'answered',
      boxes: [...section.querySelectorAll('.sz-requirements input[id]')].map((e) => [e.id, e.value, e.checked]),
      catalogue: rows() }),
    project() {
      if (!applying && JSON.stringify((app.project() || {}).dimensionamento) !== seen) fromProject();
      changed();
    },
  };
}

const section = document.getElementById('sizing');
let sizing = attach(section);
app.onChange((what) => {
  if (what === 'project') sizing.project();
  if (what === 'language') sizing = attach(section, sizing.keep());
});
