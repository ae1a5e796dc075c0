// The core in a worker of its own, so that a long run or sizing never stops
// the page. The page posts {id, method, args} and gets back {id, value} or
// {id, error: {message, code}}; methods are volvenza.js's (run, size, convert,
// gas, command), check, which works out what the cycle table shows beside
// what is typed, and paste(text, {room} or {column}), which reads movements
// pasted from a spreadsheet, or one value pasted into one cell, as the
// desktop reads them (see volvenza_call), verdicts(summary), the
// duties' verdicts of a run's summary in the desktop's words, tables, the
// page's words and what it shares with the desktop's tables
// (VolvenzaWebTables.h), and sizingForm, the sizing form as the desktop
// builds it (VolvenzaWebSizing.h). Every
// request carries the language its messages are to be in. Should the core
// ever trap (a WebAssembly.RuntimeError, or its abort), the error says so
// with `trapped`: the module is then unusable, and the page starts a new
// worker.
'use strict';
importScripts('volvenza-core.js', 'volvenza.js');

const ready = VolvenzaModule().then((module) => {
  const api = self.volvenzaOver(module);
  api.check = async (text) => api.request({ check: text, language: api.language });
  api.paste = async (text, how) => api.request({ paste: text, language: api.language, ...how });
  api.tables = async () => api.request({ tables: true });
  api.sizingForm = async () => api.request({ 'sizing-form': true });
  api.verdicts = async (summary) => api.request({ verdicts: summary, language: api.language });
  return api;
});

self.onmessage = async (event) => {
  const { id, method, args, language } = event.data;
  let api = null;
  try {
    api = await ready;
    if (typeof api[method] !== 'function') throw new Error('volvenza: ' + method + '?');
    api.language = language === 'en' ? 'en' : 'it';
    const value = await api[method](...(args || []));
    self.postMessage({ id, value });
  } catch (e) {
    // (A module that failed to load is not restarted over and over.)
    const trapped = api !== null && e instanceof WebAssembly.RuntimeError;
    self.postMessage({ id, error: { message: String(e && e.message || e), code: e && e.code, trapped } });
  }
};
