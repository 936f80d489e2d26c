// Playing a published schema page in chromium: palette, check, undo, saved progress,
// solved grid, solution and the replay of the solver's steps.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { apriSito, celleVuote, chiudiSito, codice, leggiSchema, paginaSchema } from './sito.mjs';

const FILE7 = '4_Costraint_Difficile.txt';
const s7 = leggiSchema(FILE7);
const vuote = celleVuote(s7);
const sbagliato = (i) => String((Number(s7.soluzione[i]) % s7.n) + 1);

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(() => chiudiSito({ sito, browser }));

// Storage is cleared from the index: a schema page saves its grid again when it is left.
async function apri(file = FILE7, pulito = true) {
  if (pulito) {
    await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
    await p.evaluate(() => localStorage.clear());
  }
  await p.goto(sito.url('perwebsiteprove', paginaSchema(file)));
  await p.waitForSelector('#LL0');
}

const valore = async (i) => (await p.locator(`#LL${i}`).textContent()).trim();
const valori = () => p.evaluate((n) => Array.from({ length: n }, (_, i) => document.getElementById('LL' + i).textContent.trim()), s7.n * s7.n);
const classi = (i) => p.locator(`#LL${i}`).getAttribute('class').then((c) => c || '');

async function scrivi(i, v) {
  await p.click(`#LL${i}`);
  await p.waitForSelector('#tavolozza.aperta');
  await p.click(`#tavolozza button[data-v="${v}"]`);
}

test('ogni pagina mostra la griglia con i dati e i segni al posto giusto', async () => {
  const files = readdirSync(new URL('../../../resources/schemixwebsite/', import.meta.url)).filter((f) => f.endsWith('.txt'));
  for (const file of files) {
    const s = leggiSchema(file);
    await apri(file, false);
    assert.match(await p.title(), new RegExp(`^Futoshiki ${s.n}x${s.n} Livello \\d+$`));
    for (let i = 0; i < s.n * s.n; i++) {
      assert.equal(await valore(i), s.dati[i] === '0' ? '' : s.dati[i], `${file}: casella ${i}`);
    }
    const immagini = await p.evaluate(() =>
      Array.from(document.querySelectorAll('#ritb1 img')).map((im) => ({
        ok: im.complete && im.naturalWidth > 0,
        w: im.naturalWidth,
        h: im.naturalHeight,
        src: im.getAttribute('src'),
        riga: im.closest('tr').rowIndex,
        col: im.closest('td').cellIndex,
      })));
    assert.equal(immagini.length, s.vincoli.length, `${file}: un segno per vincolo`);
    for (const v of s.vincoli) {
      const [r1, c1, r2, c2] = v.split('').map(Number);
      const riga = r1 === r2 ? 2 * r1 - 1 : 2 * Math.min(r1, r2);
      const col = r1 === r2 ? 2 * Math.min(c1, c2) : 2 * c1 - 1;
      const atteso = r1 === r2 ? (c1 < c2 ? 'FD' : 'FS') : (r1 < r2 ? 'FB' : 'FA');
      const im = immagini.find((x) => x.riga === riga && x.col === col);
      assert.ok(im, `${file}: manca il segno di ${v}`);
      assert.ok(im.ok, `${file}: immagine non caricata ${im.src}`);
      assert.equal(im.src, `assets/img/${atteso}.bmp`, `${file}: vincolo ${v}`);
      assert.deepEqual([im.w, im.h], atteso === 'FD' || atteso === 'FS' ? [20, 40] : [40, 20]);
    }
  }
  assert.deepEqual(browser.errori, []);
});

test('una casella vuota prende un numero dalla tavolozza', async () => {
  await apri();
  const i = vuote[0];
  await p.click(`#LL${i}`);
  const tavolozza = p.locator('#tavolozza');
  await tavolozza.waitFor({ state: 'visible' });
  for (let k = 1; k <= s7.n; k++) assert.ok(await tavolozza.locator(`button[data-v="${k}"]`).isVisible());
  assert.equal(await tavolozza.locator(`button[data-v="${s7.n + 1}"]`).count(), 0);
  // Beside the cell, not on top of it.
  const cella = await p.locator(`#LL${i}`).boundingBox();
  const box = await tavolozza.boundingBox();
  assert.ok(box.x >= cella.x + cella.width || box.x + box.width <= cella.x, 'tavolozza accanto alla casella');
  assert.ok(box.y < cella.y + cella.height && box.y + box.height > cella.y, 'tavolozza alla stessa altezza');
  await tavolozza.locator(`button[data-v="${s7.soluzione[i]}"]`).click();
  assert.equal(await valore(i), s7.soluzione[i]);
  assert.ok(!(await tavolozza.isVisible()), 'la tavolozza si chiude');
  assert.match(await p.locator('#contatore').textContent(), new RegExp(`^1 di ${vuote.length} `));
  // Clearing goes through the palette too; a given cell opens nothing.
  await scrivi(i, '');
  assert.equal(await valore(i), '');
  const data = [...s7.dati].findIndex((d) => d !== '0');
  await p.click(`#LL${data}`);
  assert.ok(!(await tavolozza.isVisible()));
  assert.equal(await valore(data), s7.dati[data]);
});

test('la verifica segna in rosso il numero sbagliato', async () => {
  await apri();
  const [giusta, errata] = [vuote[3], vuote[10]];
  await scrivi(giusta, s7.soluzione[giusta]);
  await scrivi(errata, sbagliato(errata));
  await p.click('#bVerifica');
  assert.match(await classi(errata), /\berrata\b/);
  assert.doesNotMatch(await classi(giusta), /\berrata\b/);
  assert.match(await p.locator('#messaggio').textContent(), /errore/);
  // Correcting the cell takes the mark away.
  await scrivi(errata, s7.soluzione[errata]);
  assert.doesNotMatch(await classi(errata), /\berrata\b/);
  await p.click('#bVerifica');
  assert.match(await p.locator('#messaggio').textContent(), /Nessun errore/);
});

test('annulla e ripeti, anche da tastiera', async () => {
  await apri();
  const [a, b] = [vuote[0], vuote[1]];
  assert.ok(await p.locator('#bAnnulla').isDisabled());
  await scrivi(a, s7.soluzione[a]);
  await scrivi(b, s7.soluzione[b]);
  await p.click('#bAnnulla');
  assert.equal(await valore(b), '');
  assert.equal(await valore(a), s7.soluzione[a]);
  await p.click('#bAnnulla');
  assert.equal(await valore(a), '');
  assert.ok(await p.locator('#bAnnulla').isDisabled());
  await p.click('#bRipeti');
  assert.equal(await valore(a), s7.soluzione[a]);
  await p.keyboard.press('Control+z');
  assert.equal(await valore(a), '');
  await p.keyboard.press('Control+y');
  assert.equal(await valore(a), s7.soluzione[a]);
  // Digits typed on a chosen cell are moves like the others.
  await p.click(`#LL${b}`);
  await p.keyboard.press(s7.soluzione[b]);
  assert.equal(await valore(b), s7.soluzione[b]);
  await p.keyboard.press('Backspace');
  assert.equal(await valore(b), '');
  await p.click('#bAnnulla');
  assert.equal(await valore(b), s7.soluzione[b]);
});

test('i progressi restano dopo un nuovo caricamento', async () => {
  await apri();
  const [a, b] = [vuote[2], vuote[5]];
  await scrivi(a, s7.soluzione[a]);
  await scrivi(b, sbagliato(b));
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await valore(a), s7.soluzione[a]);
  assert.equal(await valore(b), sbagliato(b));
  await p.click('#bAnnulla');
  assert.equal(await valore(b), '');
  assert.equal(await valore(a), s7.soluzione[a]);
  // Ricomincia empties the grid, after asking.
  await p.click('#bDaCapo');
  await p.locator('#velo').waitFor({ state: 'visible' });
  await p.click('#dSi');
  assert.equal(await valore(a), '');
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await valore(a), '');
});

test('uno schema completato viene riconosciuto', async () => {
  await apri();
  for (const i of vuote.slice(0, -1)) {
    await p.click(`#LL${i}`);
    await p.keyboard.press(s7.soluzione[i]);
  }
  assert.doesNotMatch(await p.locator('#messaggio').textContent(), /Complimenti/);
  const ultima = vuote[vuote.length - 1];
  await scrivi(ultima, s7.soluzione[ultima]);
  assert.deepEqual((await valori()).join(''), s7.soluzione);
  assert.match(await p.locator('#messaggio').textContent(), /Complimenti/);
  assert.match(await p.locator('#ritb1').getAttribute('class'), /\bfinita\b/);
  // A wrong last digit is not a solved grid.
  await scrivi(ultima, sbagliato(ultima));
  assert.doesNotMatch(await p.locator('#messaggio').textContent(), /Complimenti/);
  assert.doesNotMatch(await p.locator('#ritb1').getAttribute('class'), /\bfinita\b/);
  await p.click('#bAnnulla');
  assert.match(await p.locator('#messaggio').textContent(), /Complimenti/);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.match(await p.locator('#messaggio').textContent(), /risolto/);
  // The index shows it as solved.
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  const voce = p.locator(`a[href="${paginaSchema(FILE7)}"]`);
  assert.match(await voce.textContent(), /Risolto/);
});

test('la soluzione si vede e si nasconde senza perdere i numeri del giocatore', async () => {
  await apri();
  const a = vuote[4];
  await scrivi(a, sbagliato(a));
  await p.click('#bSoluzione');
  await p.locator('#velo').waitFor({ state: 'visible' });
  await p.click('#dNo');
  assert.equal(await valore(vuote[0]), '');
  await p.click('#bSoluzione');
  await p.click('#dSi');
  assert.equal((await valori()).join(''), s7.soluzione);
  assert.equal((await p.locator('#bSoluzione').textContent()).trim(), 'Torna al gioco');
  await p.click('#bSoluzione');
  assert.equal(await valore(a), sbagliato(a));
  assert.equal(await valore(vuote[0]), '');
  assert.equal((await p.locator('#bSoluzione').textContent()).trim(), 'Vedi soluzione');
});

test('i passi del risolutore si ripercorrono uno per uno', async () => {
  await apri();
  const a = vuote[0];
  await scrivi(a, s7.soluzione[a]);
  const storia = await p.evaluate(() => ({ mls: Number(window.mls), tbls: window.tbls, tblv: window.tblv }));
  assert.ok(storia.mls >= 2, `passi registrati: ${storia.mls}`);
  const celleCambiate = (k) => {
    const v = storia.tblv[k];
    const fuori = [];
    for (let j = 0; j + 1 < v.length; j += 2) fuori.push((Number(v[j]) - 1) * s7.n + Number(v[j + 1]) - 1);
    return fuori.sort((x, y) => x - y);
  };
  const evidenziate = () => p.evaluate(() => Array.from(document.querySelectorAll('#ritb1 td.cambiata')).map((td) => Number(td.id.slice(2))).sort((x, y) => x - y));
  const mostrato = async () => (await valori()).map((x) => x || ' ').join('');

  await p.click('#bPassi');
  const conta = p.locator('#contaPassi');
  assert.equal(await conta.textContent(), `Passo 1 di ${storia.mls}`);
  assert.equal(await mostrato(), storia.tbls[1]);
  await p.click('#pAvanti');
  assert.equal(await conta.textContent(), `Passo 2 di ${storia.mls}`);
  assert.equal(await mostrato(), storia.tbls[2]);
  assert.deepEqual(await evidenziate(), celleCambiate(2));
  await p.keyboard.press('ArrowRight');
  const k = Math.min(3, storia.mls);
  assert.equal(await conta.textContent(), `Passo ${k} di ${storia.mls}`);
  assert.deepEqual(await evidenziate(), celleCambiate(k));
  await p.click('#pFine');
  assert.equal(await conta.textContent(), `Passo ${storia.mls} di ${storia.mls}`);
  assert.equal(await mostrato(), storia.tbls[storia.mls]);
  assert.ok(await p.locator('#pAvanti').isDisabled());
  await p.click('#pIndietro');
  assert.equal(await conta.textContent(), `Passo ${storia.mls - 1} di ${storia.mls}`);
  assert.equal(await mostrato(), storia.tbls[storia.mls - 1]);
  // Cells cannot be edited while replaying; leaving brings the player's grid back.
  await p.click(`#LL${vuote[1]}`);
  assert.ok(!(await p.locator('#tavolozza').isVisible()));
  await p.click('#pEsci');
  assert.equal(await valore(a), s7.soluzione[a]);
  assert.equal(await valore(vuote[1]), '');
  assert.deepEqual(await evidenziate(), []);
  assert.deepEqual(browser.errori, []);
});

test('gli appunti restano piccoli candidati e non contano come numeri', async () => {
  await apri();
  const a = vuote[6];
  await p.click(`#LL${a}`);
  await p.click('#tavolozza button[data-v="appunti"]');
  await p.click('#tavolozza button[data-v="1"]');
  await p.click('#tavolozza button[data-v="3"]');
  assert.ok(await p.locator('#tavolozza').isVisible(), 'la tavolozza resta aperta per altri appunti');
  const note = await p.locator(`#LL${a} .appunti span`).allTextContents();
  assert.deepEqual(note.filter((x) => x), ['1', '3']);
  assert.match(await p.locator('#contatore').textContent(), /^0 di /);
  await p.click('#tavolozza button[data-v="3"]');
  assert.deepEqual((await p.locator(`#LL${a} .appunti span`).allTextContents()).filter((x) => x), ['1']);
  // Back to digits: the digit takes the cell, undo brings the notes back.
  await p.click('#tavolozza button[data-v="appunti"]');
  await p.click(`#tavolozza button[data-v="${s7.soluzione[a]}"]`);
  assert.equal(await valore(a), s7.soluzione[a]);
  await p.click('#bAnnulla');
  assert.deepEqual((await p.locator(`#LL${a} .appunti span`).allTextContents()).filter((x) => x), ['1']);
});

test('senza soluzione nella pagina la ricava il modulo del nucleo', async () => {
  // A schema the solver left unfinished carries candidate lists instead of the solution: the
  // page asks the core's exact counter for it once the module has loaded.
  const html = readFileSync(join(sito.prove, paginaSchema(FILE7)), 'utf8');
  const variabile = codice('solution');
  const rotta = html.replace(new RegExp(`${variabile}='[^']*'`), `${variabile}='1234567123'`);
  assert.notEqual(rotta, html);
  writeFileSync(join(sito.prove, 'Futoshiki_senza_soluzione.html'), rotta);
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  await p.evaluate(() => localStorage.clear());
  await p.goto(sito.url('perwebsiteprove', 'Futoshiki_senza_soluzione.html'));
  await p.waitForSelector('#LL0');
  await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
  const a = vuote[2];
  await scrivi(a, sbagliato(a));
  await p.click('#bVerifica');
  assert.match(await classi(a), /\berrata\b/);
  await p.click('#bSoluzione');
  await p.click('#dSi');
  assert.equal((await valori()).join(''), s7.soluzione);
  assert.deepEqual(browser.errori, []);
});
