// The browser's core and native volvenza-sim give the same files, answers and
// messages for the same commands on every design. Numbers match exactly, or
// within 1e-12 relative where the browser's C library rounds pow, exp, expm1,
// log or cbrt differently in the last bit (the real gas with a finite time
// constant), each command with such numbers named.
//   node tests/web/core_test.js build-web/site build/bin/volvenza-sim tests/data
'use strict';
const fs = require('fs');
const path = require('path');
const { load, native, textDiff } = require('./harness.js');

const [site, sim, data] = process.argv.slice(2).map((p) => path.resolve(p));
const designs = {};
for (const name of fs.readdirSync(data).filter((n) => n.endsWith('.vlz')).sort()) {
  designs[name] = fs.readFileSync(path.join(data, name), 'latin1');
}

let failures = 0;
let current = ''; // the design the commands run on
const tolerated = new Map(); // where: how many numbers, the largest relative difference
function fail(where, what) {
  failures++;
  console.log(`FAIL ${where}: ${what}`);
}

// Two texts, field by field: the same text, or two numbers close enough.
function sameText(a, b, where) {
  const close = [];
  const why = textDiff(a, b, close);
  if (why) return fail(where, why);
  if (!close.length) return;
  const seen = tolerated.get(where) || { count: 0, worst: 0 };
  tolerated.set(where, { count: seen.count + close.length, worst: Math.max(seen.worst, ...close) });
}

(async () => {
  const v = await load(site);
  // One command both ways: status, what it printed, the files it wrote.
  function both(args, input, outputs = [], english = false) {
    const files = input ? { [input[0]]: input[1] } : {};
    v.language = english ? 'en' : 'it';
    const web = v.command(args, files, outputs);
    const nat = native(sim, args, files, outputs, english);
    const where = `${current}: ${args.join(' ')}`;
    if (web.code !== nat.code) fail(where, `status ${web.code} in the browser, ${nat.code} native`);
    sameText(web.stdout, nat.stdout, where + ' stdout');
    sameText(web.stderr, nat.stderr, where + ' stderr');
    for (const name of Object.keys(nat.files)) sameText(web.files[name] || '', nat.files[name], `${where} ${name}`);
    return web;
  }
  const laws = ['', '--gas ideal', '--gas nitrogen', '--gas nitrogen --tau 30 --envelope 0 60 --summary',
    '--gas ideal --n 1.3 --start fast --summary'].map((law) => law.split(' ').filter(Boolean));
  for (const [name, text] of Object.entries(designs)) {
    current = name;
    for (const law of laws) both(['run', 'in.vlz', 'out.vlz', '--export', 'out.txt', ...law], ['in.vlz', text], ['out.vlz', 'out.txt']);
    const project = both(['convert', 'in.vlz', 'out.vlzp'], ['in.vlz', text], ['out.vlzp']).files['out.vlzp'];
    both(['run', 'in.vlzp', 'out.vlz', '--summary'], ['in.vlzp', project], ['out.vlz']);
    both(['export', 'in.vlz', 'out.csv', '--csv'], ['in.vlz', text], ['out.csv'], true);
  }
  current = 'sizing';
  for (const line of ['example.vlz --pmin 60 --type bladder', 'example.vlz --pmin 60 --type piston --keep-precharge',
    'example.vlz --pmin 60 --type bladder --catalogue 6,10:4:90:::20:2000000 --size-pump',
    'example.vlz --pmin 60 --type bladder --load 1:11 --hold-pressure 62 --hold-time 30',
    'example.vlz --pmin 60 --type bladder --catalogue 0.1', 'example.vlz --pmin 60 --type bladder --gas ideal --envelope 10 50 --arrangements',
    'design-250bar.vlz --pmin 150 --type bladder --catalogue 4,6,10', 'design-250bar.vlz --pmin 150 --type piston --catalogue 4,6,10']) {
    const [design, ...args] = line.split(' ');
    both(['size', 'in.vlz', '--json', ...args], ['in.vlz', designs[design]]);
  }
  const ex = ['in.vlz', designs['example.vlz']];
  both(['size', 'in.vlz', '--pmin', '60', '--type', 'bladder'], ex, [], true);
  both(['size', 'in.vlz', '--pmin', 'x', '--type', 'bladder'], ex);
  both(['gas', '20', '200']);
  both(['gas', '-150', '50'], null, [], true);

  // The interface's own methods give what the commands give.
  v.language = 'it';
  const answer = await v.size(designs['example.vlz'], ['--pmin', '60', '--type', 'bladder']);
  if (answer.recommended.V0 !== 10 || answer.recommended.P0 !== 48.1) fail('volvenza.size', JSON.stringify(answer.recommended));
  sameText(await v.run(designs['example.vlz'], []), designs['example.vlz'], 'volvenza.run of the example');
  const back = await v.convert(await v.convert(designs['example.vlz'], 'vlzp'), 'vlz');
  if (!back.startsWith('0,10,60,45,30,80,13,4.7,5')) fail('volvenza.convert', back.slice(0, 40));
  if (!(await v.gas(20, 200)).startsWith('Densità [kg/m3]: 218,5443')) fail('volvenza.gas', '');
  await v.size(designs['example.vlz'], ['--pmin', 'x']).then(() => fail('volvenza.size', 'took --pmin x'), (e) => e.code === 64 || fail('volvenza.size', e.code));

  // Every word the page writes (t('…'), data-t, the sizing form's) has its English from the catalogue.
  const { texts, missing, ...tables } = v.request({ tables: true });
  // The page edits the project by the names the core gives it: each is the
  // project's, and a new movement reads back as the project writes it.
  v.language = 'it';
  const p = JSON.parse(await v.convert(designs['example.vlz'], 'vlzp'));
  const names = [...tables.cycle.map((c) => c.key && [p.movimenti[0], c.key]),
    ...tables.initial.map((b) => [p.dati_iniziali, b.key]), ...tables.gas.map((b) => [p.gas, b.key])].filter(Boolean);
  const unknown = names.filter(([object, key]) => !(key in object)).map(([, key]) => key);
  p.movimenti = [tables.newMovement];
  for (const law of tables.laws) {
    p.gas.legge = law.key;
    const back = JSON.parse(await v.convert(JSON.stringify(p), 'vlzp').catch((e) => JSON.stringify({ e: e.message })));
    if (!back.gas || JSON.stringify(back.movimenti) !== JSON.stringify(p.movimenti)) unknown.push(law.key, JSON.stringify(back));
  }
  if (unknown.length) fail('the page\'s names', unknown.join(' '));
  const used = fs.readdirSync(site).filter((n) => /\.(js|html)$/.test(n) && n !== 'volvenza-core.js').flatMap((n) =>
    [...fs.readFileSync(path.join(site, n), 'utf8').matchAll(/\bt\('((?:[^'\\]|\\.)*)'|data-t(?:-title)?="([^"]*)"/g)].map((m) => m[1] ?? m[2]));
  const form = v.request({ 'sizing-form': true }).missing;
  for (const word of [...missing, ...form, ...used.filter((w) => texts[w] === undefined)]) fail('the page\'s words', `no English for «${word}»`);

  console.log('numbers close but not equal, by command and file:');
  for (const [where, t] of tolerated) console.log(`  ${t.count} in ${where}, at most ${t.worst.toExponential(1)}`);
  console.log(failures ? `${failures} FAILED` : 'all equal to native');
  process.exit(failures ? 1 : 0);
})();
