// The results table as the desktop's "Tabella" shows it: one row every
// 0,1 s (every tenth step), the time to one decimal and the values to four,
// a page of rows at a time so that the longest run does not hold the page up;
// printed, every row, as in the desktop's report.
import * as app from './app-state.js';
import { coreTable, t } from './texts.js';

// The series the page shows, after the time: the columns of the desktop's
// table before the gas temperature, which the .vlz does not keep.
const SERIES = ['V', 'P', 'Qt', 'Qs'];
const PAGE = 200;

// The .vlz's results: after the header and the movements, one line a step
// of t, V, P, Qt, Qs, DV with the decimal point.
export function seriesOfVlz(text) {
  const lines = text.split('\n');
  const header = lines[0].split(',');
  const lastPoint = +header[0];
  const count = +header[8];
  const series = { V: new Float64Array(lastPoint + 1), P: new Float64Array(lastPoint + 1),
    Qt: new Float64Array(lastPoint + 1), Qs: new Float64Array(lastPoint + 1) };
  for (let k = 0; k <= lastPoint; k++) {
    const f = lines[1 + count + k].split(',');
    series.V[k] = +f[1];
    series.P[k] = +f[2];
    series.Qt[k] = +f[3];
    series.Qs[k] = +f[4];
  }
  return series;
}

export function createResults(table, status, previous, next) {
  let page = 0;
  let printing = false;

  function rows() {
    const r = app.results();
    return r && r.series ? Math.floor((r.series.P.length - 1) / 10) + 1 : 0;
  }

  function show() {
    const r = app.results();
    const head = document.createElement('thead');
    const hr = document.createElement('tr');
    for (const h of coreTable('results').slice(0, 1 + SERIES.length)) {
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
      const k = row * 10;
      const tr = document.createElement('tr');
      const cells = [app.formatNumber(Math.fround(k * coreTable('timeStep')), 1)];
      for (const s of SERIES) cells.push(app.formatNumber(r.series[s][k], 4));
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
