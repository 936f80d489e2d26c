// Kelvaro: the script of the published Futoshiki pages.
// The page fragment gives the data (givens, solution, size, recorded solver steps)
// and the table ritb1 whose value cells are LL0, LL1, ... row by row.
// The publisher swaps a fixed list of names for short codes in this file and in the
// pages alike, also inside longer words: those letters appear only as identifiers.
// Published with comment lines dropped and every line trimmed: no trailing comments,
// every statement ends with a semicolon.

var dimensione = 0;
var celle = [];
var stato = [];
var appunti = [];
var dati = [];
var imosse = [];
var rifare = [];
var cellascelta = -1;
var tasti = null;
var stadio = 'gioco';
var modosetta = false;
var ifoto = '';
var foto = null;
var nome = '';
var esatta = '';
var segniRiga = [];
var segniColonna = [];
var errate = {};
var risolto = false;
var secondi = 0;
var passiPronti = false;
// What the message box shows now: 'verifica' (errors found), 'piena' (full but wrong), '' other.
var avviso = '';
var focoPrima = null;

function getPosX(el) {
  return el.getBoundingClientRect().left + window.pageXOffset;
}

function getPosY(el) {
  return el.getBoundingClientRect().top + window.pageYOffset;
}

function elemento(id) {
  return document.getElementById(id);
}

// Addresses come from outside (a link, a typed fragment): a malformed escape gives ''.
function decodifica(s) {
  try {
    return decodeURIComponent(String(s || ''));
  } catch (e) {
    return '';
  }
}

// The browser's storage, or null where it is missing or refused (private mode).
function memoria() {
  try {
    var m = window.localStorage;
    return m && typeof m.getItem === 'function' ? m : null;
  } catch (e) {
    return null;
  }
}

function leggiMemoria(chiave) {
  var m = memoria();
  if (!m) {
    return null;
  }
  try {
    return JSON.parse(m.getItem(chiave) || 'null');
  } catch (e) {
    return null;
  }
}

function scriviMemoria(chiave, valore) {
  var m = memoria();
  if (!m) {
    return;
  }
  try {
    m.setItem(chiave, JSON.stringify(valore));
  } catch (e) {
    return;
  }
}

function testo(messaggio, tipo) {
  var m = elemento('messaggio');
  avviso = '';
  if (!m) {
    return;
  }
  m.textContent = messaggio;
  m.className = 'messaggio' + (tipo ? ' ' + tipo : '');
}

function rinominaBottone(id, etichetta) {
  var nomb = elemento(id);
  if (nomb) {
    nomb.textContent = etichetta;
  }
}

function orario(s) {
  var m = Math.floor(s / 60);
  var r = s % 60;
  return (m < 10 ? '0' : '') + m + ':' + (r < 10 ? '0' : '') + r;
}

// The level: the publisher's word and how it was reached when the page carries them,
// otherwise the word guessed from the number in the title (pages published earlier).
function livelloDaTitolo() {
  var t = document.title || '';
  var m = /Livello\s+(\d+)/.exec(t);
  var d = /(\d)x(\d)/.exec(t);
  var liv = elemento('livello');
  var l = m ? parseInt(m[1], 10) : -1;
  var classe = '';
  if (typeof grado === 'string' && typeof gradoParola === 'string' && /^(facile|medio|difficile)$/.test(grado)) {
    nome = gradoParola;
    classe = grado;
    if (typeof gradoLivello === 'number' || /^\d+$/.test(String(typeof gradoLivello === 'undefined' ? '' : gradoLivello))) {
      l = parseInt(gradoLivello, 10);
    }
  } else if (l >= 0) {
    nome = l === 0 ? 'Facile' : (l < 300 ? 'Medio' : 'Difficile');
    classe = nome.toLowerCase();
  }
  if (liv && classe) {
    liv.textContent = nome + (l >= 0 ? ' \u00b7 livello ' + l : '');
    liv.className = 'livello ' + classe;
  } else if (liv) {
    liv.style.display = 'none';
  }
  var come = elemento('comeLivello');
  if (come && typeof gradoCome === 'string' && gradoCome) {
    come.textContent = gradoCome;
    come.hidden = false;
  }
  if (d && elemento('misura')) {
    elemento('misura').textContent = 'Griglia ' + d[1] + '\u00d7' + d[2];
  }
}

// Signs, read from the pictures of the table: segniRiga[i] compares cell i with its
// right neighbour, segniColonna[i] with the one below (1 = cell i greater, -1 = smaller).
function leggiSegni() {
  var tab = elemento('ritb1');
  var n = dimensione;
  var i;
  for (i = 0; i < n * n; i++) {
    segniRiga[i] = 0;
    segniColonna[i] = 0;
  }
  if (!tab) {
    return;
  }
  var righe = tab.rows;
  var r, c, td, img, m;
  for (r = 0; r < n; r++) {
    for (c = 0; c < n; c++) {
      if (c < n - 1 && righe[2 * r + 1] && (td = righe[2 * r + 1].cells[2 * c + 2])) {
        img = td.getElementsByTagName('img')[0];
        m = img ? /F([ABDS])\.bmp/i.exec(img.getAttribute('src') || '') : null;
        if (m) {
          segniRiga[r * n + c] = m[1].toUpperCase() === 'D' ? 1 : (m[1].toUpperCase() === 'S' ? -1 : 0);
        }
      }
      if (r < n - 1 && righe[2 * r + 2] && (td = righe[2 * r + 2].cells[2 * c + 1])) {
        img = td.getElementsByTagName('img')[0];
        m = img ? /F([ABDS])\.bmp/i.exec(img.getAttribute('src') || '') : null;
        if (m) {
          segniColonna[r * n + c] = m[1].toUpperCase() === 'B' ? 1 : (m[1].toUpperCase() === 'A' ? -1 : 0);
        }
      }
    }
  }
}

// The table as a grid a screen reader can walk: value rows and value cells only; the sign
// pictures get their words, and the signs are told again in the labels of the cells.
function preparaGriglia() {
  var tab = elemento('ritb1');
  var n = dimensione;
  if (!tab) {
    return;
  }
  tab.setAttribute('role', 'grid');
  tab.setAttribute('aria-label', 'Griglia ' + n + ' per ' + n + ': frecce per spostarsi, numeri per scrivere, A per gli appunti');
  tab.setAttribute('aria-rowcount', String(n));
  tab.setAttribute('aria-colcount', String(n));
  var righe = tab.rows;
  var r, k;
  for (r = 0; r < righe.length; r++) {
    var valori = r % 2 === 1 && (r - 1) / 2 < n;
    if (valori) {
      righe[r].setAttribute('role', 'row');
      righe[r].setAttribute('aria-rowindex', String((r - 1) / 2 + 1));
    } else {
      righe[r].setAttribute('role', 'none');
      righe[r].setAttribute('aria-hidden', 'true');
    }
    for (k = 0; k < righe[r].cells.length; k++) {
      var td = righe[r].cells[k];
      var img = td.getElementsByTagName('img')[0];
      if (img) {
        var m = /F([ABDS])\.bmp/i.exec(img.getAttribute('src') || '');
        var lettera = m ? m[1].toUpperCase() : '';
        img.setAttribute('alt', lettera === 'D' || lettera === 'B' ? 'maggiore di' : (lettera ? 'minore di' : ''));
      }
      if (!valori || k % 2 === 0) {
        td.setAttribute('role', 'none');
        td.setAttribute('aria-hidden', 'true');
      }
    }
  }
  var i;
  for (i = 0; i < celle.length; i++) {
    celle[i].setAttribute('role', 'gridcell');
    celle[i].setAttribute('aria-colindex', String(i % n + 1));
    celle[i].tabIndex = -1;
    if (dati[i]) {
      celle[i].setAttribute('aria-readonly', 'true');
    }
    celle[i].addEventListener('focus', cellaConFuoco);
  }
  var prima = dati.indexOf('');
  celle[prima >= 0 ? prima : 0].tabIndex = 0;
}

function cellaConFuoco(ev) {
  var i = celle.indexOf(ev.target);
  if (i >= 0 && i !== cellascelta && stadio === 'gioco') {
    scegliCella(i, false);
  }
}

// The rules are the program's own core, compiled to WebAssembly and handed over by aiutino.js
// once it has loaded (kelvaroMotore): the live marks, the solved grid and the palette ask it.
// Until it comes, or where it cannot load, the page judges the digits against the solution the
// publisher wrote; with neither of the two it marks nothing rather than guess.
var motore = null;
var attesaMotore = false;
var verificaChiesta = false;

// The published solution when it is one for this page: N x N digits 1..N that keep the givens.
// Pages of a schema the solver left unfinished carry candidate lists instead: then ''.
function soluzionePubblicata() {
  var n = dimensione;
  var s = typeof solution === 'string' ? solution : '';
  var i;
  if (s.length !== n * n) {
    return '';
  }
  for (i = 0; i < n * n; i++) {
    var ch = s.charAt(i);
    if (!(ch >= '1' && ch <= String(n)) || (dati[i] && dati[i] !== ch)) {
      return '';
    }
  }
  return s;
}

// The cells to mark red now: those of a broken rule (the core's check), or without the core the
// digits written by hand that are not the solution's.
function caselleSbagliate() {
  var fuori = {};
  var i;
  if (motore) {
    var l = motore.regole(kelvaroGriglia(), -1).sbagliate;
    for (i = 0; i < l.length; i++) {
      fuori[l[i]] = true;
    }
  } else if (esatta && !attesaMotore) {
    for (i = 0; i < celle.length; i++) {
      if (!dati[i] && stato[i] && stato[i] !== esatta.charAt(i)) {
        fuori[i] = true;
      }
    }
  }
  return fuori;
}

// True when something can tell a full grid right from wrong.
function giudicabile() {
  return !!motore || !!esatta;
}

function colora(i, classe, acceso) {
  var td = celle[i];
  if (td && td.classList) {
    td.classList.toggle(classe, !!acceso);
  }
}

// What a screen reader says of cell i: place, content, notes and the signs around it.
function descriviCella(i, v) {
  var n = dimensione;
  var r = Math.floor(i / n);
  var c = i % n;
  var d = 'Riga ' + (r + 1) + ', colonna ' + (c + 1) + ': ';
  if (dati[i]) {
    d += dati[i] + ', dato';
  } else if (v) {
    d += v;
  } else {
    d += 'vuota';
    if (appunti[i] && stadio === 'gioco') {
      d += ', appunti ' + appunti[i].split('').join(' ');
    }
  }
  var accanto = [];
  var frase = function (segno, dove) {
    if (segno) {
      accanto.push((segno > 0 ? 'maggiore di' : 'minore di') + ' quella ' + dove);
    }
  };
  frase(c > 0 ? -segniRiga[i - 1] : 0, 'a sinistra');
  frase(c < n - 1 ? segniRiga[i] : 0, 'a destra');
  frase(r > 0 ? -segniColonna[i - n] : 0, 'sopra');
  frase(r < n - 1 ? segniColonna[i] : 0, 'sotto');
  return d + (accanto.length ? '; ' + accanto.join(', ') : '');
}

function disegnaCella(i) {
  var td = celle[i];
  if (!td) {
    return;
  }
  var v = stato[i];
  if (stadio === 'soluzione' && !dati[i]) {
    v = esatta.charAt(i);
  }
  td.setAttribute('aria-label', descriviCella(i, v));
  if (v || dati[i] || !appunti[i] || stadio !== 'gioco') {
    td.textContent = v || '';
    return;
  }
  var html = '<div class="appunti" aria-hidden="true">';
  var k;
  for (k = 1; k <= dimensione; k++) {
    html += '<span>' + (appunti[i].indexOf(String(k)) >= 0 ? k : '') + '</span> ';
  }
  td.innerHTML = html + '</div>';
}

function coloricelle() {
  var i;
  // The digit of the chosen cell is picked out wherever else it stands.
  var uguale = stadio === 'gioco' && cellascelta >= 0 ? stato[cellascelta] : '';
  var rosse = stadio === 'gioco' ? caselleSbagliate() : {};
  for (i = 0; i < celle.length; i++) {
    var v = stato[i];
    var sbagliata = !!v && !!rosse[i];
    colora(i, 'conflitto', sbagliata);
    colora(i, 'errata', stadio === 'gioco' && errate[i]);
    colora(i, 'scelta', stadio === 'gioco' && i === cellascelta);
    colora(i, 'uguale', !!uguale && i !== cellascelta && v === uguale);
    colora(i, 'svelata', stadio === 'soluzione' && !dati[i]);
    celle[i].setAttribute('aria-selected', stadio === 'gioco' && i === cellascelta ? 'true' : 'false');
    if (sbagliata || (stadio === 'gioco' && errate[i])) {
      celle[i].setAttribute('aria-invalid', 'true');
    } else {
      celle[i].removeAttribute('aria-invalid');
    }
  }
  var tab = elemento('ritb1');
  if (tab && tab.classList) {
    tab.classList.toggle('finita', risolto && stadio === 'gioco');
  }
}

function somma() {
  var pieni = 0;
  var liberi = 0;
  var i;
  for (i = 0; i < celle.length; i++) {
    if (!dati[i]) {
      liberi++;
      if (stato[i]) {
        pieni++;
      }
    }
  }
  if (elemento('contatore')) {
    elemento('contatore').textContent = pieni + ' di ' + liberi + ' caselle';
  }
  if (elemento('barraPiena')) {
    elemento('barraPiena').style.width = (liberi ? Math.round(100 * pieni / liberi) : 100) + '%';
  }
  return pieni === liberi;
}

function aggiornalista() {
  var gioca = stadio === 'gioco';
  var b;
  if ((b = elemento('bAnnulla'))) {
    b.disabled = !gioca || imosse.length === 0;
  }
  if ((b = elemento('bRipeti'))) {
    b.disabled = !gioca || rifare.length === 0;
  }
  if ((b = elemento('bVerifica'))) {
    b.disabled = !gioca;
  }
  if ((b = elemento('bDaCapo'))) {
    b.disabled = !gioca;
  }
  if ((b = elemento('bSoluzione'))) {
    b.disabled = stadio === 'passi' || !esatta;
  }
  if ((b = elemento('bPassi'))) {
    b.disabled = stadio === 'soluzione' || !passiPronti;
  }
  if ((b = elemento('bValidi'))) {
    b.disabled = !gioca;
  }
  if ((b = elemento('bCaricaFile'))) {
    b.disabled = !gioca;
  }
}

function salvaval(i, v, a) {
  stato[i] = v;
  appunti[i] = a;
  disegnaCella(i);
}

// A move changes one cell: its digit and its notes, before (valoreprec) and after (valoreatt);
// placing a digit also takes it out of the notes of its row and column (x: cell, notes before
// p, notes after n). 'p' or 'n' picks the side of the move to lay on the grid.
function notePeerDellaMossa(m, lato) {
  var lista = m.x instanceof Array ? m.x : [];
  var k;
  for (k = 0; k < lista.length; k++) {
    var e = lista[k];
    if (!stato[e.i]) {
      salvaval(e.i, '', e[lato]);
    } else {
      appunti[e.i] = e[lato];
    }
  }
}

function eseguimxossa(i, valoreatt) {
  salvaval(i, valoreatt.v, valoreatt.a);
  delete errate[i];
  var pieno = somma();
  var prima = risolto;
  risolto = pieno && controllaGriglia();
  coloricelle();
  if (risolto && !prima) {
    testo('Complimenti! Schema risolto in ' + orario(secondi) + '.', 'festa');
  } else if (pieno && !risolto && giudicabile()) {
    testo('La griglia \u00e8 piena, ma qualcosa non torna: prova Verifica.', 'ko');
    avviso = 'piena';
  } else if (avviso === 'verifica') {
    scriviErrori();
  } else if ((prima && !risolto) || avviso === 'piena') {
    testo('Tocca una casella vuota per scegliere un numero.', '');
  }
  aggiornalista();
  aggiornaTavolozza();
  salvafoto();
}

// The outcome of Verifica stays only while the cells it marked are still there.
function scriviErrori() {
  var sbagli = 0;
  var i;
  for (i in errate) {
    if (errate.hasOwnProperty(i)) {
      sbagli++;
    }
  }
  if (sbagli === 0) {
    testo('Tocca una casella vuota per scegliere un numero.', '');
    return;
  }
  if (sbagli === 1) {
    testo('C\'\u00e8 un errore: la casella sbagliata \u00e8 evidenziata in rosso.', 'ko');
  } else {
    testo('Ci sono ' + sbagli + ' errori: le caselle sbagliate sono evidenziate in rosso.', 'ko');
  }
  avviso = 'verifica';
}

// Every cell filled and right: by the core's rules, or else equal to the published solution.
function controllaGriglia() {
  var i;
  for (i = 0; i < celle.length; i++) {
    if (!stato[i]) {
      return false;
    }
  }
  if (motore) {
    return motore.regole(kelvaroGriglia(), -1).risolta;
  }
  return !!esatta && stato.join('') === esatta;
}

function setta(i, v) {
  if (stadio !== 'gioco' || i < 0 || i >= celle.length || dati[i]) {
    return;
  }
  var valoreprec = { v: stato[i], a: appunti[i] };
  var valoreatt = { v: v, a: appunti[i] };
  if (modosetta && v) {
    if (stato[i]) {
      return;
    }
    var a = appunti[i];
    valoreatt.v = stato[i];
    valoreatt.a = a.indexOf(v) >= 0 ? a.replace(v, '') : (a + v).split('').sort().join('');
  } else if (!v && !stato[i]) {
    valoreatt.a = '';
  }
  faiMossa(i, valoreprec, valoreatt);
}

// Every move of the player (and of a hint) goes through here, so that undo sees it whole.
// False when it would change nothing.
function faiMossa(i, valoreprec, valoreatt) {
  if (valoreatt.v === valoreprec.v && valoreatt.a === valoreprec.a) {
    return false;
  }
  var mossa = { i: i, p: valoreprec, n: valoreatt, x: [] };
  if (valoreatt.v && valoreatt.v !== valoreprec.v) {
    mossa.x = noteDaTogliere(i, valoreatt.v);
  }
  imosse.push(mossa);
  rifare = [];
  notePeerDellaMossa(mossa, 'n');
  eseguimxossa(i, valoreatt);
  return true;
}

// Notes holding digit v in the row and the column of cell i.
function noteDaTogliere(i, v) {
  var n = dimensione;
  var r = Math.floor(i / n);
  var c = i % n;
  var lista = [];
  var k, j;
  for (k = 0; k < n; k++) {
    var vicine = [r * n + k, k * n + c];
    for (j = 0; j < 2; j++) {
      var q = vicine[j];
      if (q !== i && (j === 0 || k !== r) && appunti[q] && appunti[q].indexOf(v) >= 0) {
        lista.push({ i: q, p: appunti[q], n: appunti[q].replace(v, '') });
      }
    }
  }
  return lista;
}

function undomosse() {
  if (stadio !== 'gioco' || imosse.length === 0) {
    return;
  }
  var m = imosse.pop();
  rifare.push(m);
  scegliCella(m.i, false);
  notePeerDellaMossa(m, 'p');
  eseguimxossa(m.i, m.p);
}

function storna() {
  if (stadio !== 'gioco' || rifare.length === 0) {
    return;
  }
  var m = rifare.pop();
  imosse.push(m);
  scegliCella(m.i, false);
  notePeerDellaMossa(m, 'n');
  eseguimxossa(m.i, m.n);
}

// The player's progress is filed under the schema itself (size, givens and signs), so a
// page keeps it whatever name or id a later publication gives it.
function chiaveSchema() {
  var n = dimensione;
  var k = 'kelvaro-futoshiki:' + n + ':' + dati.join('.') + ':';
  var i;
  for (i = 0; i < n * n; i++) {
    k += segniRiga[i] > 0 ? '>' : (segniRiga[i] < 0 ? '<' : '-');
    k += segniColonna[i] > 0 ? 'v' : (segniColonna[i] < 0 ? '^' : '-');
  }
  return k;
}

function salvafoto() {
  if (!ifoto) {
    return;
  }
  var dentro = 0;
  var liberi = 0;
  var i;
  for (i = 0; i < celle.length; i++) {
    if (!dati[i]) {
      liberi++;
      dentro += stato[i] ? 1 : 0;
    }
  }
  scriviMemoria(ifoto, { g: schema, v: stato, a: appunti, m: imosse, r: rifare, t: secondi, ok: risolto, u: elencoSegniSpenti() });
  var pagina = decodifica(location.pathname.split('/').pop());
  if (pagina && !codiceInUso) {
    scriviMemoria('kelvaro-futoshiki-pagina:' + pagina, { p: liberi ? Math.round(100 * dentro / liberi) : 0, ok: risolto });
  }
}

// Pages published before the progress was filed by content kept it under their id and the
// givens; such a save is taken when it is the only one for these givens (or has this page's id).
function chiaviVecchie() {
  var m = memoria();
  var tutte = [];
  var k;
  if (!m) {
    return tutte;
  }
  try {
    for (k = 0; k < m.length; k++) {
      var c = m.key(k);
      if (c && c.indexOf('kelvaro-futoshiki:') === 0 && c.length > 19 + String(schema).length &&
          c.slice(-String(schema).length - 1) === ':' + schema) {
        tutte.push(c);
      }
    }
  } catch (e) {
    return [];
  }
  var mia = 'kelvaro-futoshiki:' + (typeof geid === 'string' ? geid : '') + ':' + schema;
  if (tutte.indexOf(mia) >= 0) {
    return [mia];
  }
  return tutte.length === 1 ? tutte : [];
}

function recuperafoto() {
  var candidati = [ifoto].concat(chiaviVecchie());
  var k;
  for (k = 0; k < candidati.length; k++) {
    var f = leggiMemoria(candidati[k]);
    if (f && typeof f === 'object' && f.g === schema && f.v instanceof Array && f.v.length === celle.length) {
      return f;
    }
  }
  return null;
}

// A digit of this schema as a string, or '' for anything else.
function cifra(x) {
  var s = String(x);
  return s.length === 1 && s >= '1' && s <= String(dimensione) ? s : '';
}

// Notes as an ascending string of distinct digits of this schema.
function noteValide(x) {
  if (typeof x !== 'string') {
    return '';
  }
  var a = '';
  var v;
  for (v = 1; v <= dimensione; v++) {
    if (x.indexOf(String(v)) >= 0) {
      a += String(v);
    }
  }
  return a;
}

function latoValido(x) {
  return !!x && typeof x === 'object' && (x.v === '' || cifra(x.v) === x.v) && typeof x.a === 'string' && noteValide(x.a) === x.a;
}

// Saved moves come from an earlier visit, maybe of an older page: if one does not fit
// this schema the list is dropped whole (undo must never lay a foreign move on the grid).
function mosseValide(lista) {
  var k, j;
  if (!(lista instanceof Array)) {
    return [];
  }
  for (k = 0; k < lista.length; k++) {
    var m = lista[k];
    if (!m || typeof m.i !== 'number' || m.i < 0 || m.i >= celle.length || m.i % 1 || dati[m.i] || !latoValido(m.p) || !latoValido(m.n)) {
      return [];
    }
    var x = m.x === undefined ? [] : m.x;
    if (!(x instanceof Array)) {
      return [];
    }
    for (j = 0; j < x.length; j++) {
      var e = x[j];
      if (!e || typeof e.i !== 'number' || e.i < 0 || e.i >= celle.length || e.i % 1 || dati[e.i] ||
          typeof e.p !== 'string' || noteValide(e.p) !== e.p || typeof e.n !== 'string' || noteValide(e.n) !== e.n) {
        return [];
      }
    }
    m.x = x;
  }
  return lista;
}

function caricaschema() {
  var i;
  for (i = 0; i < celle.length; i++) {
    var g = String(schema).charAt(i);
    dati[i] = g >= '1' && g <= String(dimensione) ? g : '';
    stato[i] = dati[i];
    appunti[i] = '';
  }
  ifoto = chiaveSchema();
  foto = recuperafoto();
  if (foto) {
    for (i = 0; i < celle.length; i++) {
      if (!dati[i]) {
        stato[i] = cifra(foto.v[i]);
        appunti[i] = foto.a instanceof Array ? noteValide(foto.a[i]) : '';
      }
    }
    imosse = mosseValide(foto.m);
    rifare = mosseValide(foto.r);
    secondi = Math.max(0, Math.min(360000, parseInt(foto.t, 10) || 0));
  }
  for (i = 0; i < celle.length; i++) {
    disegnaCella(i);
  }
  risolto = somma() && controllaGriglia();
}

// The question is modal for the mouse and the keyboard alike: the rest of the page is
// inert while it is open, Tab cycles between its two buttons, and the focus goes back
// where it was when it closes.
function dialogoAperto() {
  var velo = elemento('velo');
  return !!velo && !velo.hidden;
}

function fuoriDalDialogo(inerte) {
  var fuori = [document.querySelector('header'), document.querySelector('main'), elemento('tavolozza')];
  var k;
  for (k = 0; k < fuori.length; k++) {
    if (fuori[k]) {
      fuori[k].inert = inerte;
      if (inerte) {
        fuori[k].setAttribute('aria-hidden', 'true');
      } else {
        fuori[k].removeAttribute('aria-hidden');
      }
    }
  }
}

function chiudiDialogo() {
  var velo = elemento('velo');
  if (!velo || velo.hidden) {
    return;
  }
  velo.hidden = true;
  fuoriDalDialogo(false);
  if (focoPrima && focoPrima.focus && document.body.contains(focoPrima)) {
    focoPrima.focus();
  }
  focoPrima = null;
}

function chiediConferma(domanda, seSi) {
  var velo = elemento('velo');
  if (!velo) {
    seSi();
    return;
  }
  focoPrima = document.activeElement;
  elemento('domanda').textContent = domanda;
  chiudiTavolozza();
  velo.hidden = false;
  fuoriDalDialogo(true);
  elemento('dSi').onclick = function () {
    chiudiDialogo();
    seSi();
  };
  elemento('dNo').onclick = chiudiDialogo;
  elemento('dNo').focus();
}

function tastoNelDialogo(ev) {
  if (ev.key === 'Escape') {
    chiudiDialogo();
    ev.preventDefault();
  } else if (ev.key === 'Tab') {
    var si = elemento('dSi');
    var no = elemento('dNo');
    var dopo = document.activeElement === no ? si : no;
    if (ev.shiftKey) {
      dopo = document.activeElement === si ? no : si;
    }
    dopo.focus();
    ev.preventDefault();
  }
}

function ancora() {
  chiediConferma('Vuoi ricominciare da capo? Tutti i numeri e gli appunti inseriti verranno cancellati.', function () {
    var i;
    for (i = 0; i < celle.length; i++) {
      if (!dati[i]) {
        salvaval(i, '', '');
      }
    }
    imosse = [];
    rifare = [];
    errate = {};
    secondi = 0;
    risolto = false;
    cellascelta = -1;
    impostaSegniSpenti([]);
    chiudiTavolozza();
    somma();
    coloricelle();
    aggiornalista();
    salvafoto();
    testo('Griglia svuotata: buon divertimento!', '');
  });
}

function verifica() {
  if (stadio !== 'gioco') {
    return;
  }
  if (!giudicabile()) {
    // Without the solution the check needs the core: it runs as soon as the core is there.
    verificaChiesta = attesaMotore;
    testo(attesaMotore ? 'Un momento: la pagina sta caricando il controllo delle regole.' : 'Verifica non disponibile: la pagina non ha la soluzione e il modulo delle regole non si carica.', '');
    return;
  }
  var regole = esatta ? {} : caselleSbagliate();
  var i;
  var sbagli = 0;
  var scritti = 0;
  errate = {};
  for (i = 0; i < celle.length; i++) {
    if (dati[i] || !stato[i]) {
      continue;
    }
    scritti++;
    var giusto = esatta ? esatta.charAt(i) === stato[i] : !regole[i];
    if (!giusto) {
      errate[i] = true;
      sbagli++;
    }
  }
  coloricelle();
  if (risolto) {
    testo('Complimenti! Schema risolto in ' + orario(secondi) + '.', 'festa');
  } else if (scritti === 0) {
    testo('Non hai inserito nessun numero: tocca una casella vuota per iniziare.', '');
  } else if (sbagli === 0) {
    testo('Nessun errore finora: continua cos\u00ec!', 'ok');
  } else {
    scriviErrori();
  }
}

function mostra() {
  if (!esatta || stadio !== 'gioco') {
    return;
  }
  chiudiTavolozza();
  stadio = 'soluzione';
  var i;
  for (i = 0; i < celle.length; i++) {
    disegnaCella(i);
  }
  coloricelle();
  rinominaBottone('bSoluzione', 'Torna al gioco');
  testo('Ecco la soluzione, in verde. I tuoi numeri ti aspettano: premi Torna al gioco.', 'ok');
  aggiornalista();
}

function nascondi() {
  if (stadio !== 'soluzione') {
    return;
  }
  stadio = 'gioco';
  var i;
  for (i = 0; i < celle.length; i++) {
    disegnaCella(i);
  }
  coloricelle();
  rinominaBottone('bSoluzione', 'Vedi soluzione');
  testo(risolto ? 'Schema risolto. Complimenti!' : 'Tocca una casella vuota per scegliere un numero.', risolto ? 'festa' : '');
  aggiornalista();
}

function alternaSoluzione() {
  if (stadio === 'soluzione') {
    nascondi();
  } else if (stadio === 'gioco') {
    if (risolto) {
      mostra();
    } else {
      chiediConferma('Vuoi vedere la soluzione? I tuoi numeri restano al loro posto.', mostra);
    }
  }
}

// Number palette beside the chosen cell.
function costruisciTavolozza() {
  tasti = elemento('tavolozza');
  if (!tasti) {
    return;
  }
  var html = '<div class="numeri">';
  var k;
  for (k = 1; k <= dimensione; k++) {
    html += '<button type="button" data-v="' + k + '">' + k + '</button>';
  }
  html += '</div><div class="extra">';
  html += '<button type="button" data-v="appunti" aria-pressed="false" aria-label="Appunti" title="Appunti: piccoli numeri candidati (tasto A)">&#9998;</button>';
  html += '<button type="button" data-v="" aria-label="Svuota la casella" title="Svuota la casella">&#9003;</button>';
  html += '<button type="button" data-v="chiudi" aria-label="Chiudi" title="Chiudi">&#10005;</button></div>';
  tasti.innerHTML = html;
  tasti.onclick = function (ev) {
    var b = ev.target;
    while (b && b !== tasti && b.tagName !== 'BUTTON') {
      b = b.parentNode;
    }
    if (!b || b === tasti) {
      return;
    }
    var v = b.getAttribute('data-v');
    if (v === 'chiudi') {
      chiudiTavolozza();
    } else if (v === 'appunti') {
      alternaAppunti();
    } else {
      setta(cellascelta, v);
      if (!modosetta) {
        chiudiTavolozza();
      }
    }
  };
}

function aggiornaTavolozza() {
  if (!tasti || cellascelta < 0) {
    return;
  }
  var bottoni = tasti.getElementsByTagName('button');
  var ammesse = motore ? motore.regole(kelvaroGriglia(), cellascelta).ammesse : null;
  var k;
  for (k = 0; k < bottoni.length; k++) {
    var v = bottoni[k].getAttribute('data-v');
    if (v === 'appunti') {
      bottoni[k].classList.toggle('attivo', modosetta);
      bottoni[k].setAttribute('aria-pressed', modosetta ? 'true' : 'false');
    } else if (v && v !== 'chiudi') {
      bottoni[k].classList.toggle('usato', ammesse !== null && ammesse.indexOf(v) < 0);
      bottoni[k].classList.toggle('preso', modosetta ? appunti[cellascelta].indexOf(v) >= 0 : stato[cellascelta] === v);
    }
  }
}

// Where there is no room beside the cell (a phone) the palette docks at the foot of the
// screen and the page scrolls so that the cell stays in sight above it.
function tavolozzaInBasso() {
  return document.documentElement.clientWidth < 700;
}

function posizione(td) {
  if (!tasti) {
    return;
  }
  tasti.classList.add('aperta');
  if (tavolozzaInBasso()) {
    tasti.classList.add('in-basso');
    tasti.style.left = '';
    tasti.style.top = '';
    var alta = tasti.offsetHeight;
    document.body.style.paddingBottom = alta + 'px';
    var r = td.getBoundingClientRect();
    var spazio = window.innerHeight - alta - 8;
    if (r.bottom > spazio) {
      window.scrollBy(0, r.bottom - spazio);
    } else if (r.top < 4) {
      window.scrollBy(0, r.top - 8);
    }
    return;
  }
  tasti.classList.remove('in-basso');
  document.body.style.paddingBottom = '';
  var w = tasti.offsetWidth;
  var h = tasti.offsetHeight;
  var x = getPosX(td) + td.offsetWidth + 12;
  if (x + w > window.pageXOffset + document.documentElement.clientWidth - 8) {
    x = getPosX(td) - w - 12;
  }
  var y = getPosY(td) + td.offsetHeight / 2 - h / 2;
  // Not above the board: the title and the level stay readable.
  var tavola = elemento('tavola');
  var alto = Math.max(window.pageYOffset + 8, tavola ? getPosY(tavola) : 0);
  var basso = window.pageYOffset + document.documentElement.clientHeight - h - 8;
  y = Math.max(alto, Math.min(y, basso));
  tasti.style.left = Math.max(window.pageXOffset + 4, x) + 'px';
  tasti.style.top = Math.max(4, y) + 'px';
}

function chiudiTavolozza() {
  if (tasti) {
    tasti.classList.remove('aperta');
    document.body.style.paddingBottom = '';
  }
}

function scegliCella(i, apri) {
  if (stadio !== 'gioco' || i < 0 || i >= celle.length) {
    return;
  }
  // One cell of the grid is in the tab order: the chosen one (roving focus).
  var fuoco = document.activeElement && celle.indexOf(document.activeElement) >= 0;
  if (cellascelta >= 0 && celle[cellascelta]) {
    celle[cellascelta].tabIndex = -1;
  }
  cellascelta = i;
  celle[i].tabIndex = 0;
  if (fuoco && document.activeElement !== celle[i]) {
    celle[i].focus();
  }
  coloricelle();
  if (apri && !dati[i]) {
    aggiornaTavolozza();
    posizione(celle[i]);
  } else {
    chiudiTavolozza();
  }
}

// Handler of the fragment's empty cells.
function posizioneTD(td) {
  var i = parseInt(String(td && td.id).replace(/^LL/, ''), 10);
  if (isNaN(i)) {
    return;
  }
  if (stadio === 'soluzione') {
    nascondi();
  }
  scegliCella(i, true);
}

function clicm(ev) {
  if (!tasti || !tasti.classList.contains('aperta')) {
    return;
  }
  var t = ev.target;
  while (t) {
    if (t === tasti || (t.id && /^LL\d+$/.test(t.id))) {
      return;
    }
    t = t.parentNode;
  }
  chiudiTavolozza();
}

function alternaAppunti() {
  modosetta = !modosetta;
  aggiornaTavolozza();
  var b = elemento('bAppunti');
  if (b) {
    b.setAttribute('aria-pressed', modosetta ? 'true' : 'false');
    b.classList.toggle('attivo', modosetta);
  }
  testo(modosetta ? 'Appunti attivi: i numeri scelti diventano piccoli candidati (A per tornare ai numeri).' : 'Appunti spenti: i numeri scelti vanno nella casella.', '');
}

function premuto(ev) {
  if (dialogoAperto()) {
    tastoNelDialogo(ev);
    return;
  }
  if (stadio === 'passi') {
    if (ev.key === 'ArrowRight') {
      sxettadvmos(imls + 1);
      ev.preventDefault();
    } else if (ev.key === 'ArrowLeft') {
      sxettadvmos(imls - 1);
      ev.preventDefault();
    } else if (ev.key === 'Escape') {
      chiudilog();
    }
    return;
  }
  if ((ev.ctrlKey || ev.metaKey) && (ev.key === 'z' || ev.key === 'Z')) {
    if (ev.shiftKey) {
      storna();
    } else {
      undomosse();
    }
    ev.preventDefault();
    return;
  }
  if ((ev.ctrlKey || ev.metaKey) && (ev.key === 'y' || ev.key === 'Y')) {
    storna();
    ev.preventDefault();
    return;
  }
  if (ev.ctrlKey || ev.metaKey || ev.altKey || stadio !== 'gioco') {
    return;
  }
  if (ev.key === 'a' || ev.key === 'A' || ev.key === 'n' || ev.key === 'N') {
    alternaAppunti();
    ev.preventDefault();
    return;
  }
  if (ev.key === 'm' || ev.key === 'M') {
    riempiValidi();
    ev.preventDefault();
    return;
  }
  if (cellascelta < 0) {
    if (/^Arrow/.test(ev.key)) {
      scegliCella(Math.max(0, dati.indexOf('')), false);
      ev.preventDefault();
    }
    return;
  }
  var n = dimensione;
  var r = Math.floor(cellascelta / n);
  var c = cellascelta % n;
  var aperta = tasti && tasti.classList.contains('aperta');
  if (ev.key >= '1' && ev.key <= String(n) && ev.key.length === 1) {
    setta(cellascelta, ev.key);
    if (!modosetta) {
      chiudiTavolozza();
    }
  } else if (ev.key === 'Backspace' || ev.key === 'Delete' || ev.key === '0') {
    setta(cellascelta, '');
  } else if (ev.key === 'Escape') {
    chiudiTavolozza();
  } else if (ev.key === 'ArrowUp' && r > 0) {
    scegliCella(cellascelta - n, aperta);
  } else if (ev.key === 'ArrowDown' && r < n - 1) {
    scegliCella(cellascelta + n, aperta);
  } else if (ev.key === 'ArrowLeft' && c > 0) {
    scegliCella(cellascelta - 1, aperta);
  } else if (ev.key === 'ArrowRight' && c < n - 1) {
    scegliCella(cellascelta + 1, aperta);
  } else if ((ev.key === 'Enter' || ev.key === ' ') && !(ev.target && ev.target.tagName === 'BUTTON')) {
    scegliCella(cellascelta, true);
  } else {
    return;
  }
  ev.preventDefault();
}

// Replay of the solver's recorded steps: tbls[k] is the grid after step k (one character
// per cell, blank = undecided), tblv[k] lists the changed cells as row and column digits.
function cxaricadvmos() {
  var n = dimensione;
  var quanti = typeof mls === 'number' ? mls : parseInt(mls, 10);
  if (!(quanti > 0) || typeof tbls === 'undefined') {
    return false;
  }
  var k;
  for (k = 1; k <= quanti; k++) {
    if (typeof tbls[k] !== 'string' || tbls[k].length !== n * n) {
      return false;
    }
  }
  return true;
}

function inizializzavislog() {
  passiPronti = cxaricadvmos();
  var collega = function (id, azione) {
    var b = elemento(id);
    if (b) {
      b.onclick = azione;
    }
  };
  collega('pInizio', function () { sxettadvmos(1); });
  collega('pIndietro', function () { sxettadvmos(imls - 1); });
  collega('pAvanti', function () { sxettadvmos(imls + 1); });
  collega('pFine', function () { sxettadvmos(mls); });
  collega('pEsci', function () { chiudilog(); });
  if (!passiPronti && elemento('bPassi')) {
    elemento('bPassi').title = 'Per questo schema non ci sono passi registrati';
  }
}

function nuovolog() {
  if (!passiPronti || stadio === 'passi') {
    return;
  }
  if (stadio === 'soluzione') {
    nascondi();
  }
  chiudiTavolozza();
  stadio = 'passi';
  elemento('barraPassi').hidden = false;
  elemento('comandi').hidden = true;
  coloricelle();
  sxettadvmos(imls > 0 ? imls : 1);
  aggiornalista();
}

function chiudilog() {
  if (stadio !== 'passi') {
    return;
  }
  stadio = 'gioco';
  elemento('barraPassi').hidden = true;
  elemento('comandi').hidden = false;
  var i;
  for (i = 0; i < celle.length; i++) {
    colora(i, 'cambiata', false);
    colora(i, 'passo', false);
    disegnaCella(i);
  }
  coloricelle();
  testo(risolto ? 'Schema risolto. Complimenti!' : 'Tocca una casella vuota per scegliere un numero.', risolto ? 'festa' : '');
  aggiornalista();
}

function sxettadvmos(k) {
  if (stadio !== 'passi') {
    return;
  }
  var quanti = parseInt(mls, 10);
  imls = Math.max(1, Math.min(quanti, k));
  pitturalog(imls);
  visualizzalog();
}

function cambiateNelPasso(k) {
  var v = String(tblv[k] || '');
  var n = dimensione;
  var fuori = [];
  var j;
  for (j = 0; j + 1 < v.length; j += 2) {
    var r = parseInt(v.charAt(j), 10);
    var c = parseInt(v.charAt(j + 1), 10);
    if (r >= 1 && r <= n && c >= 1 && c <= n) {
      fuori.push((r - 1) * n + c - 1);
    }
  }
  return fuori;
}

function pitturalog(k) {
  var s = tbls[k];
  var nuove = cambiateNelPasso(k);
  var i;
  for (i = 0; i < celle.length; i++) {
    var ch = s.charAt(i);
    celle[i].textContent = ch === ' ' ? '' : ch;
    celle[i].setAttribute('aria-label', descriviCella(i, ch === ' ' ? '' : ch));
    colora(i, 'passo', !dati[i]);
    colora(i, 'cambiata', nuove.indexOf(i) >= 0);
  }
}

function visualizzalog() {
  var quanti = parseInt(mls, 10);
  elemento('contaPassi').textContent = 'Passo ' + imls + ' di ' + quanti;
  elemento('pInizio').disabled = imls <= 1;
  elemento('pIndietro').disabled = imls <= 1;
  elemento('pAvanti').disabled = imls >= quanti;
  elemento('pFine').disabled = imls >= quanti;
  visualizzadettlog();
}

function visualizzadettlog() {
  var nuove = cambiateNelPasso(imls);
  var n = dimensione;
  var s = tbls[imls];
  var scritte = [];
  var vuote = [];
  var j;
  for (j = 0; j < nuove.length; j++) {
    var i = nuove[j];
    var d = 'R' + (Math.floor(i / n) + 1) + 'C' + (i % n + 1);
    if (s.charAt(i) === ' ') {
      vuote.push(d);
    } else {
      scritte.push(d + ' = ' + s.charAt(i));
    }
  }
  var t;
  if (imls === 1 && nuove.length === 0) {
    t = 'Situazione di partenza.';
  } else if (nuove.length === 0) {
    t = 'Nessuna casella decisa in questo passo.';
  } else {
    t = (scritte.length ? 'Decise: ' + scritte.join(', ') + '. ' : '') + (vuote.length ? 'Tornano incerte: ' + vuote.join(', ') + '.' : '');
  }
  elemento('dettaglioPasso').textContent = t;
  var pieni = 0;
  for (j = 0; j < s.length; j++) {
    pieni += s.charAt(j) === ' ' ? 0 : 1;
  }
  testo('Il risolutore ha deciso ' + pieni + ' caselle su ' + s.length + '. Usa le frecce per scorrere i passi.', '');
}

function orologio() {
  if (stadio === 'gioco' && !risolto && document.visibilityState !== 'hidden' && celle.length) {
    secondi++;
    if (secondi % 5 === 0) {
      salvafoto();
    }
  }
  var o = elemento('orologio');
  if (o) {
    o.textContent = orario(secondi);
  }
}

// Cells of 50 pixels and gaps of 20 where there is room; smaller on narrow screens, and on
// a wide screen small enough for the grid to fit under the fold beside the commands.
function adattaGriglia() {
  var tab = elemento('ritb1');
  var n = dimensione;
  if (!tab || !n) {
    return;
  }
  var largo = document.documentElement.clientWidth;
  var spazio = largo - (largo > 640 ? 70 : 28);
  var alto = 0;
  if (largo >= 900) {
    spazio = Math.min(largo, 1100) - 40 - 28 - 28 - 300;
    var tavola = elemento('tavola') || tab;
    alto = window.innerHeight - (tavola.getBoundingClientRect().top + window.pageYOffset) - 28 - 12;
  }
  var r = 0.4;
  var c = Math.floor(spazio / (n + r * (n + 1)));
  if (c < 44) {
    r = 0.3;
    c = Math.floor(spazio / (n + r * (n + 1)));
  }
  if (alto > 0) {
    c = Math.min(c, Math.floor(alto / (n + r * (n + 1))));
  }
  c = Math.max(24, Math.min(50, c));
  var g = Math.max(8, Math.floor(c * r));
  tab.style.setProperty('--c', c + 'px');
  tab.style.setProperty('--g', g + 'px');
}

function inizializzaschema() {
  if (codiceInAttesa()) {
    return;
  }
  livelloDaTitolo();
  if (elemento('codice')) {
    elemento('codice').textContent = typeof geid === 'string' ? geid : '';
  }
  if (typeof schema === 'undefined' || typeof sizesc === 'undefined') {
    testo('Questa pagina non contiene uno schema.', 'ko');
    return;
  }
  dimensione = parseInt(sizesc, 10) || 0;
  var i;
  celle = [];
  for (i = 0; i < dimensione * dimensione; i++) {
    var td = elemento('LL' + i);
    if (!td) {
      testo('Lo schema di questa pagina \u00e8 incompleto.', 'ko');
      return;
    }
    celle.push(td);
  }
  if (elemento('numMax')) {
    elemento('numMax').textContent = String(dimensione);
  }
  adattaGriglia();
  leggiSegni();
  caricaschema();
  preparaGriglia();
  esatta = soluzionePubblicata();
  attesaMotore = !!window.kelvaroMotoreInArrivo;
  risolto = somma() && controllaGriglia();
  costruisciTavolozza();
  inizializzavislog();
  var collega = function (id, azione) {
    var b = elemento(id);
    if (b) {
      b.onclick = azione;
    }
  };
  collega('bAnnulla', undomosse);
  collega('bRipeti', storna);
  collega('bVerifica', verifica);
  collega('bSoluzione', alternaSoluzione);
  collega('bDaCapo', ancora);
  collega('bPassi', nuovolog);
  collega('bAppunti', alternaAppunti);
  preparaGiocatore();
  collega('bAiuto', function () {
    var h = elemento('divhelp');
    h.hidden = !h.hidden;
    if (!h.hidden && h.scrollIntoView) {
      h.scrollIntoView({ behavior: 'smooth', block: 'nearest' });
    }
  });
  document.addEventListener('mousedown', clicm);
  document.addEventListener('touchstart', clicm);
  document.addEventListener('keydown', premuto);
  window.addEventListener('pagehide', salvafoto);
  window.addEventListener('resize', function () {
    adattaGriglia();
    if (tasti && tasti.classList.contains('aperta') && cellascelta >= 0) {
      posizione(celle[cellascelta]);
    }
  });
  coloricelle();
  aggiornalista();
  if (risolto) {
    testo('Schema risolto. Complimenti!', 'festa');
  } else if (foto && imosse.length) {
    testo('Bentornato! Riprendi da dove eri rimasto.', '');
  }
  if (!esatta && !attesaMotore) {
    senzaSoluzione();
  }
  orologio();
  window.setInterval(orologio, 1000);
}

function senzaSoluzione() {
  testo(motore ? 'Soluzione non disponibile: Verifica controlla solo le regole.' : 'Soluzione non disponibile: senza il modulo delle regole la pagina non controlla i numeri.', '');
}

// aiutino.js hands over the core once its module has loaded, or null when it cannot load.
// m.regole(griglia, cella) gives { sbagliate: [cells of broken rules], risolta, ammesse: the
// digits cella may hold }, m.valide(griglia) every empty cell's valid notes by index (the window's
// Validi), m.soluzione(griglia) the one solution or ''.
function kelvaroMotore(m) {
  if (codiceRicevuto(m)) {
    return;
  }
  if (!celle.length || (!m && !motore && !attesaMotore)) {
    return;
  }
  attesaMotore = false;
  motore = m || null;
  var senza = !esatta;
  if (senza && motore) {
    esatta = motore.soluzione(kelvaroGriglia());
  }
  var prima = risolto;
  risolto = somma() && controllaGriglia();
  coloricelle();
  aggiornalista();
  aggiornaTavolozza();
  if (stadio !== 'gioco') {
    return;
  }
  if (risolto && !prima) {
    testo('Schema risolto. Complimenti!', 'festa');
  } else if (senza && !esatta) {
    senzaSoluzione();
  }
  if (verificaChiesta) {
    verificaChiesta = false;
    verifica();
  }
}

// --- puzzle codes ---------------------------------------------------------------------------
// Every page shows its schema's puzzle code (the game ID of Tatham's Unequal) and a link with
// the code in its fragment. A page opened with a code in the fragment (#5:0,0D,...) plays that
// schema instead of its own, once the module has read it and found exactly one solution; the
// page's start waits for the module for that. The page "Nuovo schema" (the one with #bGenera)
// starts empty and plays what the generator of the module makes.
var codiceChiesto = '';
var codiceVisto = false;
var codiceAttesa = false;
var codiceInUso = false;
var codiceAvviso = '';
var codiceMotore = null;

function codiceDelFrammento() {
  var h = decodifica(String(location.hash || '').replace(/^#/, '')).replace(/^\s+|\s+$/g, '');
  return h.indexOf(':') > 0 ? h : '';
}

function paginaNuova() {
  return !!elemento('bGenera');
}

function scriviAvviso(t, tipo) {
  var m = elemento('messaggio');
  if (m) {
    m.textContent = t;
    m.className = 'messaggio' + (tipo ? ' ' + tipo : '');
  }
}

// At the page's start: true while the start must wait for the module (a code to read, or the
// generator of "Nuovo schema").
function codiceInAttesa() {
  if (codiceVisto) {
    return codiceAttesa;
  }
  codiceVisto = true;
  codiceChiesto = codiceDelFrammento();
  window.addEventListener('hashchange', function () {
    if (codiceDelFrammento() !== codiceChiesto) {
      location.reload();
    }
  });
  if (paginaNuova()) {
    sceltaNuovo();
  } else if (!codiceChiesto) {
    return false;
  }
  if (!window.kelvaroMotoreInArrivo) {
    codiceAttesa = true;
    codiceRicevuto(null);
    return true;
  }
  codiceAttesa = true;
  scriviAvviso(codiceChiesto ? 'Lettura del codice\u2026' : 'Preparazione del generatore\u2026', '');
  return true;
}

// The module has come, or cannot come (m null): true when this call took the page's start over.
function codiceRicevuto(m) {
  if (!codiceAttesa) {
    if (m && celle.length) {
      schedaCodice(m);
    }
    return false;
  }
  codiceAttesa = false;
  codiceMotore = m || null;
  var letto = null;
  if (codiceChiesto && !m) {
    codiceAvviso = 'Il codice del link non si pu\u00f2 leggere: il modulo delle regole non \u00e8 disponibile in questo browser.';
  } else if (codiceChiesto) {
    letto = m.leggiCodice(codiceChiesto);
    if (letto.errore) {
      codiceAvviso = 'Il codice del link non \u00e8 valido (' + letto.errore + ')' +
        (paginaNuova() ? '.' : ': resta lo schema di questa pagina.');
      letto = null;
    }
  }
  if (paginaNuova()) {
    elemento('bGenera').disabled = !m;
    if (!letto) {
      if (codiceAvviso) {
        scriviAvviso(codiceAvviso, 'ko');
      } else {
        scriviAvviso(m ? 'Scegli la dimensione e la difficolt\u00e0, poi premi Genera.' : 'Il generatore non \u00e8 disponibile in questo browser.', m ? '' : 'ko');
      }
      return true;
    }
  }
  if (letto) {
    schemaDalCodice(letto);
  }
  inizializzaschema();
  if (letto && elemento('codice')) {
    elemento('codice').textContent = 'dal codice del link';
  }
  kelvaroMotore(m);
  if (codiceAvviso) {
    testo(codiceAvviso, 'ko');
  } else if (letto && !risolto && !imosse.length) {
    testo('Schema aperto dal codice del link. Tocca una casella vuota per scegliere un numero.', '');
  }
  return true;
}

// The page takes the schema of a code read by the module: its data, its title and a grid
// laid out as the publisher lays out the pages' grids.
function schemaDalCodice(r) {
  var n = r.n;
  codiceInUso = true;
  window.schema = r.dati;
  window.sizesc = String(n);
  window.solution = r.soluzione;
  window.mls = 0;
  window.imls = 0;
  window.tbls = [''];
  window.tblv = [''];
  window.tblr = [''];
  var classe = { Facile: 'facile', Medio: 'medio' }[r.difficolta] || 'difficile';
  window.grado = classe;
  window.gradoParola = r.difficolta;
  window.gradoLivello = undefined;
  window.gradoCome = '';
  window.geid = '';
  if (elemento('livello')) {
    elemento('livello').style.display = '';
  }
  var titolo = 'Futoshiki ' + n + 'x' + n + ' \u00b7 ' + r.difficolta;
  document.title = titolo;
  if (elemento('titolo')) {
    elemento('titolo').textContent = titolo;
  }
  var destra = [];
  var sotto = [];
  var i;
  for (i = 0; i < n * n; i++) {
    destra[i] = 0;
    sotto[i] = 0;
  }
  for (i = 0; i + 4 <= r.segni.length; i += 4) {
    var a = (parseInt(r.segni.charAt(i), 10) - 1) * n + parseInt(r.segni.charAt(i + 1), 10) - 1;
    var b = (parseInt(r.segni.charAt(i + 2), 10) - 1) * n + parseInt(r.segni.charAt(i + 3), 10) - 1;
    if (b === a + 1) {
      destra[a] = 1;
    } else if (b === a - 1) {
      destra[b] = -1;
    } else if (b === a + n) {
      sotto[a] = 1;
    } else if (b === a - n) {
      sotto[b] = -1;
    }
  }
  var vecchia = elemento('ritb1');
  if (vecchia) {
    vecchia.parentNode.removeChild(vecchia);
  }
  var tab = document.createElement('table');
  tab.id = 'ritb1';
  tab.className = 'laterale';
  tab.setAttribute('align', 'center');
  var lato = String(60 * n + 50);
  tab.setAttribute('width', lato);
  tab.setAttribute('height', lato);
  var conta = { LL: 0, LP: 0, PL: 0, PP: 0 };
  var riga, col;
  for (riga = 0; riga <= 2 * n; riga++) {
    var tr = tab.insertRow(-1);
    tr.id = 'ritd' + (riga + 1);
    for (col = 0; col <= 2 * n; col++) {
      var td = tr.insertCell(-1);
      var tipo = (riga % 2 ? 'L' : 'P') + (col % 2 ? 'L' : 'P');
      var k = ((riga - 1) >> 1) * n + ((col - 1) >> 1);
      var figura = '';
      td.id = tipo + conta[tipo]++;
      if (tipo === 'LL') {
        if (r.dati.charAt(k) !== '0') {
          td.textContent = r.dati.charAt(k);
        } else {
          td.setAttribute('onmouseup', 'javascript:posizioneTD(this)');
        }
      } else if (tipo === 'LP' && col > 0 && col < 2 * n) {
        k = ((riga - 1) >> 1) * n + (col >> 1) - 1;
        figura = destra[k] > 0 ? 'FD' : (destra[k] < 0 ? 'FS' : '');
      } else if (tipo === 'PL' && riga > 0 && riga < 2 * n) {
        k = ((riga >> 1) - 1) * n + ((col - 1) >> 1);
        figura = sotto[k] > 0 ? 'FB' : (sotto[k] < 0 ? 'FA' : '');
      }
      if (figura) {
        var img = document.createElement('img');
        img.src = 'assets/img/' + figura + '.bmp';
        img.alt = '';
        td.appendChild(img);
      }
    }
  }
  var dove = elemento('tavola');
  dove.appendChild(tab);
}

// The card with the schema's code and its link, under the commands.
function schedaCodice(m) {
  var codice = m.scriviCodice(kelvaroGriglia());
  var pannello = document.querySelector('aside.pannello') || elemento('tavola');
  if (!codice || !pannello) {
    return;
  }
  codiceScritto = codice;
  var link = String(location.href).split('#')[0] + '#' + codice;
  var scheda = elemento('schedaCodice');
  if (!scheda) {
    var st = document.createElement('style');
    st.textContent = '#schedaCodice{display:flex;flex-direction:column;gap:8px;font-size:14px;}' +
      '#schedaCodice label{font-weight:600;}' +
      '#campoCodice{font:13px ui-monospace,Consolas,monospace;padding:6px 8px;border:1px solid #c2c8e8;border-radius:8px;width:100%;background:var(--fondo);color:var(--inchiostro);}' +
      '#esitoCopia{min-height:18px;font-size:13px;color:var(--tenue);}';
    document.head.appendChild(st);
    scheda = document.createElement('div');
    scheda.id = 'schedaCodice';
    scheda.className = 'scheda';
    scheda.innerHTML = '<label for="campoCodice">Codice dello schema</label>' +
      '<input id="campoCodice" type="text" readonly spellcheck="false">' +
      '<button type="button" id="bCopiaLink">Copia link</button>' +
      '<span id="esitoCopia" role="status" aria-live="polite"></span>';
    var dopo = elemento('comandi');
    if (dopo && dopo.parentNode === pannello) {
      pannello.insertBefore(scheda, dopo.nextSibling);
    } else {
      pannello.appendChild(scheda);
    }
    elemento('campoCodice').addEventListener('focus', function (ev) {
      ev.target.select();
    });
  }
  var campo = elemento('campoCodice');
  campo.value = codice;
  campo.title = 'Il codice si apre in Kelvaro (Apri codice) e in Unequal di Simon Tatham';
  elemento('bCopiaLink').onclick = function () {
    copiaLink(link);
  };
}

function copiaLink(link) {
  var esito = elemento('esitoCopia');
  var riuscita = function () {
    esito.textContent = 'Link copiato: chi lo apre gioca questo schema.';
  };
  var aMano = function () {
    var campo = elemento('campoCodice');
    campo.value = link;
    campo.focus();
    campo.select();
    var fatto = false;
    try {
      fatto = document.execCommand('copy');
    } catch (e) {
      fatto = false;
    }
    if (fatto) {
      riuscita();
    } else {
      esito.textContent = 'Copia non riuscita: il link \u00e8 selezionato qui sopra, copialo con Ctrl+C.';
    }
  };
  if (navigator.clipboard && navigator.clipboard.writeText) {
    navigator.clipboard.writeText(link).then(riuscita, aMano);
  } else {
    aMano();
  }
}

// "Nuovo schema": the sizes and the difficulties the generator makes, and the button.
function sceltaNuovo() {
  var b = elemento('bGenera');
  var lato = elemento('nuovoLato');
  var livello = elemento('nuovoLivello');
  // Each difficulty lists, in data-lati, the sizes the generator makes it at.
  var adatta = function () {
    var k;
    var prima = -1;
    for (k = 0; k < livello.options.length; k++) {
      var o = livello.options[k];
      o.disabled = String(o.getAttribute('data-lati') || lato.value).indexOf(lato.value) < 0;
      prima = prima < 0 && !o.disabled ? k : prima;
    }
    if (livello.selectedIndex < 0 || livello.options[livello.selectedIndex].disabled) {
      livello.selectedIndex = prima;
    }
  };
  lato.onchange = adatta;
  adatta();
  if (elemento('livello')) {
    elemento('livello').style.display = 'none';
  }
  b.disabled = true;
  b.onclick = generaNuovo;
}

function generaNuovo() {
  var b = elemento('bGenera');
  var n = parseInt(elemento('nuovoLato').value, 10);
  var livello = elemento('nuovoLivello').value;
  if (!codiceMotore || b.disabled) {
    return;
  }
  var inizio = window.performance ? performance.now() : 0;
  b.disabled = true;
  scriviAvviso('Preparazione dello schema ' + n + '\u00d7' + n + ' ' + livello + '\u2026', '');
  // The generator holds the page while it works: the message is painted first.
  var dopo = window.requestAnimationFrame || function (f) {
    window.setTimeout(f, 16);
  };
  dopo(function () {
    window.setTimeout(function () {
      creaNuovo(n, livello, inizio);
    }, 0);
  });
}

function creaNuovo(n, livello, inizio) {
  // A seed now and then gives the generator nothing of that difficulty: a few more seeds.
  var r = codiceMotore.genera(n, livello);
  var volte;
  for (volte = 1; r.errore && volte < 5; volte++) {
    r = codiceMotore.genera(n, livello);
  }
  elemento('bGenera').disabled = false;
  if (r.errore) {
    testo('Nessuno schema ' + n + '\u00d7' + n + ' ' + livello + ' trovato (' + r.errore + '): riprova o scegli un\'altra difficolt\u00e0.', 'ko');
    return;
  }
  if (celle.length) {
    // A game is on: the page starts again on the new code, as its link would open it.
    salvafoto();
    location.hash = r.codice;
    return;
  }
  codiceChiesto = r.codice;
  try {
    history.replaceState(null, '', '#' + r.codice);
  } catch (e) {
    codiceChiesto = codiceDelFrammento();
  }
  schemaDalCodice(r);
  inizializzaschema();
  if (elemento('codice')) {
    elemento('codice').textContent = 'creato nel browser';
  }
  kelvaroMotore(codiceMotore);
  window.kelvaroTempoNuovo = window.performance ? performance.now() - inizio : 0;
  testo('Nuovo schema ' + n + '\u00d7' + n + ' ' + r.difficolta + ' pronto. Il suo link lo riapre ovunque.', '');
}

// The hint (aiutino.js) reads the game and moves only through these two functions.
function kelvaroGriglia() {
  return { gioco: stadio === 'gioco', n: dimensione, dati: dati.slice(), voci: stato.slice(), note: appunti.slice(), destra: segniRiga.slice(), sotto: segniColonna.slice() };
}

// One move of the game, undone by Annulla like any other: digit v and notes a in cell i.
function kelvaroMuovi(i, v, a) {
  if (stadio !== 'gioco' || i < 0 || i >= celle.length || dati[i]) {
    return false;
  }
  return faiMossa(i, { v: stato[i], a: appunti[i] }, { v: v, a: a });
}

// --- what players of the best puzzle sites expect ------------------------------------------------

// "Validi": every empty cell's notes become the digits the rules still allow there, as one move.
// The core answers with the notes the window's Validi gives (rows, columns, and the bounds the
// signs set, carried along chains of signs); without it (a browser that cannot load the module)
// only the digits of the cell's row and column are left out.
function ammesseSenzaMotore(i) {
  var n = dimensione;
  var r = Math.floor(i / n);
  var c = i % n;
  var presi = '';
  var k;
  for (k = 0; k < n; k++) {
    if (k !== c) {
      presi += stato[r * n + k] || '';
    }
    if (k !== r) {
      presi += stato[k * n + c] || '';
    }
  }
  var a = '';
  for (k = 1; k <= n; k++) {
    if (presi.indexOf(String(k)) < 0) {
      a += String(k);
    }
  }
  return a;
}

function riempiValidi() {
  if (stadio !== 'gioco' || !celle.length) {
    return;
  }
  if (!motore && attesaMotore) {
    testo('Un momento: la pagina sta caricando il controllo delle regole.', '');
    return;
  }
  var g = kelvaroGriglia();
  var valide = motore && motore.valide ? motore.valide(g) : null;
  var cambi = [];
  var i;
  for (i = 0; i < celle.length; i++) {
    if (dati[i] || stato[i]) {
      continue;
    }
    var a = valide ? valide[i] : null;
    a = noteValide(a === null || a === undefined ? ammesseSenzaMotore(i) : a);
    if (a !== appunti[i]) {
      cambi.push({ i: i, p: appunti[i], n: a });
    }
  }
  if (!cambi.length) {
    testo('Gli appunti hanno gi\u00e0 tutti i numeri ammessi: niente da cambiare.', '');
    return;
  }
  // The move is filed under the chosen cell when it changes, so that undo goes back there.
  var k = 0;
  for (i = 0; i < cambi.length; i++) {
    if (cambi[i].i === cellascelta) {
      k = i;
    }
  }
  var prima = cambi.splice(k, 1)[0];
  var mossa = { i: prima.i, p: { v: '', a: prima.p }, n: { v: '', a: prima.n }, x: cambi };
  imosse.push(mossa);
  rifare = [];
  notePeerDellaMossa(mossa, 'n');
  eseguimxossa(mossa.i, mossa.n);
  testo('Validi: appunti aggiornati in ' + (cambi.length + 1) + (cambi.length ? ' caselle' : ' casella') + '. Annulla li riporta com\'erano.', '');
}

// Right click on a cell (a long press on a touch screen): notes for that cell. A second right
// click on the same cell goes back to digits.
var pressione = null;
var ultimaPressione = 0;
// The chosen cell before the press: pressing a cell gives it the focus, and so the choice, before
// the right click arrives. -2: no press seen (the menu key).
var sceltaPrima = -2;

function cellaSotto(t) {
  while (t && t !== document) {
    if (t.id && /^LL\d+$/.test(t.id)) {
      return parseInt(t.id.slice(2), 10);
    }
    t = t.parentNode;
  }
  return -1;
}

function appuntiSullaCella(i) {
  if (i < 0 || i >= celle.length) {
    return;
  }
  if (stadio === 'soluzione') {
    nascondi();
  }
  if (stadio !== 'gioco') {
    return;
  }
  var prima = sceltaPrima === -2 ? cellascelta : sceltaPrima;
  sceltaPrima = -2;
  var accendi = i === prima ? !modosetta : true;
  scegliCella(i, !dati[i]);
  if (accendi !== modosetta) {
    alternaAppunti();
  }
}

function cliccoDestro(ev) {
  ev.preventDefault();
  // After a long press some browsers send the menu request as well: already handled.
  if (Date.now() - ultimaPressione < 1000) {
    return;
  }
  if (pressione) {
    fermaPressione();
    ultimaPressione = Date.now();
  }
  appuntiSullaCella(cellaSotto(ev.target));
}

function fermaPressione() {
  if (pressione) {
    window.clearTimeout(pressione.timer);
    pressione = null;
  }
}

function inizioPressione(ev) {
  fermaPressione();
  sceltaPrima = cellascelta;
  var i = cellaSotto(ev.target);
  if (i < 0 || !ev.touches || ev.touches.length !== 1) {
    return;
  }
  var x = ev.touches[0].clientX;
  var y = ev.touches[0].clientY;
  pressione = { x: x, y: y, timer: window.setTimeout(function () {
    pressione = null;
    ultimaPressione = Date.now();
    appuntiSullaCella(i);
  }, 500) };
}

function spostaPressione(ev) {
  if (pressione && ev.touches && ev.touches.length === 1 &&
      Math.abs(ev.touches[0].clientX - pressione.x) + Math.abs(ev.touches[0].clientY - pressione.y) > 10) {
    fermaPressione();
  }
}

function finePressione(ev) {
  fermaPressione();
  // The tap the browser would make of the long press must not reopen the cell with digits.
  if (Date.now() - ultimaPressione < 1000 && ev.cancelable) {
    ev.preventDefault();
  }
}

// A sign clicked is marked used and drawn faded; a second click takes the mark back. A reminder,
// not a move: undo leaves it, the saved progress keeps it, Ricomincia clears it.
var segniSpenti = {};

function cellaSegno(t) {
  while (t && t !== document) {
    if (t.id && /^(LP|PL)\d+$/.test(t.id)) {
      return t.getElementsByTagName('img').length ? t : null;
    }
    t = t.parentNode;
  }
  return null;
}

function disegnaSegnoSpento(td) {
  var spento = !!segniSpenti[td.id];
  td.classList.toggle('spento', spento);
  var img = td.getElementsByTagName('img')[0];
  if (img) {
    img.title = spento ? 'Segno gi\u00e0 usato: clic per riprenderlo' : 'Clic per segnarlo come gi\u00e0 usato';
  }
}

function alternaSegno(ev) {
  var td = cellaSegno(ev.target);
  if (!td || stadio !== 'gioco') {
    return;
  }
  if (segniSpenti[td.id]) {
    delete segniSpenti[td.id];
  } else {
    segniSpenti[td.id] = true;
  }
  disegnaSegnoSpento(td);
  salvafoto();
}

function elencoSegniSpenti() {
  var l = [];
  var k;
  for (k in segniSpenti) {
    if (segniSpenti.hasOwnProperty(k)) {
      l.push(k);
    }
  }
  return l.sort();
}

// Marks as saved: ids of sign cells of this table that hold a sign; anything else is left out.
function impostaSegniSpenti(lista) {
  var k;
  for (k in segniSpenti) {
    if (segniSpenti.hasOwnProperty(k) && elemento(k)) {
      delete segniSpenti[k];
      disegnaSegnoSpento(elemento(k));
    }
  }
  segniSpenti = {};
  if (!(lista instanceof Array)) {
    return;
  }
  for (k = 0; k < lista.length; k++) {
    var td = typeof lista[k] === 'string' && /^(LP|PL)\d+$/.test(lista[k]) ? elemento(lista[k]) : null;
    if (td && td.getElementsByTagName('img').length) {
      segniSpenti[td.id] = true;
      disegnaSegnoSpento(td);
    }
  }
}

// The game to a small file and back, to carry it to another browser. The file names the schema
// by its content (chiaveSchema): a game of another schema is refused, as is a malformed file, and
// the game on the page stays as it is.
function fileDellaPartita() {
  var pagina = decodifica(location.pathname.split('/').pop()).replace(/\.html?$/i, '').replace(/^Futoshiki_/, '');
  if (!pagina) {
    pagina = typeof geid === 'string' && geid ? geid : 'schema';
  }
  return pagina.replace(/[^A-Za-z0-9_.+~-]+/g, '_') + '.partita.json';
}

function salvaSuFile() {
  if (!celle.length) {
    return;
  }
  var contenuto = JSON.stringify({ kelvaro: 'partita', versione: 1, schema: chiaveSchema(), v: stato, a: appunti, m: imosse, r: rifare, t: secondi, u: elencoSegniSpenti() });
  var f = fileDellaPartita();
  var link = document.createElement('a');
  var url = URL.createObjectURL(new Blob([contenuto], { type: 'application/json' }));
  link.href = url;
  link.download = f;
  link.hidden = true;
  document.body.appendChild(link);
  link.click();
  document.body.removeChild(link);
  window.setTimeout(function () {
    URL.revokeObjectURL(url);
  }, 10000);
  testo('Partita salvata nel file ' + f + ': con Carica da file la riprendi in un altro browser.', 'ok');
}

function scegliFile() {
  var campo = elemento('fileCarica');
  if (campo && stadio === 'gioco') {
    campo.value = '';
    campo.click();
  }
}

function fileScelto() {
  var campo = elemento('fileCarica');
  var f = campo && campo.files && campo.files[0];
  if (!f) {
    return;
  }
  // The same file chosen again is news too.
  campo.value = '';
  var intatta = ': la partita in corso resta com\'\u00e8.';
  if (f.size > 262144) {
    testo('Il file ' + f.name + ' \u00e8 troppo grande per essere una partita salvata' + intatta, 'ko');
    return;
  }
  var lettore = new FileReader();
  lettore.onload = function () {
    leggiPartita(String(lettore.result), f.name);
  };
  lettore.onerror = function () {
    testo('Impossibile leggere il file ' + f.name + intatta, 'ko');
  };
  lettore.readAsText(f);
}

// The game of a file when it fits this schema, else the reason it does not.
function partitaDelFile(contenuto) {
  var f;
  try {
    f = JSON.parse(contenuto);
  } catch (e) {
    f = null;
  }
  if (!f || typeof f !== 'object' || f.kelvaro !== 'partita' || f.versione !== 1 || typeof f.schema !== 'string') {
    return 'non \u00e8 una partita salvata da una pagina di Kelvaro';
  }
  if (f.schema !== chiaveSchema()) {
    return '\u00e8 la partita di un altro schema';
  }
  var guasto = 'contiene dati non validi per questo schema';
  if (!(f.v instanceof Array) || !(f.a instanceof Array) || f.v.length !== celle.length || f.a.length !== celle.length) {
    return guasto;
  }
  var i;
  for (i = 0; i < celle.length; i++) {
    var v = f.v[i] === '' ? '' : cifra(f.v[i]);
    if ((f.v[i] !== '' && v !== f.v[i]) || (dati[i] && v && v !== dati[i]) || noteValide(f.a[i]) !== f.a[i]) {
      return guasto;
    }
  }
  var m = f.m === undefined ? [] : f.m;
  var r = f.r === undefined ? [] : f.r;
  if (!(m instanceof Array) || !(r instanceof Array) || mosseValide(m).length !== m.length || mosseValide(r).length !== r.length) {
    return guasto;
  }
  if (f.u !== undefined && !(f.u instanceof Array)) {
    return guasto;
  }
  var t = Number(f.t);
  return { v: f.v, a: f.a, m: m, r: r, t: t >= 0 && t <= 360000 ? Math.floor(t) : 0, u: f.u || [] };
}

function leggiPartita(contenuto, etichetta) {
  var f = partitaDelFile(contenuto);
  if (typeof f === 'string') {
    testo('Il file ' + etichetta + ' ' + f + ': la partita in corso resta com\'\u00e8.', 'ko');
    return;
  }
  var applica = function () {
    var i;
    for (i = 0; i < celle.length; i++) {
      if (!dati[i]) {
        salvaval(i, f.v[i], f.a[i]);
      }
    }
    imosse = f.m;
    rifare = f.r;
    secondi = f.t;
    errate = {};
    impostaSegniSpenti(f.u);
    chiudiTavolozza();
    risolto = somma() && controllaGriglia();
    coloricelle();
    aggiornalista();
    salvafoto();
    testo(risolto ? 'Partita caricata dal file ' + etichetta + ': lo schema \u00e8 gi\u00e0 risolto.' : 'Partita caricata dal file ' + etichetta + '.', risolto ? 'festa' : 'ok');
  };
  var qualcosa = imosse.length > 0;
  var i;
  for (i = 0; i < celle.length; i++) {
    qualcosa = qualcosa || (!dati[i] && (!!stato[i] || !!appunti[i]));
  }
  if (qualcosa) {
    chiediConferma('Vuoi caricare la partita del file ' + etichetta + '? Quella in corso verr\u00e0 sostituita.', applica);
  } else {
    applica();
  }
}

function preparaGiocatore() {
  var tab = elemento('ritb1');
  if (tab) {
    tab.addEventListener('contextmenu', cliccoDestro);
    // The right button is the notes' own: the cells' click handler does not see it.
    tab.addEventListener('mousedown', function () {
      sceltaPrima = cellascelta;
    }, true);
    tab.addEventListener('mouseup', function (ev) {
      if (ev.button !== 0) {
        ev.stopPropagation();
      }
    }, true);
    tab.addEventListener('touchstart', inizioPressione, { passive: true });
    tab.addEventListener('touchmove', spostaPressione, { passive: true });
    tab.addEventListener('touchend', finePressione, { passive: false });
    tab.addEventListener('touchcancel', fermaPressione);
    tab.addEventListener('click', alternaSegno);
  }
  var collega = function (id, evento, azione) {
    var b = elemento(id);
    if (b) {
      b.addEventListener(evento, azione);
    }
  };
  collega('bValidi', 'click', riempiValidi);
  collega('bSalvaFile', 'click', salvaSuFile);
  collega('bCaricaFile', 'click', scegliFile);
  collega('fileCarica', 'change', fileScelto);
  impostaSegniSpenti(foto && foto.u);
}

document.addEventListener('DOMContentLoaded', inizializzaschema);
