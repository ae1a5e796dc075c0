// Headless Chromium driven over the DevTools protocol on a pipe (file
// descriptors 3 and 4): nothing to install beyond Debian's chromium and node.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawn } = require('child_process');

async function launch(binary = process.env.CHROMIUM || '/usr/bin/chromium') {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'volvenza-chromium-'));
  const child = spawn(binary, ['--headless=new', '--remote-debugging-pipe', '--no-sandbox',
    '--no-first-run', '--disable-gpu', '--disable-dev-shm-usage', `--user-data-dir=${profile}`, 'about:blank'],
  { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  const [toBrowser, fromBrowser] = [child.stdio[3], child.stdio[4]];
  let next = 0;
  let pending = Buffer.alloc(0);
  const waiting = new Map();
  const listeners = [];
  fromBrowser.on('data', (chunk) => {
    pending = Buffer.concat([pending, chunk]);
    for (let end; (end = pending.indexOf(0)) >= 0; pending = pending.subarray(end + 1)) {
      const message = JSON.parse(pending.subarray(0, end).toString('utf8'));
      const call = waiting.get(message.id);
      if (call) {
        waiting.delete(message.id);
        if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
        else call.resolve(message.result);
      } else {
        for (const l of listeners.slice()) l(message);
      }
    }
  });
  function send(method, params = {}, sessionId) {
    const id = ++next;
    toBrowser.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => waiting.set(id, { method, resolve, reject }));
  }
  // The next event of that name (in that session) that passes the test.
  function event(method, sessionId, test = () => true, ms = 30000) {
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error(`no ${method} in ${ms} ms`)), ms);
      const l = (m) => {
        if (m.method !== method || (sessionId && m.sessionId !== sessionId) || !test(m.params)) return;
        listeners.splice(listeners.indexOf(l), 1);
        clearTimeout(timer);
        resolve(m.params);
      };
      listeners.push(l);
    });
  }

  // A tab: go somewhere, evaluate an expression (awaiting its promise) in
  // the page or its worker, wait until one is true, choose files, print to
  // PDF.
  async function tab() {
    const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
    const s = (method, params) => send(method, params, sessionId);
    await s('Page.enable');
    await s('Runtime.enable');
    const errors = [];
    let worker = null; // the page's latest dedicated worker's session
    listeners.push(({ sessionId: id, method, params }) => {
      if (id === sessionId && method === 'Runtime.exceptionThrown') errors.push(params.exceptionDetails);
      if (id === sessionId && method === 'Target.attachedToTarget' && params.targetInfo.type === 'worker') worker = params.sessionId;
    });
    await s('Target.setAutoAttach', { autoAttach: true, waitForDebuggerOnStart: false, flatten: true });
    // Page.navigate or Page.reload, until the page's load event.
    const load = async (method, params) => {
      const loaded = event('Page.loadEventFired', sessionId);
      const r = await s(method, params);
      if (r.errorText) throw new Error(`${params.url}: ${r.errorText}`);
      await loaded;
    };
    const page = {
      errors,
      goto: (url) => load('Page.navigate', { url }),
      reload: () => load('Page.reload', {}),
      // In the page, or in its worker.
      async eval(expression, where = sessionId) {
        const r = await send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true }, where);
        if (r.exceptionDetails) {
          const e = r.exceptionDetails;
          throw new Error((e.exception && e.exception.description) || e.text);
        }
        return r.result.value;
      },
      async until(expression, ms = 15000) {
        for (const end = Date.now() + ms; Date.now() < end; await new Promise((r) => setTimeout(r, 50))) {
          if (await page.eval(expression)) return;
        }
        throw new Error(`still false after ${ms} ms: ${expression}`);
      },
      inWorker: (expression) => page.eval(expression, worker),
      // Files chosen in a file input, as a person chooses them.
      choose: async (selector, files) => s('DOM.setFileInputFiles', { files, nodeId: (await s('DOM.querySelector',
        { nodeId: (await s('DOM.getDocument')).root.nodeId, selector })).nodeId }),
      // Keys as a person types them: each character, or {Tab} and the like.
      async type(keys) {
        const codes = { Tab: 9, Enter: 13, Escape: 27 };
        for (const [, special, ch] of keys.matchAll(/\{(\w+)\}|(.)/gsu)) {
          const key = special || ch;
          const down = special ? { key, code: key, windowsVirtualKeyCode: codes[key] } : { key, text: ch };
          await s('Input.dispatchKeyEvent', { type: 'keyDown', ...down });
          await s('Input.dispatchKeyEvent', { type: 'keyUp', key });
        }
      },
      async pdf(file) {
        const { data } = await s('Page.printToPDF', { printBackground: false });
        fs.writeFileSync(file, Buffer.from(data, 'base64'));
      },
    };
    return page;
  }

  // Downloads land in a folder; resolves to the file's path when done.
  async function downloadsTo(folder) {
    await send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
    // One download at a time: both events are awaited from before it starts,
    // a small file's end may come with its beginning.
    return async (start) => {
      const begun = event('Browser.downloadWillBegin');
      const done = event('Browser.downloadProgress', null, (p) => p.state === 'completed');
      await start();
      const [{ suggestedFilename }] = await Promise.all([begun, done]);
      return path.join(folder, suggestedFilename);
    };
  }

  async function close() {
    await send('Browser.close').catch(() => {});
    await new Promise((r) => (child.exitCode !== null ? r() : child.on('exit', r)));
    fs.rmSync(profile, { recursive: true, force: true });
  }
  return { tab, downloadsTo, close };
}

module.exports = { launch };
