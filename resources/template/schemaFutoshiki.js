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

function getPosX(el) {
  return el.getBoundingClientRect().left + window.pageXOffset;
}

function getPosY(el) {
  return el.getBoundingClientRect().top + window.pageYOffset;
}

function elemento(id) {
  return document.getElementById(id);
}

function testo(messaggio, tipo) {
  var m = elemento('messaggio');
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

function livelloDaTitolo() {
  var t = document.title || '';
  var m = /Livello\s+(\d+)/.exec(t);
  var d = /(\d)x(\d)/.exec(t);
  var liv = elemento('livello');
  if (m) {
    var l = parseInt(m[1], 10);
    nome = l === 0 ? 'Facile' : (l < 300 ? 'Medio' : 'Difficile');
    if (liv) {
      liv.textContent = nome + ' \u00b7 livello ' + l;
      liv.className = 'livello ' + nome.toLowerCase();
    }
  } else if (liv) {
    liv.style.display = 'none';
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

// True when digit v can stand in cell i next to the digits of g (strings, '' = empty).
function compatibile(g, i, v) {
  var n = dimensione;
  var r = Math.floor(i / n);
  var c = i % n;
  var k, x;
  for (k = 0; k < n; k++) {
    if (k !== c && g[r * n + k] === v) {
      return false;
    }
    if (k !== r && g[k * n + c] === v) {
      return false;
    }
  }
  var d = parseInt(v, 10);
  if (c < n - 1 && segniRiga[i] && g[i + 1]) {
    x = parseInt(g[i + 1], 10);
    if ((segniRiga[i] > 0 && !(d > x)) || (segniRiga[i] < 0 && !(d < x))) {
      return false;
    }
  }
  if (c > 0 && segniRiga[i - 1] && g[i - 1]) {
    x = parseInt(g[i - 1], 10);
    if ((segniRiga[i - 1] > 0 && !(x > d)) || (segniRiga[i - 1] < 0 && !(x < d))) {
      return false;
    }
  }
  if (r < n - 1 && segniColonna[i] && g[i + n]) {
    x = parseInt(g[i + n], 10);
    if ((segniColonna[i] > 0 && !(d > x)) || (segniColonna[i] < 0 && !(d < x))) {
      return false;
    }
  }
  if (r > 0 && segniColonna[i - n] && g[i - n]) {
    x = parseInt(g[i - n], 10);
    if ((segniColonna[i - n] > 0 && !(x > d)) || (segniColonna[i - n] < 0 && !(x < d))) {
      return false;
    }
  }
  return true;
}

// The page brings the solution; when it is missing or malformed, search it here
// (candidates narrowed by rows, columns and signs, then a bounded trial search, so that
// a broken page never hangs the browser).
function calcolasoluzione() {
  var n = dimensione;
  var s = typeof solution === 'string' ? solution : '';
  var i;
  var buona = s.length === n * n;
  for (i = 0; buona && i < n * n; i++) {
    var ch = s.charAt(i);
    if (!(ch >= '1' && ch <= String(n)) || (dati[i] && dati[i] !== ch)) {
      buona = false;
    }
  }
  if (buona) {
    return s;
  }
  var tutti = 0;
  var v;
  for (v = 1; v <= n; v++) {
    tutti |= 1 << v;
  }
  var maggiori = [];
  for (i = 0; i < n * n; i++) {
    if (i % n < n - 1 && segniRiga[i]) {
      maggiori.push(segniRiga[i] > 0 ? [i, i + 1] : [i + 1, i]);
    }
    if (i < n * (n - 1) && segniColonna[i]) {
      maggiori.push(segniColonna[i] > 0 ? [i, i + n] : [i + n, i]);
    }
  }
  var gruppi = [];
  var r, c;
  for (r = 0; r < n; r++) {
    var riga = [];
    var colonna = [];
    for (c = 0; c < n; c++) {
      riga.push(r * n + c);
      colonna.push(c * n + r);
    }
    gruppi.push(riga, colonna);
  }
  var nodi = 0;
  function uno(m) {
    return m !== 0 && (m & (m - 1)) === 0;
  }
  function contaBit(m) {
    var x = 0;
    while (m) {
      m &= m - 1;
      x++;
    }
    return x;
  }
  function minimo(m) {
    var x;
    for (x = 1; x <= n; x++) {
      if (m & (1 << x)) {
        return x;
      }
    }
    return n + 1;
  }
  function massimo(m) {
    var x;
    for (x = n; x >= 1; x--) {
      if (m & (1 << x)) {
        return x;
      }
    }
    return 0;
  }
  function riduci(t) {
    var cambiato = true;
    var k, j, q, e, m;
    while (cambiato) {
      cambiato = false;
      for (k = 0; k < gruppi.length; k++) {
        var gr = gruppi[k];
        for (j = 0; j < n; j++) {
          if (!uno(t[gr[j]])) {
            continue;
          }
          for (q = 0; q < n; q++) {
            if (q !== j && (t[gr[q]] & t[gr[j]])) {
              t[gr[q]] &= ~t[gr[j]];
              if (!t[gr[q]]) {
                return false;
              }
              cambiato = true;
            }
          }
        }
        for (v = 1; v <= n; v++) {
          var dove = -1;
          var quante = 0;
          for (j = 0; j < n; j++) {
            if (t[gr[j]] & (1 << v)) {
              dove = gr[j];
              quante++;
            }
          }
          if (quante === 0) {
            return false;
          }
          if (quante === 1 && t[dove] !== (1 << v)) {
            t[dove] = 1 << v;
            cambiato = true;
          }
        }
      }
      for (k = 0; k < maggiori.length; k++) {
        e = maggiori[k];
        var basso = minimo(t[e[1]]);
        var alto = massimo(t[e[0]]);
        m = t[e[0]];
        for (v = 1; v <= basso; v++) {
          m &= ~(1 << v);
        }
        if (m !== t[e[0]]) {
          t[e[0]] = m;
          cambiato = true;
        }
        m = t[e[1]];
        for (v = alto; v <= n; v++) {
          m &= ~(1 << v);
        }
        if (m !== t[e[1]]) {
          t[e[1]] = m;
          cambiato = true;
        }
        if (!t[e[0]] || !t[e[1]]) {
          return false;
        }
      }
    }
    return true;
  }
  function cerca(t) {
    if (++nodi > 50000 || !riduci(t)) {
      return null;
    }
    var scelta = -1;
    var k, x;
    for (k = 0; k < n * n; k++) {
      if (!uno(t[k]) && (scelta < 0 || contaBit(t[k]) < contaBit(t[scelta]))) {
        scelta = k;
      }
    }
    if (scelta < 0) {
      return t;
    }
    for (x = 1; x <= n; x++) {
      if (t[scelta] & (1 << x)) {
        var copia = t.slice(0);
        copia[scelta] = 1 << x;
        var esito = cerca(copia);
        if (esito) {
          return esito;
        }
      }
    }
    return null;
  }
  var iniziale = [];
  for (i = 0; i < n * n; i++) {
    iniziale.push(dati[i] ? 1 << parseInt(dati[i], 10) : tutti);
  }
  var fine = cerca(iniziale);
  if (!fine) {
    return '';
  }
  var risposta = '';
  for (i = 0; i < n * n; i++) {
    risposta += String(minimo(fine[i]));
  }
  return risposta;
}

function colora(i, classe, acceso) {
  var td = celle[i];
  if (td && td.classList) {
    td.classList.toggle(classe, !!acceso);
  }
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
  if (v || dati[i] || !appunti[i] || stadio !== 'gioco') {
    td.textContent = v || '';
    return;
  }
  var html = '<div class="appunti">';
  var k;
  for (k = 1; k <= dimensione; k++) {
    html += '<span>' + (appunti[i].indexOf(String(k)) >= 0 ? k : '') + '</span>';
  }
  td.innerHTML = html + '</div>';
}

function coloricelle() {
  var i;
  for (i = 0; i < celle.length; i++) {
    var v = stato[i];
    var sbagliata = stadio === 'gioco' && v && !compatibile(stato, i, v);
    colora(i, 'conflitto', sbagliata);
    colora(i, 'errata', stadio === 'gioco' && errate[i]);
    colora(i, 'scelta', stadio === 'gioco' && i === cellascelta);
    colora(i, 'svelata', stadio === 'soluzione' && !dati[i]);
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
}

function salvaval(i, v, a) {
  stato[i] = v;
  appunti[i] = a;
  disegnaCella(i);
}

// A move changes one cell: its digit and its notes, before (valoreprec) and after (valoreatt).
function eseguimxossa(i, valoreatt) {
  salvaval(i, valoreatt.v, valoreatt.a);
  delete errate[i];
  var pieno = somma();
  var prima = risolto;
  risolto = pieno && controllaGriglia();
  coloricelle();
  if (risolto && !prima) {
    testo('Complimenti! Schema risolto in ' + orario(secondi) + '.', 'festa');
  } else if (pieno && !risolto) {
    testo('La griglia \u00e8 piena, ma qualcosa non torna: prova Verifica.', 'ko');
  } else if (prima && !risolto) {
    testo('Tocca una casella vuota per scegliere un numero.', '');
  }
  aggiornalista();
  aggiornaTavolozza();
  salvafoto();
}

function controllaGriglia() {
  var i;
  for (i = 0; i < celle.length; i++) {
    if (!stato[i] || !compatibile(stato, i, stato[i])) {
      return false;
    }
  }
  return true;
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
  if (valoreatt.v === valoreprec.v && valoreatt.a === valoreprec.a) {
    return;
  }
  imosse.push({ i: i, p: valoreprec, n: valoreatt });
  rifare = [];
  eseguimxossa(i, valoreatt);
}

function undomosse() {
  if (stadio !== 'gioco' || imosse.length === 0) {
    return;
  }
  var m = imosse.pop();
  rifare.push(m);
  cellascelta = m.i;
  eseguimxossa(m.i, m.p);
}

function storna() {
  if (stadio !== 'gioco' || rifare.length === 0) {
    return;
  }
  var m = rifare.pop();
  imosse.push(m);
  cellascelta = m.i;
  eseguimxossa(m.i, m.n);
}

function salvafoto() {
  if (!ifoto) {
    return;
  }
  try {
    var dentro = 0;
    var liberi = 0;
    var i;
    for (i = 0; i < celle.length; i++) {
      if (!dati[i]) {
        liberi++;
        dentro += stato[i] ? 1 : 0;
      }
    }
    window.localStorage.setItem(ifoto, JSON.stringify({ g: schema, v: stato, a: appunti, m: imosse, r: rifare, t: secondi, ok: risolto }));
    var pagina = decodeURIComponent(location.pathname.split('/').pop() || '');
    if (pagina) {
      window.localStorage.setItem('kelvaro-futoshiki-pagina:' + pagina, JSON.stringify({ p: liberi ? Math.round(100 * dentro / liberi) : 0, ok: risolto }));
    }
  } catch (e) {
    return;
  }
}

function recuperafoto() {
  try {
    var f = JSON.parse(window.localStorage.getItem(ifoto) || 'null');
    if (!f || f.g !== schema || !f.v || f.v.length !== celle.length) {
      return null;
    }
    return f;
  } catch (e) {
    return null;
  }
}

// Saved moves come from an earlier visit, maybe of an older page: keep only sound ones.
function mosseValide(lista) {
  var buone = [];
  var k;
  if (!(lista instanceof Array)) {
    return buone;
  }
  for (k = 0; k < lista.length; k++) {
    var m = lista[k];
    if (m && typeof m.i === 'number' && m.i >= 0 && m.i < celle.length && !dati[m.i] && m.p && m.n &&
        /^[1-9]?$/.test(String(m.p.v)) && /^[1-9]?$/.test(String(m.n.v)) &&
        typeof m.p.a === 'string' && typeof m.n.a === 'string') {
      buone.push(m);
    }
  }
  return buone;
}

function caricaschema() {
  var i;
  for (i = 0; i < celle.length; i++) {
    var g = String(schema).charAt(i);
    dati[i] = g >= '1' && g <= '9' ? g : '';
    stato[i] = dati[i];
    appunti[i] = '';
  }
  ifoto = 'kelvaro-futoshiki:' + geid + ':' + schema;
  foto = recuperafoto();
  if (foto) {
    for (i = 0; i < celle.length; i++) {
      if (!dati[i]) {
        stato[i] = /^[1-9]?$/.test(String(foto.v[i])) ? String(foto.v[i]) : '';
        appunti[i] = foto.a && typeof foto.a[i] === 'string' ? foto.a[i] : '';
      }
    }
    imosse = mosseValide(foto.m);
    rifare = mosseValide(foto.r);
    secondi = parseInt(foto.t, 10) || 0;
  }
  for (i = 0; i < celle.length; i++) {
    disegnaCella(i);
  }
  risolto = somma() && controllaGriglia();
}

function chiediConferma(domanda, seSi) {
  var velo = elemento('velo');
  elemento('domanda').textContent = domanda;
  velo.hidden = false;
  elemento('dSi').onclick = function () {
    velo.hidden = true;
    seSi();
  };
  elemento('dNo').onclick = function () {
    velo.hidden = true;
  };
  elemento('dNo').focus();
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
  var i;
  var sbagli = 0;
  var scritti = 0;
  errate = {};
  for (i = 0; i < celle.length; i++) {
    if (dati[i] || !stato[i]) {
      continue;
    }
    scritti++;
    var giusto = esatta ? esatta.charAt(i) === stato[i] : compatibile(stato, i, stato[i]);
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
  } else if (sbagli === 1) {
    testo('C\'\u00e8 un errore: la casella sbagliata \u00e8 evidenziata in rosso.', 'ko');
  } else {
    testo('Ci sono ' + sbagli + ' errori: le caselle sbagliate sono evidenziate in rosso.', 'ko');
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
  html += '<button type="button" data-v="appunti" title="Appunti: piccoli numeri candidati">&#9998;</button>';
  html += '<button type="button" data-v="" title="Svuota la casella">&#9003;</button>';
  html += '<button type="button" data-v="chiudi" title="Chiudi">&#10005;</button></div>';
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
      modosetta = !modosetta;
      aggiornaTavolozza();
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
  var k;
  for (k = 0; k < bottoni.length; k++) {
    var v = bottoni[k].getAttribute('data-v');
    if (v === 'appunti') {
      bottoni[k].classList.toggle('attivo', modosetta);
    } else if (v && v !== 'chiudi') {
      var g = stato.slice(0);
      g[cellascelta] = '';
      bottoni[k].classList.toggle('usato', !compatibile(g, cellascelta, v));
      bottoni[k].classList.toggle('preso', modosetta ? appunti[cellascelta].indexOf(v) >= 0 : stato[cellascelta] === v);
    }
  }
}

function posizione(td) {
  if (!tasti) {
    return;
  }
  tasti.classList.add('aperta');
  var w = tasti.offsetWidth;
  var h = tasti.offsetHeight;
  var x = getPosX(td) + td.offsetWidth + 12;
  if (x + w > window.pageXOffset + document.documentElement.clientWidth - 8) {
    x = getPosX(td) - w - 12;
  }
  var y = getPosY(td) + td.offsetHeight / 2 - h / 2;
  var alto = window.pageYOffset + 8;
  var basso = window.pageYOffset + document.documentElement.clientHeight - h - 8;
  y = Math.max(alto, Math.min(y, basso));
  tasti.style.left = Math.max(window.pageXOffset + 4, x) + 'px';
  tasti.style.top = Math.max(4, y) + 'px';
}

function chiudiTavolozza() {
  if (tasti) {
    tasti.classList.remove('aperta');
  }
}

function scegliCella(i, apri) {
  if (stadio !== 'gioco' || i < 0 || i >= celle.length) {
    return;
  }
  cellascelta = i;
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

function premuto(ev) {
  if (elemento('velo') && !elemento('velo').hidden) {
    if (ev.key === 'Escape') {
      elemento('velo').hidden = true;
    }
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

// Cells of 50 pixels and gaps of 20 where there is room; smaller on narrow screens.
function adattaGriglia() {
  var tab = elemento('ritb1');
  var n = dimensione;
  if (!tab || !n) {
    return;
  }
  var largo = document.documentElement.clientWidth - 28;
  var r = 0.4;
  var c = Math.floor(largo / (n + r * (n + 1)));
  if (c < 44) {
    r = 0.3;
    c = Math.floor(largo / (n + r * (n + 1)));
  }
  c = Math.max(24, Math.min(50, c));
  var g = Math.max(8, Math.floor(c * r));
  tab.style.setProperty('--c', c + 'px');
  tab.style.setProperty('--g', g + 'px');
}

function inizializzaschema() {
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
  esatta = calcolasoluzione();
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
  if (!esatta) {
    testo('Soluzione non disponibile: Verifica controlla solo le regole.', '');
  }
  orologio();
  window.setInterval(orologio, 1000);
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
  var m = { i: i, p: { v: stato[i], a: appunti[i] }, n: { v: v, a: a } };
  if (m.n.v === m.p.v && m.n.a === m.p.a) {
    return false;
  }
  imosse.push(m);
  rifare = [];
  eseguimxossa(i, m.n);
  return true;
}

document.addEventListener('DOMContentLoaded', inizializzaschema);
