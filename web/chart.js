// The chart of a run on a canvas: one series against time (P, V, Qt or Qs),
// the crosshair on the nearest step with its exact reading as the desktop
// gives it ("t = 1,23 s · P = 78,123 bar"), zoom by a dragged box or the
// wheel, back to the full view with 0 or the button; the arrow keys move the
// crosshair a step (with Shift ten), + and - zoom about it.
import * as app from './app-state.js';
import { t } from './texts.js';

export const SERIES = {
  P: { label: 'Pressione P(t)', symbol: 'P', unit: 'bar', decimals: 3 },
  V: { label: 'Volume del gas V(t)', symbol: 'V', unit: 'dm3', decimals: 4 },
  Qt: { label: 'Portata Qt(t)', symbol: 'Qt', unit: 'dm3/min', decimals: 4 },
  Qs: { label: 'Portata Qs(t)', symbol: 'Qs', unit: 'dm3/min', decimals: 4 },
};
const STEP = 0.01; // s, the step of the stored series
const STEP_DECIMALS = 2;
const PAD = { left: 64, right: 16, top: 12, bottom: 36 };

export function createChart(canvas, readout, choice, resetButton) {
  let which = 'P';
  let view = null; // {k0, k1, y0, y1}: the steps and values shown
  let k = null; // the crosshair's step
  let drag = null;

  const data = () => app.results() && app.results().series;
  const values = () => data()[which];

  function full() {
    const v = values();
    let lo = Infinity, hi = -Infinity;
    for (const x of v) {
      if (x < lo) lo = x;
      if (x > hi) hi = x;
    }
    if (!(hi > lo)) { lo -= 1; hi += 1; }
    const margin = (hi - lo) * 0.05;
    return { k0: 0, k1: v.length - 1, y0: lo - margin, y1: hi + margin };
  }

  function box() {
    const w = canvas.clientWidth, h = canvas.clientHeight;
    return { x: PAD.left, y: PAD.top, w: w - PAD.left - PAD.right, h: h - PAD.top - PAD.bottom };
  }
  const xOf = (step, b) => b.x + ((step - view.k0) / Math.max(view.k1 - view.k0, 1)) * b.w;
  const yOf = (value, b) => b.y + (1 - (value - view.y0) / (view.y1 - view.y0)) * b.h;
  const stepAt = (px, b) => Math.round(view.k0 + ((px - b.x) / b.w) * (view.k1 - view.k0));

  // Round divisions of a range: 1, 2 or 5 times a power of ten.
  function ticks(lo, hi, count) {
    const raw = (hi - lo) / count;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    const step = [1, 2, 5, 10].map((f) => f * power).find((s) => s >= raw);
    const out = [];
    for (let v = Math.ceil(lo / step) * step; v <= hi + step * 1e-9; v += step) out.push(v);
    return { out, decimals: Math.max(0, -Math.floor(Math.log10(step) + 1e-9)) };
  }

  function draw() {
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
    if (!data()) {
      g.fillText(t('Nessun risultato: simulare il ciclo.'), PAD.left, h / 2);
      readout.textContent = '';
      return;
    }
    if (!view) view = full();
    const b = box();
    g.strokeStyle = '#999';
    g.lineWidth = 1;
    g.strokeRect(b.x, b.y, b.w, b.h);
    const yt = ticks(view.y0, view.y1, 6);
    g.textAlign = 'right';
    g.textBaseline = 'middle';
    for (const v of yt.out) {
      const y = yOf(v, b);
      g.strokeStyle = '#ddd';
      g.beginPath(); g.moveTo(b.x, y); g.lineTo(b.x + b.w, y); g.stroke();
      g.fillText(app.formatNumber(v, yt.decimals), b.x - 4, y);
    }
    const xt = ticks(view.k0 * STEP, view.k1 * STEP, 8);
    g.textAlign = 'center';
    g.textBaseline = 'top';
    for (const s of xt.out) {
      const x = xOf(s / STEP, b);
      g.strokeStyle = '#ddd';
      g.beginPath(); g.moveTo(x, b.y); g.lineTo(x, b.y + b.h); g.stroke();
      g.fillText(app.formatNumber(s, xt.decimals), x, b.y + b.h + 4);
    }
    g.fillText(`t [s]`, b.x + b.w / 2, b.y + b.h + 20);
    g.save();
    g.beginPath(); g.rect(b.x, b.y, b.w, b.h); g.clip();
    const v = values();
    g.strokeStyle = '#1a5fb4';
    g.lineWidth = 1.5;
    g.beginPath();
    // One point a pixel column at most: the lowest and highest between.
    const first = Math.max(0, Math.floor(view.k0)), last = Math.min(v.length - 1, Math.ceil(view.k1));
    const per = Math.max(1, Math.floor((last - first) / (b.w * 2)));
    for (let i = first; i <= last; i += per) {
      let lo = v[i], hi = v[i];
      for (let j = i + 1; j < Math.min(i + per, last + 1); j++) { lo = Math.min(lo, v[j]); hi = Math.max(hi, v[j]); }
      const x = xOf(i, b);
      if (i === first) g.moveTo(x, yOf(v[i], b));
      g.lineTo(x, yOf(lo, b));
      if (hi !== lo) g.lineTo(x, yOf(hi, b));
    }
    g.stroke();
    if (k !== null) {
      g.strokeStyle = '#c01c28';
      g.lineWidth = 1;
      const x = xOf(k, b), y = yOf(v[k], b);
      g.beginPath(); g.moveTo(x, b.y); g.lineTo(x, b.y + b.h); g.moveTo(b.x, y); g.lineTo(b.x + b.w, y); g.stroke();
    }
    if (drag && drag.to) {
      g.strokeStyle = ink;
      g.setLineDash([4, 3]);
      g.strokeRect(drag.from.x, drag.from.y, drag.to.x - drag.from.x, drag.to.y - drag.from.y);
    }
    g.restore();
    g.textAlign = 'left';
    g.textBaseline = 'top';
    g.fillText(`${SERIES[which].symbol} [${SERIES[which].unit}]`, 4, 0);
    showReading();
  }

  function showReading() {
    if (k === null || !data()) {
      readout.textContent = '';
      return;
    }
    const s = SERIES[which];
    readout.textContent = `t = ${app.formatNumber(k * STEP, STEP_DECIMALS)} s · ${s.symbol} = ` +
      `${app.formatNumber(values()[k], s.decimals)} ${s.unit}`;
  }

  function setStep(step) {
    if (!data()) return;
    const v = values();
    k = Math.max(0, Math.min(v.length - 1, step));
    // The crosshair keeps inside the view, which follows it.
    if (k < view.k0 || k > view.k1) {
      const span = view.k1 - view.k0;
      view.k0 = Math.max(0, Math.min(k - span / 2, v.length - 1 - span));
      view.k1 = view.k0 + span;
    }
    draw();
  }

  function zoomAbout(step, factor) {
    const v = values();
    const span = Math.max(10, (view.k1 - view.k0) * factor);
    let k0 = step - (step - view.k0) * (span / (view.k1 - view.k0));
    k0 = Math.max(0, Math.min(k0, v.length - 1 - span));
    view = { ...view, k0, k1: Math.min(v.length - 1, k0 + span) };
    fitValues();
    draw();
  }

  function fitValues() {
    const v = values();
    let lo = Infinity, hi = -Infinity;
    for (let i = Math.max(0, Math.floor(view.k0)); i <= Math.min(v.length - 1, Math.ceil(view.k1)); i++) {
      lo = Math.min(lo, v[i]); hi = Math.max(hi, v[i]);
    }
    if (!(hi > lo)) { lo -= 1; hi += 1; }
    const margin = (hi - lo) * 0.05;
    view.y0 = lo - margin;
    view.y1 = hi + margin;
  }

  const point = (e) => {
    const r = canvas.getBoundingClientRect();
    return { x: e.clientX - r.left, y: e.clientY - r.top };
  };
  canvas.addEventListener('pointerdown', (e) => {
    if (!data()) return;
    canvas.focus();
    drag = { from: point(e), to: null };
    canvas.setPointerCapture(e.pointerId);
  });
  canvas.addEventListener('pointermove', (e) => {
    if (!data()) return;
    const p = point(e);
    if (drag) drag.to = p;
    setStep(stepAt(p.x, box()));
  });
  canvas.addEventListener('pointerup', (e) => {
    if (!drag) return;
    const { from } = drag;
    const to = point(e);
    drag = null;
    const b = box();
    if (Math.abs(to.x - from.x) > 5 && Math.abs(to.y - from.y) > 5) {
      const y = (py) => view.y0 + (1 - (py - b.y) / b.h) * (view.y1 - view.y0);
      view = {
        k0: Math.max(0, Math.min(stepAt(from.x, b), stepAt(to.x, b))),
        k1: Math.min(values().length - 1, Math.max(stepAt(from.x, b), stepAt(to.x, b))),
        y0: Math.min(y(from.y), y(to.y)),
        y1: Math.max(y(from.y), y(to.y)),
      };
      if (view.k1 <= view.k0) view.k1 = view.k0 + 1;
    }
    draw();
  });
  canvas.addEventListener('wheel', (e) => {
    if (!data()) return;
    e.preventDefault();
    zoomAbout(stepAt(point(e).x, box()), e.deltaY < 0 ? 0.8 : 1.25);
  }, { passive: false });
  canvas.addEventListener('keydown', (e) => {
    if (!data()) return;
    const by = e.shiftKey ? 10 : 1;
    const step = k === null ? Math.round((view.k0 + view.k1) / 2) : k;
    const keys = {
      ArrowRight: () => setStep(step + by), ArrowLeft: () => setStep(step - by),
      Home: () => setStep(0), End: () => setStep(values().length - 1),
      '+': () => zoomAbout(step, 0.5), '=': () => zoomAbout(step, 0.5), '-': () => zoomAbout(step, 2),
      0: () => reset(),
    };
    if (keys[e.key]) {
      e.preventDefault();
      keys[e.key]();
    }
  });
  function reset() {
    view = data() ? full() : null;
    draw();
  }
  resetButton.addEventListener('click', reset);
  choice.addEventListener('change', () => {
    which = choice.value;
    const keep = view && { k0: view.k0, k1: view.k1 };
    view = data() ? full() : null;
    if (keep && view) { Object.assign(view, keep); fitValues(); }
    draw();
  });
  new ResizeObserver(() => draw()).observe(canvas);

  return {
    // New results: the full view, the crosshair off.
    update() {
      k = null;
      view = null;
      draw();
    },
    draw,
    series: () => which,
  };
}
