// Aiutino: the next step of the solver from the player's own grid, computed in the page by the
// program's own core compiled to WebAssembly (kelvaro_aiuto.js, beside the page). The first press
// shows the step and marks its cells, the second carries it out as a move of the game. Also: the
// replay of the solver's steps shows the sentences the solver wrote for each step.
// The module also gives the page script its rules (kelvaroMotore). The game is reached only
// through kelvaroGriglia, kelvaroMuovi and kelvaroMotore of the page script.
window.kelvaroMotoreInArrivo = true;
(function () {
  'use strict';

  var modulo = null;
  var attesa = null;
  var classi = ['aiutinoDecisa', 'aiutinoMotivo', 'aiutinoTolta', 'aiutinoErrata', 'aiutinoProva'];

  function el(id) {
    return document.getElementById(id);
  }

  function casella(i) {
    return el('LL' + i);
  }

  function spegni() {
    var k;
    for (k = 0; k < classi.length; k++) {
      var tutte = document.querySelectorAll('td.' + classi[k]);
      var j;
      for (j = 0; j < tutte.length; j++) {
        tutte[j].classList.remove(classi[k]);
      }
    }
  }

  function accendi(indici, classe) {
    var j;
    for (j = 0; j < indici.length; j++) {
      var td = casella(indici[j]);
      if (td) {
        td.classList.add(classe);
      }
    }
  }

  // "R3C5" -> index of the cell in a grid of n columns.
  function indice(sigla, n) {
    var m = /^R(\d)C(\d)$/.exec(sigla);
    return m ? (parseInt(m[1], 10) - 1) * n + parseInt(m[2], 10) - 1 : -1;
  }

  function stile() {
    var s = document.createElement('style');
    s.textContent =
      'table.laterale td.aiutinoMotivo{background:#e3e8ff !important;box-shadow:inset 0 0 0 3px #3f5bd8 !important;}' +
      'table.laterale td.aiutinoTolta{background:#fff1b8 !important;}' +
      'table.laterale td.aiutinoDecisa{background:#c6f0d0 !important;box-shadow:inset 0 0 0 3px #1f8a4c !important;}' +
      'table.laterale td.aiutinoErrata{background:#ffe1e3 !important;box-shadow:inset 0 0 0 3px #cf2e3a !important;}' +
      'table.laterale td.aiutinoProva{box-shadow:inset 0 0 0 3px #e08a00 !important;}' +
      '.aiutino-frasi{margin:8px 0 0;padding-left:18px;font-size:14px;line-height:1.4;max-height:220px;overflow:auto;}' +
      '.aiutino-frasi li{margin:2px 0;}' +
      '.aiutino-frasi li.aiutino-prima{color:#8a90b0;}' +
      '.aiutino-nota{margin-top:8px;font-size:13px;color:#5d6590;}' +
      // On a phone the panel sits under the grid, out of sight while the grid is: it docks at the
      // foot of the screen instead, and the page scrolls the marked cells into view above it.
      '#aiutinoPannello.aiutino-in-basso{position:fixed;left:0;right:0;bottom:0;z-index:15;max-height:38vh;overflow:auto;' +
      'border-radius:16px 16px 0 0;padding:10px 14px calc(10px + env(safe-area-inset-bottom));box-shadow:0 -8px 24px rgba(28,34,68,.22);}' +
      '#aiutinoPannello.aiutino-in-basso .aiutino-frasi{max-height:none;}' +
      '.aiutino-testa{display:flex;align-items:center;gap:8px;}' +
      '.aiutino-testa strong{flex:1;}' +
      '.aiutino-comandi{display:none;gap:6px;}' +
      '#aiutinoPannello.aiutino-in-basso .aiutino-comandi{display:flex;}' +
      '.aiutino-comandi button{padding:6px 10px;font-size:13px;}';
    document.head.appendChild(s);
  }

  // --- the request and the answer ----------------------------------------------------------------

  // "N|givens|signs|entries", as every function of the module reads it.
  function quadro(g) {
    var n = g.n;
    var dati = '';
    var voci = '';
    var segni = '';
    var i;
    for (i = 0; i < n * n; i++) {
      var r = Math.floor(i / n) + 1;
      var c = i % n + 1;
      dati += g.dati[i] || '0';
      voci += g.voci[i] || '0';
      if (g.destra[i] === 1) {
        segni += '' + r + c + r + (c + 1);
      } else if (g.destra[i] === -1) {
        segni += '' + r + (c + 1) + r + c;
      }
      if (g.sotto[i] === 1) {
        segni += '' + r + c + (r + 1) + c;
      } else if (g.sotto[i] === -1) {
        segni += '' + (r + 1) + c + r + c;
      }
    }
    return n + '|' + dati + '|' + segni + '|' + voci;
  }

  function richiesta(g) {
    var note = [];
    var i;
    for (i = 0; i < g.n * g.n; i++) {
      note.push(g.voci[i] ? '' : String(g.note[i] || ''));
    }
    return quadro(g) + '|' + note.join(',') + '|7';
  }

  function leggiRisposta(t, n) {
    var a = { passo: '', frasi: [], decise: [], valore: '', restano: [], motivo: [], errate: [], prova: -1, spiega: '', tolte: [] };
    var righe = String(t).split('\n');
    var k;
    var elencoDi = function (s) {
      return s.split(' ').filter(Boolean).map(function (x) {
        return indice(x.split(':')[0], n);
      });
    };
    for (k = 0; k < righe.length; k++) {
      var p = righe[k].indexOf(': ');
      if (p < 0) {
        continue;
      }
      var chiave = righe[k].slice(0, p);
      var valore = righe[k].slice(p + 2);
      if (chiave === 'passo') {
        a.passo = valore;
      } else if (chiave === 'frase') {
        a.frasi.push(valore);
      } else if (chiave === 'decise') {
        a.decise = elencoDi(valore);
      } else if (chiave === 'valore') {
        a.valore = valore;
      } else if (chiave === 'tolti') {
        a.tolte = elencoDi(valore);
      } else if (chiave === 'restano') {
        a.restano = valore.split(' ').filter(Boolean).map(function (x) {
          var q = x.split(':');
          return { i: indice(q[0], n), cifre: q[1] || '' };
        });
      } else if (chiave === 'giustificano') {
        a.motivo = elencoDi(valore);
      } else if (chiave === 'errate') {
        a.errate = elencoDi(valore);
      } else if (chiave === 'prova') {
        a.prova = indice(valore, n);
      } else if (chiave === 'motivo') {
        a.spiega = valore;
      }
    }
    return a;
  }

  // --- the panel -----------------------------------------------------------------------------------

  function pannello() {
    var p = el('aiutinoPannello');
    if (!p) {
      p = document.createElement('div');
      p.id = 'aiutinoPannello';
      p.className = 'scheda';
      p.setAttribute('role', 'status');
      p.setAttribute('aria-live', 'polite');
      p.hidden = true;
      var dopo = el('comandi');
      if (dopo && dopo.parentNode) {
        dopo.parentNode.insertBefore(p, dopo.nextSibling);
      } else {
        document.body.appendChild(p);
      }
    }
    return p;
  }

  // True when the panel's column has gone under the grid (a narrow screen): in its place the
  // sentence would be off the screen whenever the grid is on it.
  function sottoLaGriglia() {
    var tavola = el('tavola');
    var colonna = pannello().parentNode;
    if (!tavola || !colonna || colonna === document.body) {
      return false;
    }
    return colonna.getBoundingClientRect().top >= tavola.getBoundingClientRect().bottom - 1;
  }

  // The cells the panel speaks of, or the grid when it marks none.
  function riquadroSegnato() {
    var segnate = document.querySelectorAll('td.' + classi.join(',td.'));
    var r = null;
    var k;
    for (k = 0; k < segnate.length; k++) {
      var q = segnate[k].getBoundingClientRect();
      r = r ? { top: Math.min(r.top, q.top), bottom: Math.max(r.bottom, q.bottom) } : { top: q.top, bottom: q.bottom };
    }
    return r;
  }

  // Docks the panel at the foot of a narrow screen and brings the grid (or at least the marked
  // cells) into the space left above it; beside the grid it stays where it is.
  function disponi(scorri) {
    var p = pannello();
    var inBasso = !p.hidden && sottoLaGriglia();
    p.classList.toggle('aiutino-in-basso', inBasso);
    document.body.style.paddingBottom = inBasso ? p.offsetHeight + 'px' : '';
    if (!inBasso || !scorri) {
      return;
    }
    var libero = window.innerHeight - p.offsetHeight;
    var griglia = el('ritb1') || el('tavola');
    var g = griglia.getBoundingClientRect();
    var r = g.height + 16 <= libero ? { top: g.top, bottom: g.bottom } : riquadroSegnato() || { top: g.top, bottom: g.bottom };
    if (r.top >= 8 && r.bottom <= libero - 8) {
      return;
    }
    var alto = r.bottom - r.top;
    window.scrollBy(0, r.top - Math.max(8, (libero - alto) / 2));
  }

  function chiudi(fuoco) {
    var p = pannello();
    attesa = null;
    spegni();
    p.hidden = true;
    disponi(false);
    var b = el('bAiutino');
    if (fuoco && b && !b.disabled) {
      b.focus({ preventScroll: true });
    }
  }

  function scrivi(titolo, frasi, nota) {
    var p = pannello();
    p.innerHTML = '';
    var testa = document.createElement('div');
    testa.className = 'aiutino-testa';
    var h = document.createElement('strong');
    h.textContent = titolo;
    testa.appendChild(h);
    // Docked at the foot of a phone's screen the panel carries its own buttons: Aiutino is then
    // under the bar, out of reach.
    var comandi = document.createElement('span');
    comandi.className = 'aiutino-comandi';
    var avanti = document.createElement('button');
    avanti.type = 'button';
    avanti.id = 'aiutinoAvanti';
    avanti.className = 'primario';
    avanti.textContent = attesa ? 'Applica' : 'Aiutino';
    avanti.onclick = aiutino;
    var chiusura = document.createElement('button');
    chiusura.type = 'button';
    chiusura.id = 'aiutinoChiudi';
    chiusura.setAttribute('aria-label', 'Chiudi l\'aiutino');
    chiusura.innerHTML = '&times;';
    chiusura.onclick = function () {
      chiudi(true);
    };
    comandi.appendChild(avanti);
    comandi.appendChild(chiusura);
    testa.appendChild(comandi);
    p.appendChild(testa);
    if (frasi.length) {
      var ol = document.createElement('ul');
      ol.className = 'aiutino-frasi';
      var k;
      for (k = 0; k < frasi.length; k++) {
        var li = document.createElement('li');
        li.textContent = frasi[k];
        ol.appendChild(li);
      }
      p.appendChild(ol);
    }
    if (nota) {
      var d = document.createElement('div');
      d.className = 'aiutino-nota';
      d.textContent = nota;
      p.appendChild(d);
    }
    p.hidden = false;
    disponi(true);
  }

  function applica(a, g) {
    var fatto = false;
    var k;
    if (a.decise.length) {
      for (k = 0; k < a.decise.length; k++) {
        var i = a.decise[k];
        fatto = window.kelvaroMuovi(i, a.valore, String(g.note[i] || '')) || fatto;
      }
    } else {
      for (k = 0; k < a.restano.length; k++) {
        var r = a.restano[k];
        if (!g.voci[r.i] && !g.dati[r.i]) {
          fatto = window.kelvaroMuovi(r.i, '', r.cifre) || fatto;
        }
      }
    }
    spegni();
    scrivi('Aiutino', [], fatto ? 'Passo applicato. Premi Aiutino (H) per il prossimo.' : 'Niente da cambiare nella griglia.');
  }

  function aiutino() {
    if (!modulo || typeof window.kelvaroGriglia !== 'function') {
      scrivi('Aiutino non disponibile', [], '');
      return;
    }
    var g = window.kelvaroGriglia();
    if (!g.n) {
      scrivi('Aiutino', [], 'Non c\'\u00e8 ancora uno schema: premi Genera.');
      return;
    }
    if (!g.gioco) {
      scrivi('Aiutino', [], 'Torna al gioco per chiedere un aiuto.');
      return;
    }
    var req = richiesta(g);
    if (attesa && attesa.req === req) {
      var a0 = attesa.a;
      attesa = null;
      applica(a0, g);
      return;
    }
    var t0 = window.performance ? performance.now() : Date.now();
    var uscita;
    try {
      uscita = modulo.ccall('kelvaro_aiuto', 'string', ['string'], [req]);
    } catch (e) {
      guasto();
      return;
    }
    var ms = (window.performance ? performance.now() : Date.now()) - t0;
    var a = leggiRisposta(uscita, g.n);
    spegni();
    attesa = null;
    pannello().setAttribute('data-ms', ms.toFixed(2));
    pannello().setAttribute('data-passo', a.passo);
    if (a.passo === 'errore') {
      accendi(a.errate, 'aiutinoErrata');
      scrivi('Qualcosa non va', a.frasi, a.spiega + '.');
    } else if (a.passo === 'nessuno') {
      if (a.prova >= 0) {
        accendi([a.prova], 'aiutinoProva');
        scrivi('Nessun passo logico', [], 'Per andare avanti serve una prova: per esempio nella casella evidenziata.');
      } else {
        scrivi('Aiutino', [], a.spiega + '.');
      }
    } else if (a.passo) {
      accendi(a.motivo, 'aiutinoMotivo');
      accendi(a.tolte, 'aiutinoTolta');
      accendi(a.decise, 'aiutinoDecisa');
      attesa = { req: req, a: a };
      scrivi('Prossimo passo', a.frasi, 'Premi di nuovo Aiutino (H) per applicarlo.');
    } else {
      guasto();
    }
  }

  // --- the rules, for the page script ---------------------------------------------------------

  var nessunaRegola = { sbagliate: [], risolta: false, ammesse: null };

  function chiedi(f, req) {
    try {
      return modulo ? String(modulo.ccall(f, 'string', ['string'], [req])) : '';
    } catch (e) {
      guasto(true);
      return '';
    }
  }

  function campo(t, k) {
    var m = new RegExp('^' + k + ': (.*)$', 'm').exec(t);
    return m ? m[1] : null;
  }

  var regoleDelModulo = {
    regole: function (g, cella) {
      var t = chiedi('kelvaro_regole', quadro(g) + '|' + (cella >= 0 ? cella : ''));
      var a = campo(t, 'ammesse');
      return !campo(t, 'risolta') ? nessunaRegola : {
        sbagliate: (campo(t, 'sbagliate') || '').split(' ').filter(Boolean).map(function (x) {
          return indice(x, g.n);
        }),
        risolta: campo(t, 'risolta') === 'si',
        ammesse: a === null ? null : a.slice(a.indexOf(':') + 1)
      };
    },
    // The valid notes of every empty cell, by cell index; null when the module cannot tell.
    valide: function (g) {
      var t = campo(chiedi('kelvaro_valide', quadro(g)), 'valide');
      if (t === null) {
        return null;
      }
      var v = {};
      t.split(' ').filter(Boolean).forEach(function (x) {
        var k = x.indexOf(':');
        v[indice(x.slice(0, k), g.n)] = x.slice(k + 1);
      });
      return v;
    },
    soluzione: function (g) {
      var s = campo(chiedi('kelvaro_soluzione', quadro(g)), 'soluzione') || '';
      return s.length === g.n * g.n ? s : '';
    },
    // A puzzle code read by the core: the schema, its one solution, its difficulty and the code
    // as the core writes it, or { errore: why not } in Italian.
    leggiCodice: function (codice) {
      return schemaRisposto(chiedi('kelvaro_leggi_codice', String(codice)));
    },
    // A new schema of size n and difficulty `livello` (its name) made by the core's generator,
    // as leggiCodice gives a schema. The draws start from a seed of the browser's own.
    genera: function (n, livello) {
      var seme = Math.floor(Math.random() * 16777216);
      try {
        seme = window.crypto.getRandomValues(new Uint32Array(1))[0] & 16777215;
      } catch (e) {
        seme = Math.floor(Math.random() * 16777216);
      }
      return schemaRisposto(chiedi('kelvaro_genera', n + '|' + livello + '|' + seme));
    },
    // The code of the page's schema, or ''.
    scriviCodice: function (g) {
      return campo(chiedi('kelvaro_scrivi_codice', quadro(g).split('|').slice(0, 3).join('|')), 'codice') || '';
    }
  };

  function schemaRisposto(t) {
    var errore = campo(t, 'errore');
    var parti = String(campo(t, 'schema') || '').split('|');
    var n = parseInt(parti[0], 10);
    var sol = campo(t, 'soluzione') || '';
    if (errore !== null || !(n >= 1 && n <= 9) || parti.length !== 3 || parti[1].length !== n * n || sol.length !== n * n) {
      return { errore: errore || 'risposta non valida del modulo' };
    }
    return { n: n, dati: parti[1], segni: parti[2], soluzione: sol, difficolta: campo(t, 'difficolta') || '', codice: campo(t, 'codice') || '' };
  }

  function avvisaPagina(m) {
    if (typeof window.kelvaroMotore === 'function') {
      window.kelvaroMotore(m);
    }
  }

  // dopo: inside a call of the page script, which learns of it afterwards.
  function guasto(dopo) {
    if (modulo || window.kelvaroMotoreInArrivo) {
      if (dopo === true) {
        window.setTimeout(function () {
          avvisaPagina(null);
        }, 0);
      } else {
        avvisaPagina(null);
      }
    }
    window.kelvaroMotoreInArrivo = false;
    modulo = null;
    var b = el('bAiutino');
    if (b) {
      b.disabled = true;
      b.textContent = 'Aiutino non disponibile';
      b.title = 'Il modulo dell\'aiuto non si carica in questo browser';
    }
  }

  function pronto(m) {
    modulo = m;
    window.kelvaroMotoreInArrivo = false;
    var b = el('bAiutino');
    if (b) {
      b.disabled = false;
      b.textContent = 'Aiutino';
      b.title = 'Il prossimo passo del risolutore dalla tua griglia (H)';
      b.setAttribute('data-pronto', '1');
    }
    avvisaPagina(regoleDelModulo);
  }

  function caricaModulo() {
    var s = document.createElement('script');
    s.src = 'kelvaro_aiuto.js';
    s.onload = function () {
      if (typeof window.KelvaroAiuto !== 'function') {
        guasto();
        return;
      }
      try {
        window.KelvaroAiuto().then(pronto, guasto);
      } catch (e) {
        guasto();
      }
    };
    s.onerror = guasto;
    document.head.appendChild(s);
  }

  // --- the replay's sentences ------------------------------------------------------------------

  // Cells a sentence of the solver names: "R3C5" in full, or the lines and positions of a
  // Swordfish ("Nella righe 26 il n.5 possibile solo in colonne 37").
  function caselleDellaFrase(f, n) {
    var fuori = [];
    var m = /^Nella righe (\d+) .* colonne (\d+)$/.exec(f) || /^Nelle colonne (\d+) .* righe (\d+)$/.exec(f);
    if (m) {
      var righe = f.charAt(4) === 'a' ? m[1] : m[2];
      var colonne = f.charAt(4) === 'a' ? m[2] : m[1];
      var x;
      var y;
      for (x = 0; x < righe.length; x++) {
        for (y = 0; y < colonne.length; y++) {
          fuori.push((parseInt(righe.charAt(x), 10) - 1) * n + parseInt(colonne.charAt(y), 10) - 1);
        }
      }
      return fuori;
    }
    var r = /R(\d)C(\d)/g;
    while ((m = r.exec(f))) {
      fuori.push((parseInt(m[1], 10) - 1) * n + parseInt(m[2], 10) - 1);
    }
    return fuori;
  }

  function frasiDelPasso() {
    var barra = el('barraPassi');
    var dove = el('frasiPasso');
    if (!barra || barra.hidden) {
      if (dove) {
        dove.innerHTML = '';
      }
      spegni();
      return;
    }
    // Docked, the hint would cover the replay's buttons at the foot of the page.
    var p = el('aiutinoPannello');
    if (p && !p.hidden && p.classList.contains('aiutino-in-basso')) {
      chiudi(false);
    }
    if (!dove) {
      dove = document.createElement('ul');
      dove.id = 'frasiPasso';
      dove.className = 'aiutino-frasi';
      var dett = el('dettaglioPasso');
      if (dett && dett.parentNode) {
        dett.parentNode.insertBefore(dove, dett.nextSibling);
      } else {
        barra.appendChild(dove);
      }
    }
    var k = parseInt(window.imls, 10);
    var n = parseInt(window.sizesc, 10);
    var frasi = typeof window.tblr !== 'undefined' && window.tblr[k] ? String(window.tblr[k]).split('|') : [];
    dove.innerHTML = '';
    spegni();
    // Every step starts with its own sentence, followed by its "Elimino" lines; only the last step
    // changed the grid (the history records a state after each step that changes it), so that is
    // the one whose cells are marked; the steps before it only narrowed candidates.
    var ultimo = 0;
    var j;
    for (j = 0; j < frasi.length; j++) {
      if (frasi[j] && !/^Elimino /.test(frasi[j])) {
        ultimo = j;
      }
    }
    for (j = 0; j < frasi.length; j++) {
      if (!frasi[j]) {
        continue;
      }
      var li = document.createElement('li');
      li.textContent = frasi[j];
      if (j < ultimo) {
        li.className = 'aiutino-prima';
      } else {
        accendi(caselleDellaFrase(frasi[j], n), /^Elimino /.test(frasi[j]) ? 'aiutinoTolta' : 'aiutinoMotivo');
      }
      dove.appendChild(li);
    }
    dove.scrollTop = dove.scrollHeight;
  }

  function avvia() {
    stile();
    var b = el('bAiutino');
    if (b) {
      b.onclick = aiutino;
    }
    document.addEventListener('keydown', function (ev) {
      if ((ev.key !== 'h' && ev.key !== 'H') || ev.ctrlKey || ev.metaKey || ev.altKey) {
        return;
      }
      var velo = el('velo');
      var comandi = el('comandi');
      if ((velo && !velo.hidden) || (comandi && comandi.hidden) || !b || b.disabled) {
        return;
      }
      ev.preventDefault();
      aiutino();
    });
    window.addEventListener('resize', function () {
      disponi(false);
    });
    var conta = el('contaPassi');
    var barra = el('barraPassi');
    if (window.MutationObserver && conta && barra) {
      var o = new MutationObserver(frasiDelPasso);
      o.observe(conta, { childList: true, characterData: true, subtree: true });
      o.observe(barra, { attributes: true, attributeFilter: ['hidden'] });
    }
    if (typeof window.kelvaroGriglia !== 'function') {
      guasto();
      return;
    }
    caricaModulo();
  }

  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', avvia);
  } else {
    avvia();
  }
})();
