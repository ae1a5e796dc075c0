// The browser core's download and speed against native volvenza-sim: the
// module's size, raw and gzipped, and the steady median time of the
// example's sizing and of the longest cycle's (real nitrogen, tau 45 s,
// envelope 10/60 °C), native timed as a process (its start included).
//   node bench/web/core_bench.js build-web/site build/bin/volvenza-sim tests/data
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { load, native } = require('../../tests/web/harness.js');

// The longest cycle the model holds (as bench/LongestCycle.h): 1000 motors
// over 327,67 s.
function longestCycle() {
  const f = (x) => Math.fround(x).toPrecision(7).replace(/\.?0+$/, '').replace(/^0\./, '.');
  const lines = ['0,100,50,40,400,200,30,327.67,1000'];
  for (let i = 1; i <= 1000; i++) {
    const ti = Math.fround(i * Math.fround(0.32));
    lines.push([f(ti), f(ti + Math.fround(0.9)), ...Array(12).fill(0), 20 + (i % 7) * 11.5, 4].join(','));
  }
  return lines.concat('0,0,0,0,0,0').join('\r\n') + '\r\n';
}

const [site, sim, data] = process.argv.slice(2).map((p) => path.resolve(p));
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const ms = (work) => {
  const started = process.hrtime.bigint();
  work();
  return Number(process.hrtime.bigint() - started) / 1e6;
};

(async () => {
  const started = process.hrtime.bigint();
  const core = await load(site);
  const loading = Number(process.hrtime.bigint() - started) / 1e6;
  const files = ['volvenza-core.wasm', 'volvenza-core.js', 'volvenza.js'].map((f) => fs.readFileSync(path.join(site, f)));
  const raw = files.reduce((n, f) => n + f.length, 0);
  const gzipped = files.reduce((n, f) => n + zlib.gzipSync(f, { level: 9 }).length, 0);
  console.log(`download: ${raw} B (wasm ${files[0].length} B), ${gzipped} B gzipped; loaded in ${loading.toFixed(0)} ms`);
  const cases = [
    ['example', fs.readFileSync(path.join(data, 'example.vlz'), 'latin1'), '--pmin 60 --type bladder', 7],
    ['longest cycle', longestCycle(), '--pmin 150 --type bladder --gas nitrogen --tau 45 --envelope 10 60', 3],
  ];
  for (const [name, text, args, times] of cases) {
    const command = ['size', 'in.vlz', '--json', ...args.split(' ')];
    const files = { 'in.vlz': text };
    core.command(command, files); // the first call compiles the code paths
    const web = Array.from({ length: times }, () => ms(() => core.command(command, files)));
    const nat = Array.from({ length: times }, () => ms(() => native(sim, command, files, [])));
    console.log(`${name} sizing: browser core ${median(web).toFixed(1)} ms, native ${median(nat).toFixed(1)} ms, ` +
      `${(median(web) / median(nat)).toFixed(2)}x`);
  }
})();
