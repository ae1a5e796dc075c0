// The page's words in Italian (the program's own) and in English (as the
// desktop's translation has them, where it has them).
import { language } from './app-state.js';

const EN = {
  'Inizializzazione': 'Initial data',
  'Tempo ciclo': 'Cycle time',
  'Ciclo': 'Cycle',
  'Tipo': 'Kind',
  'Tipo di attuatore': 'Kind of actuator',
  'Tempo di inizio': 'Start time',
  'Tempo di fine': 'End time',
  'Alesaggio': 'Bore',
  'Diametro dello stelo; del pistone tuffante nel cilindro a semplice effetto':
    'Rod diameter; plunger diameter in the single-acting cylinder',
  'Corsa': 'Stroke',
  'C [cm3/giro]': 'C [cm3/rev]',
  'Cilindrata del motore': 'Motor displacement',
  'Velocità del motore': 'Motor speed',
  'Cilindrata unitaria della palmola': 'Vane actuator displacement per degree',
  'Angolo di rotazione della palmola': 'Vane actuator rotation angle',
  'Portata assorbita fra Ti e Tf': 'Flow drawn between Ti and Tf',
  'Carico': 'Load',
  'Forza [kN] per cilindri e tuffanti, coppia [N·m] per motori e palmole':
    'Force [kN] for cylinders and plungers, torque [N·m] for motors and vane actuators',
  'Rendimento idromeccanico, oltre 0 e fino a 1 (0,95 se non dato)':
    'Hydromechanical efficiency, above 0 up to 1 (0.95 when not given)',
  'Pressione persa fra accumulatore e attuatore (linee e valvole)':
    'Pressure lost between accumulator and actuator (lines and valves)',
  'Pressione richiesta immessa a mano: prende il posto di quella del carico':
    "Required pressure typed by hand: it stands in for the load's",
  'Il movimento deve compiersi a pompa persa (corsa di emergenza)':
    'The movement must complete with the pump lost (emergency stroke)',
  "Pressione che il movimento richiede all'accumulatore, calcolata; vuota: vale p1":
    'Pressure the movement needs at the accumulator, computed; empty: p1 applies',
  'Non è un numero: simulazione, dimensionamento, salvataggio ed esportazioni aspettano che sia corretto (Ctrl+Z lo annulla)':
    'Not a number: simulation, sizing, saving and exports wait until it is corrected (Ctrl+Z undoes it)',
  'CILINDRO SEMPLICE STELO USCENTE': 'SINGLE-ROD CYLINDER, EXTENDING',
  'CILINDRO SEMPLICE STELO ENTRANTE': 'SINGLE-ROD CYLINDER, RETRACTING',
  'PISTONE DIFFERENZIALE': 'DIFFERENTIAL PISTON',
  'MOTORE': 'MOTOR',
  'PALMOLA': 'VANE ACTUATOR',
  'CILINDRO DOPPIO STELO': 'DOUBLE-ROD CYLINDER',
  'CILINDRO SEMPLICE EFFETTO': 'SINGLE-ACTING CYLINDER',
  'Esempio': 'Example',
  'Apri': 'Open',
  'Salva progetto (.vlzp)': 'Save project (.vlzp)',
  'Salva simulazione (.vlz)': 'Save simulation (.vlz)',
  'Nuova simulazione': 'New simulation',
  'Inizio simulazione': 'Start simulation',
  'Legge del gas': 'Gas law',
  'classica': 'classic',
  'gas ideale': 'ideal gas',
  'azoto reale': 'real nitrogen',
  'Inviluppo di temperatura': 'Temperature envelope',
  'Temperatura minima [°C]': 'Lowest temperature [°C]',
  'Temperatura massima [°C]': 'Highest temperature [°C]',
  'Esponente n': 'Exponent n',
  'Aggiungi movimento': 'Add movement',
  'Elimina movimento': 'Delete movement',
  'Grafico': 'Chart',
  'Grandezza': 'Quantity',
  'Vista intera': 'Full view',
  'Tabella': 'Table',
  'Messaggi': 'Messages',
  'Lingua': 'Language',
  'Simulazione in corso…': 'Simulating…',
  'Simulazione completata.': 'Simulation complete.',
  'Nessun risultato: simulare il ciclo.': 'No results: simulate the cycle.',
  'Impossibile aprire %1:': 'Cannot open %1:',
  'Aperto %1.': 'Opened %1.',
  'Salvato %1.': 'Saved %1.',
  'Movimenti incollati: %1.': 'Movements pasted: %1.',
  'Righe %1–%2 di %3': 'Rows %1–%2 of %3',
  'Pagina precedente': 'Previous page',
  'Pagina successiva': 'Next page',
  'Movimento %1, %2': 'Movement %1, %2',
  'Trascinare per ingrandire un riquadro, rotella per lo zoom, frecce per il collimatore, 0 per la vista intera.':
    'Drag to zoom into a box, wheel to zoom, arrows move the crosshair, 0 for the full view.',
  'Frecce, Tab e Invio muovono fra le celle; scrivere modifica; F2 modifica la cella; Esc esce dalla tabella; Ctrl+V incolla movimenti da un foglio di calcolo; Ctrl+Z annulla.':
    'Arrows, Tab and Enter move between cells; typing edits; F2 edits the cell; Esc leaves the table; Ctrl+V pastes movements from a spreadsheet; Ctrl+Z undoes.',
  'Pressione P(t)': 'Pressure P(t)',
  'Volume del gas V(t)': 'Gas volume V(t)',
  'Portata Qt(t)': 'Flow Qt(t)',
  'Portata Qs(t)': 'Flow Qs(t)',
  'Risultati non aggiornati: i dati sono cambiati': 'Results out of date: the data have changed',
  '; %1 accumulatori di Vo in parallelo': '; %1 accumulators of Vo in parallel',
  '; bombole %1 dm3': '; bottles %1 dm3',
  '; rendimento volumetrico %1': '; volumetric efficiency %1',
  'Valore non valido in %1: resta %2': 'Invalid value in %1: %2 is kept',
  'Il lavoro è conservato in questo browser.': 'Your work is kept in this browser.',
};

export function t(italian, ...parts) {
  let text = language() === 'en' && EN[italian] !== undefined ? EN[italian] : italian;
  parts.forEach((part, i) => {
    text = text.split('%' + (i + 1)).join(String(part));
  });
  return text;
}
