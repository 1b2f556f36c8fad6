<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Commands</name>
    <message>
        <source>scrive le uscite registrate come CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aggiunge le uscite di un CSV o di un elenco di numeri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verifica le proposte sulle uscite registrate, come &quot;GO&quot; e &quot;SALVA&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mostra le puntate di una progressione per tentativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uso: zentrima13 [comando] [opzioni]
Senza comando si apre il tavolo di gioco.

Comandi:
</source>
        <translation type="unfinished"></translation>
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
  --lang it|en       la lingua delle finestre e dei messaggi, anche dopo un comando
                     (predefinita: quella scelta nelle impostazioni, se no quella
                     del sistema)

Uscita dei comandi: 0 fatto, 1 un file non si può leggere o scrivere (o ha una riga
sbagliata), 2 comando o opzioni non validi, 3 il database manca o non è utilizzabile,
4 il database è bloccato da un altro programma: riprovare più tardi.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Riprovare quando l&apos;altro programma lo lascia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manca il valore di --lang (it o en).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang vale it o en, non «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--folder vuole il nome di una cartella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--folder e --player-folder non vanno insieme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1 (le opzioni vanno dopo il comando).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comando sconosciuto: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Zentrima 13 è già aperto nella cartella %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non c&apos;è uno schermo (DISPLAY non è impostato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrima 13 non può aprire le sue finestre: %1. Senza schermo si avvia con &quot;xvfb-run -a zentrima13&quot;; i comandi (zentrima13 --help) non ne hanno bisogno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la piattaforma grafica «%1» non si avvia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lo schermo «%1» non risponde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrima 13 non può lavorare in %1: non è una cartella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrima 13 non può creare la cartella %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrima 13 non può lavorare nella cartella %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistiche</name>
    <message>
        <source>un indizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un forte indizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quasi una prova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nella norma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meno di una volta su mille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meno di una volta su cento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quasi sempre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una volta su cento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 volte su cento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troppo poche uscite per un confronto con il caso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differenze così grandi il caso le dà %1; nulla fa pensare a qualcosa di favorito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non ancora una prova: il caso da solo darebbe differenze così grandi solo %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il caso da solo darebbe differenze così grandi %1: difficilmente è solo fortuna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il caso da solo non darebbe quasi mai differenze così grandi (%1): vale la pena di controllare la ruota o le registrazioni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troppo poche uscite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nella norma: le proposte non hanno fatto né meglio né peggio di altrettanti numeri scelti a caso (uno scarto così il caso lo dà %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le proposte sono fallite meno di altrettanti numeri scelti a caso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le proposte sono fallite più di altrettanti numeri scelti a caso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; il caso darebbe uno scarto così grande %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>verify</name>
    <message>
        <source>  --stake N             fiches su ogni numero della stringa seguita (predefinito: 1)
  --progression P       flat (sempre --stake), recovery (il recupero) o i multipli di
                        --stake per tentativo, l&apos;ultimo ripetuto (1,1,2,3,5,8)
  --target N            il recupero: quanto rende almeno un colpo vinto (predefinito: 1)
  --table-max N         la puntata massima del tavolo su un numero
  --chip VALORE         il valore di una fiche: le somme nella tua moneta
  --bankroll N          le fiches della serata: finisce alla prima puntata che non
                        coprono (rovina)
  --simulate N          gioca anche N serate di uscite a caso con le stesse impostazioni
  --spins L             uscite di ogni serata simulata (predefinito: 300)
  --seed S              il seme delle serate simulate (predefinito: 1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Anche i valori di --stake, --target, --table-max, --chip, --bankroll,
--simulate, --spins e --seed possono essere elenchi; --progression si ripete
(--progression flat --progression 1,2,4) perché un elenco è già la progressione.
Le fiches valgono per ogni numero della stringa seguita: un colpo vinto rende
36 volte la puntata sul numero uscito.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore non valido per --%1: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt</name>
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
  --chip VALORE      il valore di una fiche: le somme nella tua moneta
  -h, --help         mostra questo aiuto

Uscita: 0 fatto, 2 opzioni non valide o una progressione impossibile.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tentativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sul tavolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In gioco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se esce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* ridotta al massimo del tavolo
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntata fissa di %1 su ognuno di %2 numeri:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressione %1 (multipli di %2) su ognuno di %3 numeri:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recupero su %1 numeri: un colpo vinto a ogni tentativo rende almeno %2 su tutto il puntato:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argomento inatteso: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servono --numbers e --max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore non valido per --%1: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore non valido per --chip: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore non valido per --progression: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con %1 numeri nessuna puntata recupera: un colpo vinto rende 36 volte la puntata sul numero, e se ne puntano già %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sopra il caso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sotto il caso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colpi puntati: %1 di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntato: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riscosso: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resa sul puntato: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atteso dal caso: %1 ± %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z: nessuna puntata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discesa massima: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntata massima: %1 per numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colpi persi di fila, al massimo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntate ridotte al massimo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rovina: al colpo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rovina: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colpi non giocati, recupero impossibile con 36 numeri o più: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inizio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uscite all&apos;ora: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serate simulate: %1 da %2 uscite (seme %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo finale, percentili 5°, 25°, 50°, 75°, 95°: %1 / %2 / %3 / %4 / %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo medio: %1 ± %2 (atteso dal caso %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serate in rovina: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atteso dal caso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caso: ± 2 deviazioni standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colpi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo finale delle serate simulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::MoneyWindow</name>
    <message>
        <source>Puntate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Come punti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiches su ognuno dei numeri della proposta seguita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fissa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elenco per tentativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recupero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fissa: sempre la puntata. Elenco: la puntata per i multipli scritti, un tentativo dopo l&apos;altro, l&apos;ultimo ripetuto. Recupero: la puntata più piccola con cui un colpo vinto rende almeno l&apos;obiettivo su tutto il puntato sulla proposta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I multipli della puntata per tentativo, separati da virgole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il recupero: quanto rende almeno un colpo vinto, in fiches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La puntata più alta che il tavolo accetta su un numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fiches della serata: alla prima puntata che non coprono la serata finisce (rovina)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quanto vale una fiche: le somme si leggono nella tua moneta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puntata:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multipli:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obiettivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massimo al tavolo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore fiche:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuova serata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il saldo della serata riparte da zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uscite registrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo di:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo stesso seme dà le stesse serate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gioca le serate a caso con le impostazioni del tavolo e queste puntate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serate simulate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>da uscite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le serate simulate compaiono qui dopo «Simula»: quante finiscono con ogni saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I multipli «%1» non vanno: scrivi un numero intero per tentativo, separati da virgole, come 1,1,2,3,5,8. Restano le puntate di prima.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le impostazioni valgono per ora ma non sono state salvate: il file %1 non si può scrivere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serata in rovina al colpo %1: la cassa non copre più le puntate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna proposta seguita: nessuna puntata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con %1 numeri il recupero è impossibile: nessuna puntata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tentativo %1: nessuna puntata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prossima puntata: %1 su ognuno dei %2 numeri (%3 in tutto), tentativo %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ridotta al massimo del tavolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: la cassa non la copre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serata: saldo %1, puntato %2 in %3 colpi; atteso dal caso %4 ± %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; cassa %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo della serata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo dell&apos;ultimo GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(GO in corso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo delle uscite registrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettura delle uscite registrate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna uscita registrata: dati.mdb non c&apos;è ancora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulazione di %1 serate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Nessuna progressione cambia il conto: in media si perde 1/37 del puntato, qualunque sia la puntata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::StatisticsWindow</name>
    <message>
        <source>1 uscita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 uscite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un numero ad almeno %1 fra 37: il caso lo dà %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un numero a %1 o meno fra 37: il caso lo dà %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z: di quante deviazioni standard le uscite superano (+) o mancano (−) l&apos;attesa del caso. I più e i meno usciti sono gli estremi di 37 numeri: fra 37, uno oltre ±2 è normale; le due righe sopra dicono quanto spesso il caso dà estremi così. Ritardo: uscite da quando il numero è uscito l&apos;ultima volta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; pesa di più: %1, %2 % del χ² (z %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>χ²: chi quadrato, con i suoi gradi di libertà (g.l.); «pesa di più»: il gruppo che ne fa la parte più grande. Lo zero conta nel confronto delle dozzine e delle colonne; il Gioco 0 fa parte dei Vicini dello 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarto di ogni numero dal caso (z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sopra l&apos;attesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sotto l&apos;attesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>±2: fra 37 numeri qualcuno oltre è normale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le proposte di questa sessione, da quando il programma è aperto o dall&apos;ultimo «Azzera», su tutte le uscite giocate o rigiocate: la scelta delle uscite qui sopra non le riguarda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafico dei numeri:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uscite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarto dal caso (z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le uscite di ogni numero, o di quante deviazioni standard ognuno è sopra o sotto l&apos;attesa del caso</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
