<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>%1, find %2</source>
        <translation>%1, trova %2</translation>
    </message>
</context>
<context>
    <name>AnswerViews</name>
    <message>
        <source>Time left</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>How much time is left to find the town</source>
        <translation>Quanto tempo resta per trovare la città</translation>
    </message>
    <message>
        <source>Town to find</source>
        <translation>Città da trovare</translation>
    </message>
    <message>
        <source>The name of the town to find on the map</source>
        <translation>Il nome della città da trovare sulla cartina</translation>
    </message>
    <message>
        <source>Find: %1</source>
        <translation>Trova: %1</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Export history</source>
        <translation>Esporta lo storico</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 at the first try</source>
        <translation>%1 al primo tentativo</translation>
    </message>
    <message>
        <source>better (+%1 points)</source>
        <translation>meglio (+%1 punti)</translation>
    </message>
    <message>
        <source>worse (%1 points)</source>
        <translation>peggio (%1 punti)</translation>
    </message>
    <message>
        <source>steady</source>
        <translation>stabile</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Towns learnt</source>
        <translation>Città imparate</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ultima partita</translation>
    </message>
    <message>
        <source>Recent trend</source>
        <translation>Andamento recente</translation>
    </message>
    <message>
        <source>Export player...</source>
        <translation>Esporta giocatore...</translation>
    </message>
    <message>
        <source>Export the history of the player chosen</source>
        <translation>Esporta lo storico del giocatore scelto</translation>
    </message>
    <message>
        <source>Export all...</source>
        <translation>Esporta tutti...</translation>
    </message>
    <message>
        <source>Export the history of every player</source>
        <translation>Esporta lo storico di tutti i giocatori</translation>
    </message>
    <message>
        <source>Export result</source>
        <translation>Esito dell&apos;esportazione</translation>
    </message>
    <message>
        <source>The record of sessions is off: there is nothing to export.</source>
        <translation>Il registro delle partite è disattivato: non c&apos;è niente da esportare.</translation>
    </message>
    <message>
        <source>all players</source>
        <translation>tutti i giocatori</translation>
    </message>
    <message>
        <source>terrava history of %1.csv</source>
        <translation>storico terrava di %1.csv</translation>
    </message>
    <message>
        <source>The history of %1 is in %2.</source>
        <translation>Lo storico di %1 è in %2.</translation>
    </message>
</context>
<context>
    <name>DefinitionResource</name>
    <message>
        <source>Cannot read the hotspot definitions %1: %2</source>
        <translation>Impossibile leggere le definizioni delle aree sensibili %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
</context>
<context>
    <name>HotspotDefinition</name>
    <message>
        <source>The hotspot definition &apos;%1&apos; %2</source>
        <translation>La definizione dell&apos;area sensibile &apos;%1&apos; %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>has no &quot;/&quot; after its picture name</source>
        <translation>non ha &quot;/&quot; dopo il nome dell&apos;immagine</translation>
    </message>
    <message>
        <source>has no &quot;=&quot; after its name</source>
        <translation>non ha &quot;=&quot; dopo il nome</translation>
    </message>
    <message>
        <source>has no &quot;;&quot; after its shape code</source>
        <translation>non ha &quot;;&quot; dopo il codice della forma</translation>
    </message>
    <message>
        <source>has a polygon of %1 corners; at most %2 are allowed</source>
        <translation>ha un poligono di %1 vertici; ne sono ammessi al massimo %2</translation>
    </message>
    <message>
        <source>has more than %1 points</source>
        <translation>ha più di %1 punti</translation>
    </message>
    <message>
        <source>has no &quot;,&quot; after an x value</source>
        <translation>non ha &quot;,&quot; dopo un valore x</translation>
    </message>
    <message>
        <source>has no &quot;;&quot; after a y value</source>
        <translation>non ha &quot;;&quot; dopo un valore y</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Terrava by Velimor</source>
        <translation>Terrava di Velimor</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>The pages of the game: Nation, Regions and Questions</source>
        <translation>Le pagine del gioco: Nazione, Regioni e Domande</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nazione</translation>
    </message>
    <message>
        <source>The map of the whole nation and the town to find</source>
        <translation>La cartina di tutta la nazione e la città da trovare</translation>
    </message>
    <message>
        <source>Find the following town on the map</source>
        <translation>Trova questa città sulla cartina</translation>
    </message>
    <message>
        <source>Town to find</source>
        <translation>Città da trovare</translation>
    </message>
    <message>
        <source>The name of the town to find on the maps</source>
        <translation>Il nome della città da trovare sulle cartine</translation>
    </message>
    <message>
        <source>by Velimor</source>
        <translation>di Velimor</translation>
    </message>
    <message>
        <source>Map of the nation</source>
        <translation>Cartina della nazione</translation>
    </message>
    <message>
        <source>Click the part of the country where the town lies</source>
        <translation>Fai clic sulla parte del paese in cui si trova la città</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regioni</translation>
    </message>
    <message>
        <source>The enlarged map of one region and the town last clicked</source>
        <translation>La cartina ingrandita di una regione e l&apos;ultima città cliccata</translation>
    </message>
    <message>
        <source>That town is </source>
        <translation>Quella città è </translation>
    </message>
    <message>
        <source>Town clicked</source>
        <translation>Città cliccata</translation>
    </message>
    <message>
        <source>The name of the town last clicked on the map of the region</source>
        <translation>Il nome dell&apos;ultima città cliccata sulla cartina della regione</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <source>Map of the region</source>
        <translation>Cartina della regione</translation>
    </message>
    <message>
        <source>Click the town on the enlarged map of its region</source>
        <translation>Fai clic sulla città nella cartina ingrandita della sua regione</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>The settings, the towns you do not like, and the time bar</source>
        <translation>Le impostazioni, le città che non ti piacciono e la barra del tempo</translation>
    </message>
    <message>
        <source>Available Time</source>
        <translation>Tempo disponibile</translation>
    </message>
    <message>
        <source>Questions per Session</source>
        <translation>Domande per partita</translation>
    </message>
    <message>
        <source>Bonus / Penalty</source>
        <translation>Bonus / penalità</translation>
    </message>
    <message>
        <source>Choose towns you don&apos;t like</source>
        <translation>Scegli le città da evitare</translation>
    </message>
    <message>
        <source>The length of one step of the time bar: further right, more time</source>
        <translation>La durata di un passo della barra del tempo: più a destra, più tempo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Switches the sounds of the game on or off</source>
        <translation>Attiva o disattiva i suoni del gioco</translation>
    </message>
    <message>
        <source>How many towns a session asks for, 1 to 30</source>
        <translation>Quante città chiede una partita, da 1 a 30</translation>
    </message>
    <message>
        <source>How much a wrong answer costs, and twice what a right one gives</source>
        <translation>Quanto costa una risposta sbagliata, e il doppio di quanto vale una giusta</translation>
    </message>
    <message>
        <source>Penaly on mistake / Bonus on right answer</source>
        <translation>Penalità per un errore / bonus per una risposta giusta</translation>
    </message>
    <message>
        <source>Towns selected in this list are never asked; Ctrl+click selects several</source>
        <translation>Le città selezionate in questo elenco non vengono mai chieste; Ctrl+clic ne seleziona più di una</translation>
    </message>
    <message>
        <source>CTRL+Left Mouse Button to select multiple towns</source>
        <translation>CTRL+tasto sinistro del mouse per selezionare più città</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Begins a new session with new towns</source>
        <translation>Comincia una nuova partita con nuove città</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Stores the settings under your name</source>
        <translation>Salva le impostazioni con il tuo nome</translation>
    </message>
    <message>
        <source>Save changes in configuration</source>
        <translation>Salva le modifiche nella configurazione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Apre la pagina di aiuto</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>The time bar: it drains step by step; find the town before it runs empty</source>
        <translation>La barra del tempo: si svuota passo dopo passo; trova la città prima che finisca</translation>
    </message>
    <message>
        <source>Towns</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>The towns of this session; the one chosen is the town to find</source>
        <translation>Le città di questa partita; quella scelta è la città da trovare</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Chooses the colour of the game&apos;s window</source>
        <translation>Sceglie il colore della finestra del gioco</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Start asks first the towns you miss and those not asked for longest</source>
        <translation>Inizia chiede prima le città che sbagli e quelle non chieste da più tempo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Opens the review of the last session, your progress and the class</source>
        <translation>Apre il riepilogo dell&apos;ultima partita, i tuoi progressi e la classe</translation>
    </message>
</context>
<context>
    <name>MapAccessible</name>
    <message>
        <source>No picture on show</source>
        <translation>Nessuna immagine visualizzata</translation>
    </message>
    <message>
        <source>Picture on show: %1</source>
        <translation>Immagine visualizzata: %1</translation>
    </message>
    <message>
        <source>unnamed</source>
        <translation>senza nome</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>OKBottomDlg</name>
    <message>
        <source>Terrava by Velimor</source>
        <translation>Terrava di Velimor</translation>
    </message>
    <message>
        <source>Insert your name</source>
        <translation>Come ti chiami?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starts the game with this name</source>
        <translation>Avvia il gioco con questo nome</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your name selects your own settings</source>
        <translation>Il tuo nome richiama le tue impostazioni</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file is not a BMP picture</source>
        <translation>il file non è un&apos;immagine BMP</translation>
    </message>
    <message>
        <source>its header announces %1 x %2 pixels, more than a picture may have</source>
        <translation>la sua intestazione dichiara %1 x %2 pixel, più di quanti un&apos;immagine ne possa avere</translation>
    </message>
    <message>
        <source>the file is cut short: it holds %1 bytes of the %2 its header announces</source>
        <translation>il file è troncato: contiene %1 byte dei %2 dichiarati dalla sua intestazione</translation>
    </message>
    <message>
        <source>Cannot show %1: metafile pictures (.%2) have no reader here</source>
        <translation>Impossibile mostrare %1: qui non c&apos;è modo di leggere le immagini metafile (.%2)</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Estensione del file immagine sconosciuta (.%1)</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Impossibile leggere l&apos;immagine %1: %2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a file but a device or pipe</source>
        <translation>non è un file ma un dispositivo o una pipe</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>è più grande di %1 byte</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>non si può aprire (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non si può leggere (%1)</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>non si può creare la sua cartella</translation>
    </message>
    <message>
        <source>Cannot store this setting in %1: %2</source>
        <translation>Impossibile salvare questa impostazione in %1: %2</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>non si può creare il suo file di blocco</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked</source>
        <translation>un&apos;altra copia del programma lo ha tenuto bloccato</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>a new file cannot be made beside it (%1)</source>
        <translation>non si può creare un nuovo file accanto (%1)</translation>
    </message>
    <message>
        <source>the new file cannot be written (%1)</source>
        <translation>non si può scrivere il nuovo file (%1)</translation>
    </message>
    <message>
        <source>the new file cannot replace it (%1)</source>
        <translation>il nuovo file non può sostituirlo (%1)</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>the section name &quot;%1&quot; holds a line break</source>
        <translation>il nome della sezione &quot;%1&quot; contiene un a capo</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; holds a line break</source>
        <translation>la chiave &quot;%1&quot; contiene un a capo</translation>
    </message>
    <message>
        <source>a key is empty</source>
        <translation>una chiave è vuota</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; holds &quot;=&quot;</source>
        <translation>la chiave &quot;%1&quot; contiene &quot;=&quot;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; starts with &quot;%2&quot;</source>
        <translation>la chiave &quot;%1&quot; comincia con &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; holds a line break</source>
        <translation>il valore di &quot;%1&quot; contiene un a capo</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Sessions over time</source>
        <translation>Partite nel tempo</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>How well you know the towns of the region</source>
        <translation>Quanto conosci le città della regione</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>non ancora chiesta</translation>
    </message>
    <message>
        <source>often missed</source>
        <translation>spesso sbagliata</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>da ripassare</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>imparata</translation>
    </message>
    <message>
        <source>Towns missed most</source>
        <translation>Città sbagliate più spesso</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Sbagliata</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Chiesta</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Ultima volta chiesta</translation>
    </message>
    <message>
        <source>Last found</source>
        <translation>Ultima volta trovata</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Regione:</translation>
    </message>
    <message>
        <source>Sessions of %1</source>
        <translation>Partite di %1</translation>
    </message>
    <message>
        <source>Towns found per minute</source>
        <translation>Città trovate al minuto</translation>
    </message>
    <message>
        <source>Wrong clicks per town</source>
        <translation>Clic sbagliati per città</translation>
    </message>
</context>
<context>
    <name>ProgressRecord</name>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation>riga %1: testo dopo le virgolette di chiusura</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>riga %1: un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>%1, line 1: the header is not &quot;%2&quot;</source>
        <translation>%1, riga 1: l&apos;intestazione non è &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1, line %2: column %3 is not a number</source>
        <translation>%1, riga %2: la colonna %3 non è un numero</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>player</source>
        <translation>giocatore</translation>
    </message>
    <message>
        <source>session started (UTC)</source>
        <translation>inizio partita (UTC)</translation>
    </message>
    <message>
        <source>time step (ms)</source>
        <translation>passo del tempo (ms)</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>domande</translation>
    </message>
    <message>
        <source>bonus / penalty</source>
        <translation>bonus / penalità</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>suono</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>esercizio</translation>
    </message>
    <message>
        <source>time up after (ms)</source>
        <translation>tempo scaduto dopo (ms)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>town drawn</source>
        <translation>città estratta</translation>
    </message>
    <message>
        <source>town</source>
        <translation>città</translation>
    </message>
    <message>
        <source>asked as</source>
        <translation>chiesta come</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trovata</translation>
    </message>
    <message>
        <source>found in time</source>
        <translation>trovata in tempo</translation>
    </message>
    <message>
        <source>time to find (ms)</source>
        <translation>tempo per trovarla (ms)</translation>
    </message>
    <message>
        <source>wrong clicks</source>
        <translation>clic sbagliati</translation>
    </message>
    <message>
        <source>clicked instead</source>
        <translation>cliccato invece</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrotta</translation>
    </message>
    <message>
        <source>all found</source>
        <translation>tutte trovate</translation>
    </message>
    <message>
        <source>new start</source>
        <translation>nuovo inizio</translation>
    </message>
    <message>
        <source>window closed</source>
        <translation>finestra chiusa</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the file or its folder cannot be written</source>
        <translation>non si può scrivere il file o la sua cartella</translation>
    </message>
    <message>
        <source>another program keeps the file locked</source>
        <translation>un altro programma tiene il file bloccato</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>il file è danneggiato</translation>
    </message>
    <message>
        <source>The record of sessions cannot be kept: the SQLite driver of Qt SQL is not installed. The game goes on without recording.</source>
        <translation>Il registro delle partite non può essere tenuto: il driver SQLite di Qt SQL non è installato. Il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The record of sessions cannot be kept: the folder %1 cannot be made. The game goes on without recording.</source>
        <translation>Il registro delle partite non può essere tenuto: non si può creare la cartella %1. Il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The file %1 is not a record of sessions of Terrava. It is left as it is, and the game goes on without recording.</source>
        <translation>Il file %1 non è un registro delle partite di Terrava. Resta com&apos;è, e il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The record of sessions %1 was written by a newer version of Terrava. It is left as it is, and the game goes on without recording.</source>
        <translation>Il registro delle partite %1 è stato scritto da una versione più recente di Terrava. Resta com&apos;è, e il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The record of sessions %1 cannot be read, and it cannot be moved aside: %2. The game goes on without recording.</source>
        <translation>Il registro delle partite %1 non si può leggere e non si può spostare: %2. Il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The file %1 is not a record of sessions of Terrava. It has been moved aside as %2, and a new record has been started.</source>
        <translation>Il file %1 non è un registro delle partite di Terrava. È stato spostato come %2, e si è iniziato un nuovo registro.</translation>
    </message>
    <message>
        <source>The record of sessions %1 was damaged. It has been moved aside as %2, and a new record has been started.</source>
        <translation>Il registro delle partite %1 era danneggiato. È stato spostato come %2, e si è iniziato un nuovo registro.</translation>
    </message>
    <message>
        <source>The record of sessions %1 cannot be written: %2. The game goes on without recording.</source>
        <translation>Il registro delle partite %1 non si può scrivere: %2. Il gioco continua senza registrare.</translation>
    </message>
    <message>
        <source>The record of sessions %1 cannot be opened: %2. The game goes on without recording.</source>
        <translation>Il registro delle partite %1 non si può aprire: %2. Il gioco continua senza registrare.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Terrava: progress</source>
        <translation>Terrava: progressi</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Review, progress and class</source>
        <translation>Riepilogo, progressi e classe</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>State of the record</source>
        <translation>Stato del registro</translation>
    </message>
    <message>
        <source>Nothing is being recorded: %1</source>
        <translation>Non si sta registrando nulla: %1</translation>
    </message>
</context>
<context>
    <name>QuizControls</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice dell&apos;elenco fuori dai limiti (%1)</translation>
    </message>
</context>
<context>
    <name>ReviewPage</name>
    <message>
        <source>found</source>
        <translation>trovata</translation>
    </message>
    <message>
        <source>found after time up</source>
        <translation>trovata a tempo scaduto</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovata</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>non chiesta</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>non finita</translation>
    </message>
    <message>
        <source>all found</source>
        <translation>tutte trovate</translation>
    </message>
    <message>
        <source>new start</source>
        <translation>nuovo inizio</translation>
    </message>
    <message>
        <source>window closed</source>
        <translation>finestra chiusa</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Towns of the session</source>
        <translation>Città della partita</translation>
    </message>
    <message>
        <source>#</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Wrong clicks</source>
        <translation>Clic sbagliati</translation>
    </message>
    <message>
        <source>Map of the town chosen</source>
        <translation>Cartina della città scelta</translation>
    </message>
    <message>
        <source>Where the town is</source>
        <translation>Dove si trova la città</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Partita:</translation>
    </message>
    <message>
        <source>%1: %2 of %3 found, %4</source>
        <translation>%1: %2 su %3 trovate, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No session to review yet.</source>
        <translation>Ancora nessuna partita da rivedere.</translation>
    </message>
    <message>
        <source>The record of sessions is off.</source>
        <translation>Il registro delle partite è disattivato.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>In red what was clicked instead; each line leads to the right place.</source>
        <translation>In rosso ciò che hai cliccato invece; ogni linea porta al posto giusto.</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ShownPicture</name>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Impossibile leggere l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 is %2 x %3 pixels; as the high-resolution variant of a picture of %4 x %5 it must be %6 x %7</source>
        <translation>L&apos;immagine %1 è di %2 x %3 pixel; come variante ad alta risoluzione di un&apos;immagine di %4 x %5 deve essere di %6 x %7</translation>
    </message>
</context>
<context>
    <name>TCustomHyperImages</name>
    <message>
        <source>File %1 not found.</source>
        <translation>File %1 non trovato.</translation>
    </message>
    <message>
        <source>The file should be in directory :</source>
        <translation>Il file dovrebbe trovarsi nella cartella:</translation>
    </message>
    <message>
        <source>The PicturesDir property is not set.</source>
        <translation>La proprietà PicturesDir non è impostata.</translation>
    </message>
    <message>
        <source>place %1 of %2</source>
        <translation>luogo %1 di %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Good! </source>
        <translation>Esatto! </translation>
    </message>
    <message>
        <source>Very good! You have found them all!</source>
        <translation>Ottimo! Le hai trovate tutte!</translation>
    </message>
    <message>
        <source>Time Up!</source>
        <translation>Tempo scaduto!</translation>
    </message>
</context>
<context>
    <name>TRadioGroup</name>
    <message>
        <source>found</source>
        <translation>trovata</translation>
    </message>
</context>
<context>
    <name>TownSpellings</name>
    <message>
        <source>Cannot read the town list %1: %2</source>
        <translation>Impossibile leggere l&apos;elenco delle città %1: %2</translation>
    </message>
    <message>
        <source>%1, line 1: the header names no column &quot;name&quot; or &quot;spelling&quot;</source>
        <translation>%1, riga 1: l&apos;intestazione non nomina la colonna &quot;name&quot; o &quot;spelling&quot;</translation>
    </message>
    <message>
        <source>%1, line %2: %3 fields, where the header names %4</source>
        <translation>%1, riga %2: %3 campi, dove l&apos;intestazione ne nomina %4</translation>
    </message>
    <message>
        <source>%1, line %2: a town without a name or a spelling</source>
        <translation>%1, riga %2: una città senza nome o senza grafia</translation>
    </message>
</context>
<context>
    <name>WavePlayer</name>
    <message>
        <source>Sound file %1 cannot be played on the audio output: it has %2 channels, and the output takes 1, 2, 4, 6, 7 or 8</source>
        <translation>Il file audio %1 non si può riprodurre sull&apos;uscita audio: ha %2 canali, e l&apos;uscita ne accetta 1, 2, 4, 6, 7 o 8</translation>
    </message>
    <message>
        <source>No sound file name given</source>
        <translation>Non è stato indicato alcun file audio</translation>
    </message>
    <message>
        <source>Cannot play sound file %1: no audio output device is available</source>
        <translation>Impossibile riprodurre il file audio %1: non c&apos;è alcun dispositivo di uscita audio disponibile</translation>
    </message>
    <message>
        <source>No MCI device open</source>
        <translation>Nessun dispositivo MCI aperto</translation>
    </message>
    <message>
        <source>Cannot play sound file %1: the audio output refused to play it</source>
        <translation>Impossibile riprodurre il file audio %1: l&apos;uscita audio ha rifiutato di riprodurlo</translation>
    </message>
</context>
<context>
    <name>WaveStream</name>
    <message>
        <source>Cannot read sound file %1: %2</source>
        <translation>Impossibile leggere il file audio %1: %2</translation>
    </message>
    <message>
        <source>Sound file %1 uses a wave encoding that cannot be played (%2)</source>
        <translation>Il file audio %1 usa una codifica wave che non si può riprodurre (%2)</translation>
    </message>
    <message>
        <source>Sound file %1 is not a wave file, or is damaged (%2)</source>
        <translation>Il file audio %1 non è un file wave, oppure è danneggiato (%2)</translation>
    </message>
    <message>
        <source>Sound file %1 not found</source>
        <translation>File audio %1 non trovato</translation>
    </message>
    <message>
        <source>Sound file %1 is not a regular file</source>
        <translation>Il file audio %1 non è un file normale</translation>
    </message>
    <message>
        <source>Sound file %1 is not a wave file (it is empty)</source>
        <translation>Il file audio %1 non è un file wave (è vuoto)</translation>
    </message>
    <message>
        <source>Sound file %1 is not a wave file (it holds another kind of sound data)</source>
        <translation>Il file audio %1 non è un file wave (contiene un altro tipo di dati audio)</translation>
    </message>
    <message>
        <source>Sound file %1 is not a wave file (its header is damaged)</source>
        <translation>Il file audio %1 non è un file wave (la sua intestazione è danneggiata)</translation>
    </message>
</context>
</TS>
