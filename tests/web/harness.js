// What the browser core's test and benchmark share: the core loaded in node,
// the native command run in a folder of its own.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

async function load(site) {
  const factory = require(path.join(site, 'volvenza-core.js'));
  const { createVolvenza } = require(path.join(site, 'volvenza.js'));
  return createVolvenza(factory, { wasmBinary: fs.readFileSync(path.join(site, 'volvenza-core.wasm')) });
}

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'volvenza-web-'));
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));

// volvenza-sim as the interface's command gives it back.
function native(sim, args, files, outputs, english) {
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(work, name), text, 'latin1');
  const env = { ...process.env, LC_ALL: english ? 'en_US.UTF-8' : 'C.UTF-8' };
  const r = spawnSync(sim, args, { cwd: work, env, maxBuffer: 1 << 28 });
  const written = {};
  for (const name of outputs) {
    if (fs.existsSync(path.join(work, name))) written[name] = fs.readFileSync(path.join(work, name), 'utf8');
  }
  for (const name of [...Object.keys(files), ...outputs]) fs.rmSync(path.join(work, name), { force: true });
  return { code: r.status, stdout: r.stdout.toString('utf8'), stderr: r.stderr.toString('utf8'), files: written };
}

// Two texts field by field: null when each field is the same or two numbers
// within 1e-12 relative (pushed to close), else the first pair that differs.
function textDiff(a, b, close = []) {
  const fa = a.split(/([\s,;:{}[\]"=]+)/);
  const fb = b.split(/([\s,;:{}[\]"=]+)/);
  if (fa.length !== fb.length) return 'different shape';
  for (let i = 0; i < fa.length; i++) {
    if (fa[i] === fb[i]) continue;
    const [x, y] = [fa[i], fb[i]].map((t) => Number(t.replace(',', '.')));
    const relative = Math.abs(x - y) / Math.max(Math.abs(x), Math.abs(y));
    if (!(relative <= 1e-12)) return `"${fa[i]}" in the browser, "${fb[i]}" native`;
    close.push(relative);
  }
  return null;
}

module.exports = { load, native, textDiff };
