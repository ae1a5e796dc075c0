// The results table as the desktop's "Tabella" shows it, its row spacing
// and each column's decimals the core's (coreTable('resultsFormat')), a page
// of rows at a time so that the longest run does not hold the page up;
// printed, every row, as in the desktop's report.
import * as app from './app-state.js';
import { ask } from './core-now.js';
import { coreTable, t } from './texts.js';

// The series the page shows after the time, in the desktop's table's order
// (the core's, coreTable('series')): its columns before the gas
// temperature, which the .vlz does not keep.
const series = () => coreTable('series').map((s) => s.symbol);
const PAGE = 200;

// The .vlz's series to its last step, read by the core's reader (a value
// JSON cannot hold, not finite, comes as null), and each step's time ('t')
// as the desktop's table writes it.
export function seriesOfVlz(text) {
  const read = ask({ series: text });
  if (read.error) throw new Error(read.error);
  const out = { t: Float64Array.from(read.t) };
  for (const s of series()) out[s] = Float64Array.from(read[s], (x) => (x === null ? NaN : x));
  return out;
}

export function createResults(table, status, previous, next) {
  let page = 0;
  let printing = false;

  function rows() {
    const r = app.results();
    return r && r.series ? Math.floor((r.series.P.length - 1) / coreTable('resultsFormat').every) + 1 : 0;
  }

  function show() {
    const r = app.results();
    const head = document.createElement('thead');
    const hr = document.createElement('tr');
    for (const h of coreTable('results').slice(0, 1 + series().length)) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = h;
      hr.append(th);
    }
    head.append(hr);
    const body = document.createElement('tbody');
    const total = rows();
    page = Math.min(page, Math.max(0, Math.ceil(total / PAGE) - 1));
    const first = printing ? 0 : page * PAGE;
    const last = printing ? total : Math.min(total, first + PAGE);
    for (let row = first; row < last; row++) {
      const { every, decimals } = coreTable('resultsFormat');
      const k = row * every;
      const tr = document.createElement('tr');
      const cells = [app.formatNumber(r.series.t[k], decimals[0])];
      series().forEach((s, i) => cells.push(app.formatNumber(r.series[s][k], decimals[1 + i])));
      for (const c of cells) {
        const td = document.createElement('td');
        td.textContent = c;
        tr.append(td);
      }
      body.append(tr);
    }
    table.replaceChildren(head, body);
    status.textContent = total ? t('Righe %1–%2 di %3', first + 1, last, total) : t('Nessun risultato: simulare il ciclo.');
    previous.disabled = page === 0;
    next.disabled = last >= total;
  }

  previous.addEventListener('click', () => { page--; show(); });
  next.addEventListener('click', () => { page++; show(); });
  // Every row for the print only, the page of rows again after it.
  const print = (on) => {
    if (printing !== on) {
      printing = on;
      show();
    }
  };
  window.addEventListener('beforeprint', () => print(true));
  window.addEventListener('afterprint', () => print(false));
  window.matchMedia('print').addEventListener('change', (e) => print(e.matches));
  return {
    update() {
      page = 0;
      show();
    },
    show,
  };
}
