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

module.exports = { load, native };
