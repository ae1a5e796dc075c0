// The core on the page's own thread, for what a box needs the moment it is
// typed: its number, or a sizing box, read as the desktop's windows read
// them. It answers at
// once, so it is asked only what takes no time; runs and searches go to the
// worker (app-state.js call), which keeps the page free while they last.
import { draftsOf, language, part } from './app-state.js';

let core = null;
const script = (src) => new Promise((resolve, reject) => {
  document.head.append(Object.assign(document.createElement('script'), { src, onload: resolve, onerror: reject }));
});
// Resolves once the core is loaded, with volvenza.js's interface over it
// (volvenza.js first, so that it makes none of its own).
export const coreLoaded = script('volvenza.js').then(() => script('volvenza-core.js'))
  .then(() => globalThis.VolvenzaModule()).then((module) => {
    core = globalThis.volvenzaOver(module);
  });

// The core's answer to `request`, its words in the page's language.
export const ask = (request) => core.request({ ...request, language: language() });

// The desktop's message of the draft that stops `what` ('run', 'sizing',
// 'save'): the box it would name first, as its project keeps the drafts;
// '' when none does.
export function draftStopping(what) {
  const movements = part('movements');
  return ask({ 'draft-stops': what, drafts: draftsOf(), movements: movements ? movements.length : 0 }).message || '';
}
