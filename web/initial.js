// The initial values, as the desktop's "Inizializzazione" window has them:
// the same names and units. A text that is not a number stays where it was
// typed, in red, while the design keeps the value it had.
import * as app from './app-state.js';
import { coreTable, word } from './texts.js';

// The initial values by the project's field, with their names and units as
// the desktop's window has them (texts.js).
const initialKeys = () => coreTable('initial').map((box) => box.key);

export function buildInitial(container) {
  container.replaceChildren();
  coreTable('initial').forEach(({ key: field, unit }, i) => {
    const row = document.createElement('div');
    row.className = 'initial-row';
    const id = 'dati-' + field;
    const l = document.createElement('label');
    l.htmlFor = id;
    l.textContent = word(coreTable('initial')[i]);
    const input = document.createElement('input');
    input.id = id;
    input.inputMode = 'decimal';
    input.autocomplete = 'off';
    input.setAttribute('aria-describedby', id + '-unit');
    const u = document.createElement('span');
    u.id = id + '-unit';
    u.className = 'unit';
    u.textContent = unit;
    app.typedAsNumber(input, { decimalKey: true });
    input.addEventListener('input', () => {
      const value = app.parseNumber(input.value, true);
      const place = 'dati/' + field;
      if (value !== null) {
        app.part('data')[field] = value;
        app.setDraft(place, null);
      } else {
        app.setDraft(place, input.value);
      }
      markInitial(input, place);
      app.edited('project');
    });
    row.append(l, input, u);
    container.append(row);
  });
  showInitial(container);
}

function markInitial(input, place) {
  const bad = app.draftsOf()[place] !== undefined;
  input.classList.toggle('not-a-number', bad);
  input.setAttribute('aria-invalid', bad ? 'true' : 'false');
  input.title = bad ? word(coreTable('notANumber')) : '';
}

export function showInitial(container) {
  const data = app.part('data');
  for (const field of initialKeys()) {
    const input = container.querySelector('#dati-' + field);
    const place = 'dati/' + field;
    const draft = app.draftsOf()[place];
    const shown = app.parseNumber(input.value, true);
    const text = draft !== undefined ? draft : app.formatNumber(data[field], undefined, true);
    // "30,0" typed says 30 as well as "30" does: leave what is typed.
    if (document.activeElement !== input || draft !== undefined || shown === null ||
        shown !== data[field]) {
      if (input.value !== text && !(document.activeElement === input && shown !== null && shown === data[field])) input.value = text;
    }
    markInitial(input, place);
  }
}
