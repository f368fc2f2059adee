<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
    <name>QuizControls</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice dell&apos;elenco fuori dai limiti (%1)</translation>
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
