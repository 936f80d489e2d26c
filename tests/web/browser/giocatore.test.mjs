// What a player of the best puzzle sites expects of a page: "Validi" as one move, notes on a
// right click or a long press, signs marked as used, the game carried to a file and back.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { apriSito, celleVuote, chiudiSito, leggiSchema, paginaSchema } from './sito.mjs';

const FILE = '4_Costraint_Difficile.txt';
const s = leggiSchema(FILE);
const vuote = celleVuote(s);
const N = s.n;

let sito;
let browser;
let p;
let cartella;

before(async () => {
  ({ sito, browser, p } = await apriSito());
  cartella = mkdtempSync(join(tmpdir(), 'kelvaro-partite-'));
});
after(async () => {
  await chiudiSito({ sito, browser });
  rmSync(cartella, { recursive: true, force: true });
});

const modulo = () => existsSync(join(sito.prove, 'kelvaro_aiuto.js'));

async function apri(file = FILE, { blocca = false } = {}) {
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  await p.evaluate(() => localStorage.clear());
  if (blocca) await p.route('**/kelvaro_aiuto.js', (r) => r.abort());
  await p.goto(sito.url('perwebsiteprove', paginaSchema(file)));
  await p.waitForSelector('#LL0');
  if (blocca) {
    await p.waitForFunction(() => /non disponibile/.test(document.getElementById('bAiutino').textContent));
    await p.unroute('**/kelvaro_aiuto.js');
  } else if (modulo()) {
    await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
  }
}

const valore = async (i) => (await p.locator(`#LL${i}`).textContent()).trim();
const note = async (i) => (await p.locator(`#LL${i} .appunti span`).allTextContents()).filter((x) => x).join('');
const tutteLeNote = () => Promise.all(vuote.map((i) => note(i)));
const messaggio = () => p.locator('#messaggio').textContent();

async function scrivi(i, v) {
  await p.click(`#LL${i}`);
  await p.click(`#tavolozza button[data-v="${v}"]`);
}

// Notes typed in notes mode, the mode switched off again.
async function scriviNote(i, cifre) {
  await p.click(`#LL${i}`);
  await p.keyboard.press('a');
  for (const c of cifre) await p.keyboard.press(c);
  await p.keyboard.press('a');
  await p.keyboard.press('Escape');
}

// The digits a cell may hold beside the filled ones, worked out here from the schema file:
// none repeated in its row or column, every sign to a filled neighbour kept. Without the
// rules' module the page leaves out the row and column only.
function ammesse(cifre, i, conSegni = true) {
  const r = Math.floor(i / N);
  const c = i % N;
  let a = '';
  for (let d = 1; d <= N; d++) {
    let ok = true;
    for (let k = 0; k < N; k++) {
      if ((k !== c && cifre[r * N + k] === d) || (k !== r && cifre[k * N + c] === d)) ok = false;
    }
    if (conSegni) {
      for (const v of s.vincoli) {
        const a1 = (Number(v[0]) - 1) * N + Number(v[1]) - 1;
        const b1 = (Number(v[2]) - 1) * N + Number(v[3]) - 1;
        if (a1 === i && cifre[b1] && !(d > cifre[b1])) ok = false;
        if (b1 === i && cifre[a1] && !(cifre[a1] > d)) ok = false;
      }
    }
    if (ok) a += d;
  }
  return a;
}

test('Validi scrive gli appunti ammessi in una sola mossa, e Annulla li riporta com\'erano', async () => {
  browser.errori.length = 0;
  await apri();
  const scritta = vuote[3];
  const conNote = vuote[10];
  await scrivi(scritta, s.soluzione[scritta]);
  await scriviNote(conNote, '17');
  const cifre = [...s.dati].map(Number);
  cifre[scritta] = Number(s.soluzione[scritta]);
  const attese = vuote.map((i) => (i === scritta ? '' : ammesse(cifre, i, modulo())));
  const prima = await tutteLeNote();

  await p.click('#bValidi');
  assert.deepEqual(await tutteLeNote(), attese);
  assert.equal(await valore(scritta), s.soluzione[scritta], 'Validi non tocca i numeri');
  assert.match(await messaggio(), /Validi: appunti aggiornati in \d+ caselle/);

  await p.click('#bAnnulla');
  assert.deepEqual(await tutteLeNote(), prima);
  assert.equal(await note(conNote), '17');
  assert.equal(await valore(scritta), s.soluzione[scritta], 'una sola mossa: il numero resta');

  // Key M, redo and a reload: the move is saved whole.
  await p.keyboard.press('m');
  assert.deepEqual(await tutteLeNote(), attese);
  await p.keyboard.press('Control+z');
  await p.keyboard.press('Control+y');
  assert.deepEqual(await tutteLeNote(), attese);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.deepEqual(await tutteLeNote(), attese);
  await p.click('#bAnnulla');
  assert.deepEqual(await tutteLeNote(), prima);
  await p.keyboard.press('m');
  assert.deepEqual(await tutteLeNote(), attese);
  await p.keyboard.press('m');
  assert.match(await messaggio(), /niente da cambiare/);
  assert.deepEqual(browser.errori, []);
});

test('senza il modulo Validi toglie solo i numeri della riga e della colonna', async () => {
  await apri(FILE, { blocca: true });
  await p.click('#bValidi');
  const cifre = [...s.dati].map(Number);
  assert.deepEqual(await tutteLeNote(), vuote.map((i) => ammesse(cifre, i, false)));
  await p.click('#bAnnulla');
  assert.deepEqual(await tutteLeNote(), vuote.map(() => ''));
});

test('il clic destro apre la casella per gli appunti; un secondo clic destro torna ai numeri', async () => {
  browser.errori.length = 0;
  await apri();
  const [a, b] = [vuote[0], vuote[1]];
  const premuto = () => p.locator('#bAppunti').getAttribute('aria-pressed');
  await p.click(`#LL${a}`, { button: 'right' });
  await p.waitForSelector('#tavolozza.aperta');
  assert.equal(await premuto(), 'true');
  await p.click('#tavolozza button[data-v="3"]');
  await p.keyboard.press('5');
  assert.equal(await note(a), '35');
  assert.equal(await p.locator(`#LL${a} .appunti`).count(), 1, 'solo appunti, nessun numero');
  // No browser menu anywhere on the grid: the page takes the request.
  const menu = await p.evaluate(() => {
    const ev = new MouseEvent('contextmenu', { bubbles: true, cancelable: true, button: 2 });
    return document.getElementById('PP0').dispatchEvent(ev);
  });
  assert.equal(menu, false, 'il menu del browser non si apre');
  await p.click(`#LL${a}`, { button: 'right' });
  assert.equal(await premuto(), 'false');
  await p.keyboard.press(s.soluzione[a]);
  assert.equal(await valore(a), s.soluzione[a]);
  // A right click on another cell while notes are on keeps them on.
  await p.keyboard.press('a');
  await p.click(`#LL${b}`, { button: 'right' });
  assert.equal(await premuto(), 'true');
  await p.keyboard.press('a');

  // A long press on a touch screen does what the right click does; a short tap does not.
  const cdp = await browser.contesto.newCDPSession(p);
  await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
  try {
    const c = vuote[2];
    const box = await p.locator(`#LL${c}`).boundingBox();
    const punto = [{ x: box.x + box.width / 2, y: box.y + box.height / 2 }];
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: punto });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await p.waitForTimeout(700);
    assert.equal(await premuto(), 'false', 'un tocco breve non apre gli appunti');
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: punto });
    await p.waitForTimeout(700);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await p.waitForTimeout(100);
    assert.equal(await premuto(), 'true', 'una pressione lunga apre gli appunti');
    assert.ok(await p.locator('#tavolozza.aperta').count());
    await p.click('#tavolozza button[data-v="2"]');
    assert.equal(await note(c), '2');
  } finally {
    await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: false });
    await cdp.detach();
  }
  assert.deepEqual(browser.errori, []);
});

// The sign cells of the page that hold a sign: a row one and a column one.
async function dueSegni() {
  return p.evaluate(() => ['LP', 'PL'].map((x) => document.querySelector(`#ritb1 td[id^="${x}"] img`).parentNode.id));
}
const spento = (id) => p.locator(`#${id}`).evaluate((td) => td.classList.contains('spento') && getComputedStyle(td.querySelector('img')).opacity);

test('un clic sul segno lo sbiadisce: non è una mossa, resta dopo un nuovo caricamento, Ricomincia lo toglie', async () => {
  browser.errori.length = 0;
  await apri();
  const [riga, colonna] = await dueSegni();
  await p.click(`#${riga} img`);
  assert.equal(await spento(riga), '0.25');
  assert.equal(await spento(colonna), false);
  assert.equal(await p.locator('#bAnnulla').isDisabled(), true, 'nessuna mossa');
  await scrivi(vuote[0], s.soluzione[vuote[0]]);
  await p.click('#bAnnulla');
  assert.equal(await valore(vuote[0]), '');
  assert.equal(await spento(riga), '0.25', 'Annulla lascia il segno');
  await p.click(`#${colonna} img`);
  await p.click(`#${riga} img`);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await spento(riga), false);
  assert.equal(await spento(colonna), '0.25');
  await p.click(`#${riga} img`);
  await p.click('#bDaCapo');
  await p.click('#dSi');
  assert.equal(await spento(riga), false);
  assert.equal(await spento(colonna), false);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await spento(colonna), false);
  assert.deepEqual(browser.errori, []);
});

test('la partita va in un file e torna; un file di un altro schema o guasto è rifiutato', async () => {
  browser.errori.length = 0;
  // A game of another schema, saved from its own page.
  await apri('1_Quattro_Facile.txt');
  await scrivi(celleVuote(leggiSchema('1_Quattro_Facile.txt'))[0], '1');
  const [scaricaAltro] = await Promise.all([p.waitForEvent('download'), p.click('#bSalvaFile')]);
  const altro = join(cartella, 'altro.json');
  await scaricaAltro.saveAs(altro);

  await apri();
  const [a, b] = [vuote[0], vuote[4]];
  await scrivi(a, s.soluzione[a]);
  await scriviNote(b, '246');
  const [riga] = await dueSegni();
  await p.click(`#${riga} img`);
  const [scarica] = await Promise.all([p.waitForEvent('download'), p.click('#bSalvaFile')]);
  assert.equal(scarica.suggestedFilename(), '4_Costraint_Difficile.partita.json');
  const mia = join(cartella, scarica.suggestedFilename());
  await scarica.saveAs(mia);
  const dentro = JSON.parse(readFileSync(mia, 'utf8'));
  assert.equal(dentro.v[a], s.soluzione[a]);
  assert.equal(dentro.a[b], '246');
  assert.deepEqual(dentro.u, [riga]);
  assert.match(await messaggio(), /4_Costraint_Difficile\.partita\.json/);

  // Another browser: nothing of the game, then the file.
  await apri();
  assert.equal(await valore(a), '');
  await p.setInputFiles('#fileCarica', mia);
  await p.waitForFunction(() => /Partita caricata/.test(document.getElementById('messaggio').textContent));
  assert.equal(await valore(a), s.soluzione[a]);
  assert.equal(await note(b), '246');
  assert.equal(await spento(riga), '0.25');
  // The moves came too: undo takes back the notes, then the digit.
  await p.click('#bAnnulla');
  assert.equal(await note(b), '24');
  await p.click('#bRipeti');

  const guasto = JSON.parse(readFileSync(mia, 'utf8'));
  const casi = [
    ['altro.json', readFileSync(altro), /altro\.json è la partita di un altro schema: la partita in corso resta com'è/],
    ['testo.json', Buffer.from('non sono una partita'), /testo\.json non è una partita salvata/],
    ['corto.json', Buffer.from(JSON.stringify({ ...guasto, v: guasto.v.slice(1) })), /corto\.json contiene dati non validi/],
    ['dato.json', Buffer.from(JSON.stringify({ ...guasto, v: guasto.v.map((x, i) => (i === s.dati.search(/[1-9]/) ? String((Number(s.dati[i]) % N) + 1) : x)) })), /dato\.json contiene dati non validi/],
    ['mossa.json', Buffer.from(JSON.stringify({ ...guasto, m: [{ i: 999, p: { v: '', a: '' }, n: { v: '1', a: '' } }] })), /mossa\.json contiene dati non validi/],
  ];
  for (const [name, buffer, atteso] of casi) {
    await p.setInputFiles('#fileCarica', { name, mimeType: 'application/json', buffer });
    await p.waitForFunction((n) => document.getElementById('messaggio').textContent.includes(n), name);
    assert.match(await messaggio(), atteso);
    assert.equal(await p.locator('#velo').isHidden(), true, `${name}: nessuna domanda`);
    assert.equal(await valore(a), s.soluzione[a], `${name}: il gioco resta`);
    assert.equal(await note(b), '246', `${name}: gli appunti restano`);
  }

  // Over a game in progress the page asks first; No keeps the game as it is.
  await scrivi(vuote[7], s.soluzione[vuote[7]]);
  await p.setInputFiles('#fileCarica', mia);
  await p.waitForSelector('#velo:not([hidden])');
  assert.match(await p.locator('#domanda').textContent(), /4_Costraint_Difficile\.partita\.json/);
  await p.click('#dNo');
  assert.equal(await valore(vuote[7]), s.soluzione[vuote[7]]);
  await p.setInputFiles('#fileCarica', mia);
  await p.click('#dSi');
  assert.equal(await valore(vuote[7]), '');
  assert.equal(await valore(a), s.soluzione[a]);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await note(b), '246', 'la partita caricata resta nel browser');
  assert.deepEqual(browser.errori, []);
});
