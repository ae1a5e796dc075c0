// The chart of a run on a canvas: one series against time (P, V, Qt or Qs),
// the crosshair on the nearest step with its exact reading as the desktop
// gives it ("t = 1,23 s · P = 78,123 bar"), zoom by a dragged box or the
// wheel, back to the full view with 0 or the button; the arrow keys move the
// crosshair a step (with Shift ten), + and - zoom about it.
import * as app from './app-state.js';
import { coreTable, t, word } from './texts.js';

// A series' symbol, unit and column in the results table, the core's
// (coreTable('series'), after the time).
function series(symbol) {
  const all = coreTable('series');
  const i = all.findIndex((s) => s.symbol === symbol);
  return { ...all[i], column: i + 1 };
}
// The readout's decimals, the core's as the desktop's: the pressure's and
// the time's those of its chart's readout, the other series' those of its
// results table.
const readoutDecimals = (which) => (which === coreTable('readout').pressureSymbol ? coreTable('readout').pressure
  : coreTable('resultsFormat').decimals[series(which).column]);
// The step of the stored series, s, as the core runs it.
const timeStep = () => coreTable('timeStep');
const PAD = { left: 64, right: 16, top: 12, bottom: 36 };

// Round divisions of a range: 1, 2 or 5 times a power of ten.
function ticks(lo, hi, count) {
  const raw = (hi - lo) / count;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 5, 10].map((f) => f * power).find((s) => s >= raw);
  const out = [];
  for (let v = Math.ceil(lo / step) * step; v <= hi + step * 1e-9; v += step) out.push(v);
  return { out, decimals: Math.max(0, -Math.floor(Math.log10(step) + 1e-9)) };
}

// The values from `lo` to `hi` with 5 % to spare.
function padded(lo, hi) {
  if (!(hi > lo)) { lo -= 1; hi += 1; }
  const margin = (hi - lo) * 0.05;
  return { y0: lo - margin, y1: hi + margin };
}

// The chart's state: the series shown, the view ({k0, k1, y0, y1}: the steps
// and values shown), the crosshair's step, the box being dragged.
function chartState(canvas, readout) {
  const c = { canvas, readout, which: coreTable('readout').pressureSymbol, view: null, k: null, drag: null };
  c.data = () => app.results() && app.results().series;
  c.values = () => c.data()[c.which];
  c.box = () => {
    const w = canvas.clientWidth, h = canvas.clientHeight;
    return { x: PAD.left, y: PAD.top, w: w - PAD.left - PAD.right, h: h - PAD.top - PAD.bottom };
  };
  c.xOf = (step, b) => b.x + ((step - c.view.k0) / Math.max(c.view.k1 - c.view.k0, 1)) * b.w;
  c.yOf = (value, b) => b.y + (1 - (value - c.view.y0) / (c.view.y1 - c.view.y0)) * b.h;
  c.stepAt = (px, b) => Math.round(c.view.k0 + ((px - b.x) / b.w) * (c.view.k1 - c.view.k0));
  return c;
}

function full(c) {
  const v = c.values();
  let lo = Infinity, hi = -Infinity;
  for (const x of v) {
    if (x < lo) lo = x;
    if (x > hi) hi = x;
  }
  return { k0: 0, k1: v.length - 1, ...padded(lo, hi) };
}

function fitValues(c) {
  const v = c.values();
  let lo = Infinity, hi = -Infinity;
  for (let i = Math.max(0, Math.floor(c.view.k0)); i <= Math.min(v.length - 1, Math.ceil(c.view.k1)); i++) {
    lo = Math.min(lo, v[i]); hi = Math.max(hi, v[i]);
  }
  Object.assign(c.view, padded(lo, hi));
}

// The frame, the grid and the numbers on both axes.
function drawAxes(c, g, b) {
  const { view } = c;
  g.strokeStyle = '#999';
  g.lineWidth = 1;
  g.strokeRect(b.x, b.y, b.w, b.h);
  const yt = ticks(view.y0, view.y1, 6);
  g.textAlign = 'right';
  g.textBaseline = 'middle';
  for (const v of yt.out) {
    const y = c.yOf(v, b);
    g.strokeStyle = '#ddd';
    g.beginPath(); g.moveTo(b.x, y); g.lineTo(b.x + b.w, y); g.stroke();
    g.fillText(app.formatNumber(v, yt.decimals), b.x - 4, y);
  }
  const xt = ticks(view.k0 * timeStep(), view.k1 * timeStep(), 8);
  g.textAlign = 'center';
  g.textBaseline = 'top';
  for (const s of xt.out) {
    const x = c.xOf(s / timeStep(), b);
    g.strokeStyle = '#ddd';
    g.beginPath(); g.moveTo(x, b.y); g.lineTo(x, b.y + b.h); g.stroke();
    g.fillText(app.formatNumber(s, xt.decimals), x, b.y + b.h + 4);
  }
  g.fillText(coreTable('timeAxis'), b.x + b.w / 2, b.y + b.h + 20);
}

// The curve, the crosshair and the box being dragged, inside the frame.
function drawCurve(c, g, b, ink) {
  const { view, k, drag } = c;
  g.save();
  g.beginPath(); g.rect(b.x, b.y, b.w, b.h); g.clip();
  const v = c.values();
  g.strokeStyle = '#1a5fb4';
  g.lineWidth = 1.5;
  g.beginPath();
  // One point a pixel column at most: the lowest and highest between.
  const first = Math.max(0, Math.floor(view.k0)), last = Math.min(v.length - 1, Math.ceil(view.k1));
  const per = Math.max(1, Math.floor((last - first) / (b.w * 2)));
  for (let i = first; i <= last; i += per) {
    let lo = v[i], hi = v[i];
    for (let j = i + 1; j < Math.min(i + per, last + 1); j++) { lo = Math.min(lo, v[j]); hi = Math.max(hi, v[j]); }
    const x = c.xOf(i, b);
    if (i === first) g.moveTo(x, c.yOf(v[i], b));
    g.lineTo(x, c.yOf(lo, b));
    if (hi !== lo) g.lineTo(x, c.yOf(hi, b));
  }
  g.stroke();
  if (k !== null) {
    g.strokeStyle = '#c01c28';
    g.lineWidth = 1;
    const x = c.xOf(k, b), y = c.yOf(v[k], b);
    g.beginPath(); g.moveTo(x, b.y); g.lineTo(x, b.y + b.h); g.moveTo(b.x, y); g.lineTo(b.x + b.w, y); g.stroke();
  }
  if (drag && drag.to) {
    g.strokeStyle = ink;
    g.setLineDash([4, 3]);
    g.strokeRect(drag.from.x, drag.from.y, drag.to.x - drag.from.x, drag.to.y - drag.from.y);
  }
  g.restore();
}

function draw(c) {
  const { canvas } = c;
  const ratio = window.devicePixelRatio || 1;
  const w = canvas.clientWidth, h = canvas.clientHeight;
  canvas.width = Math.round(w * ratio);
  canvas.height = Math.round(h * ratio);
  const g = canvas.getContext('2d');
  g.setTransform(ratio, 0, 0, ratio, 0, 0);
  g.clearRect(0, 0, w, h);
  const style = getComputedStyle(canvas);
  const ink = style.color;
  g.font = '12px sans-serif';
  g.fillStyle = ink;
  if (!c.data()) {
    g.fillText(t('Nessun risultato: simulare il ciclo.'), PAD.left, h / 2);
    c.readout.textContent = '';
    return;
  }
  if (!c.view) c.view = full(c);
  const b = c.box();
  drawAxes(c, g, b);
  drawCurve(c, g, b, ink);
  g.textAlign = 'left';
  g.textBaseline = 'top';
  g.fillText(series(c.which).axis, 4, 0);
  showReading(c);
}

function showReading(c) {
  if (c.k === null || !c.data()) {
    c.readout.textContent = '';
    return;
  }
  const s = series(c.which);
  c.readout.textContent = word(coreTable('readout').sample, app.formatNumber(c.k * timeStep(), coreTable('readout').time),
    s.symbol, app.formatNumber(c.values()[c.k], readoutDecimals(c.which)), s.unit);
}

function setStep(c, step) {
  if (!c.data()) return;
  const v = c.values();
  const { view } = c;
  c.k = Math.max(0, Math.min(v.length - 1, step));
  // The crosshair keeps inside the view, which follows it.
  if (c.k < view.k0 || c.k > view.k1) {
    const span = view.k1 - view.k0;
    view.k0 = Math.max(0, Math.min(c.k - span / 2, v.length - 1 - span));
    view.k1 = view.k0 + span;
  }
  draw(c);
}

function zoomAbout(c, step, factor) {
  const v = c.values();
  const { view } = c;
  const span = Math.max(10, (view.k1 - view.k0) * factor);
  let k0 = step - (step - view.k0) * (span / (view.k1 - view.k0));
  k0 = Math.max(0, Math.min(k0, v.length - 1 - span));
  c.view = { ...view, k0, k1: Math.min(v.length - 1, k0 + span) };
  fitValues(c);
  draw(c);
}

function reset(c) {
  c.view = c.data() ? full(c) : null;
  draw(c);
}

// The mouse: the crosshair follows it, a dragged box zooms into it, the
// wheel zooms about it.
function listenPointer(c) {
  const { canvas } = c;
  const point = (e) => {
    const r = canvas.getBoundingClientRect();
    return { x: e.clientX - r.left, y: e.clientY - r.top };
  };
  canvas.addEventListener('pointerdown', (e) => {
    if (!c.data()) return;
    canvas.focus();
    c.drag = { from: point(e), to: null };
    canvas.setPointerCapture(e.pointerId);
  });
  canvas.addEventListener('pointermove', (e) => {
    if (!c.data()) return;
    const p = point(e);
    if (c.drag) c.drag.to = p;
    setStep(c, c.stepAt(p.x, c.box()));
  });
  canvas.addEventListener('pointerup', (e) => {
    if (!c.drag) return;
    const { from } = c.drag;
    const to = point(e);
    c.drag = null;
    const b = c.box();
    if (Math.abs(to.x - from.x) > 5 && Math.abs(to.y - from.y) > 5) {
      const { view } = c;
      const y = (py) => view.y0 + (1 - (py - b.y) / b.h) * (view.y1 - view.y0);
      c.view = {
        k0: Math.max(0, Math.min(c.stepAt(from.x, b), c.stepAt(to.x, b))),
        k1: Math.min(c.values().length - 1, Math.max(c.stepAt(from.x, b), c.stepAt(to.x, b))),
        y0: Math.min(y(from.y), y(to.y)),
        y1: Math.max(y(from.y), y(to.y)),
      };
      if (c.view.k1 <= c.view.k0) c.view.k1 = c.view.k0 + 1;
    }
    draw(c);
  });
  canvas.addEventListener('wheel', (e) => {
    if (!c.data()) return;
    e.preventDefault();
    zoomAbout(c, c.stepAt(point(e).x, c.box()), e.deltaY < 0 ? 0.8 : 1.25);
  }, { passive: false });
}

function listenKeys(c) {
  c.canvas.addEventListener('keydown', (e) => {
    if (!c.data()) return;
    const by = e.shiftKey ? 10 : 1;
    const step = c.k === null ? Math.round((c.view.k0 + c.view.k1) / 2) : c.k;
    const keys = {
      ArrowRight: () => setStep(c, step + by), ArrowLeft: () => setStep(c, step - by),
      Home: () => setStep(c, 0), End: () => setStep(c, c.values().length - 1),
      '+': () => zoomAbout(c, step, 0.5), '=': () => zoomAbout(c, step, 0.5), '-': () => zoomAbout(c, step, 2),
      0: () => reset(c),
    };
    if (keys[e.key]) {
      e.preventDefault();
      keys[e.key]();
    }
  });
}

export function createChart(canvas, readout, choice, resetButton) {
  const c = chartState(canvas, readout);
  listenPointer(c);
  listenKeys(c);
  resetButton.addEventListener('click', () => reset(c));
  choice.addEventListener('change', () => {
    c.which = choice.value;
    const keep = c.view && { k0: c.view.k0, k1: c.view.k1 };
    c.view = c.data() ? full(c) : null;
    if (keep && c.view) { Object.assign(c.view, keep); fitValues(c); }
    draw(c);
  });
  new ResizeObserver(() => draw(c)).observe(canvas);

  return {
    // New results: the full view, the crosshair off.
    update() {
      c.k = null;
      c.view = null;
      draw(c);
    },
    draw: () => draw(c),
    series: () => c.which,
  };
}
