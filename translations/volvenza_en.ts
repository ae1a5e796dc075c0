<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>volvenza-sim</name>
    <message>
        <source>Densità [kg/m3]: </source>
        <translation>Density [kg/m3]: </translation>
    </message>
    <message>
        <source>Fattore di compressibilità Z: </source>
        <translation>Compressibility factor Z: </translation>
    </message>
    <message>
        <source>Velocità del suono [m/s]: </source>
        <translation>Speed of sound [m/s]: </translation>
    </message>
    <message>
        <source>(risposta automatica: Sì)</source>
        <translation>(automatic answer: Yes)</translation>
    </message>
    <message>
        <source>normale</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>PRECARICA VOLVENZA TROPPO ALTA</source>
        <translation>VOLVENZA PRECHARGE TOO HIGH</translation>
    </message>
    <message>
        <source>Precarica %1 bar data a %2 °C; a tc = %3 °C %4 bar</source>
        <translation>Precharge %1 bar given at %2 °C; at tc = %3 °C %4 bar</translation>
    </message>
    <message>
        <source>Temperatura %1 °C%2; pressione minima %3 bar a %4 s; fine %5; temperatura del gas minima %6 °C, massima %7 °C</source>
        <translation>Temperature %1 °C%2; lowest pressure %3 bar at %4 s; end %5; lowest gas temperature %6 °C, highest %7 °C</translation>
    </message>
    <message>
        <source>GAS FUORI DAL CAMPO DELLA LEGGE a %1 s: %2</source>
        <translation>GAS OUTSIDE ITS LAW&apos;S DOMAIN at %1 s: %2</translation>
    </message>
    <message>
        <source>Risultati letti dal file (la legge del gas non vi è registrata)</source>
        <translation>Results read from the file (it does not record the gas law)</translation>
    </message>
    <message>
        <source>Uso:
</source>
        <translation>Usage:
</translation>
    </message>
    <message>
        <source>  volvenza-sim example OUT.vlz [--export TABLE.txt] [OPZIONI DEL GAS]
      carica l&apos;esempio, lo simula e salva il file di simulazione
</source>
        <translation>  volvenza-sim example OUT.vlz [--export TABLE.txt] [GAS OPTIONS]
      loads the example, simulates it and saves the simulation file
</translation>
    </message>
    <message>
        <source>  volvenza-sim run IN.vlz|IN.vlzp OUT.vlz [--export TABLE.txt] [OPZIONI DEL GAS]
      [OPZIONI DEI COMPITI]
      carica dati iniziali e movimenti da IN, simula e salva in OUT.vlz; da un
      progetto .vlzp anche la legge del gas e l&apos;inviluppo, salvo le opzioni date
</source>
        <translation>  volvenza-sim run IN.vlz|IN.vlzp OUT.vlz [--export TABLE.txt] [GAS OPTIONS]
      [DUTY OPTIONS]
      loads initial data and movements from IN, simulates and saves to OUT.vlz;
      from a .vlzp project also the gas law and envelope, unless options say otherwise
</translation>
    </message>
    <message>
        <source>  volvenza-sim convert IN OUT
      converte fra file di simulazione .vlz e progetto .vlzp secondo l&apos;estensione,
      e dice su stderr che cosa il formato di OUT non conserva
</source>
        <translation>  volvenza-sim convert IN OUT
      converts between a .vlz simulation file and a .vlzp project by extension,
      and says on stderr what the format of OUT does not keep
</translation>
    </message>
    <message>
        <source>  volvenza-sim export IN.vlz TABLE.txt
      scrive i risultati memorizzati in IN.vlz come tabella di testo
  volvenza-sim export IN.vlz TABLE.csv --csv
      scrive ogni punto dei risultati come CSV (t;V;P;Qt;Qs, virgola decimale)
</source>
        <translation>  volvenza-sim export IN.vlz TABLE.txt
      writes the results stored in IN.vlz as a text table
  volvenza-sim export IN.vlz TABLE.csv --csv
      writes every result point as CSV (t,V,P,Qt,Qs with the decimal point in
      English; t;V;P;Qt;Qs with the decimal comma in Italian)
</translation>
    </message>
    <message>
        <source>  volvenza-sim report IN.vlz OUT.pdf
      scrive in PDF il rapporto completo: dati iniziali, movimenti, tabella, grafico
</source>
        <translation>  volvenza-sim report IN.vlz OUT.pdf
      writes the whole report as PDF: initial data, movements, table, chart
</translation>
    </message>
    <message>
        <source>  volvenza-sim --help
</source>
        <translation>  volvenza-sim --help
</translation>
    </message>
    <message>
        <source>
Opzioni dei compiti (run, example e size; con il gas ideale o l&apos;azoto reale):
  --load K:VALORE[:RENDIMENTO[:PERDITA]]
                                carico del movimento K (da 1): forza [kN] per cilindri
                                e plunger, coppia [N·m] per motori e palmole; rendimento
                                idromeccanico (predefinito 0,95), perdita [bar] fino
                                all&apos;attuatore (predefinita 0)
  --required K:BAR              pressione richiesta dal movimento K, data così
  --emergency 3,5               movimenti da finire a pompa persa, da Pm - Dp alla
                                temperatura minima dell&apos;inviluppo
  --emergency-from-full         la corsa di emergenza parte da Pm
  --hold-pressure P --hold-time S
                                pressione da mantenere [bar] per S secondi a pompa
                                ferma, da Pm - Dp (--hold-from-pm: da Pm)
  --leakage L                   trafilamento durante il mantenimento [dm3/min]
  --hold-cooling K              raffreddamento del gas nel tempo di mantenimento [K]
</source>
        <translation>
Duty options (run, example and size; with the ideal gas or real nitrogen):
  --load K:VALUE[:EFFICIENCY[:LOSS]]
                                load of movement K (from 1): force [kN] for cylinders
                                and plungers, torque [N·m] for motors and vane
                                actuators; hydromechanical efficiency (default 0.95),
                                loss [bar] up to the actuator (default 0)
  --required K:BAR              pressure movement K needs, given as such
  --emergency 3,5               movements to finish with the pump lost, from Pm - Dp
                                at the lowest temperature of the envelope
  --emergency-from-full         the emergency stroke starts from Pm
  --hold-pressure P --hold-time S
                                pressure to hold [bar] for S seconds with the pump
                                stopped, from Pm - Dp (--hold-from-pm: from Pm)
  --leakage L                   leakage during the hold [dm3/min]
  --hold-cooling K              cooling of the gas over the hold time [K]
</translation>
    </message>
    <message>
        <source>Con --summary, run chiude con una riga JSON: movement_pressures, emergency, hold.
Il file di simulazione conserva solo i risultati alla temperatura di lavoro tc.
</source>
        <translation>With --summary, run ends with one JSON line: movement_pressures, emergency, hold.
The simulation file keeps only the results at the working temperature tc.
</translation>
    </message>
    <message>
        <source>  volvenza-sim size IN.vlz|IN.vlzp --pmin P1 --type bladder|piston|diaphragm
      [--catalogue &quot;V0[:RAPPORTO[:PS[:PORTATA[:TAU[:ESCURSIONE[:CICLI]]]]]],...&quot;]
      [--ps PS] [--relief R]
      [--tolerance PERCENTO] [--hours ORE] [--min-gas-temp C] [--keep-precharge]
      [--size-pump] [--single-cycle] [--arrangements] [--bottle-sizes V,...]
      [--json] [--pdf OUT.pdf] [OPZIONI DEL GAS] [OPZIONI DEI COMPITI]
      dimensiona accumulatore, precarica e pompa per il ciclo di IN, file di
      simulazione o progetto (da un progetto anche requisiti, catalogo e legge del
      gas, salvo le opzioni date; --pmin e --type si possono omettere), in
      funzionamento continuo (un ciclo dopo l&apos;altro; --single-cycle: il primo
      soltanto): la più piccola grandezza del catalogo che rispetta le regole
      (sette, e le 8 e 9 con i compiti dati) o, se nessuna basta (o con
      --arrangements), più accumulatori in
      parallelo o un pistone con bombole (--bottle-sizes, predefinite
      10,20,40,50 dm3); i candidati e perché i più piccoli non bastano
</source>
        <translation>  volvenza-sim size IN.vlz|IN.vlzp --pmin P1 --type bladder|piston|diaphragm
      [--catalogue &quot;V0[:RATIO[:PS[:FLOW[:TAU[:SWING[:CYCLES]]]]]],...&quot;]
      [--ps PS] [--relief R]
      [--tolerance PERCENT] [--hours HOURS] [--min-gas-temp C] [--keep-precharge]
      [--size-pump] [--single-cycle] [--arrangements] [--bottle-sizes V,...]
      [--json] [--pdf OUT.pdf] [GAS OPTIONS] [DUTY OPTIONS]
      sizes accumulator, precharge and pump for the cycle of IN, a simulation
      file or a project (from a project its requirements, catalogue and gas law
      too, unless the options given change them; --pmin and --type may then be
      left out), in continuous operation (one cycle after another;
      --single-cycle: the first alone): the smallest catalogue size that meets
      the rules (seven, and 8 and 9 with the duties given) or, when none does
      (or with --arrangements), several accumulators in parallel or
      a piston with bottles (--bottle-sizes, by default 10,20,40,50 dm3); the
      candidates and why the smaller ones fall short
</translation>
    </message>
    <message>
        <source>  volvenza-sim gas T_C P_BAR_ABS
      densità, fattore di compressibilità, calori specifici e velocità del suono
      dell&apos;azoto alla temperatura T_C [°C] e alla pressione assoluta P_BAR_ABS [bar]
</source>
        <translation>  volvenza-sim gas T_C P_BAR_ABS
      density, compressibility factor, specific heats and speed of sound
      of nitrogen at the temperature T_C [°C] and the absolute pressure P_BAR_ABS [bar]
</translation>
    </message>
    <message>
        <source>
Opzioni del gas (numeri con la virgola o con il punto):
  --gas classic|ideal|nitrogen  legge del gas: classica (predefinita; rifà i passi
                                del programma originale: size rifiuta --gas classic
                                e usa l&apos;azoto reale al posto della classica), gas
                                ideale politropico, azoto reale
  --n N                         esponente della politropica del gas ideale, da 1 a
                                1,67 (predefinito 1,4)
  --tau S                       costante di tempo termica dell&apos;azoto reale in secondi,
                                0 isoterma, inf adiabatica (predefinita)
  --start slow|fast             stato all&apos;inizio del ciclo per il gas ideale e l&apos;azoto
                                reale: slow, caricato lentamente (predefinito), pieno
                                a PM alla temperatura di lavoro; fast, caricato
                                rapidamente, sull&apos;adiabatica per la precarica
  --charge-temp C               temperatura a cui è data la precarica [°C] per il gas
                                ideale e l&apos;azoto reale (predefinita 20)
  --envelope TMIN TMAX          simula anche alla temperatura di lavoro minima e
                                massima [°C], con la stessa carica
  --summary                     scrive la precarica data, alla sua temperatura, e
                                a tc (per il gas ideale e l&apos;azoto); per ogni
                                temperatura la pressione minima
                                (relativa per il gas ideale e l&apos;azoto), il suo istante,
                                la fine della simulazione e le temperature minima e
                                massima del gas; poi, dal motore esatto a tc (con
                                l&apos;azoto reale per la legge classica), l&apos;energia del
                                primo ciclo e del ciclo a regime, la potenza
                                installata contro quella di una pompa sola e la
                                fatica (escursione, cicli all&apos;anno)
  --pump-efficiency E           rendimento della pompa per la potenza installata,
                                più di 0 e al più 1 (predefinito 0,9)
  --hours-per-year H            ore di lavoro in un anno per i cicli all&apos;anno
                                (predefinite 2000)
  --parallel N                  N accumulatori identici di Vo in parallelo (da 1 a 20)
  --bottle-volume V             bombole di gas sul lato gas degli accumulatori [dm3]
  --volumetric-efficiency E     rendimento volumetrico della pompa: eroga E Qp
                                (più di 0 e al più 1; predefinito 1)
</source>
        <translation>
Gas options (numbers with the comma or the point):
  --gas classic|ideal|nitrogen  gas law: classic (the default; it repeats the
                                original program&apos;s steps: size refuses --gas classic
                                and uses real nitrogen in place of the classic law),
                                polytropic ideal gas, real nitrogen
  --n N                         polytropic exponent of the ideal gas, from 1 to
                                1.67 (default 1.4)
  --tau S                       thermal time constant of real nitrogen in seconds,
                                0 isothermal, inf adiabatic (the default)
  --start slow|fast             state at the start of the cycle for the ideal gas
                                and real nitrogen: slow, charged slowly (the
                                default), full at PM at the working temperature;
                                fast, charged fast, on the adiabat through the
                                precharge
  --charge-temp C               temperature at which the precharge is given [°C] for
                                the ideal gas and real nitrogen (default 20)
  --envelope TMIN TMAX          also simulates at the minimum and maximum working
                                temperature [°C], with the same charge
  --summary                     writes the precharge as given, at its temperature,
                                and at tc (for the ideal gas and nitrogen); for each
                                temperature the lowest pressure
                                (gauge for the ideal gas and nitrogen), its time,
                                the end of the simulation and the lowest and
                                highest gas temperature; then, from the exact engine
                                at tc (with real nitrogen for the classic law), the
                                energy of the first cycle and of the steady one, the
                                installed power against a pump alone, and fatigue
                                (swing, cycles a year)
  --pump-efficiency E           pump efficiency for the installed power, more than
                                0 and at most 1 (default 0.9)
  --hours-per-year H            working hours in a year for the cycles a year
                                (default 2000)
  --parallel N                  N identical accumulators of Vo in parallel (1 to 20)
  --bottle-volume V             gas bottles on the accumulators&apos; gas side [dm3]
  --volumetric-efficiency E     the pump&apos;s volumetric efficiency: it delivers E Qp
                                (more than 0 and at most 1; default 1)
</translation>
    </message>
    <message>
        <source>
I file di uscita sono scritti tutti o nessuno, e nessuno può essere il file di
ingresso o l&apos;altro file di uscita.
</source>
        <translation>
The output files are written all or none, and none may be the input file
or the other output file.
</translation>
    </message>
    <message>
        <source>
Stato di uscita:
</source>
        <translation>
Exit status:
</translation>
    </message>
    <message>
        <source>  0  fatto
</source>
        <translation>  0  done
</translation>
    </message>
    <message>
        <source>  1  dati rifiutati dalla verifica (nulla scritto)
</source>
        <translation>  1  data refused by the checks (nothing written)
</translation>
    </message>
    <message>
        <source>  2  file illeggibile, non valido o non scrivibile (nulla scritto)
</source>
        <translation>  2  file unreadable, invalid or not writable (nothing written)
</translation>
    </message>
    <message>
        <source>  3  simulazione interrotta da &quot;PRECARICA VOLVENZA TROPPO ALTA&quot; a una
     temperatura qualsiasi (risultati parziali scritti)
</source>
        <translation>  3  simulation stopped by &quot;VOLVENZA PRECHARGE TOO HIGH&quot; at any temperature
     (partial results written)
</translation>
    </message>
    <message>
        <source>  4  simulazione interrotta perché l&apos;azoto esce dal campo del gas (condensa o
     esce dal campo dell&apos;equazione) a una temperatura qualsiasi (risultati
     scritti fino a lì)
</source>
        <translation>  4  simulation stopped because nitrogen leaves the gas region (it condenses
     or leaves the equation&apos;s range) at any temperature (results written up
     to there)
</translation>
    </message>
    <message>
        <source>  64 uso errato, o un file di uscita che è il file di ingresso o l&apos;altro file
     di uscita (nulla scritto)
</source>
        <translation>  64 wrong usage, or an output file that is the input file or the other output
     file (nothing written)
</translation>
    </message>
    <message>
        <source>  69 il PDF, in un volvenza-sim compilato senza Qt (nulla scritto)
</source>
        <translation>  69 the PDF, in a volvenza-sim built without Qt (nothing written)
</translation>
    </message>
    <message>
        <source>  0  una raccomandazione (risposta su stdout)
</source>
        <translation>  0  a recommendation (answer on stdout)
</translation>
    </message>
    <message>
        <source>  1  nessuna grandezza basta (risposta su stdout)
</source>
        <translation>  1  no size is enough (answer on stdout)
</translation>
    </message>
    <message>
        <source>  3  la ricerca non si può fare (messaggio su stderr, nulla su stdout)
</source>
        <translation>  3  the search cannot be made (message on stderr, nothing on stdout)
</translation>
    </message>
    <message>
        <source>  1  stato fuori dal campo dell&apos;equazione dell&apos;azoto
</source>
        <translation>  1  a state outside the range of nitrogen&apos;s equation
</translation>
    </message>
    <message>
        <source>  64 uso errato
</source>
        <translation>  64 wrong usage
</translation>
    </message>
    <message>
        <source>
Stato di uscita di size:
</source>
        <translation>
Exit status of size:
</translation>
    </message>
    <message>
        <source>
Stato di uscita di gas:
</source>
        <translation>
Exit status of gas:
</translation>
    </message>
    <message>
        <source>Per l&apos;uso: %1</source>
        <translation>For usage: %1</translation>
    </message>
    <message>
        <source>
Il file di uscita non può essere il file di ingresso.
</source>
        <translation>
The output file may not be the input file.
</translation>
    </message>
    <message>
        <source>  64 uso errato, o il file di uscita che è il file di ingresso (nulla scritto)
</source>
        <translation>  64 wrong usage, or the output file is the input file (nothing written)
</translation>
    </message>
    <message>
        <source>
I file di uscita sono scritti tutti o nessuno, e non possono essere lo stesso file.
</source>
        <translation>
The output files are written all or none, and they may not be the same file.
</translation>
    </message>
    <message>
        <source>  64 uso errato, o due file di uscita che sono lo stesso file (nulla scritto)
</source>
        <translation>  64 wrong usage, or two output files that are the same file (nothing written)
</translation>
    </message>
</context>
<context>
    <name>volvenza::ActuatorPages</name>
    <message>
        <source>CILINDRO SEMPLICE STELO USCENTE</source>
        <translation>SINGLE-ROD CYLINDER, EXTENDING</translation>
    </message>
    <message>
        <source>CILINDRO SEMPLICE STELO ENTRANTE</source>
        <translation>SINGLE-ROD CYLINDER, RETRACTING</translation>
    </message>
    <message>
        <source>PISTONE DIFFERENZIALE</source>
        <translation>DIFFERENTIAL PISTON</translation>
    </message>
    <message>
        <source>MOTORE</source>
        <translation>MOTOR</translation>
    </message>
    <message>
        <source>[cm3/giro]</source>
        <translation>[cm3/rev]</translation>
    </message>
    <message>
        <source>[rpm]</source>
        <translation>[rpm]</translation>
    </message>
    <message>
        <source>PALMOLA</source>
        <translation>VANE ACTUATOR</translation>
    </message>
    <message>
        <source>CILINDRO DOPPIO STELO</source>
        <translation>DOUBLE-ROD CYLINDER</translation>
    </message>
    <message>
        <source>CILINDRO SEMPLICE EFFETTO</source>
        <translation>SINGLE-ACTING CYLINDER</translation>
    </message>
    <message>
        <source>Cilindro stelo semplice uscente</source>
        <translation>Single-rod cylinder, extending</translation>
    </message>
    <message>
        <source>Cilindro stelo semplice rientrante</source>
        <translation>Single-rod cylinder, retracting</translation>
    </message>
    <message>
        <source>Motore</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Cilindro a doppio stelo</source>
        <translation>Double-rod cylinder</translation>
    </message>
    <message>
        <source>Cilindro a semplice effetto esce</source>
        <translation>Single-acting cylinder, extending</translation>
    </message>
    <message>
        <source>Palmola</source>
        <translation>Vane actuator</translation>
    </message>
</context>
<context>
    <name>volvenza::AvanzamentoSimulazione</name>
    <message>
        <source>Stato simulazione</source>
        <translation>Simulation status</translation>
    </message>
    <message>
        <source>avanzamento simulazione</source>
        <translation>simulation progress</translation>
    </message>
</context>
<context>
    <name>volvenza::BilancioEnergetico</name>
    <message>
        <source>Bilancio energetico</source>
        <translation>Energy balance</translation>
    </message>
    <message>
        <source>Il bilancio torna con la prossima simulazione.</source>
        <translation>The balance comes back with the next simulation.</translation>
    </message>
    <message>
        <source>Nessun risultato: eseguire la simulazione.</source>
        <translation>No results: run the simulation.</translation>
    </message>
</context>
<context>
    <name>volvenza::Ciclo</name>
    <message>
        <source>Ciclo</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Aggiunta di un movimento</source>
        <translation>Adding a movement</translation>
    </message>
    <message>
        <source>Duplicazione di movimenti</source>
        <translation>Duplicating movements</translation>
    </message>
    <message>
        <source>Movimenti incollati</source>
        <translation>Pasted movements</translation>
    </message>
    <message>
        <source>Spostamento di movimenti</source>
        <translation>Moving movements</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Aggiunge sotto la riga corrente un movimento del suo tipo (Ctrl+Invio); la freccia sceglie il tipo</source>
        <translation>Adds a movement of its kind below the current row (Ctrl+Enter); the arrow chooses the kind</translation>
    </message>
    <message>
        <source>Duplica</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Duplica le righe selezionate (Ctrl+D)</source>
        <translation>Duplicates the selected rows (Ctrl+D)</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Elimina le righe selezionate (Canc)</source>
        <translation>Deletes the selected rows (Del)</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Sposta le righe selezionate in su (Alt+Freccia su)</source>
        <translation>Moves the selected rows up (Alt+Up arrow)</translation>
    </message>
    <message>
        <source>Giù</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Sposta le righe selezionate in giù (Alt+Freccia giù)</source>
        <translation>Moves the selected rows down (Alt+Down arrow)</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copia le righe selezionate negli appunti, come testo per un foglio di calcolo (Ctrl+C)</source>
        <translation>Copies the selected rows to the clipboard, as text for a spreadsheet (Ctrl+C)</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Incolla sotto la riga corrente i movimenti copiati (Ctrl+V)</source>
        <translation>Pastes the copied movements below the current row (Ctrl+V)</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica della tabella (Ctrl+Z)</source>
        <translation>Undoes the last change to the table (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripete la modifica annullata (Ctrl+Y)</source>
        <translation>Redoes the undone change (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Modifica del movimento %1</source>
        <translation>Editing movement %1</translation>
    </message>
    <message>
        <source>Cambio di tipo del movimento %1</source>
        <translation>Changing the kind of movement %1</translation>
    </message>
    <message>
        <source>Eliminazione di movimenti</source>
        <translation>Deleting movements</translation>
    </message>
    <message>
        <source>Movimenti incollati: %1.</source>
        <translation>Movements pasted: %1.</translation>
    </message>
    <message>
        <source>Per incollare un solo valore scegliere prima la cella in cui metterlo.</source>
        <translation>To paste a single value, first choose the cell it goes into.</translation>
    </message>
    <message>
        <source>Tabella dei movimenti del ciclo</source>
        <translation>Table of the cycle&apos;s movements</translation>
    </message>
    <message>
        <source>Comandi della tabella dei movimenti</source>
        <translation>Commands of the movement table</translation>
    </message>
</context>
<context>
    <name>volvenza::CommandLine</name>
    <message>
        <source>Uso: volvenza [OPZIONI] [FILE.vlz]
Dimensiona un accumulatore idraulico a gas: simula il ciclo della macchina e
mostra volume, pressione e portate.

  FILE.vlz       apre il file di simulazione all&apos;avvio
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce

Sono accettate anche le opzioni di Qt, per esempio -platform.
Per il lavoro senza finestre: volvenza-sim --help.
</source>
        <translation>Usage: volvenza [OPTIONS] [FILE.vlz]
Sizes a gas-charged hydraulic accumulator: simulates the machine cycle and
shows volume, pressure and flows.

  FILE.vlz       opens the simulation file at start-up
  -h, --help     shows this help and exits
  -v, --version  shows the version and exits

Qt&apos;s options are accepted too, for example -platform.
For work without windows: volvenza-sim --help.
</translation>
    </message>
    <message>
        <source>Per l&apos;uso: volvenza --help
</source>
        <translation>For usage: volvenza --help
</translation>
    </message>
</context>
<context>
    <name>volvenza::CycleDiagram</name>
    <message>
        <source>Qt [dm3/min]</source>
        <translation>Qt [dm3/min]</translation>
    </message>
    <message>
        <source>Qp</source>
        <translation>Qp</translation>
    </message>
    <message>
        <source>P [bar]</source>
        <translation>P [bar]</translation>
    </message>
    <message>
        <source>t [s]</source>
        <translation>t [s]</translation>
    </message>
    <message>
        <source>Movimento %1: %2
Ti %3 s, Tf %4 s, Qm %5 dm3/min</source>
        <translation>Movement %1: %2
Ti %3 s, Tf %4 s, Qm %5 dm3/min</translation>
    </message>
    <message>
        <source>t %1 s: Qt %2 dm3/min, Qp %3 dm3/min</source>
        <translation>t %1 s: Qt %2 dm3/min, Qp %3 dm3/min</translation>
    </message>
    <message>
        <source>t %1 s: P %2 bar</source>
        <translation>t %1 s: P %2 bar</translation>
    </message>
    <message>
        <source>Diagramma dei tempi del ciclo</source>
        <translation>Timing diagram of the cycle</translation>
    </message>
    <message>
        <source>Movimento %1, %2: da %3 s a %4 s, Qm %5 dm3/min</source>
        <translation>Movement %1, %2: from %3 s to %4 s, Qm %5 dm3/min</translation>
    </message>
    <message>
        <source>Movimento %1, %2: da %3 s a %4 s, senza portata</source>
        <translation>Movement %1, %2: from %3 s to %4 s, without flow</translation>
    </message>
    <message>
        <source>Portata totale Qt: al massimo %1 dm3/min, con Qp di %2 dm3/min</source>
        <translation>Total flow Qt: at most %1 dm3/min, with Qp of %2 dm3/min</translation>
    </message>
    <message>
        <source>Qt supera Qp da %1 s a %2 s</source>
        <translation>Qt exceeds Qp from %1 s to %2 s</translation>
    </message>
    <message>
        <source>Qt non supera mai Qp</source>
        <translation>Qt never exceeds Qp</translation>
    </message>
    <message>
        <source>Movimento %1, %2: Tf %4 s non è dopo Ti %3 s, nessuna barra</source>
        <translation>Movement %1, %2: Tf %4 s is not after Ti %3 s, no bar</translation>
    </message>
</context>
<context>
    <name>volvenza::CycleTableModel</name>
    <message>
        <source>Tipo</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Tipo di attuatore</source>
        <translation>Kind of actuator</translation>
    </message>
    <message>
        <source>Tempo di inizio</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Tempo di fine</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Alesaggio</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Diametro dello stelo; del pistone tuffante nel cilindro a semplice effetto</source>
        <translation>Rod diameter; plunger diameter in the single-acting cylinder</translation>
    </message>
    <message>
        <source>Corsa</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>C [cm3/giro]</source>
        <translation>C [cm3/rev]</translation>
    </message>
    <message>
        <source>Cilindrata del motore</source>
        <translation>Motor displacement</translation>
    </message>
    <message>
        <source>Velocità del motore</source>
        <translation>Motor speed</translation>
    </message>
    <message>
        <source>Cilindrata unitaria della palmola</source>
        <translation>Vane actuator displacement per degree</translation>
    </message>
    <message>
        <source>Angolo di rotazione della palmola</source>
        <translation>Vane actuator rotation angle</translation>
    </message>
    <message>
        <source>Portata assorbita fra Ti e Tf</source>
        <translation>Flow drawn between Ti and Tf</translation>
    </message>
    <message>
        <source>Valore non valido in %1: resta %2</source>
        <translation>Invalid value in %1: %2 is kept</translation>
    </message>
    <message>
        <source>Carico</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Forza [kN] per cilindri e tuffanti, coppia [N·m] per motori e palmole</source>
        <translation>Force [kN] for cylinders and plungers, torque [N·m] for motors and vane actuators</translation>
    </message>
    <message>
        <source>Rendimento idromeccanico, più di 0 e al più 1 (0,95 se non dato)</source>
        <translation>Hydromechanical efficiency, more than 0 and at most 1 (0.95 when not given)</translation>
    </message>
    <message>
        <source>Pressione persa fra accumulatore e attuatore (linee e valvole)</source>
        <translation>Pressure lost between accumulator and actuator (lines and valves)</translation>
    </message>
    <message>
        <source>Pressione richiesta immessa a mano: prende il posto di quella del carico</source>
        <translation>Required pressure typed by hand: it stands in for the load&apos;s</translation>
    </message>
    <message>
        <source>Em</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>Il movimento deve compiersi a pompa persa (corsa di emergenza)</source>
        <translation>The movement must complete with the pump lost (emergency stroke)</translation>
    </message>
    <message>
        <source>Pressione che il movimento richiede all&apos;accumulatore, calcolata; vuota: vale p1</source>
        <translation>Pressure the movement needs at the accumulator, computed; empty: p1 applies</translation>
    </message>
    <message>
        <source>Valore fuori campo in %1, %2: resta %3</source>
        <translation>Value out of range in %1, %2: %3 is kept</translation>
    </message>
</context>
<context>
    <name>volvenza::DatiIniziali</name>
    <message>
        <source>Inizializzazione</source>
        <translation>Initial data</translation>
    </message>
    <message>
        <source>Tempo ciclo</source>
        <translation>Cycle time</translation>
    </message>
    <message>
        <source>Non è un numero: simulazione, dimensionamento, salvataggio ed esportazioni aspettano che sia corretto (Ctrl+Z lo annulla)</source>
        <translation>Not a number: simulation, sizing, saving and exports wait until it is corrected (Ctrl+Z undoes it)</translation>
    </message>
</context>
<context>
    <name>volvenza::Dialogs</name>
    <message>
        <source>%1
Il file esiste già. Sostituirlo?</source>
        <translation>%1
The file already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>volvenza::Dimensionamento</name>
    <message>
        <source>Dimensionamento</source>
        <translation>Sizing</translation>
    </message>
    <message>
        <source>Requisiti</source>
        <translation>Requirements</translation>
    </message>
    <message>
        <source>&amp;Interrompi</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>gas ideale</source>
        <translation>ideal gas</translation>
    </message>
    <message>
        <source>azoto reale</source>
        <translation>real nitrogen</translation>
    </message>
    <message>
        <source>Ultima raccomandazione: %1 dm3, precarica %2 bar, pompa %3 dm3/min. &quot;Calcola&quot; la ricalcola.</source>
        <translation>Last recommendation: %1 dm3, precharge %2 bar, pump %3 dm3/min. &quot;Compute&quot; computes it again.</translation>
    </message>
    <message>
        <source>Pressione minima p&amp;1 [bar]</source>
        <translation>Lowest pressure p&amp;1 [bar]</translation>
    </message>
    <message>
        <source>&amp;Tipo di accumulatore</source>
        <translation>Accumulator &amp;type</translation>
    </message>
    <message>
        <source>A&amp;ggiungi</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>Toll&amp;eranza della precarica [%]</source>
        <translation>Precharge t&amp;olerance [%]</translation>
    </message>
    <message>
        <source>&amp;Ore di lavoro continuo [h]</source>
        <translation>Continuous working &amp;hours [h]</translation>
    </message>
    <message>
        <source>Ciclo &amp;singolo (la macchina fa un solo ciclo e si ferma)</source>
        <translation>Si&amp;ngle cycle (the machine runs one cycle and stops)</translation>
    </message>
    <message>
        <source>Senza questa scelta la macchina lavora ciclo dopo ciclo e il giudizio è a regime.</source>
        <translation>Unticked, the machine runs cycle after cycle and the design is judged in steady operation.</translation>
    </message>
    <message>
        <source>Calco&amp;la</source>
        <translation>Comp&amp;ute</translation>
    </message>
    <message>
        <source>&amp;Applica</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Risultati non aggiornati: i dati sono cambiati</source>
        <translation>Results out of date: the data have changed</translation>
    </message>
    <message>
        <source>Ricerca scartata: i dati sono cambiati durante la ricerca. &quot;Calcola&quot; la ripete.</source>
        <translation>Search discarded: the data changed while it ran. &quot;Compute&quot; runs it again.</translation>
    </message>
    <message>
        <source>Ore di lavoro in un anno [&amp;h]</source>
        <translation>Working hours in a &amp;year [h]</translation>
    </message>
    <message>
        <source>&amp;Bombole per i pistoni [dm3, separate da ;]</source>
        <translation>&amp;Bottles for pistons [dm3, separated by ;]</translation>
    </message>
    <message>
        <source>Senza questa scelta le composizioni si provano solo quando nessuna grandezza basta.</source>
        <translation>Without this choice arrangements are tried only when no single size passes.</translation>
    </message>
    <message>
        <source>; rendimento volumetrico della pompa %1</source>
        <translation>; pump volumetric efficiency %1</translation>
    </message>
    <message>
        <source>Legge del gas: %1%2 (da &quot;Modello del gas...&quot;)</source>
        <translation>Gas law: %1%2 (from &quot;Gas model...&quot;)</translation>
    </message>
    <message>
        <source>azoto reale, al posto della legge classica che non dimensiona</source>
        <translation>real nitrogen, in place of the classic law, which does not size</translation>
    </message>
    <message>
        <source>Non è un numero valido: simulazione, ricerca, salvataggio ed esportazioni aspettano che sia corretto (Ctrl+Z lo annulla)</source>
        <translation>Not a valid number: the simulation, the search, saving and exports wait until it is corrected (Ctrl+Z undoes it)</translation>
    </message>
    <message>
        <source>Catalogo (cella vuota: nessun limite)</source>
        <translation>Catalogue (empty cell: no limit)</translation>
    </message>
    <message>
        <source>Rimuovi</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Predefinito</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Pressione nominale &amp;PS [bar]</source>
        <translation>Rated pressure &amp;PS [bar]</translation>
    </message>
    <message>
        <source>Taratura della valvola di &amp;massima [bar]</source>
        <translation>Rel&amp;ief valve setting [bar]</translation>
    </message>
    <message>
        <source>Rendimento della pompa (più di &amp;0 e al più 1)</source>
        <translation>Pump efficiency (more than &amp;0 and at most 1)</translation>
    </message>
    <message>
        <source>Scegli la p&amp;recarica</source>
        <translation>Choose the prechar&amp;ge</translation>
    </message>
    <message>
        <source>&amp;Dimensiona anche la pompa</source>
        <translation>Si&amp;ze the pump too</translation>
    </message>
    <message>
        <source>Prova anche le composi&amp;zioni: accumulatori in parallelo e bombole</source>
        <translation>Also try arrange&amp;ments: accumulators in parallel and bottles</translation>
    </message>
    <message>
        <source>Corsa di emergenza dal pieno (Pm) invece che dal riavvio della pompa (Pm - Dp)</source>
        <translation>&amp;Emergency stroke from full (Pm) instead of from the pump&apos;s restart (Pm - Dp)</translation>
    </message>
    <message>
        <source>I movimenti segnati &quot;Em&quot; nel ciclo devono compiersi a pompa persa.</source>
        <translation>The movements marked &quot;Em&quot; in the cycle must complete with the pump lost.</translation>
    </message>
    <message>
        <source>Mantenimento della pressione a pompa ferma</source>
        <translation>Pressure held with the pump off</translation>
    </message>
    <message>
        <source>Pressione da mantenere [bar]</source>
        <translation>Pressure to hold [bar]</translation>
    </message>
    <message>
        <source>Tempo [s]</source>
        <translation>Time [s]</translation>
    </message>
    <message>
        <source>Perdite delle valvole [dm3/min]</source>
        <translation>Valves&apos; leakage [dm3/min]</translation>
    </message>
    <message>
        <source>Raffreddamento del gas nel tempo [K]</source>
        <translation>Gas cooling over the time [K]</translation>
    </message>
    <message>
        <source>Dal pieno (Pm) invece che da Pm - Dp</source>
        <translation>From full (Pm) instead of from Pm - Dp</translation>
    </message>
    <message>
        <source>Applicata al progetto: %1 dm3, precarica %2 bar, pompa %3 dm3/min.</source>
        <translation>Applied to the project: %1 dm3, precharge %2 bar, pump %3 dm3/min.</translation>
    </message>
</context>
<context>
    <name>volvenza::EnergyBalance</name>
    <message>
        <source>Bilancio energetico e fatica a tc</source>
        <translation>Energy balance and fatigue at tc</translation>
    </message>
    <message>
        <source>il gas cede alla parete %1</source>
        <translation>the gas gives the wall %1</translation>
    </message>
    <message>
        <source>il gas riceve dalla parete %1</source>
        <translation>the gas takes %1 from the wall</translation>
    </message>
    <message>
        <source>Rendimento della pompa</source>
        <translation>Pump efficiency</translation>
    </message>
    <message>
        <source>Potenza installata (Qp a Pm)</source>
        <translation>Installed power (Qp at Pm)</translation>
    </message>
    <message>
        <source>Portata di picco del ciclo</source>
        <translation>Peak flow of the cycle</translation>
    </message>
    <message>
        <source>Pressione per la sola pompa</source>
        <translation>Pressure for the pump alone</translation>
    </message>
    <message>
        <source>%1 (p1 del dimensionamento)</source>
        <translation>%1 (the sizing&apos;s p1)</translation>
    </message>
    <message>
        <source>%1 (Pm - Dp)</source>
        <translation>%1 (Pm - Dp)</translation>
    </message>
    <message>
        <source>Potenza della sola pompa per il picco</source>
        <translation>Power of the pump alone for the peak</translation>
    </message>
    <message>
        <source>Cicli all&apos;ora</source>
        <translation>Cycles per hour</translation>
    </message>
    <message>
        <source>Cicli all&apos;anno</source>
        <translation>Cycles per year</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation>%1 in %2 h</translation>
    </message>
    <message>
        <source>Calcolati con</source>
        <translation>Computed with</translation>
    </message>
    <message>
        <source>%1, a tc = %2 °C</source>
        <translation>%1, at tc = %2 °C</translation>
    </message>
    <message>
        <source>: energia ceduta dall&apos;accumulatore</source>
        <translation>: energy the accumulator gives</translation>
    </message>
    <message>
        <source>: energia ripresa</source>
        <translation>: energy taken back</translation>
    </message>
    <message>
        <source>: calore tra gas e parete</source>
        <translation>: heat between gas and wall</translation>
    </message>
    <message>
        <source>: energia accumulata a fine ciclo</source>
        <translation>: energy stored at the cycle&apos;s end</translation>
    </message>
    <message>
        <source>: energia fornita dalla pompa in carico</source>
        <translation>: energy the loaded pump delivers</translation>
    </message>
    <message>
        <source>: pressione minima e massima</source>
        <translation>: lowest and highest pressure</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Primo ciclo, da pieno</source>
        <translation>First cycle, from full</translation>
    </message>
    <message>
        <source>Ciclo %1, non ancora in regime</source>
        <translation>Cycle %1, not yet steady</translation>
    </message>
    <message>
        <source>Potenza risparmiata dall&apos;accumulatore</source>
        <translation>Power the accumulator saves</translation>
    </message>
    <message>
        <source>nessuno scambio</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ciclo in regime</source>
        <translation>Steady cycle</translation>
    </message>
    <message>
        <source>nessuno: il primo ciclo non arriva alla fine</source>
        <translation>none: the first cycle does not reach its end</translation>
    </message>
    <message>
        <source>nessuno: il ciclo %1 non arriva alla fine</source>
        <translation>none: cycle %1 does not reach its end</translation>
    </message>
    <message>
        <source>Ciclo in regime (%1°, uguale al precedente)</source>
        <translation>Steady cycle (no. %1, the same as the one before)</translation>
    </message>
    <message>
        <source>%1, a tc = %2 °C, al posto della legge classica dei risultati, che non dà energie</source>
        <translation>%1, at tc = %2 °C, in place of the results&apos; classic law, which gives no energies</translation>
    </message>
    <message>
        <source>Ciclo in regime (%1°; i cicli in regime non sono tutti uguali: in altri la pressione scende fino a %2)</source>
        <translation>Steady cycle (no. %1; the steady cycles are not all alike: in others the pressure falls to %2)</translation>
    </message>
    <message>
        <source>Escursione di pressione per ciclo a tc (del primo)</source>
        <translation>Pressure swing per cycle at tc (of the first)</translation>
    </message>
    <message>
        <source>Escursione di pressione per ciclo a tc (la più ampia dopo il primo)</source>
        <translation>Pressure swing per cycle at tc (the widest after the first)</translation>
    </message>
    <message>
        <source>Potenza in più richiesta con l&apos;accumulatore</source>
        <translation>More power needed with the accumulator</translation>
    </message>
    <message>
        <source>Ciclo %1 (i cicli non si ripetono ma le pressioni minime non calano più; in altri la pressione scende fino a %2)</source>
        <translation>Cycle %1 (the cycles do not repeat but their lowest pressures no longer fall; in others the pressure falls to %2)</translation>
    </message>
</context>
<context>
    <name>volvenza::Grafico</name>
    <message>
        <source>T(t) del gas</source>
        <translation>Gas T(t)</translation>
    </message>
    <message>
        <source>Grafico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>ATTENZIONE!!!!, il quadrato deve essere interno al grafico</source>
        <translation>WARNING!!!!, the square must be inside the chart</translation>
    </message>
    <message>
        <source>Cancella grafico</source>
        <translation>Clear chart</translation>
    </message>
    <message>
        <source>Abilita/disabilita il collimatore</source>
        <translation>Crosshair on/off</translation>
    </message>
    <message>
        <source>Disegna in scala 1:1</source>
        <translation>Draw at 1:1 scale</translation>
    </message>
    <message>
        <source>Aggiiungi particolari al grafico</source>
        <translation>Add details to the chart</translation>
    </message>
    <message>
        <source>Differenza tra 2 punti</source>
        <translation>Difference between 2 points</translation>
    </message>
    <message>
        <source>Mostra/nascondi la temperatura del gas T(t)</source>
        <translation>Show/hide the gas temperature T(t)</translation>
    </message>
    <message>
        <source>1: %1</source>
        <translation>1: %1</translation>
    </message>
    <message>
        <source>2: %1</source>
        <translation>2: %1</translation>
    </message>
    <message>
        <source>Mostra/nascondi la pressione richiesta da ogni movimento</source>
        <translation>Show/hide each movement&apos;s required pressure</translation>
    </message>
    <message>
        <source>t = %1 s · %2 = %3 %4</source>
        <translation>t = %1 s · %2 = %3 %4</translation>
    </message>
    <message>
        <source>Δt = %1 s · Δ%2 = %3 %4</source>
        <translation>Δt = %1 s · Δ%2 = %3 %4</translation>
    </message>
</context>
<context>
    <name>volvenza::HelpWindow</name>
    <message>
        <source>Guida di Volvenza</source>
        <translation>Volvenza Help</translation>
    </message>
    <message>
        <source>&amp;Digitare le prime lettere della parola da cercare:</source>
        <translation>&amp;Type the first few letters of the word you are looking for:</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>Sommario</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Indice</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Impossibile aprire il file della Guida %1.</source>
        <translation>Cannot open the Help file %1.</translation>
    </message>
</context>
<context>
    <name>volvenza::InserimentoDati</name>
    <message>
        <source>Immissione dati</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ricalcola</source>
        <translation>Recompute</translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare questo movimento</source>
        <translation>Are you sure you want to delete this movement</translation>
    </message>
    <message>
        <source>Valore non valido: resta </source>
        <translation>Invalid value: kept </translation>
    </message>
    <message>
        <source>Movimento precedente</source>
        <translation>Previous movement</translation>
    </message>
    <message>
        <source>Movimento successivo</source>
        <translation>Next movement</translation>
    </message>
    <message>
        <source>Movimento %1 di %2</source>
        <translation>Movement %1 of %2</translation>
    </message>
    <message>
        <source>Carichi</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Carico</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Rendimento η</source>
        <translation>Efficiency η</translation>
    </message>
    <message>
        <source>Perdita Δp</source>
        <translation>Loss Δp</translation>
    </message>
    <message>
        <source>Pressione richiesta pr</source>
        <translation>Required pressure pr</translation>
    </message>
    <message>
        <source>Emergenza: si compie a pompa persa</source>
        <translation>Emergency: completes with the pump lost</translation>
    </message>
    <message>
        <source>Il movimento richiede pn = %1 bar</source>
        <translation>The movement needs pn = %1 bar</translation>
    </message>
    <message>
        <source>Il movimento richiede p1 (nessun carico)</source>
        <translation>The movement needs p1 (no load)</translation>
    </message>
    <message>
        <source>Valore non valido o fuori dai limiti: resta %1</source>
        <translation>Not a valid value or out of range: %1 stays</translation>
    </message>
</context>
<context>
    <name>volvenza::Message</name>
    <message>
        <source>Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire</source>
        <translation>You left all the initial values at 0, the simulation cannot start</translation>
    </message>
    <message>
        <source>Hai lasciato il tempo di ciclo a 0, la simulazione non può partire</source>
        <translation>You left the cycle time at 0, the simulation cannot start</translation>
    </message>
    <message>
        <source>Il tempo di ciclo deve essere compreso tra 0 e 327,67 s, la simulazione non può partire.</source>
        <translation>The cycle time must be between 0 and 327.67 s, the simulation cannot start.</translation>
    </message>
    <message>
        <source>Non ci sono movimenti, la simulazione non può partire</source>
        <translation>There are no movements, the simulation cannot start</translation>
    </message>
    <message>
        <source>La simulazione verrà interrotta, corregere il problema e riavviarla.</source>
        <translation>The simulation will be stopped; correct the problem and start it again.</translation>
    </message>
    <message>
        <source>ATTENZIONE !!!!! PRECARICA VOLVENZA TROPPO ALTA</source>
        <translation>WARNING !!!!! VOLVENZA PRECHARGE TOO HIGH</translation>
    </message>
    <message>
        <source>La portata del movimento %1 non è un numero valido. La simulazione verrà interrotta, correggere il dato e riavviarla.</source>
        <translation>The flow of movement %1 is not a valid number. The simulation will be stopped; correct the value and start it again.</translation>
    </message>
    <message>
        <source>Il tempo iniziale e finale del movimento %1 sono stati lasciati a 0. Si vuole procedere comunque?</source>
        <translation>The start and end times of movement %1 were left at 0. Do you want to go on anyway?</translation>
    </message>
    <message>
        <source>Il tempo finale del movimento %1 è uguale o minore del tempo iniziale. La simulazione verà interrotta, correggere il dato e riavviarla.</source>
        <translation>The end time of movement %1 is equal to or less than its start time. The simulation will be stopped; correct the value and start it again.</translation>
    </message>
    <message>
        <source>La temperatura minima deve essere minore o uguale alla temperatura di lavoro tc e la massima maggiore o uguale.</source>
        <translation>The minimum temperature must be less than or equal to the working temperature tc and the maximum greater than or equal to it.</translation>
    </message>
    <message>
        <source>%1, la simulazione non può partire.</source>
        <translation>%1, the simulation cannot start.</translation>
    </message>
    <message>
        <source>L&apos;esponente della politropica deve essere compreso tra 1 e 1,67 (ora %1).</source>
        <translation>The polytropic exponent must be between 1 and 1.67 (now %1).</translation>
    </message>
    <message>
        <source>Le temperature di carica e di lavoro devono essere sopra lo zero assoluto.</source>
        <translation>The charge and working temperatures must be above absolute zero.</translation>
    </message>
    <message>
        <source>Le pressioni assolute di precarica e massima devono essere maggiori di 0.</source>
        <translation>The absolute precharge and maximum pressures must be greater than 0.</translation>
    </message>
    <message>
        <source>Temperatura di %1 °C (%2 K) fuori dal campo dell&apos;equazione dell&apos;azoto, da 63,151 a 1000 K.</source>
        <translation>Temperature of %1 °C (%2 K) outside the range of the nitrogen equation, from 63.151 to 1000 K.</translation>
    </message>
    <message>
        <source>A %1 °C e %2 bar assoluti l&apos;azoto è solido (pressione di fusione %3 bar).</source>
        <translation>At %1 °C and %2 bar absolute nitrogen is solid (melting pressure %3 bar).</translation>
    </message>
    <message>
        <source>Densità dell&apos;azoto non trovata a %1 K e %2 bar assoluti.</source>
        <translation>Nitrogen density not found at %1 K and %2 bar absolute.</translation>
    </message>
    <message>
        <source>Temperatura dell&apos;azoto non trovata per l&apos;entropia %1 J/(kg K) a %2 kg/m3.</source>
        <translation>Nitrogen temperature not found for the entropy %1 J/(kg K) at %2 kg/m3.</translation>
    </message>
    <message>
        <source>Il volume nominale del gas deve essere maggiore di 0.</source>
        <translation>The nominal gas volume must be greater than 0.</translation>
    </message>
    <message>
        <source>Il passo di simulazione deve essere maggiore di 0.</source>
        <translation>The simulation step must be greater than 0.</translation>
    </message>
    <message>
        <source>La costante di tempo termica deve essere maggiore o uguale a 0 (ora %1 s).</source>
        <translation>The thermal time constant must be greater than or equal to 0 (now %1 s).</translation>
    </message>
    <message>
        <source>Precarica: %1.</source>
        <translation>Precharge: %1.</translation>
    </message>
    <message>
        <source>Pressione massima: %1.</source>
        <translation>Maximum pressure: %1.</translation>
    </message>
    <message>
        <source>L&apos;esponente n deve essere un numero compreso tra 1 e 1,67.</source>
        <translation>The exponent n must be a number between 1 and 1.67.</translation>
    </message>
    <message>
        <source>La costante di tempo termica deve essere un numero maggiore o uguale a 0, oppure vuota per un tempo infinito.</source>
        <translation>The thermal time constant must be a number greater than or equal to 0, or empty for an infinite time.</translation>
    </message>
    <message>
        <source>La temperatura di carica deve essere un numero maggiore di -273,15 °C.</source>
        <translation>The charge temperature must be a number greater than -273.15 °C.</translation>
    </message>
    <message>
        <source>La temperatura minima deve essere un numero maggiore di -273,15 °C, oppure vuota per la temperatura di lavoro tc.</source>
        <translation>The minimum temperature must be a number greater than -273.15 °C, or empty for the working temperature tc.</translation>
    </message>
    <message>
        <source>La temperatura massima deve essere un numero maggiore di -273,15 °C, oppure vuota per la temperatura di lavoro tc.</source>
        <translation>The maximum temperature must be a number greater than -273.15 °C, or empty for the working temperature tc.</translation>
    </message>
    <message>
        <source>La temperatura minima non può superare la massima.</source>
        <translation>The minimum temperature cannot exceed the maximum.</translation>
    </message>
    <message>
        <source>ATTENZIONE!!!! Usare la virgola &apos;&apos;,&apos;&apos; e no il punto &apos;&apos;.&apos;&apos; per i decimali</source>
        <translation>WARNING!!!! Use the comma &apos;&apos;,&apos;&apos; and not the point &apos;&apos;.&apos;&apos; for decimals</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Il file %1 non è un file di simulazione valido (riga %2).</source>
        <translation>The file %1 is not a valid simulation file (line %2).</translation>
    </message>
    <message>
        <source>Il file %1 non è un progetto Volvenza valido: %2.</source>
        <translation>The file %1 is not a valid Volvenza project: %2.</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un oggetto</source>
        <translation>the field %1 must be an object</translation>
    </message>
    <message>
        <source>il campo %1 manca</source>
        <translation>the field %1 is missing</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un numero</source>
        <translation>the field %1 must be a number</translation>
    </message>
    <message>
        <source>il campo %1 è fuori dall&apos;intervallo</source>
        <translation>the field %1 is out of range</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un numero o null</source>
        <translation>the field %1 must be a number or null</translation>
    </message>
    <message>
        <source>il campo %1 deve essere true o false</source>
        <translation>the field %1 must be true or false</translation>
    </message>
    <message>
        <source>il campo %1 deve essere uno fra %2</source>
        <translation>the field %1 must be one of %2</translation>
    </message>
    <message>
        <source>il campo %1 non è &quot;volvenza-progetto&quot;</source>
        <translation>the field %1 is not &quot;volvenza-progetto&quot;</translation>
    </message>
    <message>
        <source>il campo %1 non è una versione che questo programma legge</source>
        <translation>the field %1 is not a version this program reads</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un elenco di al più 1000 movimenti</source>
        <translation>the field %1 must be a list of at most 1000 movements</translation>
    </message>
    <message>
        <source>il campo %1 non è leggibile</source>
        <translation>the field %1 cannot be read</translation>
    </message>
    <message>
        <source>La pressione minima p1 deve essere positiva.</source>
        <translation>The lowest pressure p1 must be positive.</translation>
    </message>
    <message>
        <source>La pressione minima p1 deve essere minore della pressione massima Pm.</source>
        <translation>The lowest pressure p1 must be below the maximum pressure Pm.</translation>
    </message>
    <message>
        <source>Il catalogo non contiene alcuna grandezza.</source>
        <translation>The catalogue holds no size.</translation>
    </message>
    <message>
        <source>Il catalogo può contenere al più %1 grandezze.</source>
        <translation>The catalogue can hold at most %1 sizes.</translation>
    </message>
    <message>
        <source>Il catalogo deve elencare volumi positivi in ordine crescente, senza ripetizioni.</source>
        <translation>The catalogue must list positive volumes in ascending order, without repeats.</translation>
    </message>
    <message>
        <source>La pressione nominale PS deve essere positiva.</source>
        <translation>The rated pressure PS must be positive.</translation>
    </message>
    <message>
        <source>La taratura della valvola di massima deve essere positiva.</source>
        <translation>The relief valve setting must be positive.</translation>
    </message>
    <message>
        <source>La taratura della valvola di massima (%1 bar) supera la pressione nominale PS (%2 bar): la valvola deve proteggere l&apos;accumulatore.</source>
        <translation>The relief valve setting (%1 bar) is above the rated pressure PS (%2 bar): the valve must protect the accumulator.</translation>
    </message>
    <message>
        <source>La tolleranza della precarica deve essere tra 0 e 50 %.</source>
        <translation>The precharge tolerance must be between 0 and 50 %.</translation>
    </message>
    <message>
        <source>Le ore di lavoro continuo devono essere più di 0 e al più un anno.</source>
        <translation>The hours of continuous work must be more than 0 and at most a year.</translation>
    </message>
    <message>
        <source>Mancano i dati del ciclo: tempo di ciclo e movimenti.</source>
        <translation>The cycle&apos;s data are missing: cycle time and movements.</translation>
    </message>
    <message>
        <source>Nessuna precarica rispetta insieme le regole 2 e 3 per questo tipo di accumulatore: la precarica dovrebbe essere di almeno %1 bar e di al più %2 bar; servirebbe un accumulatore a pistone, una Pm di al più %3 bar o una p1 di almeno %4 bar.</source>
        <translation>No precharge meets rules 2 and 3 together for this type of accumulator: the precharge would have to be at least %1 bar and at most %2 bar; a piston accumulator would do, or a Pm of at most %3 bar, or a p1 of at least %4 bar.</translation>
    </message>
    <message>
        <source>Temperatura minima dell&apos;inviluppo: %1.</source>
        <translation>Lowest temperature of the envelope: %1.</translation>
    </message>
    <message>
        <source>Temperatura massima dell&apos;inviluppo: %1.</source>
        <translation>Highest temperature of the envelope: %1.</translation>
    </message>
    <message>
        <source>La temperatura e la pressione devono essere numeri finiti.</source>
        <translation>The temperature and the pressure must be finite numbers.</translation>
    </message>
    <message>
        <source>a %1 °C e %2 bar assoluti l&apos;azoto condensa</source>
        <translation>at %1 °C and %2 bar absolute nitrogen condenses</translation>
    </message>
    <message>
        <source>ATTENZIONE: %1 a t = %2 s (gas a %3 °C e %4 bar): la legge del gas non vale oltre e la simulazione si ferma qui.</source>
        <translation>WARNING: %1 at t = %2 s (gas at %3 °C and %4 bar): the gas law does not hold beyond and the simulation stops here.</translation>
    </message>
    <message>
        <source>l&apos;azoto condensa</source>
        <translation>nitrogen condenses</translation>
    </message>
    <message>
        <source>La temperatura del gas scende a %1 °C, sotto i %2 °C che sacche, membrane e guarnizioni in gomma nitrilica ammettono.</source>
        <translation>The gas temperature falls to %1 °C, below the %2 °C that nitrile rubber bladders, diaphragms and seals stand.</translation>
    </message>
    <message>
        <source>l&apos;azoto scende sotto il punto triplo</source>
        <translation>nitrogen falls below the triple point</translation>
    </message>
    <message>
        <source>l&apos;azoto esce dal campo dell&apos;equazione</source>
        <translation>nitrogen leaves the equation&apos;s range</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: la cartella %2 è di sola lettura.</source>
        <translation>Cannot save the file %1: the folder %2 is read-only.</translation>
    </message>
    <message>
        <source>Impossibile aprire %1: non è un file.</source>
        <translation>Cannot open %1: it is not a file.</translation>
    </message>
    <message>
        <source>Il progetto %1 non conserva i risultati: sono ricalcolati all&apos;apertura.</source>
        <translation>The project %1 does not keep the results: they are computed again on opening.</translation>
    </message>
    <message>
        <source>Il file %1 non conserva la legge del gas né l&apos;inviluppo di temperatura.</source>
        <translation>The file %1 does not keep the gas law or the temperature envelope.</translation>
    </message>
    <message>
        <source>Il file %1 non conserva i requisiti di dimensionamento né la raccomandazione.</source>
        <translation>The file %1 does not keep the sizing requirements or the recommendation.</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un numero da 0 a 7</source>
        <translation>the field %1 must be a number from 0 to 7</translation>
    </message>
    <message>
        <source>Ricerca interrotta</source>
        <translation>Search stopped</translation>
    </message>
    <message>
        <source>il campo %1 deve essere un elenco di al più %2 grandezze</source>
        <translation>the field %1 must be a list of at most %2 sizes</translation>
    </message>
    <message>
        <source>Gli accumulatori in parallelo devono essere da 1 a %1.</source>
        <translation>The accumulators in parallel must be from 1 to %1.</translation>
    </message>
    <message>
        <source>Il volume delle bombole deve essere tra 0 e 100000 dm3.</source>
        <translation>The bottles&apos; volume must be between 0 and 100000 dm3.</translation>
    </message>
    <message>
        <source>Il rendimento volumetrico della pompa deve essere più di 0 e al più 1.</source>
        <translation>The pump&apos;s volumetric efficiency must be more than 0 and at most 1.</translation>
    </message>
    <message>
        <source>Le bombole (%1 dm3) sono più grandi del volume del gas a Pm (%2 dm3): l&apos;olio riempirebbe gli accumulatori prima di Pm; ridurre le bombole o alzare la precarica.</source>
        <translation>The bottles (%1 dm3) are larger than the gas volume at Pm (%2 dm3): the oil would fill the accumulators before Pm; make the bottles smaller or raise the precharge.</translation>
    </message>
    <message>
        <source>Il file %1 non conserva gli accumulatori in parallelo, le bombole né il rendimento volumetrico della pompa: salvare come progetto (.vlzp) per conservarli.</source>
        <translation>The file %1 does not keep the accumulators in parallel, the bottles or the pump&apos;s volumetric efficiency: save as a project (.vlzp) to keep them.</translation>
    </message>
    <message>
        <source>Il catalogo ha un limite non valido alla grandezza %1 dm3: il rapporto di compressione deve superare 1, PS, portata massima ed escursione massima essere positive, τ non negativa, i cicli nominali almeno 1.</source>
        <translation>The catalogue has an invalid limit at the %1 dm3 size: the compression ratio must exceed 1, PS, the largest flow and the largest swing must be positive, τ not negative, the rated cycles at least 1.</translation>
    </message>
    <message>
        <source>Pressione di %1 bar assoluti fuori dal campo dell&apos;equazione dell&apos;azoto: deve essere più di 0 e al più 22000 bar.</source>
        <translation>Pressure of %1 bar absolute outside the range of the nitrogen equation: it must be more than 0 and at most 22000 bar.</translation>
    </message>
    <message>
        <source>p1 (%1 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (%2 bar): la pressione scende sotto p1 prima che la pompa ricarichi l&apos;accumulatore; abbassare p1 sotto %2 bar o ridurre Dp sotto Pm - p1.</source>
        <translation>p1 (%1 bar) is not below the pressure at which the pump restarts, Pm - Dp (%2 bar): the pressure falls below p1 before the pump recharges the accumulator; lower p1 below %2 bar or reduce Dp below Pm - p1.</translation>
    </message>
    <message>
        <source>Il file %1 non è un file di simulazione valido: alla riga %2 il campo %3 vale «%4», %5.</source>
        <translation>The file %1 is not a valid simulation file: on line %2 the field %3 is “%4”, %5.</translation>
    </message>
    <message>
        <source>Il file %1 non è un file di simulazione valido: la riga %2 ha %3 campi separati da virgole, ne servono %4.</source>
        <translation>The file %1 is not a valid simulation file: line %2 has %3 comma-separated fields, %4 are needed.</translation>
    </message>
    <message>
        <source>Il file %1 non è un file di simulazione valido: il file finisce alla riga %2, ne attendevo %3.</source>
        <translation>The file %1 is not a valid simulation file: the file ends at line %2, %3 lines were expected.</translation>
    </message>
    <message>
        <source>che non è un numero finito</source>
        <translation>which is not a finite number</translation>
    </message>
    <message>
        <source>oltre ciò che il campo in precisione singola contiene (3,402823E+38 in valore assoluto)</source>
        <translation>beyond what the single-precision field holds (3.402823E+38 in absolute value)</translation>
    </message>
    <message>
        <source>che non è un numero intero da %1 a %2</source>
        <translation>which is not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>fuori dal campo del tempo di ciclo, da 0 a 327,67 s</source>
        <translation>outside the cycle time&apos;s range, 0 to 327.67 s</translation>
    </message>
    <message>
        <source>oltre l&apos;ultimo punto che il tempo di ciclo consente, %1</source>
        <translation>beyond the last point the cycle time allows, %1</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2.</source>
        <translation>Cannot save the file %1: %2.</translation>
    </message>
    <message>
        <source>il disco è pieno; il file di prima, se c&apos;era, è rimasto com&apos;era</source>
        <translation>the disk is full; the earlier file, if there was one, is as it was</translation>
    </message>
    <message>
        <source>lo spazio su disco concesso all&apos;utente è esaurito; il file di prima, se c&apos;era, è rimasto com&apos;era</source>
        <translation>the user&apos;s disk quota is used up; the earlier file, if there was one, is as it was</translation>
    </message>
    <message>
        <source>il file supera la dimensione che il sistema consente; il file di prima, se c&apos;era, è rimasto com&apos;era</source>
        <translation>the file exceeds the size the system allows; the earlier file, if there was one, is as it was</translation>
    </message>
    <message>
        <source>errore di scrittura sul disco; il file di prima, se c&apos;era, è rimasto com&apos;era</source>
        <translation>a disk write error; the earlier file, if there was one, is as it was</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>esiste già e non è un file</source>
        <translation>it exists already and is not a file</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>il campo %1 vale %2, fuori dall&apos;intervallo ammesso: %3</source>
        <translation>the field %1 is %2, outside the allowed range: %3</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>più di %1 e al più %2</source>
        <translation>more than %1 and at most %2</translation>
    </message>
    <message>
        <source>un numero intero da %1 a %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>%1 vale %2: i valori iniziali non possono essere negativi, la simulazione non può partire.</source>
        <translation>%1 is %2: the initial values cannot be negative, the simulation cannot start.</translation>
    </message>
    <message>
        <source>tc vale %1 °C: la temperatura di lavoro deve superare lo zero assoluto, -273,15 °C, la simulazione non può partire.</source>
        <translation>tc is %1 °C: the working temperature must be above absolute zero, -273.15 °C, the simulation cannot start.</translation>
    </message>
    <message>
        <source>La temperatura minima dell&apos;inviluppo vale %1 °C: deve superare lo zero assoluto, -273,15 °C, la simulazione non può partire.</source>
        <translation>The envelope&apos;s lowest temperature is %1 °C: it must be above absolute zero, -273.15 °C, the simulation cannot start.</translation>
    </message>
    <message>
        <source>La temperatura massima dell&apos;inviluppo vale %1 °C: deve superare lo zero assoluto, -273,15 °C, la simulazione non può partire.</source>
        <translation>The envelope&apos;s highest temperature is %1 °C: it must be above absolute zero, -273.15 °C, the simulation cannot start.</translation>
    </message>
    <message>
        <source>Nel movimento %1 %2 vale %3 e non può essere negativo. La simulazione verrà interrotta, correggere il dato e riavviarla.</source>
        <translation>In movement %1, %2 is %3 and cannot be negative. The simulation will be stopped; correct the value and start it again.</translation>
    </message>
    <message>
        <source>Nel movimento %1 %2 vale %3, che non è un numero finito. La simulazione verrà interrotta, correggere il dato e riavviarla.</source>
        <translation>In movement %1, %2 is %3, which is not a finite number. The simulation will be stopped; correct the value and start it again.</translation>
    </message>
    <message>
        <source>Il bilancio energetico non si può dare: le sue cifre non vengono tutte numeri finiti (la portata più grande del ciclo, del movimento %1, vale %2 dm3/min).</source>
        <translation>The energy balance cannot be given: its figures do not all come out as finite numbers (the cycle&apos;s largest flow, of movement %1, is %2 dm3/min).</translation>
    </message>
    <message>
        <source>il testo JSON non è valido alla riga %1, al carattere %2</source>
        <translation>the JSON text is not valid at line %1, character %2</translation>
    </message>
    <message>
        <source>il testo JSON contiene alla riga %1 un numero troppo grande: %2</source>
        <translation>the JSON text holds at line %1 a number that is too large: %2</translation>
    </message>
    <message>
        <source>è più grande di %1 MiB, il massimo che un progetto può occupare</source>
        <translation>it is larger than %1 MiB, the most a project may take</translation>
    </message>
    <message>
        <source>il testo JSON annida più di %1 livelli di elenchi e oggetti alla riga %2, al carattere %3</source>
        <translation>the JSON text nests more than %1 levels of lists and objects at line %2, character %3</translation>
    </message>
    <message>
        <source>il campo %1 è scritto due volte: quale dei due valga non si può sapere</source>
        <translation>the field %1 appears twice: which of the two holds cannot be known</translation>
    </message>
    <message>
        <source>Il valore di %1 è &quot;%2&quot;, che non è un numero valido: %3. Correggerlo o annullarlo con Ctrl+Z.</source>
        <translation>The value of %1 is &quot;%2&quot;, which is not a valid number: %3. Correct it or undo it with Ctrl+Z.</translation>
    </message>
    <message>
        <source>%1 (Inizializzazione)</source>
        <translation>%1 (Initial data)</translation>
    </message>
    <message>
        <source>%1 del movimento %2</source>
        <translation>%1 of movement %2</translation>
    </message>
    <message>
        <source>la simulazione non può partire</source>
        <translation>the simulation cannot start</translation>
    </message>
    <message>
        <source>il dimensionamento non può partire</source>
        <translation>the sizing cannot start</translation>
    </message>
    <message>
        <source>il lavoro non viene salvato</source>
        <translation>the work is not saved</translation>
    </message>
    <message>
        <source>l&apos;esportazione non viene fatta</source>
        <translation>nothing is exported</translation>
    </message>
    <message>
        <source>%1 (Dimensionamento)</source>
        <translation>%1 (Sizing)</translation>
    </message>
    <message>
        <source>pressione minima p1</source>
        <translation>lowest pressure p1</translation>
    </message>
    <message>
        <source>pressione nominale PS</source>
        <translation>rated pressure PS</translation>
    </message>
    <message>
        <source>taratura della valvola di massima</source>
        <translation>relief valve setting</translation>
    </message>
    <message>
        <source>tolleranza della precarica</source>
        <translation>precharge tolerance</translation>
    </message>
    <message>
        <source>ore di lavoro continuo</source>
        <translation>hours of continuous work</translation>
    </message>
    <message>
        <source>rendimento della pompa</source>
        <translation>pump efficiency</translation>
    </message>
    <message>
        <source>ore di lavoro in un anno</source>
        <translation>working hours in a year</translation>
    </message>
    <message>
        <source>bombole per i pistoni</source>
        <translation>bottles for the pistons</translation>
    </message>
    <message>
        <source>%1 alla riga %2 del catalogo (Dimensionamento)</source>
        <translation>%1 in row %2 of the catalogue (Sizing)</translation>
    </message>
    <message>
        <source>rapporto max</source>
        <translation>max ratio</translation>
    </message>
    <message>
        <source>portata max</source>
        <translation>max flow</translation>
    </message>
    <message>
        <source>escursione max</source>
        <translation>max swing</translation>
    </message>
    <message>
        <source>cicli nominali</source>
        <translation>rated cycles</translation>
    </message>
    <message>
        <source>almeno %1, o null</source>
        <translation>at least %1, or null</translation>
    </message>
    <message>
        <source>almeno %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>più di %1</source>
        <translation>more than %1</translation>
    </message>
    <message>
        <source>Il file %1 non conserva i carichi, i rendimenti, le perdite, le pressioni richieste né i movimenti di emergenza: salvare come progetto (.vlzp) per conservarli.</source>
        <translation>The file %1 does not keep the loads, efficiencies, losses, required pressures or emergency movements: save as a project (.vlzp) to keep them.</translation>
    </message>
    <message>
        <source>La pressione da mantenere (%1 bar) supera quella da cui parte il mantenimento, %2 (%3 bar): darla di al più %3 bar.</source>
        <translation>The pressure to hold (%1 bar) is above the one the hold starts from, %2 (%3 bar): give at most %3 bar.</translation>
    </message>
    <message>
        <source>Il raffreddamento del gas (%1 K) lo porterebbe dai %2 K di lavoro a %3 K, fuori dal campo della legge del gas (sopra %4 K): darlo minore di %5 K.</source>
        <translation>The gas cooling (%1 K) would take it from its working %2 K to %3 K, outside the gas law&apos;s range (above %4 K): give less than %5 K.</translation>
    </message>
    <message>
        <source>Il valore di %1 è &quot;%2&quot;, fuori dal suo campo: %3; %4. Correggerlo o annullarlo con Ctrl+Z.</source>
        <translation>The value of %1 is &quot;%2&quot;, out of its range: %3; %4. Correct it or undo it with Ctrl+Z.</translation>
    </message>
    <message>
        <source>il carico deve essere almeno 0</source>
        <translation>the load must be at least 0</translation>
    </message>
    <message>
        <source>il rendimento deve essere più di 0 e al più 1</source>
        <translation>the efficiency must be more than 0 and at most 1</translation>
    </message>
    <message>
        <source>la perdita deve essere almeno 0 bar</source>
        <translation>the loss must be at least 0 bar</translation>
    </message>
    <message>
        <source>la pressione richiesta deve essere più di 0 bar</source>
        <translation>the required pressure must be more than 0 bar</translation>
    </message>
    <message>
        <source>Il rapporto PDF non è disponibile: questo volvenza-sim è stato compilato senza Qt (VOLVENZA_GUI=OFF).</source>
        <translation>The PDF report is not available: this volvenza-sim was built without Qt (VOLVENZA_GUI=OFF).</translation>
    </message>
    <message>
        <source>Raggiunto il numero massimo di 1000 movimenti.</source>
        <translation>The maximum of 1000 movements has been reached.</translation>
    </message>
    <message>
        <source>Scrivere la pressione minima p1 in bar.</source>
        <translation>Enter the lowest pressure p1 in bar.</translation>
    </message>
    <message>
        <source>La pressione nominale PS non è un numero.</source>
        <translation>The rated pressure PS is not a number.</translation>
    </message>
    <message>
        <source>La taratura della valvola non è un numero.</source>
        <translation>The relief valve setting is not a number.</translation>
    </message>
    <message>
        <source>Scrivere la tolleranza della precarica in %.</source>
        <translation>Enter the precharge tolerance in %.</translation>
    </message>
    <message>
        <source>Scrivere le ore di lavoro continuo.</source>
        <translation>Enter the continuous working hours.</translation>
    </message>
    <message>
        <source>Scrivere il rendimento della pompa.</source>
        <translation>Type the pump efficiency.</translation>
    </message>
    <message>
        <source>Scrivere le ore di lavoro in un anno.</source>
        <translation>Type the working hours in a year.</translation>
    </message>
    <message>
        <source>Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da &quot;;&quot;.</source>
        <translation>Type up to %1 bottles in dm3, each more than 0, separated by &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Il catalogo non dà V0 alla riga %1.</source>
        <translation>The catalogue gives no V0 in row %1.</translation>
    </message>
    <message>
        <source>Mantenimento della pressione: scrivere pressione e tempo oltre 0, perdite e raffreddamento da 0 in su.</source>
        <translation>Pressure held: write a pressure and a time above 0, a leakage and a cooling of 0 or more.</translation>
    </message>
    <message>
        <source>Tf è uguale o minore di Ti: la simulazione si fermerà su questo movimento.</source>
        <translation>Tf is equal to or less than Ti: the simulation will stop at this movement.</translation>
    </message>
    <message>
        <source>Ti e Tf sono a 0: la simulazione chiederà se procedere, e il movimento non assorbirà portata.</source>
        <translation>Ti and Tf are 0: the simulation will ask whether to go on, and the movement will draw no flow.</translation>
    </message>
    <message>
        <source>Qm non è un numero finito: la simulazione non può usarla; controllare tempi e misure.</source>
        <translation>Qm is not a finite number: the simulation cannot use it; check the times and sizes.</translation>
    </message>
    <message>
        <source>Qm è negativa: un attuatore assorbe portata, non la restituisce; controllare le misure.</source>
        <translation>Qm is negative: an actuator draws flow, it does not return it; check the sizes.</translation>
    </message>
    <message>
        <source>Qm è negativa perché il diametro dello stelo d supera l&apos;alesaggio D.</source>
        <translation>Qm is negative because the rod diameter d exceeds the bore D.</translation>
    </message>
    <message>
        <source>Qm non è mostrata: con Tf uguale a Ti il movimento non dura e non ha una portata.</source>
        <translation>Qm is not shown: with Tf equal to Ti the movement takes no time and has no flow.</translation>
    </message>
    <message>
        <source>Qm immesso a mano: le misure e i tempi danno %1 dm3/min.</source>
        <translation>Qm typed by hand: the sizes and times give %1 dm3/min.</translation>
    </message>
    <message>
        <source>Il movimento comincia prima di 0 s: la simulazione rifiuta un tempo negativo.</source>
        <translation>The movement starts before 0 s: the simulation refuses a negative time.</translation>
    </message>
    <message>
        <source>Ti o Tf non è un numero finito: la simulazione non può usarlo.</source>
        <translation>Ti or Tf is not a finite number: the simulation cannot use it.</translation>
    </message>
    <message>
        <source>Il carico non dà una pressione: le misure del movimento non danno un&apos;area o una cilindrata; vale p1.</source>
        <translation>The load gives no pressure: the movement&apos;s sizes give no area or displacement; p1 applies.</translation>
    </message>
    <message>
        <source>Il movimento esce dal ciclo, che dura %1 s.</source>
        <translation>The movement runs past the cycle, which lasts %1 s.</translation>
    </message>
    <message>
        <source>Gli appunti non contengono movimenti da incollare.</source>
        <translation>The clipboard holds no movements to paste.</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: la riga %1 degli appunti ha %2 celle separate da tabulazioni; ne servono almeno 3 (tipo, Ti, Tf).</source>
        <translation>Cannot paste the movements: line %1 of the clipboard has %2 tab-separated cells; at least 3 are needed (kind, Ti, Tf).</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti il tipo «%2» non è uno dei tipi di movimento.</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard the kind &quot;%2&quot; is not a kind of movement.</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 non è un numero.</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard the value &quot;%2&quot; of %3 is not a number.</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è ambiguo, perché contiene un separatore delle migliaia. Scriverlo senza separatore delle migliaia e con la virgola per i decimali (per esempio 1500 oppure 1,5).</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard the value «%2» of %3 is ambiguous, because it contains a thousands separator. Write it without a thousands separator and with a decimal point (for example 1500 or 1.5).</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è oltre ciò che la colonna contiene (3,402823E+38 in valore assoluto), come quando lo si scrive.</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard the value &quot;%2&quot; of %3 is beyond what the column holds (3.402823E+38 in absolute value), as when it is typed.</translation>
    </message>
    <message>
        <source>La riga %1 degli appunti è un&apos;intestazione (Ti e Tf non sono numeri) e non è stata incollata.</source>
        <translation>Line %1 of the clipboard is a header (Ti and Tf are not numbers) and was not pasted.</translation>
    </message>
    <message>
        <source>Le celle dopo la colonna pn sono state ignorate (la prima alla riga %1 degli appunti).</source>
        <translation>The cells after the pn column were ignored (the first on line %1 of the clipboard).</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è fuori dai limiti, come quando lo si scrive.</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard the value “%2” of %3 is out of range, as it is when typed.</translation>
    </message>
    <message>
        <source>Impossibile incollare i movimenti: alla riga %1 degli appunti «%2» di %3 non è 1, x o 0.</source>
        <translation>Cannot paste the movements: on line %1 of the clipboard “%2” of %3 is not 1, x or 0.</translation>
    </message>
    <message>
        <source>Le misure che il tipo del movimento non usa sono state ignorate (la prima alla riga %1 degli appunti).</source>
        <translation>The sizes that the movement&apos;s kind does not use were ignored (the first on line %1 of the clipboard).</translation>
    </message>
    <message>
        <source>Valore non valido per l&apos;opzione %1: %2.</source>
        <translation>Invalid value for the option %1: %2.</translation>
    </message>
    <message>
        <source>Manca il valore dell&apos;opzione %1.</source>
        <translation>The option %1 lacks its value.</translation>
    </message>
    <message>
        <source>L&apos;opzione %1 è data due volte.</source>
        <translation>The option %1 is given twice.</translation>
    </message>
    <message>
        <source>Il rendimento della pompa del progetto (rendimento_pompa) vale %1: deve essere più di 0 e al più 1; darlo con --pump-efficiency.</source>
        <translation>The project&apos;s pump efficiency (rendimento_pompa) is %1: it must be more than 0 and at most 1; give it with --pump-efficiency.</translation>
    </message>
    <message>
        <source>Le ore di lavoro in un anno del progetto (ore_in_un_anno) valgono %1: devono essere più di 0 e al più 8760; darle con --hours-per-year.</source>
        <translation>The project&apos;s working hours in a year (ore_in_un_anno) are %1: they must be more than 0 and at most 8760; give them with --hours-per-year.</translation>
    </message>
    <message>
        <source>Manca il nome del file di ingresso: nulla è stato scritto.</source>
        <translation>The input file has no name: nothing was written.</translation>
    </message>
    <message>
        <source>Manca il nome di un file di uscita: nulla è stato scritto.</source>
        <translation>An output file has no name: nothing was written.</translation>
    </message>
    <message>
        <source>Il file di uscita %1 è il file di ingresso %2: nulla è stato scritto.</source>
        <translation>The output file %1 is the input file %2: nothing was written.</translation>
    </message>
    <message>
        <source>I file di uscita %1 e %2 sono lo stesso file: nulla è stato scritto.</source>
        <translation>The output files %1 and %2 are the same file: nothing was written.</translation>
    </message>
    <message>
        <source>%1 %2: il movimento deve essere un numero intero da 1 a %3.</source>
        <translation>%1 %2: the movement must be a whole number from 1 to %3.</translation>
    </message>
    <message>
        <source>%1 %2: il movimento %3 ha già %4 %5; darne uno solo.</source>
        <translation>%1 %2: movement %3 already has %4 %5; give only one.</translation>
    </message>
    <message>
        <source>--emergency %1: i movimenti vanno dati con i loro numeri da 1 a %2, separati da virgole.</source>
        <translation>--emergency %1: give the movements by their numbers from 1 to %2, separated by commas.</translation>
    </message>
    <message>
        <source>--bottle-sizes %1: fino a %2 bombole in dm3, ciascuna più di 0, separate da virgole.</source>
        <translation>--bottle-sizes %1: up to %2 bottles in dm3, each more than 0, separated by commas.</translation>
    </message>
    <message>
        <source>%1 %2: deve essere più di 0.</source>
        <translation>%1 %2: must be more than 0.</translation>
    </message>
    <message>
        <source>%1 %2: deve essere almeno 0.</source>
        <translation>%1 %2: must be at least 0.</translation>
    </message>
    <message>
        <source>Le opzioni dei compiti valgono con il gas ideale o l&apos;azoto reale: la legge classica giudica soltanto p1; aggiungere --gas ideal o --gas nitrogen.</source>
        <translation>The duty options apply with the ideal gas or real nitrogen: the classic law judges p1 only; add --gas ideal or --gas nitrogen.</translation>
    </message>
    <message>
        <source>Il movimento %1 non c&apos;è: i movimenti sono %2.</source>
        <translation>There is no movement %1: there are %2 movements.</translation>
    </message>
    <message>
        <source>%1 %2: il movimento %3 è vuoto.</source>
        <translation>%1 %2: movement %3 is empty.</translation>
    </message>
    <message>
        <source>%1 %2: il movimento %3 non ha le misure da cui ricavare la pressione del carico; darla con --required %3:BAR.</source>
        <translation>%1 %2: movement %3 has no sizes to work out the load&apos;s pressure from; give it with --required %3:BAR.</translation>
    </message>
    <message>
        <source>La pressione mantenuta vuole sia --hold-pressure sia --hold-time.</source>
        <translation>The pressure held needs both --hold-pressure and --hold-time.</translation>
    </message>
    <message>
        <source>--gas classic non dimensiona: la legge classica riproduce i risultati del programma originale, passo per passo; il dimensionamento usa l&apos;azoto reale (predefinito) o --gas ideal.</source>
        <translation>--gas classic does not size: the classic law reproduces the original program&apos;s results, step by step; sizing uses real nitrogen (the default) or --gas ideal.</translation>
    </message>
    <message>
        <source>Il comando report non è disponibile: questo volvenza-sim è stato compilato senza Qt (VOLVENZA_GUI=OFF).</source>
        <translation>The report command is not available: this volvenza-sim was built without Qt (VOLVENZA_GUI=OFF).</translation>
    </message>
    <message>
        <source>Opzione sconosciuta %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Si può aprire un solo file di simulazione alla volta.</source>
        <translation>Only one simulation file can be opened at a time.</translation>
    </message>
    <message>
        <source>Impossibile incollare: gli appunti contengono %1 movimenti e la tabella ne può ricevere ancora %2 (al massimo 1000 movimenti). Copiare meno righe.</source>
        <translation>Cannot paste: the clipboard holds %1 movements and the table can take %2 more (1000 movements at most). Copy fewer rows.</translation>
    </message>
    <message>
        <source>Impossibile incollare «%1»: il movimento %2 non usa la colonna %3.</source>
        <translation>Cannot paste «%1»: movement %2 does not use the column %3.</translation>
    </message>
    <message>
        <source>Il comando %1 non prende l&apos;opzione %2.</source>
        <translation>The %1 command does not take the option %2.</translation>
    </message>
    <message>
        <source>Il comando %1 vuole l&apos;opzione %2.</source>
        <translation>The %1 command needs the option %2.</translation>
    </message>
    <message>
        <source>pressione da mantenere</source>
        <translation>pressure to hold</translation>
    </message>
    <message>
        <source>tempo di mantenimento</source>
        <translation>holding time</translation>
    </message>
    <message>
        <source>perdite delle valvole</source>
        <translation>valves&apos; leakage</translation>
    </message>
    <message>
        <source>raffreddamento del gas nel tempo</source>
        <translation>gas cooling over the time</translation>
    </message>
    <message>
        <source>Il rendimento della pompa deve essere più di 0 e al più 1.</source>
        <translation>The pump efficiency must be above 0 and at most 1.</translation>
    </message>
    <message>
        <source>Le ore di lavoro in un anno devono essere più di 0 e al più 8760.</source>
        <translation>The working hours in a year must be above 0 and at most 8760.</translation>
    </message>
    <message>
        <source>%1 %2: %3.</source>
        <translation>%1 %2: %3.</translation>
    </message>
    <message>
        <source>Comando sconosciuto %1.</source>
        <translation>Unknown command %1.</translation>
    </message>
    <message>
        <source>Il comando report stampa i risultati di un file di simulazione (.vlz); un progetto non li conserva: prima volvenza-sim run %1 OUT.vlz.</source>
        <translation>The report command prints the results of a simulation file (.vlz); a project does not keep them: first volvenza-sim run %1 OUT.vlz.</translation>
    </message>
    <message>
        <source>Il valore di %1 manca: %2. Scriverlo o annullare con Ctrl+Z.</source>
        <translation>The value of %1 is missing: %2. Type it or undo with Ctrl+Z.</translation>
    </message>
</context>
<context>
    <name>volvenza::Page</name>
    <message>
        <source>Salva progetto (.vlzp)</source>
        <translation>Save project (.vlzp)</translation>
    </message>
    <message>
        <source>Salva simulazione (.vlz)</source>
        <translation>Save simulation (.vlz)</translation>
    </message>
    <message>
        <source>Inviluppo di temperatura</source>
        <translation>Temperature envelope</translation>
    </message>
    <message>
        <source>Aggiungi movimento</source>
        <translation>Add movement</translation>
    </message>
    <message>
        <source>Elimina movimento</source>
        <translation>Delete movement</translation>
    </message>
    <message>
        <source>Grandezza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Vista intera</source>
        <translation>Full view</translation>
    </message>
    <message>
        <source>Messaggi</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Simulazione in corso…</source>
        <translation>Simulating…</translation>
    </message>
    <message>
        <source>Simulazione completata.</source>
        <translation>Simulation complete.</translation>
    </message>
    <message>
        <source>Nessun risultato: simulare il ciclo.</source>
        <translation>No results: simulate the cycle.</translation>
    </message>
    <message>
        <source>Impossibile aprire %1:</source>
        <translation>Cannot open %1:</translation>
    </message>
    <message>
        <source>Aperto %1.</source>
        <translation>Opened %1.</translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <source>Righe %1–%2 di %3</source>
        <translation>Rows %1–%2 of %3</translation>
    </message>
    <message>
        <source>Pagina precedente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Pagina successiva</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Movimento %1, %2</source>
        <translation>Movement %1, %2</translation>
    </message>
    <message>
        <source>Trascinare per ingrandire un riquadro, rotella per lo zoom, frecce per il collimatore, 0 per la vista intera.</source>
        <translation>Drag to zoom into a box, wheel to zoom, arrows move the crosshair, 0 for the full view.</translation>
    </message>
    <message>
        <source>Frecce, Tab e Invio muovono fra le celle; scrivere modifica; F2 modifica la cella; Esc esce dalla tabella; Ctrl+V incolla movimenti da un foglio di calcolo; Ctrl+Z annulla.</source>
        <translation>Arrows, Tab and Enter move between cells; typing edits; F2 edits the cell; Esc leaves the table; Ctrl+V pastes movements from a spreadsheet; Ctrl+Z undoes.</translation>
    </message>
    <message>
        <source>Pressione P(t)</source>
        <translation>Pressure P(t)</translation>
    </message>
    <message>
        <source>Volume del gas V(t)</source>
        <translation>Gas volume V(t)</translation>
    </message>
    <message>
        <source>Portata Qt(t)</source>
        <translation>Flow Qt(t)</translation>
    </message>
    <message>
        <source>Portata Qs(t)</source>
        <translation>Flow Qs(t)</translation>
    </message>
    <message>
        <source>Il lavoro è conservato in questo browser.</source>
        <translation>Your work is kept in this browser.</translation>
    </message>
    <message>
        <source>Ricerca in corso</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>Il calcolo si è interrotto per un errore interno (%1) ed è stato riavviato; il lavoro è come prima.</source>
        <translation>The computation stopped on an internal error (%1) and was started again; the work is as it was.</translation>
    </message>
    <message>
        <source>convert: &apos;vlz&apos; o &apos;vlzp&apos;</source>
        <translation>convert: &apos;vlz&apos; or &apos;vlzp&apos;</translation>
    </message>
    <message>
        <source>volvenza: memoria esaurita</source>
        <translation>volvenza: out of memory</translation>
    </message>
</context>
<context>
    <name>volvenza::PageIdentity</name>
    <message>
        <source>ciclo</source>
        <translation>cycle</translation>
    </message>
</context>
<context>
    <name>volvenza::QtDialogs</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>volvenza::Report</name>
    <message>
        <source>Cilindrata: </source>
        <translation>Displacement: </translation>
    </message>
    <message>
        <source>N° giri: </source>
        <translation>Speed: </translation>
    </message>
    <message>
        <source>Cil. uni.: </source>
        <translation>Displ./deg.: </translation>
    </message>
    <message>
        <source>Angolo rot.: </source>
        <translation>Rot. angle: </translation>
    </message>
    <message>
        <source>Tempo di ciclo: </source>
        <translation>Cycle time: </translation>
    </message>
    <message>
        <source>Numero movimenti: </source>
        <translation>Number of movements: </translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Qt massima: </source>
        <translation>Largest Qt: </translation>
    </message>
</context>
<context>
    <name>volvenza::SizingReport</name>
    <message>
        <source>* la grandezza raccomandata</source>
        <translation>* the recommended size</translation>
    </message>
</context>
<context>
    <name>volvenza::SizingText</name>
    <message>
        <source>gas ideale, n = %1</source>
        <translation>ideal gas, n = %1</translation>
    </message>
    <message>
        <source>azoto reale, τ infinita (adiabatica)</source>
        <translation>real nitrogen, τ infinite (adiabatic)</translation>
    </message>
    <message>
        <source>azoto reale, τ = %1 s</source>
        <translation>real nitrogen, τ = %1 s</translation>
    </message>
    <message>
        <source>classica</source>
        <translation>classic</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Tipo di accumulatore</source>
        <translation>Accumulator type</translation>
    </message>
    <message>
        <source>a pistone</source>
        <translation>piston</translation>
    </message>
    <message>
        <source>a membrana</source>
        <translation>diaphragm</translation>
    </message>
    <message>
        <source>a sacca</source>
        <translation>bladder</translation>
    </message>
    <message>
        <source>Pressione minima p1</source>
        <translation>Lowest pressure p1</translation>
    </message>
    <message>
        <source>Pm; ripartenza della pompa Pm - Dp</source>
        <translation>Pm; pump restart Pm - Dp</translation>
    </message>
    <message>
        <source>Pressione nominale PS</source>
        <translation>Rated pressure PS</translation>
    </message>
    <message>
        <source>Taratura della valvola di massima</source>
        <translation>Relief valve setting</translation>
    </message>
    <message>
        <source>Tolleranza della precarica</source>
        <translation>Precharge tolerance</translation>
    </message>
    <message>
        <source>Legge del gas</source>
        <translation>Gas law</translation>
    </message>
    <message>
        <source>Temperature di lavoro</source>
        <translation>Working temperatures</translation>
    </message>
    <message>
        <source>Precarica data a</source>
        <translation>Precharge given at</translation>
    </message>
    <message>
        <source>Funzionamento</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>un solo ciclo, partendo carico</source>
        <translation>a single cycle, starting charged</translation>
    </message>
    <message>
        <source>continuo, ciclo dopo ciclo; giornata di %1 h (%2 cicli)</source>
        <translation>continuous, cycle after cycle; working day of %1 h (%2 cycles)</translation>
    </message>
    <message>
        <source>Precarica</source>
        <translation>Precharge</translation>
    </message>
    <message>
        <source>scelta</source>
        <translation>chosen</translation>
    </message>
    <message>
        <source>dei dati iniziali</source>
        <translation>from the initial data</translation>
    </message>
    <message>
        <source>Pompa</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>dimensionata</source>
        <translation>sized</translation>
    </message>
    <message>
        <source>V0 [dm3]</source>
        <translation>V0 [dm3]</translation>
    </message>
    <message>
        <source>Rapporto max</source>
        <translation>Max ratio</translation>
    </message>
    <message>
        <source>PS [bar]</source>
        <translation>PS [bar]</translation>
    </message>
    <message>
        <source>Portata max [dm3/min]</source>
        <translation>Max flow [dm3/min]</translation>
    </message>
    <message>
        <source>τ [s]</source>
        <translation>τ [s]</translation>
    </message>
    <message>
        <source>Nessuna grandezza può bastare: la pompa fornisce %1 dm3 per ciclo, il ciclo ne preleva %2. Serve una pompa di almeno %3 dm3/min.</source>
        <translation>No size can do: the pump delivers %1 dm3 per cycle, the cycle draws %2. A pump of at least %3 dm3/min is needed.</translation>
    </message>
    <message>
        <source>Nessuna grandezza del catalogo rispetta tutte le regole: la più grande (%1 dm3) non rispetta la regola %2.</source>
        <translation>No catalogue size meets every rule: the largest (%1 dm3) fails rule %2.</translation>
    </message>
    <message>
        <source>Un solo ciclo, partendo carico: pressione minima %1 bar a %2 °C, %3 bar sopra p1.</source>
        <translation>A single cycle, starting charged: lowest pressure %1 bar at %2 °C, %3 bar above p1.</translation>
    </message>
    <message>
        <source>La pompa eroga per il %1 % del ciclo; avviamenti per ciclo: %2.</source>
        <translation>The pump delivers for %1 % of the cycle; starts per cycle: %2.</translation>
    </message>
    <message>
        <source>Caricando a [°C]</source>
        <translation>Charging at [°C]</translation>
    </message>
    <message>
        <source>Precarica da impostare [bar]</source>
        <translation>Precharge to set [bar]</translation>
    </message>
    <message>
        <source>P0 [bar]</source>
        <translation>P0 [bar]</translation>
    </message>
    <message>
        <source>Qp [dm3/min]</source>
        <translation>Qp [dm3/min]</translation>
    </message>
    <message>
        <source>Pmin a %1 °C [bar]</source>
        <translation>Pmin at %1 °C [bar]</translation>
    </message>
    <message>
        <source>Margine [bar]</source>
        <translation>Margin [bar]</translation>
    </message>
    <message>
        <source>Regole non rispettate</source>
        <translation>Rules failed</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>vuoto</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>supera</source>
        <translation>passes</translation>
    </message>
    <message>
        <source>non supera</source>
        <translation>fails</translation>
    </message>
    <message>
        <source>Regola 2: precarica (più la tolleranza) alla temperatura massima al più p1 - 5 bar.</source>
        <translation>Rule 2: precharge (plus the tolerance) at the highest temperature at most p1 - 5 bar.</translation>
    </message>
    <message>
        <source>Regola 2: precarica (più la tolleranza) alla temperatura massima al più 0,9 p1.</source>
        <translation>Rule 2: precharge (plus the tolerance) at the highest temperature at most 0.9 p1.</translation>
    </message>
    <message>
        <source>Regola 3: rapporto Pm / precarica (meno la tolleranza) alla temperatura minima entro quello della grandezza.</source>
        <translation>Rule 3: ratio Pm / precharge (less the tolerance) at the lowest temperature within the size&apos;s.</translation>
    </message>
    <message>
        <source>Regola 4: Pm entro PS ed entro 0,9 volte la taratura della valvola di massima.</source>
        <translation>Rule 4: Pm within PS and within 0.9 times the relief valve setting.</translation>
    </message>
    <message>
        <source>Regola 5: portata d&apos;olio entro la massima della grandezza, dove il catalogo la dà.</source>
        <translation>Rule 5: oil flow within the size&apos;s largest, where the catalogue gives one.</translation>
    </message>
    <message>
        <source>Pressioni assolute, stesso azoto per ogni legge; Pmin e margine in bar come immessi.</source>
        <translation>Absolute pressures, the same nitrogen for every law; Pmin and margin in bar as entered.</translation>
    </message>
    <message>
        <source>Perché le grandezze più piccole non bastano:</source>
        <translation>Why the smaller sizes fall short:</translation>
    </message>
    <message>
        <source>%1 dm3: non rispetta la regola %2.</source>
        <translation>%1 dm3: fails rule %2.</translation>
    </message>
    <message>
        <source>La pressione minima scende di %1 bar per ciclo: dopo %2 cicli sarebbe sotto p1.</source>
        <translation>The lowest pressure falls by %1 bar per cycle: after %2 cycles it would be below p1.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>La pressione scende a %1 bar a %2 °C verso %3 s del ciclo %4; movimenti attivi: %5.</source>
        <translation>The pressure falls to %1 bar at %2 °C near %3 s of cycle %4; active movements: %5.</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Mancano almeno %1 dm3 di olio per restare sopra p1 (il gas si è espanso fino alla precarica).</source>
        <translation>At least %1 dm3 of oil is missing to stay above p1 (the gas expanded to its precharge).</translation>
    </message>
    <message>
        <source>Mancano %1 dm3 di olio per restare sopra p1.</source>
        <translation>%1 dm3 of oil is missing to stay above p1.</translation>
    </message>
    <message>
        <source>Precarica alla temperatura massima, con la tolleranza: %1 bar; la regola 2 ne ammette al più %2.</source>
        <translation>Precharge at the highest temperature, with the tolerance: %1 bar; rule 2 allows at most %2.</translation>
    </message>
    <message>
        <source>Rapporto di compressione %1; questa grandezza ne ammette al più %2.</source>
        <translation>Compression ratio %1; this size allows at most %2.</translation>
    </message>
    <message>
        <source>Pm %1 bar supera PS o 0,9 volte la taratura della valvola di massima.</source>
        <translation>Pm %1 bar exceeds PS or 0.9 times the relief valve setting.</translation>
    </message>
    <message>
        <source>Portata d&apos;olio fino a %1 dm3/min; questa grandezza ne ammette %2.</source>
        <translation>Oil flow up to %1 dm3/min; this size allows %2.</translation>
    </message>
    <message>
        <source>Basterebbe, cambiando solo una grandezza: %1.</source>
        <translation>Changing one figure alone, this would do: %1.</translation>
    </message>
    <message>
        <source>cilindro in uscita</source>
        <translation>cylinder extending</translation>
    </message>
    <message>
        <source>cilindro in rientro</source>
        <translation>cylinder retracting</translation>
    </message>
    <message>
        <source>pistone differenziale</source>
        <translation>differential piston</translation>
    </message>
    <message>
        <source>motore</source>
        <translation>motor</translation>
    </message>
    <message>
        <source>attuatore a palette</source>
        <translation>vane actuator</translation>
    </message>
    <message>
        <source>cilindro a doppio stelo</source>
        <translation>double-rod cylinder</translation>
    </message>
    <message>
        <source>cilindro a semplice effetto</source>
        <translation>single-acting cylinder</translation>
    </message>
    <message>
        <source>movimento</source>
        <translation>movement</translation>
    </message>
    <message>
        <source>DIMENSIONAMENTO</source>
        <translation>SIZING</translation>
    </message>
    <message>
        <source>Regola 1: pressione mai sotto p1 nel ciclo, partendo carico, e pompa che non carica più di una volta al secondo.</source>
        <translation>Rule 1: pressure never below p1 in the cycle, started full, and a pump that loads at most once a second.</translation>
    </message>
    <message>
        <source>Regola 1: mai sotto p1 a regime per una giornata di lavoro; la pompa fornisce l&apos;olio del ciclo, riporta a Pm e carica al più una volta al secondo.</source>
        <translation>Rule 1: never below p1 in steady operation for a working day; the pump delivers the cycle&apos;s oil, brings it back to Pm and loads at most once a second.</translation>
    </message>
    <message>
        <source>Il funzionamento non si assesta entro %1 cicli: ritorni a Pm dopo il primo ciclo: %2; la pompa eroga per il %3 % del tempo.</source>
        <translation>Operation does not settle within %1 cycles: returns to Pm after the first cycle: %2; the pump delivers %3 % of the time.</translation>
    </message>
    <message>
        <source>La pompa non riporta l&apos;accumulatore a Pm nel ciclo a regime: eroga per il %1 % del tempo, senza margine.</source>
        <translation>The pump does not bring the accumulator back to Pm in the steady cycle: it delivers %1 % of the time, with no margin.</translation>
    </message>
    <message>
        <source>Regola 6: gas mai più freddo di quanto l&apos;elemento separatore ammette.</source>
        <translation>Rule 6: gas never colder than the separating element stands.</translation>
    </message>
    <message>
        <source>Il gas esce dal campo in cui la sua legge vale (l&apos;azoto condensa): il progetto non si può giudicare così.</source>
        <translation>The gas leaves the range where its law holds (the nitrogen condenses): the design cannot be judged this way.</translation>
    </message>
    <message>
        <source>Il gas scende a %1 °C; l&apos;elemento separatore ne ammette almeno %2.</source>
        <translation>The gas falls to %1 °C; the separating element stands %2 at the least.</translation>
    </message>
    <message>
        <source>condensa</source>
        <translation>condenses</translation>
    </message>
    <message>
        <source>commuta</source>
        <translation>chatters</translation>
    </message>
    <message>
        <source>Carichi della pompa in un ciclo di %2 s: in media %1 (a %3 °C), più di uno al secondo: la valvola di messa a vuoto commuterebbe troppo spesso. Servono più gas o un Dp più ampio.</source>
        <translation>Pump loadings in a cycle of %2 s: %1 on average (at %3 °C), more than one a second: the unloading valve would shift too often. More gas or a wider Dp is needed.</translation>
    </message>
    <message>
        <source>Nel ciclo %1 la pompa carica %2 volte nei primi %3 s (a %4 °C): la valvola di messa a vuoto commuterebbe più di una volta al secondo. Servono più gas o un Dp più ampio.</source>
        <translation>In cycle %1 the pump loads %2 times in the first %3 s (at %4 °C): the unloading valve would shift more than once a second. More gas or a wider Dp is needed.</translation>
    </message>
    <message>
        <source>fuori dalla direttiva (PS non oltre 0,5 bar)</source>
        <translation>outside the directive (PS not above 0.5 bar)</translation>
    </message>
    <message>
        <source>articolo 4.3 (buona prassi)</source>
        <translation>Article 4.3 (sound engineering practice)</translation>
    </message>
    <message>
        <source>categoria %1</source>
        <translation>category %1</translation>
    </message>
    <message>
        <source>Direttiva 2014/68/UE (azoto, gas del gruppo 2; PS %1 bar, V %2 L): %3.</source>
        <translation>Directive 2014/68/EU (nitrogen, a group 2 gas; PS %1 bar, V %2 L): %3.</translation>
    </message>
    <message>
        <source>Rendimento della pompa; ore in un anno</source>
        <translation>Pump efficiency; hours in a year</translation>
    </message>
    <message>
        <source>Raccomandato: %5 accumulatori da %6 dm3 in parallelo (gas %4 dm3), precarica %1 bar a %2 °C, pompa %3 dm3/min.</source>
        <translation>Recommended: %5 accumulators of %6 dm3 in parallel (gas %4 dm3), precharge %1 bar at %2 °C, pump %3 dm3/min.</translation>
    </message>
    <message>
        <source>Raccomandato: %5 dm3 con bombole %6 × %7 dm3 (gas %4 dm3), precarica %1 bar a %2 °C, pompa %3 dm3/min.</source>
        <translation>Recommended: %5 dm3 with bottles %6 × %7 dm3 (gas %4 dm3), precharge %1 bar at %2 °C, pump %3 dm3/min.</translation>
    </message>
    <message>
        <source>Raccomandato: %4 dm3, precarica %1 bar a %2 °C, pompa %3 dm3/min.</source>
        <translation>Recommended: %4 dm3, precharge %1 bar at %2 °C, pump %3 dm3/min.</translation>
    </message>
    <message>
        <source>Ogni bombola (PS %1 bar, V %2 L): %3.</source>
        <translation>Each bottle (PS %1 bar, V %2 L): %3.</translation>
    </message>
    <message>
        <source>Escursione max [bar]</source>
        <translation>Max swing [bar]</translation>
    </message>
    <message>
        <source>Cicli nominali</source>
        <translation>Rated cycles</translation>
    </message>
    <message>
        <source>Il costruttore ammette %1 bar (regola 7).</source>
        <translation>The maker allows %1 bar (rule 7).</translation>
    </message>
    <message>
        <source>La grandezza è data per %1 cicli: circa %2 anni.</source>
        <translation>The size is rated for %1 cycles: about %2 years.</translation>
    </message>
    <message>
        <source>Escursione di pressione %1 bar per ciclo; questa grandezza ne ammette %2.</source>
        <translation>Pressure swing %1 bar per cycle; this size allows %2.</translation>
    </message>
    <message>
        <source>Escluse le composizioni il cui gas a Pm non riempie le bombole (l&apos;olio riempirebbe l&apos;accumulatore prima di Pm), la prima: %1 dm3.</source>
        <translation>Left out: the arrangements whose gas at Pm does not fill the bottles (the oil would fill the accumulator before Pm), the first: %1 dm3.</translation>
    </message>
    <message>
        <source>La grandezza è data per %1 cicli: circa %2 ore di lavoro.</source>
        <translation>The size is rated for %1 cycles: about %2 hours of work.</translation>
    </message>
    <message>
        <source>Rendimento volumetrico della pompa</source>
        <translation>Pump volumetric efficiency</translation>
    </message>
    <message>
        <source>Regola 7: escursione di pressione di ogni ciclo dopo il primo entro quella che il costruttore ammette, dove il catalogo la dà.</source>
        <translation>Rule 7: the pressure swing of every cycle after the first within the maker&apos;s rating, where the catalogue gives one.</translation>
    </message>
    <message>
        <source>L&apos;accumulatore si svuota: il gas si espande fino alla precarica prima che la pressione scenda a p1.</source>
        <translation>The accumulator empties: the gas expands to its precharge before the pressure falls to p1.</translation>
    </message>
    <message>
        <source>La pompa è più grande di quanto l&apos;olio chieda per la regola 7: con %1 dm3/min l&apos;escursione sarebbe %2 bar, oltre i %3 ammessi.</source>
        <translation>The pump is larger than the oil asks for because of rule 7: with %1 dm3/min the swing would be %2 bar, beyond the %3 allowed.</translation>
    </message>
    <message>
        <source>Nessuna delle %1 composizioni provate (fino a %2 accumulatori in parallelo o %3 bombole, in ordine di volume di gas) rispetta tutte le regole.</source>
        <translation>None of the %1 arrangements tried (up to %2 accumulators in parallel or %3 bottles, in order of gas volume) meets every rule.</translation>
    </message>
    <message>
        <source>Fatica: escursione di pressione %1 bar per ciclo (la più ampia dopo il primo, a ogni temperatura), %2 cicli all&apos;anno.</source>
        <translation>Fatigue: pressure swing %1 bar per cycle (the widest after the first, at any temperature), %2 cycles a year.</translation>
    </message>
    <message>
        <source>, al posto della legge classica, che non dimensiona</source>
        <translation>, in place of the classic law, which does not size</translation>
    </message>
    <message>
        <source>Ciclo dopo ciclo (%1 cicli calcolati, fino al regime): pressione minima %2 bar a %3 °C nel ciclo %6, %4 bar sopra p1; dopo una giornata di lavoro %5 bar.</source>
        <translation>Cycle after cycle (%1 cycles computed, up to steady operation): lowest pressure %2 bar at %3 °C in cycle %6, %4 bar above p1; after a working day %5 bar.</translation>
    </message>
    <message>
        <source>La pompa può fornire %1 dm3 per ciclo, il ciclo ne preleva %2 (in media %3 dm3/min).</source>
        <translation>The pump can deliver %1 dm3 a cycle, the cycle draws %2 (on average %3 dm3/min).</translation>
    </message>
    <message>
        <source>La pompa può fornire %1 dm3 per ciclo, il ciclo ne preleva %2.</source>
        <translation>The pump can deliver %1 dm3 a cycle, the cycle draws %2.</translation>
    </message>
    <message>
        <source>Margine nella giornata [bar]</source>
        <translation>Margin over the working day [bar]</translation>
    </message>
    <message>
        <source>Margine nella giornata: la pressione più bassa fino a fine giornata meno p1 (Pmin: dei cicli calcolati).</source>
        <translation>Margin over the working day: the lowest pressure to the end of the day less p1 (Pmin: of the cycles run).</translation>
    </message>
    <message>
        <source>Energia ceduta al circuito nel ciclo a regime a %1 °C (la temperatura peggiore): %2 kJ. Potenza installata %3 kW (Qp a Pm); una pompa sola che desse il picco di %4 dm3/min a p1 ne vorrebbe %5 kW: l&apos;accumulatore fa risparmiare %6 kW.</source>
        <translation>Energy given to the circuit in the steady cycle at %1 °C (the worst temperature): %2 kJ. Installed power %3 kW (Qp at Pm); a pump alone delivering the peak of %4 dm3/min at p1 would need %5 kW: the accumulator saves %6 kW.</translation>
    </message>
    <message>
        <source>Energia ceduta al circuito nel ciclo a regime a %1 °C (la temperatura peggiore): %2 kJ. Potenza installata %3 kW (Qp a Pm); una pompa sola che desse il picco di %4 dm3/min a p1 ne vorrebbe %5 kW, %6 kW meno della potenza installata.</source>
        <translation>Energy given to the circuit in the steady cycle at %1 °C (the worst temperature): %2 kJ. Installed power %3 kW (Qp at Pm); a pump alone delivering the peak of %4 dm3/min at p1 would need %5 kW, %6 kW less than the installed power.</translation>
    </message>
    <message>
        <source> e altri %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Il movimento %1 richiede %2 bar: la pressione vi scende a %3 bar a %4 °C verso %5 s, margine %6 bar.</source>
        <translation>Movement %1 needs %2 bar: the pressure falls to %3 bar there at %4 °C at about %5 s, margin %6 bar.</translation>
    </message>
    <message>
        <source>senza fine</source>
        <translation>for good</translation>
    </message>
    <message>
        <source>per %1 s</source>
        <translation>for %1 s</translation>
    </message>
    <message>
        <source>Pressione mantenuta %1 bar per %2 s, pompa ferma, da %3 bar (trafilamento %4 dm3/min, raffreddamento %5 K): a fine tempo %6 bar; la tiene %7: %8.</source>
        <translation>Pressure held %1 bar for %2 s, pump stopped, from %3 bar (leakage %4 dm3/min, cooling %5 K): %6 bar at the end of the time; it holds %7: %8.</translation>
    </message>
    <message>
        <source>Altri %1 movimenti restano sotto la loro pressione.</source>
        <translation>%1 more movements stay below their pressure.</translation>
    </message>
    <message>
        <source>Regola 1 vale anche per ogni movimento: mentre si muove, la pressione resta sopra quella che il suo carico richiede (p1 senza carico).</source>
        <translation>Rule 1 holds for every movement too: while it moves, the pressure stays above what its load needs (p1 without a load).</translation>
    </message>
    <message>
        <source>Regola 8: persa la pompa a Pm - Dp (o da pieno), alla temperatura minima, i movimenti di emergenza finiscono ciascuno con la sua pressione.</source>
        <translation>Rule 8: with the pump lost at Pm - Dp (or full), at the lowest temperature, the emergency movements each finish with their pressure.</translation>
    </message>
    <message>
        <source>Regola 9: a pompa ferma, con il trafilamento e il raffreddamento del gas, la pressione resta sopra quella da mantenere per il suo tempo.</source>
        <translation>Rule 9: with the pump stopped, the leakage and the gas cooling, the pressure stays above the one to hold for its time.</translation>
    </message>
    <message>
        <source>Margine dei movimenti [bar]</source>
        <translation>Movements&apos; margin [bar]</translation>
    </message>
    <message>
        <source>Margine di emergenza [bar]</source>
        <translation>Emergency margin [bar]</translation>
    </message>
    <message>
        <source>Tenuta [s]</source>
        <translation>Held [s]</translation>
    </message>
    <message>
        <source>Il movimento %1 richiede %2 bar: non giudicato, il calcolo si ferma prima della sua fine.</source>
        <translation>Movement %1 needs %2 bar: not judged, the calculation stops before its end.</translation>
    </message>
    <message>
        <source>Pressione mantenuta %1 bar per %2 s, pompa ferma, da %3 bar (trafilamento %4 dm3/min, raffreddamento %5 K): l&apos;olio finisce dopo %9 s, a %6 bar, e la pressione si perde; la tiene %7: %8.</source>
        <translation>Pressure held %1 bar for %2 s, pump stopped, from %3 bar (leakage %4 dm3/min, cooling %5 K): the oil runs out after %9 s, at %6 bar, and the pressure is lost; it holds %7: %8.</translation>
    </message>
    <message>
        <source>basta</source>
        <translation>enough</translation>
    </message>
    <message>
        <source>NON basta</source>
        <translation>NOT enough</translation>
    </message>
    <message>
        <source>movimento %1: richiede %2 bar, non si compie</source>
        <translation>movement %1: needs %2 bar, does not complete</translation>
    </message>
    <message>
        <source>movimento %1: richiede %2 bar, minima %3 bar a %4 s, margine %5 bar</source>
        <translation>movement %1: needs %2 bar, lowest %3 bar at %4 s, margin %5 bar</translation>
    </message>
    <message>
        <source>movimento %1: richiede %2 bar, minima %3 bar a %4 s, MANCANO %5 bar</source>
        <translation>movement %1: needs %2 bar, lowest %3 bar at %4 s, %5 bar MISSING</translation>
    </message>
    <message>
        <source>da %1, l&apos;olio finisce durante il movimento %2: %3</source>
        <translation>from %1, the oil runs out during movement %2: %3</translation>
    </message>
    <message>
        <source>da %1, minima %2, margine %3, olio rimasto %4: %5</source>
        <translation>from %1, lowest %2, margin %3, oil left %4: %5</translation>
    </message>
    <message>
        <source>sempre</source>
        <translation>always</translation>
    </message>
    <message>
        <source>Pressione mantenuta %1 per %2</source>
        <translation>Pressure held at %1 for %2</translation>
    </message>
    <message>
        <source>da %1, l&apos;olio finisce dopo %2, tenuta per %3: %4</source>
        <translation>from %1, the oil runs out after %2, held for %3: %4</translation>
    </message>
    <message>
        <source>da %1, minima %2, tenuta per %3: %4</source>
        <translation>from %1, lowest %2, held for %3: %4</translation>
    </message>
    <message>
        <source>movimento %1</source>
        <translation>movement %1</translation>
    </message>
    <message>
        <source>movimenti %1</source>
        <translation>movements %1</translation>
    </message>
    <message>
        <source>Corsa di emergenza, pompa persa (%1), da %2 bar a %3 °C: l&apos;olio finisce durante il movimento %4, che richiede %5 bar: %6.</source>
        <translation>Emergency stroke, pump lost (%1), from %2 bar at %3 °C: the oil runs out during movement %4, which needs %5 bar: %6.</translation>
    </message>
    <message>
        <source>Corsa di emergenza, pompa persa (%1), da %2 bar a %3 °C: pressione minima %4 bar, margine %5 bar (movimento %6), restano %7 dm3 di olio: %8.</source>
        <translation>Emergency stroke, pump lost (%1), from %2 bar at %3 °C: lowest pressure %4 bar, margin %5 bar (movement %6), %7 dm3 of oil left: %8.</translation>
    </message>
    <message>
        <source>Corsa di emergenza (%1)</source>
        <translation>Emergency stroke (%1)</translation>
    </message>
    <message>
        <source>azoto reale, τ = ∞ (adiabatica)</source>
        <translation>real nitrogen, τ = ∞ (adiabatic)</translation>
    </message>
    <message>
        <source>Un progetto che supera alla sua precarica è calcolato anche con la precarica meno e più la tolleranza: Pmin, margini, movimenti e compiti sono i peggiori dei tre.</source>
        <translation>A design that passes at its precharge is run with the precharge less and plus its tolerance too: Pmin, margins, movements and duties are the worst of the three.</translation>
    </message>
    <message>
        <source>Caso peggiore: la precarica meno la tolleranza (%1 bar a %2 °C); pressione minima, pompa ed energia sono di quello. Il progetto è calcolato alla precarica e ai due estremi della tolleranza.</source>
        <translation>Worst case: the precharge less its tolerance (%1 bar at %2 °C); the lowest pressure, pump and energy are its own. The design is run at the precharge and at both ends of its tolerance.</translation>
    </message>
    <message>
        <source>Caso peggiore: la precarica più la tolleranza (%1 bar a %2 °C); pressione minima, pompa ed energia sono di quello. Il progetto è calcolato alla precarica e ai due estremi della tolleranza.</source>
        <translation>Worst case: the precharge plus its tolerance (%1 bar at %2 °C); the lowest pressure, pump and energy are its own. The design is run at the precharge and at both ends of its tolerance.</translation>
    </message>
    <message>
        <source>A %1 °C i cicli non si ripetono ma le pressioni minime non calano più: giudicato sul peggiore dei %2 cicli calcolati.</source>
        <translation>At %1 °C the cycles do not repeat but their lowest pressures no longer fall: judged on the worst of the %2 cycles computed.</translation>
    </message>
    <message>
        <source>Ciclo dopo ciclo (%1 cicli calcolati): pressione minima %2 bar a %3 °C nel ciclo %6, %4 bar sopra p1; dopo una giornata di lavoro %5 bar.</source>
        <translation>Cycle after cycle (%1 cycles computed): lowest pressure %2 bar at %3 °C in cycle %6, %4 bar above p1; after a working day %5 bar.</translation>
    </message>
</context>
<context>
    <name>volvenza::StatusBar</name>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>volvenza::Tabella</name>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>volvenza::frmAbout</name>
    <message>
        <source>Informazioni su Progetto1</source>
        <translation>About Progetto1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Web: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Questo programma è stato realizzato da Quarzel. Tutti i diritti riservati.</source>
        <translation>This program was made by Quarzel. All rights reserved.</translation>
    </message>
    <message>
        <source>Fax: non disponibile</source>
        <translation>Fax: not available</translation>
    </message>
    <message>
        <source>Volvenza è stato ideato da Quarzel. Scriveteci per domande e suggerimenti.</source>
        <translation>Volvenza was designed by Quarzel. Write to us with questions and suggestions.</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>volvenza::frmAggiungiParticolari</name>
    <message>
        <source>Aggiungi particolari</source>
        <translation>Add details</translation>
    </message>
    <message>
        <source>Retta del valore attuale della prearica di azoto dell&apos;volvenza (Pf)</source>
        <translation>Line of the present nitrogen precharge of the accumulator (Pf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>volvenza::frmMain</name>
    <message>
        <source>Si è verificato un errore imprevisto.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Nuova simulazione</source>
        <translation>New simulation</translation>
    </message>
    <message>
        <source>Carica simulazione</source>
        <translation>Load simulation</translation>
    </message>
    <message>
        <source>Salva simulazione</source>
        <translation>Save simulation</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Valori iniziali</source>
        <translation>Initial data</translation>
    </message>
    <message>
        <source>Inserimento dei movimenti</source>
        <translation>Movement entry</translation>
    </message>
    <message>
        <source>Ciclo: tabella e diagramma dei tempi</source>
        <translation>Cycle: table and timing diagram</translation>
    </message>
    <message>
        <source>Inizio simulazione</source>
        <translation>Start simulation</translation>
    </message>
    <message>
        <source>Grafico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Esempio</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Nu&amp;ovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Sal&amp;va con nome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>E&amp;sporta tabella...</source>
        <translation>Export &amp;table...</translation>
    </message>
    <message>
        <source>Es&amp;porta grafico...</source>
        <translation>Export c&amp;hart...</translation>
    </message>
    <message>
        <source>Esporta &amp;CSV...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Imposta pagina...</source>
        <translation>Pa&amp;ge Setup...</translation>
    </message>
    <message>
        <source>S&amp;tampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Esporta P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Barra degli &amp;strumenti</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Barra di stato</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Opzioni...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Calcolo</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Ciclo</source>
        <translation>&amp;Cycle</translation>
    </message>
    <message>
        <source>&amp;Modello del gas...</source>
        <translation>&amp;Gas model...</translation>
    </message>
    <message>
        <source>Fi&amp;nestra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Sovrapponi</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Affianca &amp;orizzontalmente</source>
        <translation>Tile &amp;Horizontally</translation>
    </message>
    <message>
        <source>Affianca &amp;verticalmente</source>
        <translation>Tile &amp;Vertically</translation>
    </message>
    <message>
        <source>&amp;Disponi icone</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Sommario</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Cerca argomento...</source>
        <translation>&amp;Search for Help On...</translation>
    </message>
    <message>
        <source>&amp;Informazioni su </source>
        <translation>&amp;About </translation>
    </message>
    <message>
        <source>&amp;Esempio</source>
        <translation>&amp;Example</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf| Tutti i file (*.*)|*.* </source>
        <translation>PDF (*.pdf)|*.pdf| All files (*.*)|*.* </translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv| Tutti i file (*.*)|*.* </source>
        <translation>CSV (*.csv)|*.csv| All files (*.*)|*.* </translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Per esportare in PDF attivare la finestra da stampare: dati iniziali, movimenti, tabella o grafico.</source>
        <translation>To export a PDF, activate the window to print: initial data, movements, table or chart.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?</source>
        <translation>WARNING! All values will be cleared and a new simulation will start. Continue?</translation>
    </message>
    <message>
        <source>Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* </source>
        <translation>Volvenza (*.vlz)|*.vlz| All files (*.*)|*.* </translation>
    </message>
    <message>
        <source>Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* </source>
        <translation>Text (*.txt)|*.txt| All files (*.*)|*.* </translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* </source>
        <translation>Bitmap (*.bmp)|*.bmp| All files (*.*)|*.* </translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salva con nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Imposta pagina</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>Impossibile iniziare una nuova simulazione.</source>
        <translation>Cannot start a new simulation.</translation>
    </message>
    <message>
        <source>Impossibile completare la stampa.</source>
        <translation>Cannot complete the printing.</translation>
    </message>
    <message>
        <source>Impossibile caricare l&apos;esempio.</source>
        <translation>Cannot load the example.</translation>
    </message>
    <message>
        <source>Impossibile completare la simulazione.</source>
        <translation>Cannot complete the simulation.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Impossibile mostrare la tabella dei risultati.</source>
        <translation>Cannot show the results table.</translation>
    </message>
    <message>
        <source>&amp;Dimensionamento...</source>
        <translation>&amp;Sizing...</translation>
    </message>
    <message>
        <source>Progetto Volvenza (*.vlzp)</source>
        <translation>Volvenza project (*.vlzp)</translation>
    </message>
    <message>
        <source>Alcune impostazioni non erano leggibili e sono tornate al valore predefinito: %1.</source>
        <translation>Some settings could not be read and went back to their defaults: %1.</translation>
    </message>
    <message>
        <source>A&amp;nnulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>R&amp;edo</translation>
    </message>
    <message>
        <source>Recupera lavoro non salvato</source>
        <translation>Recover unsaved work</translation>
    </message>
    <message>
        <source>Non ci sono punti di recupero: il lavoro viene salvato qui alcuni secondi dopo ogni modifica e prima di ogni sostituzione.</source>
        <translation>There are no recovery points: the work is kept here a few seconds after each change and before each replacement.</translation>
    </message>
    <message>
        <source>Risultati letti dal file (la legge del gas non vi è registrata)</source>
        <translation>Results read from the file (it does not record the gas law)</translation>
    </message>
    <message>
        <source>Legge del gas: %1</source>
        <translation>Gas law: %1</translation>
    </message>
    <message>
        <source>tc</source>
        <translation>tc</translation>
    </message>
    <message>
        <source>; inviluppo da %1 a %2 °C</source>
        <translation>; envelope from %1 to %2 °C</translation>
    </message>
    <message>
        <source>Sim&amp;ulazione</source>
        <translation>Simu&amp;lation</translation>
    </message>
    <message>
        <source>&amp;Valori iniziali</source>
        <translation>&amp;Initial data</translation>
    </message>
    <message>
        <source>&amp;Inserimento dei movimenti</source>
        <translation>&amp;Movement entry</translation>
    </message>
    <message>
        <source>Inizio &amp;simulazione</source>
        <translation>&amp;Start simulation</translation>
    </message>
    <message>
        <source>&amp;Grafico</source>
        <translation>C&amp;hart</translation>
    </message>
    <message>
        <source>&amp;Tabella</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;Bilancio energetico</source>
        <translation>Energy &amp;balance</translation>
    </message>
    <message>
        <source>; %1 accumulatori di Vo in parallelo</source>
        <translation>; %1 accumulators of Vo in parallel</translation>
    </message>
    <message>
        <source>; bombole %1 dm3</source>
        <translation>; bottles %1 dm3</translation>
    </message>
    <message>
        <source>; rendimento volumetrico %1</source>
        <translation>; volumetric efficiency %1</translation>
    </message>
    <message>
        <source>Il file delle impostazioni %1 non è un file: le impostazioni non sono state lette e non saranno salvate finché non lo si toglie.</source>
        <translation>The settings file %1 is not a file: the settings were not read and will not be saved until it is removed.</translation>
    </message>
    <message>
        <source>Simulazioni e progetti Volvenza (*.vlz, *.vlzp)</source>
        <translation>Volvenza simulations and projects (*.vlz, *.vlzp)</translation>
    </message>
    <message>
        <source>%1
Salvare comunque come simulazione? Un progetto (.vlzp) conserva tutto.</source>
        <translation>%1
Save as a simulation all the same? A project (.vlzp) keeps everything.</translation>
    </message>
    <message>
        <source>%1, %2, Vo %3 dm3, %4 movimenti</source>
        <translation>%1, %2, Vo %3 dm3, %4 movements</translation>
    </message>
    <message>
        <source>%1, punto non leggibile</source>
        <translation>%1, unreadable point</translation>
    </message>
    <message>
        <source>senza nome</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source> (sessione interrotta)</source>
        <translation> (interrupted session)</translation>
    </message>
    <message>
        <source>Scarta</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Lavoro non salvato recuperabile: File &gt; Recupera lavoro non salvato...</source>
        <translation>Unsaved work can be recovered: File &gt; Recover unsaved work...</translation>
    </message>
    <message>
        <source>sotto p1 = %1 bar %2</source>
        <translation>below p1 = %1 bar %2</translation>
    </message>
    <message>
        <source>da %1 s a %2 s</source>
        <translation>from %1 s to %2 s</translation>
    </message>
    <message>
        <source>a %1 s</source>
        <translation>at %1 s</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source>La pressione scende %1</source>
        <translation>The pressure falls %1</translation>
    </message>
    <message>
        <source>Rec&amp;upera lavoro non salvato...</source>
        <translation>&amp;Recover unsaved work...</translation>
    </message>
    <message>
        <source>i carichi dei movimenti non sono giudicati con la legge classica, che giudica solo p1: scegliere la legge ideale o reale</source>
        <translation>the movements&apos; loads are not judged under the classic law, which judges p1 only: choose the ideal or real law</translation>
    </message>
</context>
<context>
    <name>volvenza::frmModelloGas</name>
    <message>
        <source>Modello del gas</source>
        <translation>Gas model</translation>
    </message>
    <message>
        <source>Legge del gas</source>
        <translation>Gas law</translation>
    </message>
    <message>
        <source>Costante di tempo vuota: nessuno scambio di calore. Temperature minima e massima vuote: uguali a tc, senza inviluppo.</source>
        <translation>Empty time constant: no heat exchange. Empty minimum and maximum temperatures: equal to tc, no envelope.</translation>
    </message>
    <message>
        <source>&amp;Classica</source>
        <translation>&amp;Classic</translation>
    </message>
    <message>
        <source>Gas &amp;ideale</source>
        <translation>&amp;Ideal gas</translation>
    </message>
    <message>
        <source>&amp;Azoto reale</source>
        <translation>&amp;Real nitrogen</translation>
    </message>
    <message>
        <source>&amp;Esponente n della politropica</source>
        <translation>Polytropic &amp;exponent n</translation>
    </message>
    <message>
        <source>Costante di &amp;tempo termica [s]</source>
        <translation>Thermal &amp;time constant [s]</translation>
    </message>
    <message>
        <source>Temperatura di ca&amp;rica [°C]</source>
        <translation>C&amp;harge temperature [°C]</translation>
    </message>
    <message>
        <source>Temperatura mi&amp;nima [°C]</source>
        <translation>Mi&amp;nimum temperature [°C]</translation>
    </message>
    <message>
        <source>Temperatura ma&amp;ssima [°C]</source>
        <translation>Ma&amp;ximum temperature [°C]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stato del gas ideale e dell&apos;azoto reale a inizio ciclo</source>
        <translation>State of the ideal gas and real nitrogen at cycle start</translation>
    </message>
    <message>
        <source>Caricato &amp;lentamente</source>
        <translation>Charged &amp;slowly</translation>
    </message>
    <message>
        <source>Caricato ra&amp;pidamente</source>
        <translation>Charged &amp;fast</translation>
    </message>
    <message>
        <source>Impianto</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Acc&amp;umulatori in parallelo</source>
        <translation>Acc&amp;umulators in parallel</translation>
    </message>
    <message>
        <source>Volume delle &amp;bombole [dm3]</source>
        <translation>&amp;Bottle volume [dm3]</translation>
    </message>
    <message>
        <source>Ren&amp;dimento volumetrico della pompa</source>
        <translation>Pump &amp;volumetric efficiency</translation>
    </message>
</context>
<context>
    <name>volvenza::frmOptions</name>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Generali</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Informazioni utente</source>
        <translation>User information</translation>
    </message>
    <message>
        <source>Intestazione stampe</source>
        <translation>Print header</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Lingua:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>La lingua scelta vale dal prossimo avvio.</source>
        <translation>The chosen language applies from the next start.</translation>
    </message>
    <message>
        <source>Automatica</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
