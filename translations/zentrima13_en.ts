<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Board</name>
    <message>
        <source>Ultimo: %1</source>
        <translation>Last: %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>scrive le uscite registrate come CSV</source>
        <translation>writes the recorded spins as CSV</translation>
    </message>
    <message>
        <source>aggiunge le uscite di un CSV o di un elenco di numeri</source>
        <translation>adds the spins of a CSV file or of a list of numbers</translation>
    </message>
    <message>
        <source>verifica le proposte sulle uscite registrate, come &quot;GO&quot; e &quot;SALVA&quot;</source>
        <translation>checks the proposals against the recorded spins, as &quot;GO&quot; and &quot;SAVE&quot; do</translation>
    </message>
    <message>
        <source>mostra le puntate di una progressione per tentativo</source>
        <translation>shows the stakes of a progression, attempt by attempt</translation>
    </message>
    <message>
        <source>Uso: zentrima13 [comando] [opzioni]
Senza comando si apre il tavolo di gioco.

Comandi:
</source>
        <translation>Usage: zentrima13 [command] [options]
Without a command the game board opens.

Commands:
</translation>
    </message>
    <message>
        <source> Riprovare quando l&apos;altro programma lo lascia.</source>
        <translation> Try again when the other program lets go of it.</translation>
    </message>
    <message>
        <source>Manca il valore di --lang (it o en).</source>
        <translation>--lang needs a value (it or en).</translation>
    </message>
    <message>
        <source>--lang vale it o en, non «%1».</source>
        <translation>--lang takes it or en, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--folder vuole il nome di una cartella.</source>
        <translation>--folder needs the name of a folder.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1.</source>
        <translation>Unknown option: %1.</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>--folder e --player-folder non vanno insieme.</source>
        <translation>--folder and --player-folder cannot be used together.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1 (le opzioni vanno dopo il comando).</source>
        <translation>Unknown option: %1 (options go after the command).</translation>
    </message>
    <message>
        <source>Comando sconosciuto: %1.</source>
        <translation>Unknown command: %1.</translation>
    </message>
    <message>
        <source>cerca le impostazioni migliori su una parte delle uscite e le giudica sul resto</source>
        <translation>finds the best settings on part of the spins and judges them on the rest</translation>
    </message>
    <message>
        <source>legge i numeri dall&apos;immagine di una striscia di un casinò</source>
        <translation>reads the numbers from the picture of a casino&apos;s strip</translation>
    </message>
    <message>
        <source>
&quot;zentrima13 &lt;comando&gt; --help&quot; spiega le opzioni del comando.
  -h, --help         mostra questo aiuto
  -v, --version      mostra la versione

Opzioni del tavolo di gioco (senza comando):
  --folder CARTELLA  lavora nella CARTELLA (creata se manca) invece che nella
                     cartella corrente
  --player-folder    lavora nella cartella del giocatore, ~/Zentrima13 (creata se
                     manca): così lo avvia il menu
  --read-screen X,Y,W,H
                     il tavolo legge subito le uscite da quel rettangolo dello
                     schermo (in pixel), come dopo averlo segnato
  --lang it|en       la lingua delle finestre e dei messaggi, anche dopo un comando
                     (predefinita: quella scelta nelle impostazioni, se no quella
                     del sistema)

Uscita dei comandi: 0 fatto, 1 un file non si può leggere o scrivere (o ha una riga
sbagliata), 2 comando o opzioni non validi, 3 il database manca o non è utilizzabile,
4 il database è bloccato da un altro programma: riprovare più tardi.
</source>
        <translation>
&quot;zentrima13 &lt;command&gt; --help&quot; explains the options of the command.
  -h, --help         show this help
  -v, --version      show the version

Options of the game board (without a command):
  --folder FOLDER    work in FOLDER (created when missing) instead of the
                     current folder
  --player-folder    work in the player&apos;s folder, ~/Zentrima13 (created when
                     missing): the menu starts it this way
  --read-screen X,Y,W,H
                     the board reads the spins from that rectangle of the
                     screen (in pixels) at once, as after marking it
  --lang it|en       the language of the windows and messages, also after a command
                     (default: the one chosen in the settings, otherwise the
                     system&apos;s)

Exit status of the commands: 0 done, 1 a file cannot be read or written (or has a
wrong line), 2 invalid command or options, 3 the database is missing or unusable,
4 the database is locked by another program: try again later.
</translation>
    </message>
    <message>
        <source>--read-screen vuole X,Y,W,H in pixel, non «%1».</source>
        <translation>--read-screen wants X,Y,W,H in pixels, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>L&apos;opzione %1 è data più di una volta: vuole un valore solo.</source>
        <translation>The option %1 is given more than once: it takes one value only.</translation>
    </message>
    <message>
        <source>--player-folder vuole la cartella di casa del giocatore, ma la variabile HOME non ne dà una: usare --folder CARTELLA.</source>
        <translation>--player-folder needs the player&apos;s home folder, but the variable HOME does not give one: use --folder FOLDER.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>riga %1: il testo non è in UTF-8</source>
        <translation>line %1: the text is not UTF-8</translation>
    </message>
    <message>
        <source>riga %1: l&apos;intestazione non è %2</source>
        <translation>line %1: the header is not %2</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>virgolette aperte e mai chiuse</source>
        <translation>a quote opened and never closed</translation>
    </message>
    <message>
        <source>testo dopo le virgolette che chiudono un campo</source>
        <translation>text after the quotes that close a field</translation>
    </message>
    <message>
        <source>virgolette dentro un campo che non è tra virgolette</source>
        <translation>a quote inside a field that is not quoted</translation>
    </message>
    <message>
        <source>1 campo invece di %1</source>
        <translation>1 field instead of %1</translation>
    </message>
    <message>
        <source>%1 campi invece di %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source> (i campi di questo file sono separati da «%1», come nell&apos;intestazione, non da «%2»)</source>
        <translation> (the fields of this file are separated by &quot;%1&quot;, as in the header, not by &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Numero è vuoto</source>
        <translation>Numero is empty</translation>
    </message>
    <message>
        <source>Numero %1 non è un numero da 0 a 36</source>
        <translation>Numero %1 is not a number from 0 to 36</translation>
    </message>
    <message>
        <source>Memoria è vuota</source>
        <translation>Memoria is empty</translation>
    </message>
    <message>
        <source>Memoria %1 supera %2, il valore più alto ammesso</source>
        <translation>Memoria %1 is over %2, the highest value allowed</translation>
    </message>
    <message>
        <source>Memoria %1 non è un numero intero positivo</source>
        <translation>Memoria %1 is not a positive whole number</translation>
    </message>
    <message>
        <source>Tipo %1 non è 1, 2 o vuoto</source>
        <translation>Tipo %1 is not 1, 2 or empty</translation>
    </message>
    <message>
        <source>manca un numero prima di una virgola</source>
        <translation>a number is missing before a comma</translation>
    </message>
    <message>
        <source>manca un numero prima di un «;»</source>
        <translation>a number is missing before a &quot;;&quot;</translation>
    </message>
    <message>
        <source>«%1» non separa i numeri di questo elenco, che usa «%2»</source>
        <translation>&quot;%1&quot; does not separate the numbers of this list, which uses &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (come la riga %1)</source>
        <translation> (as on line %1)</translation>
    </message>
    <message>
        <source>%1 non è un numero da 0 a 36</source>
        <translation>%1 is not a number from 0 to 36</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>«%1…»</source>
        <translation>&quot;%1…&quot;</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Opzione sconosciuta: %1.</source>
        <translation>Unknown option: %1.</translation>
    </message>
    <message>
        <source>Manca il valore di --%1.</source>
        <translation>--%1 needs a value.</translation>
    </message>
    <message>
        <source>--%1 vuole il nome di un file.</source>
        <translation>--%1 needs the name of a file.</translation>
    </message>
    <message>
        <source>%1 uscita esportata in %2.
</source>
        <translation>%1 spin exported to %2.
</translation>
    </message>
    <message>
        <source>%1 uscite esportate in %2.
</source>
        <translation>%1 spins exported to %2.
</translation>
    </message>
    <message>
        <source>Manca il file da importare.</source>
        <translation>The file to import is missing.</translation>
    </message>
    <message>
        <source>Un file solo, non anche %1.</source>
        <translation>Only one file, not %1 as well.</translation>
    </message>
    <message>
        <source>File %1, %2: nessuna uscita è stata importata.</source>
        <translation>File %1, %2: no spins were imported.</translation>
    </message>
    <message>
        <source>%1 uscita importata in %2.</source>
        <translation>%1 spin imported into %2.</translation>
    </message>
    <message>
        <source>%1 uscite importate in %2.</source>
        <translation>%1 spins imported into %2.</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>--out non può essere il database %1.</source>
        <translation>--out cannot be the database %1.</translation>
    </message>
    <message>
        <source>--%1 vale solo per un elenco di numeri: il file %2 ha le colonne di un&apos;esportazione.</source>
        <translation>--%1 only applies to a list of numbers: the file %2 has the columns of an export.</translation>
    </message>
    <message>
        <source>Uso: zentrima13 export [--db FILE] [--out FILE] [--type Live|Spin]
Scrive le uscite della tabella Uscite come CSV (UTF-8), in ordine di id, dopo la riga
id,Numero,Memoria,Tipo,Cima,Memcima,Note; i valori esattamente come sono registrati
(un valore in byte, un BLOB, come &quot;X&apos;...&apos;&quot; in esadecimale).

  --db FILE         il database (predefinito: dati.mdb nella cartella corrente)
  --out FILE        scrive il CSV nel file, sostituito per intero solo a lavoro finito;
                    - per lo standard output (predefinito)
  --type Live|Spin  solo le uscite di quel tipo di gioco (anche --tipo)
  --lang it|en      la lingua dei messaggi (it: italiano, en: inglese)
  -h, --help        mostra questo aiuto

Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide, 3 il database
manca o non è utilizzabile, 4 il database è bloccato da un altro programma: riprovare.
</source>
        <translation>Usage: zentrima13 export [--db FILE] [--out FILE] [--type Live|Spin]
Writes the spins of the table Uscite as CSV (UTF-8), in id order, after the line
id,Numero,Memoria,Tipo,Cima,Memcima,Note; the values exactly as they are recorded
(a value in bytes, a BLOB, as &quot;X&apos;...&apos;&quot; in hexadecimal).

  --db FILE         the database (default: dati.mdb in the current folder)
  --out FILE        writes the CSV to the file, replaced whole only once it is
                    complete; - for standard output (default)
  --type Live|Spin  only the spins of that game type (also --tipo)
  --lang it|en      the language of the messages (it: Italian, en: English)
  -h, --help        show this help

Exit status: 0 done, 1 a file cannot be written, 2 invalid options, 3 the database
is missing or unusable, 4 the database is locked by another program: try again.
</translation>
    </message>
    <message>
        <source>Uso: zentrima13 import FILE [--db FILE] [--type Live|Spin] [--newest-first]
Aggiunge alla tabella Uscite le uscite del FILE (&quot;-&quot;: lo standard input): un CSV
scritto da &quot;zentrima13 export&quot; (anche con &quot;;&quot; tra i campi), oppure un elenco di
numeri da 0 a 36 separati da a capo, spazi e virgole (o &quot;;&quot;), nell&apos;ordine in cui sono
usciti, registrato come una partita nuova (Memoria 1, 2, ... 36, poi 37).  Gli id li
assegna il database.  Ogni riga è controllata prima di scrivere: se una è sbagliata
non si scrive nulla.  Il FILE può essere grande al massimo 256 MB.

  --db FILE         il database (predefinito: dati.mdb nella cartella corrente;
                    creato se manca)
  --type Live|Spin  il Tipo delle uscite di un elenco di numeri (predefinito: vuoto;
                    anche --tipo)
  --newest-first    l&apos;elenco comincia dall&apos;ultima uscita (come molti storici
                    pubblicati): le uscite sono registrate dalla più vecchia
  --lang it|en      la lingua dei messaggi (it: italiano, en: inglese)
  -h, --help        mostra questo aiuto

Uscita: 0 fatto, 1 il file non si può leggere o ha una riga sbagliata, 2 opzioni non
valide, 3 il database non è utilizzabile, 4 il database è bloccato da un altro
programma: riprovare.
</source>
        <translation>Usage: zentrima13 import FILE [--db FILE] [--type Live|Spin] [--newest-first]
Adds the spins of FILE (&quot;-&quot;: standard input) to the table Uscite: a CSV file
written by &quot;zentrima13 export&quot; (also with &quot;;&quot; between the fields), or a list of
numbers from 0 to 36 separated by line breaks, spaces and commas (or &quot;;&quot;), in the
order they came out, recorded as a new game (Memoria 1, 2, ... 36, then 37).  The
database assigns the ids.  Every line is checked before anything is written: if
one is wrong, nothing is written.  FILE may be 256 MB at most.

  --db FILE         the database (default: dati.mdb in the current folder;
                    created when missing)
  --type Live|Spin  the Tipo of the spins of a list of numbers (default: empty;
                    also --tipo)
  --newest-first    the list starts with the latest spin (as many published
                    histories do): the spins are recorded oldest first
  --lang it|en      the language of the messages (it: Italian, en: English)
  -h, --help        show this help

Exit status: 0 done, 1 the file cannot be read or holds a bad line, 2 invalid
options, 3 the database is unusable, 4 the database is locked by another
program: try again.
</translation>
    </message>
    <message>
        <source>--type vale Live o Spin, non «%1».</source>
        <translation>--type takes Live or Spin, not &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>il file</source>
        <translation>the file</translation>
    </message>
    <message>
        <source>il rapporto</source>
        <translation>the report</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe)</source>
        <translation>it is a pipe, not a regular file</translation>
    </message>
    <message>
        <source>non è un file normale (è un dispositivo)</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>non è un file normale (è un socket)</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 %2: %3.</source>
        <translation>Cannot write %1 %2: %3.</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>non si ha il permesso</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>non esiste</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>il percorso gira in tondo tra collegamenti simbolici</source>
        <translation>the path loops through symbolic links</translation>
    </message>
    <message>
        <source>è chiuso</source>
        <translation>it is closed</translation>
    </message>
    <message>
        <source>il programma che leggeva ha chiuso il collegamento</source>
        <translation>the program that was reading closed the connection</translation>
    </message>
    <message>
        <source>il file supererebbe la dimensione massima</source>
        <translation>the file would exceed the largest size allowed</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>il sistema non accetta l&apos;operazione su questo file</source>
        <translation>the system does not allow this operation on the file</translation>
    </message>
    <message>
        <source>il dispositivo non risponde</source>
        <translation>the device is not responding</translation>
    </message>
    <message>
        <source>il file non è pronto; riprovare</source>
        <translation>the file is not ready; try again</translation>
    </message>
    <message>
        <source>errore imprevisto del sistema</source>
        <translation>unexpected system error</translation>
    </message>
    <message>
        <source>errore del sistema numero %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>Impossibile leggere lo standard input: %1.</source>
        <translation>Cannot read standard input: %1.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1: %2.</source>
        <translation>Cannot read the file %1: %2.</translation>
    </message>
    <message>
        <source>non si ha il permesso di leggerlo</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>supera i %1 MB che si possono leggere in una volta</source>
        <translation>it is larger than the %1 MB that can be read at once</translation>
    </message>
    <message>
        <source>esiste già una cartella con questo nome</source>
        <translation>a folder with this name already exists</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>il file è in sola lettura e non è stato modificato</source>
        <translation>the file is read-only and was not changed</translation>
    </message>
    <message>
        <source>non si ha il permesso di modificare il file</source>
        <translation>no permission to change the file</translation>
    </message>
    <message>
        <source>non si ha il permesso di scrivere nella cartella %1</source>
        <translation>no permission to write to the folder %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere sullo standard output: %1.</source>
        <translation>Cannot write to standard output: %1.</translation>
    </message>
    <message>
        <source>%1 è un file, non una cartella</source>
        <translation>%1 is a file, not a folder</translation>
    </message>
    <message>
        <source>nella cartella %1 non si possono creare file</source>
        <translation>no file can be created in the folder %1</translation>
    </message>
    <message>
        <source>%1 è una cartella</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>%1 non è un file normale (è una pipe)</source>
        <translation>%1 is a pipe, not a regular file</translation>
    </message>
    <message>
        <source>%1 non è un file normale (è un dispositivo)</source>
        <translation>%1 is a device, not a regular file</translation>
    </message>
    <message>
        <source>%1 non è un file normale (è un socket)</source>
        <translation>%1 is a socket, not a regular file</translation>
    </message>
    <message>
        <source>%1 non è un file normale</source>
        <translation>%1 is not a regular file</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>%1 verde</source>
        <translation>%1 green</translation>
    </message>
    <message>
        <source>%1 rosso</source>
        <translation>%1 red</translation>
    </message>
    <message>
        <source>%1 nero</source>
        <translation>%1 black</translation>
    </message>
</context>
<context>
    <name>MoneyWindow</name>
    <message>
        <source>Saldo</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Atteso dal caso</source>
        <translation>Expected by chance</translation>
    </message>
    <message>
        <source>Caso: ± 2 deviazioni standard</source>
        <translation>Chance: ± 2 standard deviations</translation>
    </message>
    <message>
        <source>Colpi</source>
        <translation>Spins</translation>
    </message>
    <message>
        <source>Fiches</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Saldo finale delle serate simulate</source>
        <translation>Final balance of the simulated sessions</translation>
    </message>
    <message>
        <source>Serate</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mean</translation>
    </message>
</context>
<context>
    <name>Progression</name>
    <message>
        <source>Tentativo</source>
        <translation>Attempt</translation>
    </message>
    <message>
        <source>Per numero</source>
        <translation>Per number</translation>
    </message>
    <message>
        <source>Sul tavolo</source>
        <translation>On the table</translation>
    </message>
    <message>
        <source>In gioco</source>
        <translation>At risk</translation>
    </message>
    <message>
        <source>Se esce</source>
        <translation>If it hits</translation>
    </message>
    <message>
        <source>* ridotta al massimo del tavolo
</source>
        <translation>* cut to the table maximum
</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>Servono --numbers e --max.</source>
        <translation>Both --numbers and --max are needed.</translation>
    </message>
    <message>
        <source>Con %1 numeri nessuna puntata recupera: un colpo vinto rende 36 volte la puntata sul numero, e se ne puntano già %1.</source>
        <translation>With %1 numbers no stake can recover: a hit returns 36 times the stake on the number, and %1 numbers are already staked.</translation>
    </message>
    <message numerus="yes">
        <source>Puntata fissa di %1 su ognuno di %n numeri:</source>
        <translation>
            <numerusform>Flat stake of %1 on %n number:</numerusform>
            <numerusform>Flat stake of %1 on each of %n numbers:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Progressione %1 (multipli di %2) su ognuno di %n numeri:</source>
        <translation>
            <numerusform>Progression %1 (multiples of %2) on %n number:</numerusform>
            <numerusform>Progression %1 (multiples of %2) on each of %n numbers:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recupero su %n numeri: un colpo vinto a ogni tentativo rende almeno %1 su tutto il puntato:</source>
        <translation>
            <numerusform>Recovery on %n number: a hit at any attempt nets at least %1 over everything staked:</numerusform>
            <numerusform>Recovery on %n numbers: a hit at any attempt nets at least %1 over everything staked:</numerusform>
        </translation>
    </message>
    <message>
        <source>Al tentativo %1 la progressione chiederebbe più di %2 fiches per numero, oltre quanto il programma tiene. Si può dare --table-max, che riduce le puntate, o un --max minore di %1.</source>
        <translation>At attempt %1 the progression would ask for more than %2 chips per number, beyond what the program holds. Give --table-max, which reduces the stakes, or a --max under %1.</translation>
    </message>
    <message>
        <source>Uso: zentrima13 progression --numbers K --max M [opzioni]
Mostra, tentativo per tentativo, la puntata su ognuno dei K numeri di una
stringa, la puntata del colpo, le fiches in gioco fino a lì e quanto rende un
colpo vinto a quel tentativo.

Opzioni:
  --numbers K        i numeri della stringa, da 1 a 37
  --max M            i tentativi da mostrare, da 1 a 1000 (&quot;Contr. Massimo&quot;)
  --progression P    recovery (il recupero, predefinito), flat o i multipli di
                     --stake per tentativo, l&apos;ultimo ripetuto (1,1,2,3,5,8)
  --target N         il recupero: quanto rende almeno un colpo vinto (predefinito: 1)
  --stake N          la puntata di flat, l&apos;unità di un elenco, la puntata minima
                     del recupero (predefinito: 1)
  --table-max N      la puntata massima del tavolo su un numero
  --chip VALORE      il valore di una fiche, al centesimo (2,5 o 2.5): le somme
                     nella tua moneta
  --lang it|en       la lingua della tabella (it: italiano, en: inglese)
  -h, --help         mostra questo aiuto

Uscita: 0 fatto, 1 lo standard output non si può scrivere, 2 opzioni non
valide o una progressione impossibile.
</source>
        <translation>Usage: zentrima13 progression --numbers K --max M [options]
Shows, attempt by attempt, the stake on each of the K numbers of a set, the
stake of the spin, the chips at risk so far and what a hit at that
attempt pays.

Options:
  --numbers K        the numbers of the set, from 1 to 37
  --max M            the attempts to show, from 1 to 1000 (&quot;Max. spins&quot;)
  --progression P    recovery (the default), flat or the multiples of --stake
                     per attempt, the last one repeated (1,1,2,3,5,8)
  --target N         recovery: what a hit pays at least (default: 1)
  --stake N          the flat stake, the unit of a list, the smallest recovery
                     stake (default: 1)
  --table-max N      the table maximum on a straight-up number
  --chip VALUE       the value of a chip, to the cent (2.5 or 2,5): the sums in
                     your own currency
  --lang it|en       the language of the table (it: Italian, en: English)
  -h, --help         show this help

Exit status: 0 done, 1 standard output cannot be written, 2 invalid options
or an impossible progression.
</translation>
    </message>
</context>
<context>
    <name>Puntate</name>
    <message>
        <source>sopra il caso</source>
        <translation>above chance</translation>
    </message>
    <message>
        <source>sotto il caso</source>
        <translation>below chance</translation>
    </message>
    <message>
        <source>Colpi puntati: %1 di %2</source>
        <translation>Spins staked: %1 of %2</translation>
    </message>
    <message>
        <source>Puntato: %1</source>
        <translation>Staked: %1</translation>
    </message>
    <message>
        <source>Riscosso: %1</source>
        <translation>Returned: %1</translation>
    </message>
    <message>
        <source>Saldo: %1</source>
        <translation>Balance: %1</translation>
    </message>
    <message>
        <source>Resa sul puntato: %1 %</source>
        <translation>Return on stakes: %1 %</translation>
    </message>
    <message>
        <source>Atteso dal caso: %1 ± %2</source>
        <translation>Expected by chance: %1 ± %2</translation>
    </message>
    <message>
        <source>z: %1 (%2)</source>
        <translation>z: %1 (%2)</translation>
    </message>
    <message>
        <source>z: nessuna puntata</source>
        <translation>z: no stake</translation>
    </message>
    <message>
        <source>Discesa massima: %1</source>
        <translation>Largest drawdown: %1</translation>
    </message>
    <message>
        <source>Puntata massima: %1 per numero</source>
        <translation>Largest stake: %1 per number</translation>
    </message>
    <message>
        <source>Colpi persi di fila, al massimo: %1</source>
        <translation>Most losing spins in a row: %1</translation>
    </message>
    <message>
        <source>Puntate ridotte al massimo: %1</source>
        <translation>Stakes cut to the table maximum: %1</translation>
    </message>
    <message>
        <source>Rovina: al colpo %1</source>
        <translation>Bust: at spin %1</translation>
    </message>
    <message>
        <source>Rovina: no</source>
        <translation>Bust: no</translation>
    </message>
    <message>
        <source>Colpi non giocati, recupero impossibile con 36 numeri o più: %1</source>
        <translation>Spins not played, recovery impossible with 36 numbers or more: %1</translation>
    </message>
    <message>
        <source>Inizio: %1</source>
        <translation>Start: %1</translation>
    </message>
    <message>
        <source>Fine: %1</source>
        <translation>End: %1</translation>
    </message>
    <message>
        <source>Uscite all&apos;ora: %1</source>
        <translation>Spins per hour: %1</translation>
    </message>
    <message numerus="yes">
        <source>Serate simulate: %1 da %2 uscite (seme %3)</source>
        <translation>
            <numerusform>Simulated sessions: %1 of %2 spin (seed %3)</numerusform>
            <numerusform>Simulated sessions: %1 of %2 spins (seed %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saldo finale, percentili 5°, 25°, 50°, 75°, 95°: %1 / %2 / %3 / %4 / %5</source>
        <translation>Final balance, percentiles 5th, 25th, 50th, 75th, 95th: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Saldo medio: %1 ± %2 (atteso dal caso %3)</source>
        <translation>Mean balance: %1 ± %2 (expected by chance %3)</translation>
    </message>
    <message>
        <source>Serate in rovina: %1 %</source>
        <translation>Sessions gone bust: %1 %</translation>
    </message>
    <message>
        <source>un saldo almeno così alto il caso lo dà %1</source>
        <translation>chance alone gives a balance at least this high %1</translation>
    </message>
    <message>
        <source>un saldo così basso o meno il caso lo dà %1</source>
        <translation>chance alone gives a balance this low or lower %1</translation>
    </message>
    <message>
        <source>Resa sul puntato: nessuna puntata</source>
        <translation>Return on stakes: nothing staked</translation>
    </message>
    <message>
        <source>Colpi non giocati, puntata oltre %1 fiches per numero: %2</source>
        <translation>Spins not played, stake over %1 chips per number: %2</translation>
    </message>
    <message>
        <source>Saldo medio: %1, di una sola serata (atteso dal caso %2)</source>
        <translation>Mean balance: %1, of a single session (expected by chance %2)</translation>
    </message>
</context>
<context>
    <name>Read</name>
    <message>
        <source>Uso: zentrima13 read --image FILE [--newest left|right]
Legge i numeri dall&apos;immagine di una striscia di ultimi numeri di un casinò e li
scrive dal più recente, separati da uno spazio.

Opzioni:
  --image FILE         l&apos;immagine (PNG, JPEG, BMP…)
  --newest left|right  a quale capo della striscia sta il numero più recente
                       (predefinito: come scelto nel programma, se no left)
  -h, --help           mostra questo aiuto

Uscita: 0 fatto, 1 l&apos;immagine non si può leggere, 2 opzioni non valide.
</source>
        <translation>Usage: zentrima13 read --image FILE [--newest left|right]
Reads the numbers from the picture of a casino&apos;s strip of last numbers and
writes them newest first, separated by one blank.

Options:
  --image FILE         the picture (PNG, JPEG, BMP…)
  --newest left|right  at which end of the strip the newest number is
                       (default: as chosen in the program, otherwise left)
  -h, --help           shows this help

Exit: 0 done, 1 the picture cannot be read, 2 options not valid.
</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>Serve --image FILE.</source>
        <translation>--image FILE is needed.</translation>
    </message>
    <message>
        <source>--newest vale left o right, non «%1».</source>
        <translation>--newest is left or right, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 non si può leggere come immagine: %2.</source>
        <translation>%1 cannot be read as a picture: %2.</translation>
    </message>
    <message>
        <source>Il riconoscimento delle cifre non è pronto: manca il pacchetto %1.</source>
        <translation>The recognition of digits is not ready: the package %1 is missing.</translation>
    </message>
    <message>
        <source>In %1 non si vede nessun numero.</source>
        <translation>No number can be seen in %1.</translation>
    </message>
    <message>
        <source>In %1 il numero %2 dal più recente non si legge con sicurezza.</source>
        <translation>In %1 number %2 from the newest cannot be read with certainty.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Uso: zentrima13 search [opzioni]
Cerca le impostazioni che avrebbero reso di più, e guarda se reggono su uscite su
cui non sono state scelte: divide le righe all&apos;inizio di una partita in una parte
di scelta e una di verifica, verifica ogni combinazione su entrambe (come
&quot;verify&quot;), le ordina sulla parte di scelta e mostra le 20 migliori con il loro
risultato nella parte di verifica; poi rifà la ricerca su serate di uscite a caso
lunghe come la parte di scelta, per mostrare quanto bene la migliore di tante
combinazioni sembra andare per sola fortuna.

Senza opzioni le combinazioni sono: i tre modi, &quot;Numero:&quot; Tutti e da 1 a 36,
&quot;Contr. Massimo&quot; da 1 a 36, e senza e con --second-hit, --reset-after-string e
--no-auto-reset, sempre con --strings-report: 31.968 combinazioni. Ogni opzione
le restringe (--mode zentrima13 --max 5,8,10); un --sweep sceglie esattamente gli
interruttori da provare senza e con, e un interruttore dato vale per tutte.

Opzioni:
</source>
        <translation>Usage: zentrima13 search [options]
Looks for the settings that would have paid best, and checks whether they hold on
spins they were not chosen on: splits the rows at the start of a game into a
choosing part and a judging part, checks every combination on both (as
&quot;verify&quot; does), ranks them on the choosing part and shows the best 20 with their
result on the judging part; then repeats the search on sessions of random spins
as long as the choosing part, to show how good the best of many combinations
looks by luck alone.

Without options the combinations are: the three modes, &quot;Number:&quot; All and 1 to 36,
&quot;Max. spins&quot; 1 to 36, and without and with --second-hit, --reset-after-string and
--no-auto-reset, always with --strings-report: 31,968 combinations. Each option
narrows them (--mode zentrima13 --max 5,8,10); a --sweep chooses exactly the
switches tried without and with, and a switch given holds for all.

Options:
</translation>
    </message>
    <message>
        <source>  --choose P%           la parte di scelta finisce con la partita che contiene la
                        riga al P% delle righe (predefinito: 50%)
  --choose-until ID     la parte di scelta finisce con la partita che contiene la
                        riga con questo id
  --rank net|hits       ordina per saldo (predefinito) o per colpi vinti per colpo
                        puntato
  --luck N              serate a caso per la fortuna della ricerca (predefinito: 3;
                        0: nessuna)
  --seed S              il seme delle serate a caso (predefinito: 1)
  --csv FILE            una riga per combinazione, le migliori prima, con le cifre
                        delle due parti una accanto all&apos;altra; - per lo standard
                        output (e allora i risultati non si mostrano)
  --lang it|en          la lingua dei messaggi e dei risultati (it: italiano, en:
                        inglese); il CSV non cambia
  -h, --help            mostra questo aiuto

Nei modi quorix e zentrima13 il filtro &quot;Numero:&quot; non cambia nulla: le combinazioni
che differiscono solo per il filtro si giocano una volta e hanno gli stessi risultati.
Ctrl+C interrompe la ricerca senza scrivere nulla.

Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide,
3 il file delle uscite manca o non è utilizzabile, non ha la riga di --from o di
--choose-until, o non si può dividere, 4 il file delle uscite è bloccato da un altro
programma: riprovare più tardi, 130 interrotta.
</source>
        <translation>  --choose P%           the choosing part ends with the game that holds the row
                        at P% of the rows (default: 50%)
  --choose-until ID     the choosing part ends with the game that holds the row
                        with this id
  --rank net|hits       ranks by balance (default) or by hits per staked spin
  --luck N              random sessions for the luck of the search (default: 3;
                        0: none)
  --seed S              the seed of the random sessions (default: 1)
  --csv FILE            one line per combination, best first, with the figures
                        of the two parts side by side; - for standard output
                        (and then the results are not shown)
  --lang it|en          the language of the messages and results (it: Italian, en:
                        English); the CSV does not change
  -h, --help            show this help

In the quorix and zentrima13 modes the &quot;Number:&quot; filter changes nothing: combinations
that differ only by the filter are played once and have the same results.
Ctrl+C stops the search without writing anything.

Exit status: 0 done, 1 a file cannot be written, 2 invalid options,
3 the spins file is missing or unusable, lacks the row of
--from or --choose-until, or cannot be split, 4 the spins file is locked by another
program: try again later, 130 interrupted.
</translation>
    </message>
    <message>
        <source>Valore non valido per --%1: &quot;%2&quot; (%3).</source>
        <translation>Invalid value for --%1: &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>--choose e --choose-until non vanno insieme.</source>
        <translation>--choose and --choose-until do not go together.</translation>
    </message>
    <message>
        <source>una percentuale tra 0% e 100%, come 50%</source>
        <translation>a percentage between 0% and 100%, such as 50%</translation>
    </message>
    <message>
        <source>l&apos;id di una riga, un numero intero</source>
        <translation>the id of a row, a whole number</translation>
    </message>
    <message>
        <source>un numero intero da 0 a 100</source>
        <translation>a whole number from 0 to 100</translation>
    </message>
    <message>
        <source>un numero intero da 0 in su</source>
        <translation>a whole number from 0 up</translation>
    </message>
    <message>
        <source>Nel file %1 non ci sono righe da dividere</source>
        <translation>The file %1 has no rows to split</translation>
    </message>
    <message>
        <source>Tra le righe lette dal file %1 non c&apos;è la riga con id %2</source>
        <translation>Among the rows read from the file %1 there is no row with id %2</translation>
    </message>
    <message>
        <source>Dopo la riga con id %1 nessuna partita comincia (Memoria 1): la parte di verifica resterebbe vuota</source>
        <translation>No game begins after the row with id %1 (Memoria 1): the judging part would be empty</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Parte di scelta: %1 righe (id %2); parte di verifica: %3 righe (id %4), divise all&apos;inizio di una partita.</source>
        <translation>Choosing part: %1 rows (ids %2); judging part: %3 rows (ids %4), split at the start of a game.</translation>
    </message>
    <message>
        <source>Combinazioni: %1, giocate %2 per parte.</source>
        <translation>Combinations: %1, %2 played per part.</translation>
    </message>
    <message>
        <source>Nei modi quorix e zentrima13 il filtro &quot;Numero:&quot; non cambia nulla: le combinazioni che differiscono solo per il filtro (o per il valore della fiche) hanno gli stessi risultati e qui contano una volta.</source>
        <translation>In the quorix and zentrima13 modes the &quot;Number:&quot; filter changes nothing: combinations that differ only by the filter (or by the chip value) have the same results and count once here.</translation>
    </message>
    <message>
        <source>Ordinate per colpi vinti per colpo puntato nella parte di scelta.</source>
        <translation>Ranked by hits per staked spin on the choosing part.</translation>
    </message>
    <message>
        <source>Ordinate per saldo nella parte di scelta, in fiches.</source>
        <translation>Ranked by balance on the choosing part, in chips.</translation>
    </message>
    <message numerus="yes">
        <source>Le %1 migliori nella parte di scelta, e come sono andate nella parte di verifica:</source>
        <translation>
            <numerusform>The best %1 on the choosing part, and how it did on the judging part:</numerusform>
            <numerusform>The best %1 on the choosing part, and how they did on the judging part:</numerusform>
        </translation>
    </message>
    <message>
        <source>n.</source>
        <translation>#</translation>
    </message>
    <message>
        <source>modo</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>filtro</source>
        <translation>filter</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>2° colpo</source>
        <translation>2nd hit</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Azz. auto</source>
        <translation>Auto reset</translation>
    </message>
    <message>
        <source>puntate</source>
        <translation>stakes</translation>
    </message>
    <message>
        <source>colpi % scelta</source>
        <translation>hits % choosing</translation>
    </message>
    <message>
        <source>verifica</source>
        <translation>judging</translation>
    </message>
    <message>
        <source>saldo scelta</source>
        <translation>choosing balance</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>saldo verifica</source>
        <translation>judging balance</translation>
    </message>
    <message>
        <source>qualsiasi</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Nella parte di verifica hanno un saldo positivo %1 delle %2 (la sola fortuna, con le loro puntate, ne darebbe in media %3).</source>
        <translation>On the judging part %1 of the %2 have a positive balance (luck alone, with their stakes, would give %3 on average).</translation>
    </message>
    <message>
        <source>La prima: %1 in verifica, z %2 (%3).</source>
        <translation>The first: %1 on the judging part, z %2 (%3).</translation>
    </message>
    <message>
        <source>nessuna puntata</source>
        <translation>no stake</translation>
    </message>
    <message numerus="yes">
        <source>La fortuna della ricerca: su %n serate di uscite a caso lunghe come la parte di scelta (seme %1), la migliore delle %2 combinazioni ha avuto %3 (z %4).</source>
        <translation>
            <numerusform>On %n session of random spins as long as the choosing part (seed %1), the best of the %2 combinations had %3 (z %4): the luck of the search.</numerusform>
            <numerusform>On %n sessions of random spins as long as the choosing part (seed %1), the best of the %2 combinations had %3 (z %4): the luck of the search.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>La migliore sulle uscite vere (%1, z %2) non fa meglio della migliore su uscite a caso in %3 serate su %4: la migliore di tante combinazioni sembra andare così bene anche per sola fortuna.</source>
        <translation>
            <numerusform>The best on the real spins (%1, z %2) does no better than the best on random spins in %3 of %4 session: the best of many combinations looks this good by luck alone too.</numerusform>
            <numerusform>The best on the real spins (%1, z %2) does no better than the best on random spins in %3 of %4 sessions: the best of many combinations looks this good by luck alone too.</numerusform>
        </translation>
    </message>
    <message>
        <source>La migliore sulle uscite vere (%1, z %2) fa meglio della migliore di ogni serata a caso; se regge lo dice la parte di verifica.</source>
        <translation>The best on the real spins (%1, z %2) does better than the best of every random session; whether it holds, the judging part tells.</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>Ricerca interrotta: nessun file è stato scritto.</source>
        <translation>Search interrupted: no file was written.</translation>
    </message>
    <message numerus="yes">
        <source>%1 combinazioni su %2 righe (scelta %3, verifica %4), e %n serate a caso per la fortuna della ricerca.</source>
        <translation>
            <numerusform>%1 combinations over %2 rows (choosing %3, judging %4), and %n random session for the luck of the search.</numerusform>
            <numerusform>%1 combinations over %2 rows (choosing %3, judging %4), and %n random sessions for the luck of the search.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 di %2 uscite giocate (%3 al secondo), %4 rimanenti</source>
        <translation>%1 of %2 spins played (%3 a second), %4 left</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Una ricerca su uscite a caso fa almeno altrettanto bene %1 (%2).</source>
        <translation>A search on random spins does at least as well %1 (%2).</translation>
    </message>
    <message>
        <source>  --games-every N       una partita nuova comincia ogni N righe lette, oltre che
                        alle righe con Memoria 1: per dividere uscite importate
                        che sono tutte una partita
</source>
        <translation>  --games-every N       a new game begins every N rows read, as well as at the
                        rows with Memoria 1: to split imported spins that are
                        all one game
</translation>
    </message>
    <message>
        <source>un numero intero di righe da 1 in su</source>
        <translation>a whole number of rows, 1 or more</translation>
    </message>
    <message>
        <source>. Se le righe sono una partita sola (come le uscite importate da un file), dividile in partite con --games-every N, per esempio --games-every %1 (una partita nuova ogni %1 righe)</source>
        <translation>. If the rows are a single game (as spins imported from a file are), split them into games with --games-every N, for example --games-every %1 (a new game every %1 rows)</translation>
    </message>
    <message>
        <source>. Con --games-every %1 dopo quella riga non comincia un&apos;altra partita: scegli un N più piccolo o una parte di scelta più corta (--choose)</source>
        <translation>. With --games-every %1 no other game begins after that row: choose a smaller N or a shorter choosing part (--choose)</translation>
    </message>
    <message>
        <source>innumerevoli</source>
        <translation>countless</translation>
    </message>
    <message>
        <source>
Le combinazioni sono al massimo %1.
</source>
        <translation>
There are at most %1 combinations.
</translation>
    </message>
    <message>
        <source>Le opzioni chiedono %1 combinazioni: più delle %2 che si possono cercare in una volta. Accorciare gli elenchi.</source>
        <translation>The options ask for %1 combinations: more than the %2 that can be searched in one go. Shorten the lists.</translation>
    </message>
</context>
<context>
    <name>SpinQueue</name>
    <message>
        <source>Il file %1 delle uscite in attesa non si può leggere (%2)</source>
        <translation>The file %1 of the spins waiting to be recorded cannot be read (%2)</translation>
    </message>
    <message>
        <source>Nel file %1 una riga era danneggiata ed è stata tolta</source>
        <translation>A damaged line was removed from the file %1</translation>
    </message>
    <message>
        <source>Nel file %1 %2 righe erano danneggiate e sono state tolte</source>
        <translation>%2 damaged lines were removed from the file %1</translation>
    </message>
    <message>
        <source>: un&apos;uscita in attesa di registrazione può essere andata persa</source>
        <translation>: a spin waiting to be recorded may have been lost</translation>
    </message>
    <message>
        <source>Il file %1 delle uscite in attesa non si può scrivere</source>
        <translation>The file %1 of the spins waiting to be recorded cannot be written</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>la chiave %1 non è un numero da 1 a %2</source>
        <translation>the key %1 is not a number from 1 to %2</translation>
    </message>
    <message>
        <source>Il file %1 delle uscite in attesa %2 e il programma non lo usa</source>
        <translation>The program does not use the file %1 of the spins waiting to be recorded: %2</translation>
    </message>
    <message>
        <source>Il file %1 delle uscite in attesa supera i %2 MB che si possono leggere e non è stato letto</source>
        <translation>The file %1 of the spins waiting to be recorded is larger than the %2 MB that can be read, and was not read</translation>
    </message>
    <message>
        <source>Nel file %1 la riga %2 non è valida (%3) e non è stata registrata</source>
        <translation>In the file %1 line %2 is not valid (%3) and was not recorded</translation>
    </message>
    <message>
        <source>Nel file %1 %2 righe non sono valide (la prima è la riga %3: %4) e non sono state registrate</source>
        <translation>In the file %1 %2 lines are not valid (the first is line %3: %4) and were not recorded</translation>
    </message>
    <message>
        <source>Ora %1 non è un&apos;ora valida</source>
        <translation>Ora %1 is not a valid time</translation>
    </message>
    <message>
        <source>l&apos;id di riga %1 non è un numero da 1 a %2</source>
        <translation>the row id %1 is not a number from 1 to %2</translation>
    </message>
    <message>
        <source>; il file non si può mettere da parte e resta com&apos;era: le sue uscite restano in attesa</source>
        <translation>; the file cannot be set aside and stays as it was: its spins keep waiting</translation>
    </message>
    <message>
        <source>; il file com&apos;era è conservato come %1</source>
        <translation>; the file as it was is kept as %1</translation>
    </message>
</context>
<context>
    <name>SpinRecorder</name>
    <message>
        <source>: l&apos;uscita non è stata tolta da quelle in attesa.</source>
        <translation>: the spin was not taken out of the spins waiting to be recorded.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Zentrima 13 è già aperto nella cartella %1.</source>
        <translation>Zentrima 13 is already open in the folder %1.</translation>
    </message>
    <message>
        <source>non c&apos;è uno schermo (DISPLAY non è impostato)</source>
        <translation>there is no screen (DISPLAY is not set)</translation>
    </message>
    <message>
        <source>Zentrima 13 non può aprire le sue finestre: %1. Senza schermo si avvia con &quot;xvfb-run -a zentrima13&quot;; i comandi (zentrima13 --help) non ne hanno bisogno.</source>
        <translation>Zentrima 13 cannot open its windows: %1. Without a screen, start it with &quot;xvfb-run -a zentrima13&quot;; the commands (zentrima13 --help) do not need one.</translation>
    </message>
    <message>
        <source>la piattaforma grafica «%1» non si avvia</source>
        <translation>the graphics platform &quot;%1&quot; does not start</translation>
    </message>
    <message>
        <source>lo schermo «%1» non risponde</source>
        <translation>the screen &quot;%1&quot; does not answer</translation>
    </message>
    <message>
        <source>Zentrima 13 non può lavorare in %1: non è una cartella.</source>
        <translation>Zentrima 13 cannot work in %1: it is not a folder.</translation>
    </message>
    <message>
        <source>Zentrima 13 non può creare la cartella %1: %2.</source>
        <translation>Zentrima 13 cannot create the folder %1: %2.</translation>
    </message>
    <message>
        <source>Zentrima 13 non può lavorare nella cartella %1: %2.</source>
        <translation>Zentrima 13 cannot work in the folder %1: %2.</translation>
    </message>
</context>
<context>
    <name>Statistiche</name>
    <message>
        <source>un indizio</source>
        <translation>a hint</translation>
    </message>
    <message>
        <source>un forte indizio</source>
        <translation>a strong hint</translation>
    </message>
    <message>
        <source>quasi una prova</source>
        <translation>almost a proof</translation>
    </message>
    <message>
        <source>nella norma</source>
        <translation>within the norm</translation>
    </message>
    <message>
        <source>meno di una volta su mille</source>
        <translation>less than once in a thousand</translation>
    </message>
    <message>
        <source>meno di una volta su cento</source>
        <translation>less than once in a hundred</translation>
    </message>
    <message>
        <source>quasi sempre</source>
        <translation>almost always</translation>
    </message>
    <message>
        <source>una volta su cento</source>
        <translation>once in a hundred</translation>
    </message>
    <message>
        <source>%1 volte su cento</source>
        <translation>%1 times in a hundred</translation>
    </message>
    <message>
        <source>Troppo poche uscite per un confronto con il caso.</source>
        <translation>Too few spins to compare with chance.</translation>
    </message>
    <message>
        <source>differenze così grandi il caso le dà %1; nulla fa pensare a qualcosa di favorito.</source>
        <translation>chance gives differences this large %1; nothing suggests anything is favoured.</translation>
    </message>
    <message>
        <source>non ancora una prova: il caso da solo darebbe differenze così grandi solo %1.</source>
        <translation>not a proof yet: chance alone would give differences this large only %1.</translation>
    </message>
    <message>
        <source>il caso da solo darebbe differenze così grandi %1: difficilmente è solo fortuna.</source>
        <translation>chance alone would give differences this large %1: hardly just luck.</translation>
    </message>
    <message>
        <source>il caso da solo non darebbe quasi mai differenze così grandi (%1): vale la pena di controllare la ruota o le registrazioni.</source>
        <translation>chance alone would almost never give differences this large (%1): worth checking the wheel or the records.</translation>
    </message>
    <message>
        <source>troppo poche uscite</source>
        <translation>too few spins</translation>
    </message>
    <message>
        <source>Nella norma: le proposte non hanno fatto né meglio né peggio di altrettanti numeri scelti a caso (uno scarto così il caso lo dà %1).</source>
        <translation>Within the norm: the proposals did no better and no worse than as many numbers picked at random (chance gives a gap like this %1).</translation>
    </message>
    <message>
        <source>le proposte sono fallite meno di altrettanti numeri scelti a caso</source>
        <translation>the proposals failed less often than as many numbers picked at random</translation>
    </message>
    <message>
        <source>le proposte sono fallite più di altrettanti numeri scelti a caso</source>
        <translation>the proposals failed more often than as many numbers picked at random</translation>
    </message>
    <message>
        <source>%1: %2; il caso darebbe uno scarto così grande %3.</source>
        <translation>%1: %2; chance would give a gap this large %3.</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Rosso</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Nero</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Dozzine</source>
        <translation>Dozens</translation>
    </message>
    <message>
        <source>Colonne</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>%1ª dozzina</source>
        <translation>Dozen %1</translation>
    </message>
    <message>
        <source>%1ª colonna</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Gioco 0</source>
        <translation>Zero game</translation>
    </message>
    <message>
        <source>Vicini dello 0</source>
        <translation>Voisins du zéro</translation>
    </message>
    <message>
        <source>Orfanelli</source>
        <translation>Orphelins</translation>
    </message>
    <message>
        <source>Serie 5 / 8</source>
        <translation>Tiers 5 / 8</translation>
    </message>
    <message>
        <source>Settori della ruota</source>
        <translation>Wheel sectors</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Nessuna riga selezionata.</source>
        <translation>No row selected.</translation>
    </message>
    <message>
        <source>La riga %1 non è più nel file %2</source>
        <translation>Row %1 is no longer in the file %2</translation>
    </message>
    <message>
        <source>Nel file %2 più righe hanno l&apos;id %1</source>
        <translation>In the file %2 several rows have the id %1</translation>
    </message>
    <message>
        <source>Il comando non ha la colonna id</source>
        <translation>The query has no id column</translation>
    </message>
    <message>
        <source>La colonna %1 non esiste.</source>
        <translation>The column %1 does not exist.</translation>
    </message>
    <message>
        <source>La colonna %1 non si può modificare.</source>
        <translation>The column %1 cannot be changed.</translation>
    </message>
    <message>
        <source>Nel file %1 non c&apos;è la riga con id %2</source>
        <translation>The file %1 has no row with id %2</translation>
    </message>
    <message>
        <source>: nessuna uscita è stata importata.</source>
        <translation>: no spins were imported.</translation>
    </message>
    <message>
        <source>Nel file %1 la colonna %2 della riga con id %3 ha un testo che non è UTF-8</source>
        <translation>In the file %1, column %2 of the row with id %3 holds text that is not UTF-8</translation>
    </message>
    <message>
        <source>Nel file %1 i trigger o i vincoli della tabella Uscite cambiano le righe importate (%2 aggiunte invece di %3)</source>
        <translation>In the file %1, the triggers or constraints of the table Uscite change the imported rows (%2 added instead of %3)</translation>
    </message>
    <message>
        <source>: l&apos;uscita non è stata registrata.</source>
        <translation>: the spin was not recorded.</translation>
    </message>
    <message>
        <source>: la riga non è stata cancellata.</source>
        <translation>: the row was not deleted.</translation>
    </message>
    <message>
        <source>: la modifica non è stata salvata.</source>
        <translation>: the change was not saved.</translation>
    </message>
    <message>
        <source>: le righe non sono state lette.</source>
        <translation>: the rows were not read.</translation>
    </message>
    <message>
        <source>Il file %1 è in sola lettura</source>
        <translation>The file %1 is read-only</translation>
    </message>
    <message>
        <source>Il file %1 non esiste</source>
        <translation>The file %1 does not exist</translation>
    </message>
    <message>
        <source>Il file %1 ha una scrittura interrotta da annullare (il file %2-journal accanto), ma qui il file o la sua cartella non si possono scrivere: la annulla il primo programma che lo apre potendolo scrivere</source>
        <translation>The file %1 has an interrupted write to roll back (the file %2-journal beside it), but here the file or its folder cannot be written: the first program that opens it with write access rolls it back</translation>
    </message>
    <message>
        <source>Nella cartella %1 del file %2 non si possono creare file</source>
        <translation>Files cannot be created in the folder %1 of the file %2</translation>
    </message>
    <message>
        <source>Nel file %1 la colonna %2 della tabella Uscite non accetta righe senza valore</source>
        <translation>In the file %1, column %2 of the table Uscite does not accept rows without a value</translation>
    </message>
    <message>
        <source>Nel file %1 la colonna %2 della tabella Uscite non accetta valori ripetuti</source>
        <translation>In the file %1, column %2 of the table Uscite does not accept repeated values</translation>
    </message>
    <message>
        <source>Nel file %1 un vincolo CHECK della tabella Uscite rifiuta la riga</source>
        <translation>In the file %1, a CHECK constraint of the table Uscite rejects the row</translation>
    </message>
    <message>
        <source>Nel file %1 un trigger rifiuta la riga («%2»)</source>
        <translation>In the file %1, a trigger rejects the row (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Nel file %1 un vincolo di chiave esterna rifiuta la riga</source>
        <translation>In the file %1, a foreign key constraint rejects the row</translation>
    </message>
    <message>
        <source>Il file %1 è bloccato da un altro programma</source>
        <translation>The file %1 is locked by another program</translation>
    </message>
    <message>
        <source>Il file %1 non è un database valido</source>
        <translation>The file %1 is not a valid database</translation>
    </message>
    <message>
        <source>Il file %1 è danneggiato</source>
        <translation>The file %1 is damaged</translation>
    </message>
    <message>
        <source>Il disco del file %1 è pieno</source>
        <translation>The disk holding the file %1 is full</translation>
    </message>
    <message>
        <source>Il file %1 non si può aprire</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>Errore di lettura o scrittura sul file %1</source>
        <translation>Read or write error on the file %1</translation>
    </message>
    <message>
        <source>Non si ha il permesso di accedere al file %1</source>
        <translation>No permission to access the file %1</translation>
    </message>
    <message>
        <source>La memoria non basta per il file %1</source>
        <translation>Not enough memory for the file %1</translation>
    </message>
    <message>
        <source>Un altro programma ha cambiato la struttura del file %1</source>
        <translation>Another program changed the structure of the file %1</translation>
    </message>
    <message>
        <source>Nel file %1 un valore è troppo grande</source>
        <translation>In the file %1, a value is too large</translation>
    </message>
    <message>
        <source>Nel file %1 un vincolo della tabella Uscite rifiuta la riga</source>
        <translation>In the file %1, a constraint of the table Uscite rejects the row</translation>
    </message>
    <message>
        <source>Nel file %1 un valore non è del tipo che la tabella Uscite vuole</source>
        <translation>In the file %1, a value is not of the type the table Uscite requires</translation>
    </message>
    <message>
        <source>Il file %1 chiede un&apos;operazione non permessa</source>
        <translation>The file %1 asks for an operation that is not allowed</translation>
    </message>
    <message>
        <source>Nel file %1 la struttura della tabella Uscite chiama %2, che lì non è permessa</source>
        <translation>In the file %1, the table Uscite calls %2, which is not allowed there</translation>
    </message>
    <message>
        <source>Nel file %1 la struttura della tabella Uscite usa «%2», che non c&apos;è</source>
        <translation>In the file %1, the table Uscite uses &quot;%2&quot;, which does not exist</translation>
    </message>
    <message>
        <source>Il file %1 ha una struttura che questo programma non sa usare</source>
        <translation>The file %1 has a structure this program cannot use</translation>
    </message>
    <message>
        <source>Errore imprevisto del database nel file %1 (codice %2)</source>
        <translation>Unexpected database error in the file %1 (code %2)</translation>
    </message>
    <message>
        <source>La tabella Uscite del file %1 ha esaurito i numeri di riga (id)</source>
        <translation>The table Uscite of the file %1 has run out of row numbers (id)</translation>
    </message>
    <message>
        <source>Il file %1 non si può creare (%2)</source>
        <translation>The file %1 cannot be created (%2)</translation>
    </message>
    <message>
        <source>Nel file %1 manca la tabella Uscite</source>
        <translation>The file %1 has no table Uscite</translation>
    </message>
    <message>
        <source>Nel file %1 manca la colonna %2 della tabella Uscite</source>
        <translation>In the file %1, the table Uscite has no column %2</translation>
    </message>
    <message>
        <source>Nel file %1 Uscite non è una tabella</source>
        <translation>In the file %1, Uscite is not a table</translation>
    </message>
    <message>
        <source>Nel file %1 la colonna id della tabella Uscite non è una chiave intera assegnata dal database</source>
        <translation>In the file %1, the id column of the table Uscite is not an integer key assigned by the database</translation>
    </message>
    <message>
        <source>Nel file %1 la tabella Uscite non ha tenuto la riga come le è stata mandata (un trigger o una regola del file l&apos;ha scartata o cambiata)</source>
        <translation>In the file %1 the table Uscite did not keep the row as it was sent (a trigger or a rule of the file dropped or changed it)</translation>
    </message>
    <message>
        <source>Il file %1 è stato sostituito o spostato mentre il programma lo usava</source>
        <translation>The file %1 was replaced or moved while the program was using it</translation>
    </message>
    <message>
        <source>Nel file %1 c&apos;è già una riga con l&apos;id %2</source>
        <translation>The file %1 already has a row with id %2</translation>
    </message>
    <message>
        <source>: la riga cancellata non è stata rimessa.</source>
        <translation>: the deleted row was not put back.</translation>
    </message>
    <message>
        <source>Nel file %1 i trigger o i vincoli della tabella Uscite cambiano le righe importate (la %2ª uscita non è registrata com&apos;era nel file)</source>
        <translation>In the file %1 the triggers or constraints of the table Uscite change the imported rows (spin %2 is not stored as it was in the file)</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>spunta &quot;Stringa comp. a colpo&quot;</source>
        <translation>ticks &quot;Check each spin&quot;</translation>
    </message>
    <message>
        <source>spunta &quot;Stringa comp. Progressione&quot;</source>
        <translation>ticks &quot;Track proposals&quot;</translation>
    </message>
    <message>
        <source>toglie &quot;Controlla 1° colpo&quot;</source>
        <translation>clears &quot;Check 1st hit&quot;</translation>
    </message>
    <message>
        <source>spunta &quot;Controlla 2° colpo&quot;</source>
        <translation>ticks &quot;Check 2nd hit&quot;</translation>
    </message>
    <message>
        <source>spunta &quot;Azzera&quot; delle impostazioni</source>
        <translation>ticks &quot;Reset&quot; in the settings</translation>
    </message>
    <message>
        <source>toglie &quot;Azzera Auto con memoria 1&quot;</source>
        <translation>clears &quot;Auto reset at game start&quot;</translation>
    </message>
    <message>
        <source>Valore non valido per --%1: &quot;%2&quot; (%3).</source>
        <translation>Invalid value for --%1: &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>il nome di un file</source>
        <translation>the name of a file</translation>
    </message>
    <message>
        <source>--%1 non può essere il file delle uscite.</source>
        <translation>--%1 cannot be the spins file.</translation>
    </message>
    <message>
        <source>--out e --csv non possono essere lo stesso file (%1).</source>
        <translation>--out and --csv cannot be the same file (%1).</translation>
    </message>
    <message>
        <source>l&apos;id di una riga, un numero intero</source>
        <translation>the id of a row, a whole number</translation>
    </message>
    <message>
        <source>un numero intero da 0 a %1</source>
        <translation>a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>none, quorix o zentrima13</source>
        <translation>none, quorix or zentrima13</translation>
    </message>
    <message>
        <source>Tutti o un numero da 1 a 36</source>
        <translation>All, Tutti or a number from 1 to 36</translation>
    </message>
    <message>
        <source>--%1 e --sweep %1 non vanno insieme.</source>
        <translation>--%1 and --sweep %1 do not go together.</translation>
    </message>
    <message>
        <source>Boules</source>
        <translation>Spins replayed</translation>
    </message>
    <message>
        <source>Verificate</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Conta Usc.</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Numeri Giocati</source>
        <translation>Numbers Played</translation>
    </message>
    <message>
        <source>Fuori Lim. 1° Uscita</source>
        <translation>Over Limit 1st Hit</translation>
    </message>
    <message>
        <source>Fuori Lim. 2° Uscita</source>
        <translation>Over Limit 2nd Hit</translation>
    </message>
    <message>
        <source>Lettura delle uscite…</source>
        <translation>Reading the spins…</translation>
    </message>
    <message>
        <source>%1 di %2 righe, %3 righe/s, %4 s rimanenti</source>
        <translation>%1 of %2 rows, %3 rows/s, %4 s left</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1.</source>
        <translation>Unknown option: %1.</translation>
    </message>
    <message>
        <source>Valore mancante o di troppo per l&apos;opzione %1.</source>
        <translation>The option %1 lacks its value, or has one it does not take.</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation>Unexpected argument: %1.</translation>
    </message>
    <message>
        <source>Con più combinazioni il rapporto (--out) non viene scritto.</source>
        <translation>With several combinations the report (--out) is not written.</translation>
    </message>
    <message>
        <source>  --db FILE             il file delle uscite (predefinito: dati.mdb); non viene mai scritto
  --from ID             parte dalla riga con questo id, come &quot;Cerca&quot;
  --count N             righe da rigiocare, come &quot;Colpi:&quot; (predefinito: fino all&apos;ultima)
  --mode MODI           none, quorix o zentrima13
  --filter NUMERI       il filtro &quot;Numero:&quot; del tavolo: Tutti o da 1 a 36
  --max TESTI           &quot;Contr. Massimo&quot; delle impostazioni
</source>
        <translation>  --db FILE             the spins file (default: dati.mdb); it is never written
  --from ID             starts from the row with this id, as &quot;Find&quot; does
  --count N             rows to replay, as &quot;Spins:&quot; (default: up to the last)
  --mode MODES          none, quorix or zentrima13
  --filter NUMBERS      the board&apos;s &quot;Number:&quot; filter: All (or Tutti) or 1 to 36
  --max TRIES           &quot;Max. spins&quot; of the settings
</translation>
    </message>
    <message>
        <source>  --simulate N          gioca anche N serate di uscite a caso con le stesse impostazioni
  --spins L             uscite di ogni serata simulata (predefinito: 300)
  --seed S              il seme delle serate simulate (predefinito: 1)
</source>
        <translation>  --simulate N          also plays N sessions of random spins with the same settings
  --spins L             spins of each simulated session (default: 300)
  --seed S              the seed of the simulated sessions (default: 1)
</translation>
    </message>
    <message>
        <source>  --sweep NOME          verifica l&apos;opzione NOME (una delle sei qui sopra) sia senza
                        sia con; si può ripetere
</source>
        <translation>  --sweep NAME          checks the option NAME (one of the six above) both without
                        and with it; can be repeated
</translation>
    </message>
    <message>
        <source>Uso: zentrima13 verify [opzioni]
Verifica le proposte sulle uscite registrate, senza finestre: fa ciò che fa il
visualizzatore con &quot;GO&quot; sulle righe e poi &quot;SALVA&quot;, con le impostazioni date.
Scrive il rapporto e mostra i risultati della verifica, un &quot;nome: valore&quot; per riga.

Opzioni (predefiniti: --mode none, --filter Tutti, --max 10):
  --out FILE            il rapporto (predefinito: Statistica.txt)
</source>
        <translation>Usage: zentrima13 verify [options]
Checks the proposals against the recorded spins, without windows: does what the
viewer does with &quot;GO&quot; over the rows and then &quot;SAVE&quot;, with the settings given.
Writes the report and shows the results of the check, one &quot;name: value&quot; per line.

Options (defaults: --mode none, --filter All, --max 10):
  --out FILE            the report (default: Statistica.txt)
</translation>
    </message>
    <message>
        <source>  --csv FILE            una riga per combinazione, con l&apos;intestazione; - per lo
                        standard output
  --lang it|en          la lingua dei messaggi e dei risultati (it: italiano, en:
                        inglese); il rapporto e il CSV non cambiano
  -h, --help            mostra questo aiuto

MODI, NUMERI e TESTI possono essere elenchi separati da virgole (--max 2,4,6): ogni
combinazione viene verificata, su tutti i processori. Con più combinazioni il rapporto
non viene scritto e le righe vanno al file di --csv (senza --csv, allo standard output:
una tabella se è un terminale, il CSV altrimenti).
--out - scrive il rapporto sullo standard output (e allora i risultati non si
mostrano); --out e --csv non possono essere lo stesso file.

Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide,
3 il file delle uscite manca o non è utilizzabile, o non ha la riga di --from,
4 il file delle uscite è bloccato da un altro programma: riprovare più tardi.
</source>
        <translation>  --csv FILE            one line per combination, with the header; - for
                        standard output
  --lang it|en          the language of the messages and results (it: Italian, en:
                        English); the report and the CSV do not change
  -h, --help            show this help

MODES, NUMBERS and TRIES can be comma-separated lists (--max 2,4,6): every
combination is checked, on all processors. With several combinations the report
is not written and the lines go to the file of --csv (without --csv, to standard output:
a table on a terminal, the CSV otherwise).
--out - writes the report to standard output (and then the results are not
shown); --out and --csv cannot be the same file.

Exit status: 0 done, 1 a file cannot be written, 2 invalid options,
3 the spins file is missing or unusable, or lacks the row of --from,
4 the spins file is locked by another program: try again later.
</translation>
    </message>
    <message>
        <source>Le combinazioni sono al massimo %1; quante sono lo dice una riga
sullo standard error prima di cominciare.
</source>
        <translation>There are at most %1 combinations; a line on standard error says how many
before the work starts.
</translation>
    </message>
    <message>
        <source>Le opzioni chiedono %1 combinazioni: più delle %2 che si possono verificare in una volta. Accorciare gli elenchi.</source>
        <translation>The options ask for %1 combinations: more than the %2 that can be verified in one go. Shorten the lists.</translation>
    </message>
    <message>
        <source>innumerevoli</source>
        <translation>countless</translation>
    </message>
    <message>
        <source>%1 combinazioni da verificare.</source>
        <translation>%1 combinations to verify.</translation>
    </message>
    <message>
        <source>un numero intero da %1 a %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>flat, recovery o da 1 a %1 multipli interi da 0 a %2 separati da virgole, almeno uno non 0</source>
        <translation>flat, recovery or 1 to %1 whole multiples from 0 to %2 separated by commas, at least one not 0</translation>
    </message>
    <message>
        <source>un valore da 0,01 a meno di %1 con al massimo due decimali, come 2,5 o 2.5</source>
        <translation>a value from 0.01 to less than %1 with at most two decimals, like 2.5 or 2,5</translation>
    </message>
    <message>
        <source>; per più valori si ripete --chip</source>
        <translation>; for more values repeat --chip</translation>
    </message>
    <message>
        <source>Con --stake %1 il multiplo %2 chiede %3 fiches per numero: oltre il limite di %4. Si può dare --table-max, che riduce le puntate.</source>
        <translation>With --stake %1 the multiple %2 asks for %3 chips per number: over the limit of %4. Give --table-max, which reduces the stakes.</translation>
    </message>
    <message>
        <source>Tutti</source>
        <translation>All</translation>
    </message>
    <message>
        <source>  --stake N             fiches su ogni numero della stringa seguita (predefinito: 1)
  --progression P       flat (sempre --stake), recovery (il recupero) o i multipli di
                        --stake per tentativo, l&apos;ultimo ripetuto (1,1,2,3,5,8)
  --target N            il recupero: quanto rende almeno un colpo vinto (predefinito: 1)
  --table-max N         la puntata massima del tavolo su un numero
  --chip VALORE         il valore di una fiche, al centesimo (2,5 o 2.5): le somme
                        nella tua moneta
  --bankroll N          le fiches della serata: finisce alla prima puntata che non
                        coprono (rovina)
</source>
        <translation>  --stake N             chips on each number of the followed set (default: 1)
  --progression P       flat (always --stake), recovery or the multiples of
                        --stake per attempt, the last one repeated (1,1,2,3,5,8)
  --target N            recovery: what a hit pays at least (default: 1)
  --table-max N         the table maximum on a straight-up number
  --chip VALUE          the value of a chip, to the cent (2.5 or 2,5): the sums in
                        your own currency
  --bankroll N          the chips of the session: it ends at the first stake they
                        do not cover (bust)
</translation>
    </message>
    <message>
        <source>
Anche i valori di --stake, --target, --table-max, --bankroll, --simulate,
--spins e --seed possono essere elenchi; --progression si ripete
(--progression flat --progression 1,2,4) perché un elenco è già la progressione,
e --chip si ripete (--chip 0,5 --chip 2,5) perché la virgola è quella dei decimali.
Le fiches valgono per ogni numero della stringa seguita: un colpo vinto rende
36 volte la puntata sul numero uscito.
</source>
        <translation>
The values of --stake, --target, --table-max, --bankroll, --simulate,
--spins and --seed can be lists too; --progression is repeated
(--progression flat --progression 1,2,4) because a list is a progression already,
and --chip is repeated (--chip 0.5 --chip 2.5) because a comma may be a decimal one.
The chips are on each number of the followed set: a hit pays 36 times the
stake on the number that came out.
</translation>
    </message>
    <message>
        <source>Fallite</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Colpi puntati</source>
        <translation>Staked spins</translation>
    </message>
    <message>
        <source>Puntato</source>
        <translation>Staked</translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>p5 simulato</source>
        <translation>simulated p5</translation>
    </message>
    <message>
        <source>p50 simulato</source>
        <translation>simulated p50</translation>
    </message>
    <message>
        <source>p95 simulato</source>
        <translation>simulated p95</translation>
    </message>
    <message>
        <source>Tutte le colonne, una riga per combinazione: --csv FILE (o --csv - per il CSV qui).
</source>
        <translation>Every column, one line per combination: --csv FILE (or --csv - for the CSV here).
</translation>
    </message>
    <message>
        <source>stringhe vinte, con --strings-report, e proposte controllate, con --proposal-check</source>
        <translation>sets won, with --strings-report, and proposals checked, with --proposal-check</translation>
    </message>
    <message>
        <source>numeri usciti delle proposte controllate, con --proposal-check</source>
        <translation>numbers drawn of the proposals checked, with --proposal-check</translation>
    </message>
    <message>
        <source>numeri delle proposte controllate, con --proposal-check</source>
        <translation>numbers of the proposals checked, with --proposal-check</translation>
    </message>
    <message>
        <source>stringhe annullate prima della vincita, con --strings-report</source>
        <translation>sets cancelled before their hit, with --strings-report</translation>
    </message>
    <message>
        <source>stringhe annullate dopo la prima vincita, con --strings-report</source>
        <translation>sets cancelled after their first hit, with --strings-report</translation>
    </message>
</context>
<context>
    <name>zt::BoardWindow</name>
    <message>
        <source>: le uscite in attesa non sono state registrate. Il programma riprova da solo.</source>
        <translation>: the waiting spins were not recorded. The program tries again by itself.</translation>
    </message>
    <message>
        <source>Registra Uscite</source>
        <translation>Record Spins</translation>
    </message>
    <message>
        <source>1 uscita in attesa
di registrazione</source>
        <translation>1 spin waiting
to be recorded</translation>
    </message>
    <message>
        <source>%1 uscite in attesa
di registrazione</source>
        <translation>%1 spins waiting
to be recorded</translation>
    </message>
    <message>
        <source>Il programma riprova da solo; intanto le uscite sono conservate nel file %1.</source>
        <translation>The program tries again by itself; meanwhile the spins are kept in the file %1.</translation>
    </message>
    <message>
        <source>Il programma riprova da solo; intanto le uscite sono solo in memoria e andrebbero perse chiudendo il programma (%1).</source>
        <translation>The program tries again by itself; meanwhile the spins are only in memory and would be lost on closing the program (%1).</translation>
    </message>
    <message>
        <source>Tasti del tavolo:
0-9: digita il numero uscito (una o due cifre, da 0 a 36)
Invio (anche quello del tastierino): inserisce il numero digitato,
    come un clic sul suo tasto
Esc: cancella il numero digitato; Backspace: toglie l&apos;ultima cifra
Ctrl+Z: toglie l&apos;ultima uscita dalla storia, come &quot;C. ULTIMO&quot;,
    e cancella la riga che questa sessione ha registrato per lei
Ctrl+U: apre Visualizza Uscite; Ctrl+T: apre le Statistiche
Ctrl+P: apre le Puntate (quanto costa seguire le proposte)
Tab: passa al comando seguente; Spazio: preme il comando scelto
Con il Lock spuntato, nel riquadro della proposta i tasti scrivono testo.</source>
        <translation>Board keys:
0-9: type the number that came out (one or two digits, 0 to 36)
Enter (also the keypad&apos;s): enters the number typed,
    as a click on its button
Esc: clears the number typed; Backspace: takes back the last digit
Ctrl+Z: takes the last spin out of the history, as &quot;CLR LAST&quot;,
    and deletes the row this session recorded for it
Ctrl+U: opens the Spin Viewer; Ctrl+T: opens the Statistics
Ctrl+P: opens the Stakes (what following the proposals costs)
Tab: moves to the next control; Space: presses the chosen control
With Lock ticked, the keys type text in the proposal box.</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Tipo gioco</source>
        <translation>Game type</translation>
    </message>
    <message>
        <source>Storia</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Proposta</source>
        <translation>Proposal</translation>
    </message>
    <message>
        <source>%1 errato</source>
        <translation>%1 invalid</translation>
    </message>
    <message>
        <source>Digitato: %1</source>
        <translation>Typed: %1</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima uscita</source>
        <translation>Undo the last spin</translation>
    </message>
    <message>
        <source> L&apos;uscita %1 resta nella storia.</source>
        <translation> The spin %1 stays in the history.</translation>
    </message>
    <message>
        <source>Roulette</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Modo Quorix</source>
        <translation>Quorix Mode</translation>
    </message>
    <message>
        <source>Modo Zentrima13</source>
        <translation>Zentrima13 Mode</translation>
    </message>
    <message>
        <source>Numero:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Tutti</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Visualizza rettangolo per note</source>
        <translation>Show notes box</translation>
    </message>
    <message>
        <source>Ritardi</source>
        <translation>Delays</translation>
    </message>
    <message>
        <source>Inverti Tastiera</source>
        <translation>Flip Keypad</translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation>SETUP</translation>
    </message>
    <message>
        <source>ROUTA</source>
        <translation>WHEEL</translation>
    </message>
    <message>
        <source>C. TUTTO</source>
        <translation>CLR ALL</translation>
    </message>
    <message>
        <source>C. PRIMO</source>
        <translation>CLR FIRST</translation>
    </message>
    <message>
        <source>C. ULTIMO</source>
        <translation>CLR LAST</translation>
    </message>
    <message>
        <source>   Tipo gioco</source>
        <translation>   Game type</translation>
    </message>
    <message>
        <source>Zentrima 13 - assistente da tavolo per la roulette a zero singolo</source>
        <translation>Zentrima 13 - table-side assistant for single-zero roulette</translation>
    </message>
    <message>
        <source>Roulette Zentrima 13</source>
        <translation>Roulette Zentrima 13</translation>
    </message>
    <message>
        <source>Ultimo:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Registrazione spenta
dal replay</source>
        <translation>Recording switched
off by the replay</translation>
    </message>
    <message>
        <source>Il replay (&quot;GO&quot; o &quot;Invia&quot;) ha tolto la spunta a &quot;%1&quot;: le uscite che entrano ora non vengono registrate. Spunta di nuovo la casella in basso a destra per registrarle.</source>
        <translation>The replay (&quot;GO&quot; or &quot;Send&quot;) unticked &quot;%1&quot;: the spins entered now are not recorded. Tick the box at the bottom right again to record them.</translation>
    </message>
    <message>
        <source>Ctrl++ e Ctrl+-: il tavolo più grande o più piccolo; Ctrl+0: la sua misura di partenza</source>
        <translation>Ctrl++ and Ctrl+-: the board larger or smaller; Ctrl+0: its starting size</translation>
    </message>
    <message>
        <source>Leggi</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Legge le uscite dallo schermo (F8): avvia e mette in pausa.
Clic destro: segna di nuovo il rettangolo, capo del numero più recente.</source>
        <translation>Reads the spins off the screen (F8): starts and pauses.
Right click: mark the rectangle again, end of the newest number.</translation>
    </message>
    <message>
        <source>Manca %1: nessuna lettura</source>
        <translation>%1 missing: no reading</translation>
    </message>
    <message>
        <source>Per leggere le cifre dallo schermo serve il pacchetto %1 di Debian: le uscite vanno digitate.</source>
        <translation>Reading the digits off the screen needs the Debian package %1: type the spins.</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Lettura dello schermo…</source>
        <translation>Reading the screen…</translation>
    </message>
    <message>
        <source>Il rettangolo %1 dello schermo è letto quattro volte al secondo.</source>
        <translation>The rectangle %1 of the screen is read four times a second.</translation>
    </message>
    <message>
        <source>Lettura in pausa</source>
        <translation>Reading paused</translation>
    </message>
    <message>
        <source>Lo schermo non si lascia leggere</source>
        <translation>The screen cannot be read</translation>
    </message>
    <message>
        <source>Questo desktop non lascia leggere lo schermo ai programmi (per esempio una sessione Wayland): le uscite vanno digitate. In una sessione X11 la lettura funziona.</source>
        <translation>This desktop does not let programs read its screen (a Wayland session, for example): type the spins. In an X11 session the reading works.</translation>
    </message>
    <message>
        <source>Già uscite %1: clic per la storia</source>
        <translation>%1 already out: click for history</translation>
    </message>
    <message>
        <source>Sullo schermo ci sono già %1 (dal più recente): non entrano da soli. Un clic qui li mette nella storia, dal più vecchio.</source>
        <translation>The screen already shows %1 (newest first): they do not enter by themselves. A click here puts them into the history, oldest first.</translation>
    </message>
    <message>
        <source>Dallo schermo: %1</source>
        <translation>From the screen: %1</translation>
    </message>
    <message>
        <source>Uscita letta dallo schermo ed entrata nella storia; Ctrl+Z la toglie.</source>
        <translation>Spin read off the screen and entered into the history; Ctrl+Z takes it back.</translation>
    </message>
    <message>
        <source>Schermo illeggibile: digita</source>
        <translation>Screen unreadable: type</translation>
    </message>
    <message>
        <source>Nel rettangolo non si legge una striscia di numeri da un po&apos;: nulla è entrato. Digita le uscite; se la pagina si è spostata, segna di nuovo il rettangolo (clic destro su «Leggi»).</source>
        <translation>No strip of numbers has been read in the rectangle for a while: nothing entered. Type the spins; if the page moved, mark the rectangle again (right click on &quot;Read&quot;).</translation>
    </message>
    <message>
        <source>Lettura incerta: digita</source>
        <translation>Uncertain reading: type</translation>
    </message>
    <message>
        <source>Sullo schermo si legge %1: un numero non si legge con sicurezza o non è da 0 a 36. Nulla è entrato: digita l&apos;uscita.</source>
        <translation>The screen reads %1: a number cannot be read with certainty or is not 0 to 36. Nothing entered: type the spin.</translation>
    </message>
    <message>
        <source>Striscia cambiata: digita</source>
        <translation>Strip changed: type</translation>
    </message>
    <message>
        <source>La striscia ora mostra %1, che non segue quella di prima: nulla è entrato. Digita le uscite mancanti; per ripartire da questa striscia metti in pausa e riprendi (F8).</source>
        <translation>The strip now shows %1, which does not follow the one before: nothing entered. Type the missing spins; to start again from this strip, pause and resume (F8).</translation>
    </message>
    <message>
        <source>Non entrate: %1</source>
        <translation>Not entered: %1</translation>
    </message>
    <message>
        <source>La striscia è andata avanti di %1 uscite tra due letture: %2 (dalla più recente) non sono entrate. Digitale, dalla più vecchia, se vuoi.</source>
        <translation>The strip moved on by %1 spins between two readings: %2 (newest first) did not enter. Type them, oldest first, if you wish.</translation>
    </message>
    <message>
        <source>Nella storia: %1</source>
        <translation>Into the history: %1</translation>
    </message>
    <message>
        <source>I numeri già sullo schermo sono entrati nella storia, dal più vecchio.</source>
        <translation>The numbers already on the screen entered the history, oldest first.</translation>
    </message>
    <message>
        <source>Trascina il rettangolo della striscia degli ultimi numeri (o del numero uscito); Esc annulla.</source>
        <translation>Drag the rectangle of the strip of last numbers (or of the number drawn); Esc gives up.</translation>
    </message>
    <message>
        <source>Segna il rettangolo della striscia…</source>
        <translation>Mark the rectangle of the strip…</translation>
    </message>
    <message>
        <source>Il numero più recente è a sinistra</source>
        <translation>The newest number is at the left</translation>
    </message>
    <message>
        <source>Il numero più recente è a destra</source>
        <translation>The newest number is at the right</translation>
    </message>
</context>
<context>
    <name>zt::MoneyWindow</name>
    <message>
        <source>Puntate</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Come punti</source>
        <translation>How you stake</translation>
    </message>
    <message>
        <source>Fiches su ognuno dei numeri della proposta seguita</source>
        <translation>Chips on each of the numbers of the followed proposal</translation>
    </message>
    <message>
        <source>Fissa</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Elenco per tentativo</source>
        <translation>List per attempt</translation>
    </message>
    <message>
        <source>Recupero</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Fissa: sempre la puntata. Elenco: la puntata per i multipli scritti, un tentativo dopo l&apos;altro, l&apos;ultimo ripetuto. Recupero: la puntata più piccola con cui un colpo vinto rende almeno l&apos;obiettivo su tutto il puntato sulla proposta.</source>
        <translation>Flat: always the stake. List: the stake times the multiples written, one attempt after another, the last one repeated. Recovery: the smallest stake with which a hit pays at least the target over all that was staked on the proposal.</translation>
    </message>
    <message>
        <source>I multipli della puntata per tentativo, separati da virgole</source>
        <translation>The multiples of the stake per attempt, separated by commas</translation>
    </message>
    <message>
        <source>Il recupero: quanto rende almeno un colpo vinto, in fiches</source>
        <translation>Recovery: what a hit pays at least, in chips</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>La puntata più alta che il tavolo accetta su un numero</source>
        <translation>The highest stake the table accepts on a straight-up number</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Le fiches della serata: alla prima puntata che non coprono la serata finisce (rovina)</source>
        <translation>The session&apos;s chips: the session ends (bust) at the first stake they cannot cover</translation>
    </message>
    <message>
        <source>Quanto vale una fiche: le somme si leggono nella tua moneta</source>
        <translation>What a chip is worth: the sums are then shown in your own currency</translation>
    </message>
    <message>
        <source>Puntata:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Progressione:</source>
        <translation>Progression:</translation>
    </message>
    <message>
        <source>Multipli:</source>
        <translation>Multiples:</translation>
    </message>
    <message>
        <source>Obiettivo:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Massimo al tavolo:</source>
        <translation>Table maximum:</translation>
    </message>
    <message>
        <source>Cassa:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Valore fiche:</source>
        <translation>Chip value:</translation>
    </message>
    <message>
        <source>Nuova serata</source>
        <translation>New session</translation>
    </message>
    <message>
        <source>Il saldo della serata riparte da zero</source>
        <translation>The balance of the session starts again from zero</translation>
    </message>
    <message>
        <source>Serata</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Ultimo GO</source>
        <translation>Last GO</translation>
    </message>
    <message>
        <source>Uscite registrate</source>
        <translation>Recorded spins</translation>
    </message>
    <message>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Solo Live</source>
        <translation>Live only</translation>
    </message>
    <message>
        <source>Solo Spin</source>
        <translation>Spin only</translation>
    </message>
    <message>
        <source>Saldo di:</source>
        <translation>Balance of:</translation>
    </message>
    <message>
        <source>Lo stesso seme dà le stesse serate</source>
        <translation>The same seed gives the same sessions</translation>
    </message>
    <message>
        <source>Simula</source>
        <translation>Simulate</translation>
    </message>
    <message>
        <source>Gioca le serate a caso con le impostazioni del tavolo e queste puntate</source>
        <translation>Plays random sessions with the board&apos;s settings and these stakes</translation>
    </message>
    <message>
        <source>Serate simulate:</source>
        <translation>Simulated sessions:</translation>
    </message>
    <message>
        <source>da uscite:</source>
        <translation>of spins:</translation>
    </message>
    <message>
        <source>seme:</source>
        <translation>seed:</translation>
    </message>
    <message>
        <source>Le serate simulate compaiono qui dopo «Simula»: quante finiscono con ogni saldo</source>
        <translation>The simulated sessions show here after &quot;Simulate&quot;: how many end with each balance</translation>
    </message>
    <message>
        <source>I multipli «%1» non vanno: scrivi un numero intero per tentativo, separati da virgole, come 1,1,2,3,5,8. Restano le puntate di prima.</source>
        <translation>The multiples &quot;%1&quot; are not valid: write one whole number per attempt, separated by commas, such as 1,1,2,3,5,8. The previous stakes remain.</translation>
    </message>
    <message>
        <source>Le impostazioni valgono per ora ma non sono state salvate: il file %1 non si può scrivere.</source>
        <translation>The settings apply for now but were not saved: the file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Serata in rovina al colpo %1: la cassa non copre più le puntate.</source>
        <translation>Session bust at spin %1: the bankroll no longer covers the stakes.</translation>
    </message>
    <message>
        <source>Nessuna proposta seguita: nessuna puntata.</source>
        <translation>No proposal followed: no stake.</translation>
    </message>
    <message>
        <source>Con %1 numeri il recupero è impossibile: nessuna puntata.</source>
        <translation>With %1 numbers recovery is impossible: no stake.</translation>
    </message>
    <message>
        <source>Tentativo %1: nessuna puntata.</source>
        <translation>Attempt %1: no stake.</translation>
    </message>
    <message numerus="yes">
        <source>Prossima puntata: %1 su ognuno dei %2 numeri (%3 in tutto), tentativo %4</source>
        <translation>
            <numerusform>Next stake: %1 on %2 number (%3 in all), attempt %4</numerusform>
            <numerusform>Next stake: %1 on each of the %2 numbers (%3 in all), attempt %4</numerusform>
        </translation>
    </message>
    <message>
        <source>, ridotta al massimo del tavolo</source>
        <translation>, cut to the table maximum</translation>
    </message>
    <message>
        <source>: la cassa non la copre</source>
        <translation>: the bankroll does not cover it</translation>
    </message>
    <message numerus="yes">
        <source>Serata: saldo %1, puntato %2 in %3 colpi; atteso dal caso %4 ± %5</source>
        <translation>
            <numerusform>Session: balance %1, staked %2 in %3 spin; expected by chance %4 ± %5</numerusform>
            <numerusform>Session: balance %1, staked %2 in %3 spins; expected by chance %4 ± %5</numerusform>
        </translation>
    </message>
    <message>
        <source>; cassa %1</source>
        <translation>; bankroll %1</translation>
    </message>
    <message>
        <source>Saldo della serata</source>
        <translation>Balance of the session</translation>
    </message>
    <message>
        <source>Saldo dell&apos;ultimo GO</source>
        <translation>Balance of the last GO</translation>
    </message>
    <message>
        <source>(GO in corso)</source>
        <translation>(GO running)</translation>
    </message>
    <message>
        <source>Saldo delle uscite registrate</source>
        <translation>Balance of the recorded spins</translation>
    </message>
    <message>
        <source>Lettura delle uscite registrate…</source>
        <translation>Reading the recorded spins…</translation>
    </message>
    <message>
        <source>Nessuna uscita registrata: dati.mdb non c&apos;è ancora.</source>
        <translation>No spins recorded: dati.mdb does not exist yet.</translation>
    </message>
    <message numerus="yes">
        <source>Simulazione di %1 serate…</source>
        <translation>
            <numerusform>Simulating %1 session…</numerusform>
            <numerusform>Simulating %1 sessions…</numerusform>
        </translation>
    </message>
    <message>
        <source>

Nessuna progressione cambia il conto: in media si perde 1/37 del puntato, qualunque sia la puntata.</source>
        <translation>

No progression changes the odds: on average you lose 1/37 of what you stake, whatever the stake.</translation>
    </message>
    <message>
        <source>Tentativo %1: nessuna puntata, la progressione chiederebbe più di %2 fiches per numero.</source>
        <translation>Attempt %1: no stake, the progression would ask for more than %2 chips per number.</translation>
    </message>
    <message>
        <source>Il multiplo %1 chiede %2 fiches per numero, oltre %3: senza un massimo al tavolo quei tentativi non si giocano.</source>
        <translation>The multiple %1 asks for %2 chips per number, over %3: without a table maximum those attempts are not played.</translation>
    </message>
</context>
<context>
    <name>zt::NavigationBar</name>
    <message>
        <source>Primo</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Successivo</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Ultimo</source>
        <translation>Last</translation>
    </message>
</context>
<context>
    <name>zt::NotesWindow</name>
    <message>
        <source>Cerca</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>zt::SettingsWindow</name>
    <message>
        <source>Impostazioni Auto</source>
        <translation>Auto Settings</translation>
    </message>
    <message>
        <source>Controlla uscite e azzera</source>
        <translation>Check spins and reset</translation>
    </message>
    <message>
        <source>Impostazioni</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Stringa Composta</source>
        <translation>Combined Set</translation>
    </message>
    <message>
        <source>Evidenzia su Tastiera</source>
        <translation>Highlight on Keypad</translation>
    </message>
    <message>
        <source>Stringhe</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Controlla 1° colpo</source>
        <translation>Check 1st hit</translation>
    </message>
    <message>
        <source>Controlla 2° colpo</source>
        <translation>Check 2nd hit</translation>
    </message>
    <message>
        <source>Contr. Massimo</source>
        <translation>Max. spins</translation>
    </message>
    <message>
        <source>Ritardo massimo ammesso dopo il quale cancella ca stringa</source>
        <translation>Largest delay allowed, after which the set is cancelled</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Lingua:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Come il sistema</source>
        <translation>Same as the system</translation>
    </message>
    <message>
        <source>(dal prossimo avvio)</source>
        <translation>(from the next start)</translation>
    </message>
    <message>
        <source>La lingua scelta non si è potuta salvare in %1.</source>
        <translation>The language chosen could not be saved in %1.</translation>
    </message>
</context>
<context>
    <name>zt::StatisticsWindow</name>
    <message>
        <source>1 uscita</source>
        <translation>1 spin</translation>
    </message>
    <message>
        <source>%1 uscite</source>
        <translation>%1 spins</translation>
    </message>
    <message>
        <source>Un numero ad almeno %1 fra 37: il caso lo dà %2.</source>
        <translation>A number at %1 or more out of 37: chance gives it %2.</translation>
    </message>
    <message>
        <source>Un numero a %1 o meno fra 37: il caso lo dà %2.</source>
        <translation>A number at %1 or less out of 37: chance gives it %2.</translation>
    </message>
    <message>
        <source>z: di quante deviazioni standard le uscite superano (+) o mancano (−) l&apos;attesa del caso. I più e i meno usciti sono gli estremi di 37 numeri: fra 37, uno oltre ±2 è normale; le due righe sopra dicono quanto spesso il caso dà estremi così. Ritardo: uscite da quando il numero è uscito l&apos;ultima volta.</source>
        <translation>z: by how many standard deviations the spins are above (+) or below (−) what chance expects. The hottest and coldest are the extremes of 37 numbers: out of 37, one beyond ±2 is normal; the two lines above say how often chance gives extremes like these. Delay: spins since the number last came out.</translation>
    </message>
    <message>
        <source>; pesa di più: %1, %2 % del χ² (z %3)</source>
        <translation>; weighs most: %1, %2 % of the χ² (z %3)</translation>
    </message>
    <message>
        <source>χ²: chi quadrato, con i suoi gradi di libertà (g.l.); «pesa di più»: il gruppo che ne fa la parte più grande. Lo zero conta nel confronto delle dozzine e delle colonne; il Gioco 0 fa parte dei Vicini dello 0.</source>
        <translation>χ²: chi-square, with its degrees of freedom (d.f.); &quot;weighs most&quot;: the group that makes the largest part of it. Zero counts in the comparison of the dozens and the columns; the Zero game is part of the Voisins du zéro.</translation>
    </message>
    <message>
        <source>Scarto di ogni numero dal caso (z)</source>
        <translation>Gap of each number from chance (z)</translation>
    </message>
    <message>
        <source>Sopra l&apos;attesa</source>
        <translation>Above expectation</translation>
    </message>
    <message>
        <source>Sotto l&apos;attesa</source>
        <translation>Below expectation</translation>
    </message>
    <message>
        <source>±2: fra 37 numeri qualcuno oltre è normale</source>
        <translation>±2: among 37 numbers, a few beyond it is normal</translation>
    </message>
    <message>
        <source>Le proposte di questa sessione, da quando il programma è aperto o dall&apos;ultimo «Azzera», su tutte le uscite giocate o rigiocate: la scelta delle uscite qui sopra non le riguarda.</source>
        <translation>The proposals of this session, since the program opened or since the last &quot;Reset&quot;, over all the spins played or replayed: the choice of spins above does not concern them.</translation>
    </message>
    <message>
        <source>Grafico dei numeri:</source>
        <translation>Number chart:</translation>
    </message>
    <message>
        <source>Uscite</source>
        <translation>Spins</translation>
    </message>
    <message>
        <source>Scarto dal caso (z)</source>
        <translation>Gap from chance (z)</translation>
    </message>
    <message>
        <source>Le uscite di ogni numero, o di quante deviazioni standard ognuno è sopra o sotto l&apos;attesa del caso</source>
        <translation>The spins of each number, or by how many standard deviations each is above or below what chance expects</translation>
    </message>
    <message>
        <source>mai uscito</source>
        <translation>never</translation>
    </message>
    <message>
        <source>&lt;th&gt;Numero&lt;/th&gt;&lt;th&gt;Uscite&lt;/th&gt;&lt;th&gt;z&lt;/th&gt;&lt;th&gt;Ritardo&lt;/th&gt;</source>
        <translation>&lt;th&gt;Number&lt;/th&gt;&lt;th&gt;Spins&lt;/th&gt;&lt;th&gt;z&lt;/th&gt;&lt;th&gt;Delay&lt;/th&gt;</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=0 cellpadding=2&gt;&lt;tr&gt;&lt;th colspan=4 align=left&gt;Più uscite&lt;/th&gt;&lt;td width=12&gt;&lt;/td&gt;&lt;th colspan=4 align=left&gt;Meno uscite&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;%1&lt;td&gt;&lt;/td&gt;%1&lt;/tr&gt;</source>
        <translation>&lt;table cellspacing=0 cellpadding=2&gt;&lt;tr&gt;&lt;th colspan=4 align=left&gt;Hottest&lt;/th&gt;&lt;td width=12&gt;&lt;/td&gt;&lt;th colspan=4 align=left&gt;Coldest&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;%1&lt;td&gt;&lt;/td&gt;%1&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>«Live»</source>
        <translation>&quot;Live&quot;</translation>
    </message>
    <message>
        <source>«Spin»</source>
        <translation>&quot;Spin&quot;</translation>
    </message>
    <message>
        <source>Nessuna uscita registrata: il file %1 non c&apos;è ancora.</source>
        <translation>No spins recorded: the file %1 does not exist yet.</translation>
    </message>
    <message numerus="yes">
        <source>Nessuna uscita da contare in %1: %2 righe senza un numero da 0 a 36.</source>
        <translation>
            <numerusform>No spins to count in %1: %2 row without a number from 0 to 36.</numerusform>
            <numerusform>No spins to count in %1: %2 rows without a number from 0 to 36.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna uscita registrata in %1.</source>
        <translation>No spins recorded in %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 uscite in %2</source>
        <translation>
            <numerusform>%1 spin in %2</numerusform>
            <numerusform>%1 spins in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, di cui %1 %2</source>
        <translation>, %1 of them %2</translation>
    </message>
    <message>
        <source>; contate le ultime %1</source>
        <translation>; the last %1 counted</translation>
    </message>
    <message>
        <source> Nessuna uscita %1 da contare.</source>
        <translation> No %1 spins to count.</translation>
    </message>
    <message numerus="yes">
        <source> %1 righe senza un numero da 0 a 36 non sono contate.</source>
        <translation>
            <numerusform> %1 row without a number from 0 to 36 is not counted.</numerusform>
            <numerusform> %1 rows without a number from 0 to 36 are not counted.</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna uscita da contare: qui compariranno il confronto con il caso, i numeri più e meno usciti e i loro ritardi.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No spins to count: the comparison with chance, the hottest and coldest numbers and their delays will show here.&lt;/p&gt;</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;b&gt;%1 uscite&lt;/b&gt;: il caso ne attende %2 per numero.&lt;br&gt;Chi quadrato %3 con %4 gradi di libertà, %5.&lt;br&gt;&lt;i&gt;%6&lt;/i&gt;&lt;/p&gt;%7&lt;p&gt;%8&lt;br&gt;%9&lt;/p&gt;&lt;p&gt;&lt;small&gt;%10&lt;/small&gt;&lt;/p&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;b&gt;%1 spin&lt;/b&gt;: chance expects %2 per number.&lt;br&gt;Chi-square %3 with %4 degrees of freedom, %5.&lt;br&gt;&lt;i&gt;%6&lt;/i&gt;&lt;/p&gt;%7&lt;p&gt;%8&lt;br&gt;%9&lt;/p&gt;&lt;p&gt;&lt;small&gt;%10&lt;/small&gt;&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;b&gt;%1 spins&lt;/b&gt;: chance expects %2 per number.&lt;br&gt;Chi-square %3 with %4 degrees of freedom, %5.&lt;br&gt;&lt;i&gt;%6&lt;/i&gt;&lt;/p&gt;%7&lt;p&gt;%8&lt;br&gt;%9&lt;/p&gt;&lt;p&gt;&lt;small&gt;%10&lt;/small&gt;&lt;/p&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>Gruppi e settori della ruota</source>
        <translation>Groups and wheel sectors</translation>
    </message>
    <message>
        <source>nessuna uscita da contare</source>
        <translation>no spins to count</translation>
    </message>
    <message>
        <source>Attese dal caso</source>
        <translation>Expected by chance</translation>
    </message>
    <message>
        <source>Nessuna uscita da contare.</source>
        <translation>No spins to count.</translation>
    </message>
    <message>
        <source>Uscite di ogni numero</source>
        <translation>Spins of each number</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Rossi</source>
        <translation>Reds</translation>
    </message>
    <message>
        <source>Neri</source>
        <translation>Blacks</translation>
    </message>
    <message>
        <source>Attesa del caso: %1</source>
        <translation>Expected by chance: %1</translation>
    </message>
    <message>
        <source>Proposte: colpi per tentativo</source>
        <translation>Proposals: hits per attempt</translation>
    </message>
    <message>
        <source>nessuna proposta seguita</source>
        <translation>no proposal followed</translation>
    </message>
    <message>
        <source>Nessuna proposta seguita. Spunta «Stringa comp. Progressione» nel visualizzatore (Ctrl+U), poi gioca o rigioca le uscite: qui compariranno i colpi per tentativo accanto a quelli del caso.</source>
        <translation>No proposal followed. Tick &quot;Track proposals&quot; in the viewer (Ctrl+U), then play or replay the spins: the hits per attempt will show here beside those of chance.</translation>
    </message>
    <message>
        <source>Colpi</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Il caso, stessi numeri per proposta</source>
        <translation>Chance, same numbers per proposal</translation>
    </message>
    <message numerus="yes">
        <source>Il conteggio ha %1 esiti senza le proposte da cui vengono: il confronto con il caso non si può fare. «Azzera» nel visualizzatore ricomincia il conteggio.</source>
        <translation>
            <numerusform>The tally has %1 outcome without the proposal it comes from: it cannot be compared with chance. &quot;Reset&quot; in the viewer starts the tally again.</numerusform>
            <numerusform>The tally has %1 outcomes without the proposals they come from: they cannot be compared with chance. &quot;Reset&quot; in the viewer starts the tally again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%1 tratti seguiti&lt;/b&gt; (ognuno fino a un colpo o a un fallimento), in media con %2 numeri.&lt;br&gt;Colpi: %3, il caso ne darebbe %4. Fallite (F): %5, il caso ne darebbe %6 (z = %7).&lt;br&gt;&lt;i&gt;%8&lt;/i&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%1 proposal followed&lt;/b&gt; (each up to a hit or a failure), on average with %2 numbers.&lt;br&gt;Hits: %3, chance would give %4. Failed (F): %5, chance would give %6 (z = %7).&lt;br&gt;&lt;i&gt;%8&lt;/i&gt;</numerusform>
            <numerusform>&lt;b&gt;%1 proposals followed&lt;/b&gt; (each up to a hit or a failure), on average with %2 numbers.&lt;br&gt;Hits: %3, chance would give %4. Failed (F): %5, chance would give %6 (z = %7).&lt;br&gt;&lt;i&gt;%8&lt;/i&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Uscite:</source>
        <translation>Spins:</translation>
    </message>
    <message>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Solo Live</source>
        <translation>Live only</translation>
    </message>
    <message>
        <source>Solo Spin</source>
        <translation>Spin only</translation>
    </message>
    <message>
        <source>Solo le ultime</source>
        <translation>Only the last</translation>
    </message>
    <message>
        <source>Salva immagine</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Salva i grafici come immagine PNG</source>
        <translation>Save the charts as a PNG image</translation>
    </message>
    <message>
        <source>Lettura di %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>Statistiche, %1 — %2</source>
        <translation>Statistics, %1 — %2</translation>
    </message>
    <message>
        <source>L&apos;immagine non è stata salvata: non si può scrivere il file %1.</source>
        <translation>The image was not saved: the file %1 cannot be written.</translation>
    </message>
    <message>
        <source>statistiche.png</source>
        <translation>statistics.png</translation>
    </message>
    <message>
        <source>Immagini PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message numerus="yes">
        <source>%n g.l.</source>
        <translation>
            <numerusform>%n d.f.</numerusform>
            <numerusform>%n d.f.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zt::ViewerWindow</name>
    <message>
        <source>File CSV (*.csv);;Tutti i file (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>CSV o elenco di numeri (*.csv *.txt);;Tutti i file (*)</source>
        <translation>CSV or list of numbers (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>uscite.csv</source>
        <translation>spins.csv</translation>
    </message>
    <message>
        <source>Esporta le uscite</source>
        <translation>Export the spins</translation>
    </message>
    <message>
        <source>Importa le uscite</source>
        <translation>Import the spins</translation>
    </message>
    <message>
        <source>Il file %1 è il database delle uscite: il CSV non è stato scritto.</source>
        <translation>The file %1 is the spins database: the CSV was not written.</translation>
    </message>
    <message>
        <source>%1 uscita esportata in %2.</source>
        <translation>%1 spin exported to %2.</translation>
    </message>
    <message>
        <source>%1 uscite esportate in %2.</source>
        <translation>%1 spins exported to %2.</translation>
    </message>
    <message>
        <source>GO è in corso: il file %1 non è stato importato.</source>
        <translation>GO is running: the file %1 was not imported.</translation>
    </message>
    <message>
        <source>File %1, %2: nessuna uscita è stata importata.</source>
        <translation>File %1, %2: no spins were imported.</translation>
    </message>
    <message>
        <source>%1 uscita importata da %2.</source>
        <translation>%1 spin imported from %2.</translation>
    </message>
    <message>
        <source>%1 uscite importate da %2.</source>
        <translation>%1 spins imported from %2.</translation>
    </message>
    <message>
        <source>Il rapporto %1 è stato scritto; 1 carattere che la codifica Windows-1252 non può contenere è stato scritto come &quot;?&quot;.</source>
        <translation>The report %1 was written; 1 character that the Windows-1252 code page cannot hold was written as &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Il rapporto %1 è stato scritto; %2 caratteri che la codifica Windows-1252 non può contenere sono stati scritti come &quot;?&quot;.</source>
        <translation>The report %1 was written; %2 characters that the Windows-1252 code page cannot hold were written as &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Il rapporto %1 è stato scritto, ma non è stato possibile aprirlo con l&apos;editor di testo.</source>
        <translation>The report %1 was written, but it could not be opened in the text editor.</translation>
    </message>
    <message>
        <source> Non è stato possibile aprirlo con l&apos;editor di testo.</source>
        <translation> It could not be opened in the text editor.</translation>
    </message>
    <message>
        <source>Visualizza Uscite</source>
        <translation>Spin Viewer</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Scegli</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Posizione:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Prossimo num.:</source>
        <translation>Next no.:</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>SPIN</translation>
    </message>
    <message>
        <source>Numero Rand.:</source>
        <translation>Random no.:</translation>
    </message>
    <message>
        <source>Genera</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Invia</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>G+I</source>
        <translation>D+S</translation>
    </message>
    <message>
        <source>Genera e Invia</source>
        <translation>Draw and Send</translation>
    </message>
    <message>
        <source>Impostazioni</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Controlli:</source>
        <translation>Checks:</translation>
    </message>
    <message>
        <source>Stringa comp. a colpo</source>
        <translation>Check each spin</translation>
    </message>
    <message>
        <source>Stringa comp. Progressione</source>
        <translation>Track proposals</translation>
    </message>
    <message>
        <source>Azzera Auto con memoria 1</source>
        <translation>Auto reset at game start</translation>
    </message>
    <message>
        <source>Ritorno Aut.</source>
        <translation>Auto Return</translation>
    </message>
    <message>
        <source>Ritorna dopo l&apos;elaborazione</source>
        <translation>Come back after the run</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>Colpi:</source>
        <translation>Spins:</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Risultati della verifica</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>Verificate</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Fuori Lim.</source>
        <translation>Over Lim.</translation>
    </message>
    <message>
        <source>Conta Usc.</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>1° Uscita</source>
        <translation>1st Hit</translation>
    </message>
    <message>
        <source>Numeri Giocati</source>
        <translation>Numbers Played</translation>
    </message>
    <message>
        <source>2° Uscita</source>
        <translation>2nd Hit</translation>
    </message>
    <message>
        <source>Dettaglio Colpi:</source>
        <translation>Hits by Attempt:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>SALVA</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Rimette la riga cancellata per ultima (Ctrl+Z): nessuna riga cancellata</source>
        <translation>Puts back the row deleted last (Ctrl+Z): no row deleted</translation>
    </message>
    <message>
        <source>Rimette la riga %1, cancellata per ultima, con il suo id, i valori, la nota e l&apos;ora (Ctrl+Z)</source>
        <translation>Puts back row %1, deleted last, with its id, values, note and time (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Undelete</translation>
    </message>
</context>
<context>
    <name>zt::WheelWindow</name>
    <message>
        <source>Routa</source>
        <translation>Wheel</translation>
    </message>
</context>
</TS>
