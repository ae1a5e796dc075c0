// The browser edition's core against the native volvenza-sim: the same
// commands on the same designs give the same files, answers and messages.
// Numbers match exactly, or, where the browser's C library rounds pow, exp,
// expm1, log or cbrt differently in the last bit (the real gas's law with a
// finite time constant), within 1e-12 relative (1e-9 on the generated longest
// cycle), each command with such numbers named. Then the sizes and the times.
//   node tests/web/core_test.js build-web/site build/bin/volvenza-sim tests/data
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { spawnSync } = require('child_process');

const [site, sim, data] = process.argv.slice(2).map((p) => path.resolve(p));
const VolvenzaModule = require(path.join(site, 'volvenza-core.js'));
const { createVolvenza } = require(path.join(site, 'volvenza.js'));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'volvenza-web-'));

// The longest cycle the model holds (as bench/LongestCycle.h): 1000 motors
// over 327,67 s.
function longestCycle() {
  const f = (x) => Math.fround(x).toPrecision(7).replace(/\.?0+$/, '').replace(/^0\./, '.');
  const lines = ['0,100,50,40,400,200,30,327.67,1000'];
  for (let i = 1; i <= 1000; i++) {
    const ti = Math.fround(i * Math.fround(0.32));
    const tf = Math.fround(ti + Math.fround(0.9));
    lines.push([f(ti), f(tf), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20 + (i % 7) * 11.5, 4].join(','));
  }
  lines.push('0,0,0,0,0,0');
  return lines.join('\r\n') + '\r\n';
}

const designs = {};
for (const name of fs.readdirSync(data).filter((n) => n.endsWith('.vlz')).sort()) {
  designs[name] = fs.readFileSync(path.join(data, name), 'latin1');
}
designs['longest.vlz'] = longestCycle();

// The native command in its own folder: status, printed text, files.
function native(args, files, outputs, english) {
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(work, name), text, 'latin1');
  const env = { ...process.env, LC_ALL: english ? 'en_US.UTF-8' : 'C.UTF-8' };
  const started = process.hrtime.bigint();
  const r = spawnSync(sim, args, { cwd: work, env, maxBuffer: 1 << 28 });
  const ms = Number(process.hrtime.bigint() - started) / 1e6;
  const written = {};
  for (const name of outputs) {
    const p = path.join(work, name);
    if (fs.existsSync(p)) written[name] = fs.readFileSync(p, 'utf8');
  }
  for (const name of [...Object.keys(files), ...outputs]) fs.rmSync(path.join(work, name), { force: true });
  return { code: r.status, stdout: r.stdout.toString('utf8'), stderr: r.stderr.toString('utf8'), files: written, ms };
}

let failures = 0;
let current = '';  // the design the commands run on
// The generated longest cycle carries a library function's last bit through
// 1000 movements and many cycles: 1e-9 there, 1e-12 on the designs of tests/data.
const tolerance = () => (current.startsWith('longest') ? 1e-9 : 1e-12);
const tolerated = new Map();  // where: how many numbers, the largest relative difference

// Two texts, field by field: the same text, or two numbers within 1e-12.
function sameText(a, b, where) {
  if (a === b) return true;
  const fa = a.split(/([\s,;:{}\[\]"=]+)/);
  const fb = b.split(/([\s,;:{}\[\]"=]+)/);
  if (fa.length !== fb.length) return fail(where, 'different shape');
  for (let i = 0; i < fa.length; i++) {
    if (fa[i] === fb[i]) continue;
    const x = Number(fa[i].replace(',', '.'));
    const y = Number(fb[i].replace(',', '.'));
    if (!(Number.isFinite(x) && Number.isFinite(y)) || Math.abs(x - y) > tolerance() * Math.max(Math.abs(x), Math.abs(y))) {
      return fail(where, `"${fa[i]}" in the browser, "${fb[i]}" native`);
    }
    const relative = Math.abs(x - y) / Math.max(Math.abs(x), Math.abs(y));
    const seen = tolerated.get(where) || { count: 0, worst: 0 };
    tolerated.set(where, { count: seen.count + 1, worst: Math.max(seen.worst, relative) });
  }
  return true;
}

function fail(where, what) {
  failures++;
  console.log(`FAIL ${where}: ${what}`);
  return false;
}

function sameReply(web, nat, where) {
  if (web.code !== nat.code) fail(where, `status ${web.code} in the browser, ${nat.code} native`);
  sameText(web.stdout, nat.stdout, where + ' stdout');
  sameText(web.stderr, nat.stderr, where + ' stderr');
  for (const name of Object.keys(nat.files)) {
    if (web.files[name] === undefined) fail(where, `no ${name} in the browser`);
    else sameText(web.files[name], nat.files[name], `${where} ${name}`);
  }
}

function median(values) {
  const s = [...values].sort((a, b) => a - b);
  return s[Math.floor(s.length / 2)];
}

(async () => {
  const loadStart = process.hrtime.bigint();
  const v = await createVolvenza(VolvenzaModule, { wasmBinary: fs.readFileSync(path.join(site, 'volvenza-core.wasm')) });
  const loadMs = Number(process.hrtime.bigint() - loadStart) / 1e6;
  // One command both ways; the browser's through the interface's files.
  function both(args, input, outputs, english) {
    const files = input ? { [input[0]]: input[1] } : {};
    v.language = english ? 'en' : 'it';
    const started = process.hrtime.bigint();
    const web = v.command(args, files, outputs || []);
    web.ms = Number(process.hrtime.bigint() - started) / 1e6;
    const nat = native(args, files, outputs || [], english);
    sameReply(web, nat, `${current}: ${args.join(' ')}`);
    return { web, nat };
  }
  const laws = [[], ['--gas', 'ideal'], ['--gas', 'nitrogen'],
    ['--gas', 'nitrogen', '--tau', '30', '--envelope', '0', '60', '--summary'],
    ['--gas', 'ideal', '--n', '1.3', '--start', 'fast', '--summary']];
  for (const [name, text] of Object.entries(designs)) {
    current = name;
    for (const law of laws) both(['run', 'in.vlz', 'out.vlz', '--export', 'out.txt', ...law], ['in.vlz', text], ['out.vlz', 'out.txt']);
    const project = both(['convert', 'in.vlz', 'out.vlzp'], ['in.vlz', text], ['out.vlzp']).web.files['out.vlzp'];
    both(['run', 'in.vlzp', 'out.vlz', '--summary'], ['in.vlzp', project], ['out.vlz']);
    both(['export', 'in.vlz', 'out.csv', '--csv'], ['in.vlz', text], ['out.csv'], true);
  }
  current = 'sizing';
  const ex = ['in.vlz', designs['example.vlz']];
  const sizings = [
    [ex, '--pmin 60 --type bladder'],
    [ex, '--pmin 60 --type bladder --catalogue 6,10:4:90:::20:2000000 --size-pump'],
    [ex, '--pmin 60 --type bladder --load 1:11 --hold-pressure 62 --hold-time 30'],
    [ex, '--pmin 60 --type piston --keep-precharge'],
    [ex, '--pmin 60 --type bladder --catalogue 0.1'],
    [ex, '--pmin 60 --type bladder --gas ideal --envelope 10 50 --arrangements'],
    [['in.vlz', designs['design-250bar.vlz']], '--pmin 150 --type bladder --catalogue 4,6,10'],
    [['in.vlz', designs['design-250bar.vlz']], '--pmin 150 --type piston --catalogue 4,6,10'],
  ];
  current = 'longest sizing';
  both(['size', 'in.vlz', '--json', '--pmin', '150', '--type', 'bladder', '--size-pump'], ['in.vlz', designs['longest.vlz']]);
  current = 'sizing';
  for (const [input, args] of sizings) both(['size', 'in.vlz', '--json', ...args.split(' ')], input);
  both(['size', 'in.vlz', '--pmin', '60', '--type', 'bladder'], ex, [], true);
  both(['size', 'in.vlz', '--pmin', 'x', '--type', 'bladder'], ex);
  both(['gas', '20', '200']);
  both(['gas', '-150', '50'], null, [], true);

  // The interface itself gives what the commands give.
  v.language = 'it';
  const answer = await v.size(designs['example.vlz'], ['--pmin', '60', '--type', 'bladder']);
  if (answer.recommended.V0 !== 10 || answer.recommended.P0 !== 48.1) fail('volvenza.size', JSON.stringify(answer.recommended));
  const run = await v.run(designs['example.vlz'], []);
  sameText(run, fs.readFileSync(path.join(data, 'example.vlz'), 'latin1'), 'volvenza.run of the example');
  const back = await v.convert(await v.convert(designs['example.vlz'], 'vlzp'), 'vlz');
  if (!back.startsWith('0,10,60,45,30,80,13,4.7,5')) fail('volvenza.convert', back.slice(0, 40));
  if (!(await v.gas(20, 200)).startsWith('Densità [kg/m3]: 218,5443')) fail('volvenza.gas', '');

  // Times: the steady median of five against native's (a process each).
  const longest = ['in.vlz', designs['longest.vlz']];
  const timed = [['example', ex, '--pmin 60 --type bladder'],
    ['longest', longest, '--pmin 150 --type bladder --gas nitrogen --tau 45 --envelope 10 60']];
  const times = [];
  for (const [what, input, args] of timed) {
    current = what;
    const command = ['size', 'in.vlz', '--json', ...args.split(' ')];
    const web = [], nat = [];
    for (let i = 0; i < (what === 'example' ? 5 : 3); i++) {
      const r = both(command, input);
      web.push(r.web.ms);
      nat.push(r.nat.ms);
    }
    times.push(`${what} sizing: browser core ${median(web).toFixed(1)} ms, native ${median(nat).toFixed(1)} ms ` +
      `(${(median(web) / median(nat)).toFixed(2)}x)`);
  }
  fs.rmSync(work, { recursive: true, force: true });

  const wasm = fs.readFileSync(path.join(site, 'volvenza-core.wasm'));
  const js = fs.readFileSync(path.join(site, 'volvenza-core.js'));
  const glue = fs.readFileSync(path.join(site, 'volvenza.js'));
  const raw = wasm.length + js.length + glue.length;
  const gz = zlib.gzipSync(wasm, { level: 9 }).length + zlib.gzipSync(js, { level: 9 }).length + zlib.gzipSync(glue, { level: 9 }).length;
  console.log(`module: ${wasm.length} B wasm + ${js.length + glue.length} B JavaScript = ${raw} B, ${gz} B gzipped; loaded in ${loadMs.toFixed(0)} ms`);
  for (const t of times) console.log(t);
  console.log(`numbers within 1e-12 but not equal, by command and file:`);
  for (const [where, t] of tolerated) console.log(`  ${t.count} in ${where}, at most ${t.worst.toExponential(1)}`);
  console.log(failures ? `${failures} FAILED` : 'all equal to native');
  process.exit(failures ? 1 : 0);
})();
