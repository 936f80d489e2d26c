// The page script against what the outside hands it: odd addresses, a browser without
// storage, saved progress from another page or an older script, a site published again.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { copyFileSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { SORGENTI, apriSito, celleVuote, chiudiSito, leggiSchema, paginaSchema, ripubblica } from './sito.mjs';

const FILE = '4_Costraint_Difficile.txt';
const s = leggiSchema(FILE);
const vuote = celleVuote(s);
const sbagliato = (i) => String((Number(s.soluzione[i]) % s.n) + 1);
const INDICE = 'futoshiki_090101.html';

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(() => chiudiSito({ sito, browser }));

async function apri(file = FILE, pulito = true) {
  if (pulito) {
    await p.goto(sito.url('perwebsiteprove', INDICE));
    await p.evaluate(() => localStorage.clear());
  }
  await p.goto(sito.url('perwebsiteprove', paginaSchema(file)));
  await p.waitForSelector('#LL0');
}

const valore = async (i) => (await p.locator(`#LL${i}`).textContent()).trim();

async function scrivi(i, v) {
  await p.click(`#LL${i}`);
  await p.waitForSelector('#tavolozza.aperta');
  await p.click(`#tavolozza button[data-v="${v}"]`);
}

test('un frammento malformato nell\'indirizzo non ferma né l\'indice né la pagina', async () => {
  browser.errori.length = 0;
  for (const coda of ['#apri=%E0', '#apri=%', '#apri=%E0%A4%A', '#%%%apri=x&apri=%FF']) {
    await p.goto(sito.url('perwebsiteprove', INDICE) + coda);
    await p.waitForLoadState('load');
    assert.equal(await p.locator('#gruppi section').count() > 0, true, `indice${coda}: nessun gruppo`);
    await p.goto(sito.url('perwebsiteprove', paginaSchema(FILE)) + coda);
    await p.waitForSelector('#LL0');
    await scrivi(vuote[0], s.soluzione[vuote[0]]);
    assert.equal(await valore(vuote[0]), s.soluzione[vuote[0]]);
  }
  assert.deepEqual(browser.errori, []);
});

test('senza localStorage (navigazione privata) si gioca lo stesso', async () => {
  const q = await browser.contesto.newPage();
  await q.addInitScript(() => {
    Object.defineProperty(window, 'localStorage', {
      get() {
        throw new DOMException('Accesso negato', 'SecurityError');
      },
    });
  });
  const errori = [];
  q.on('pageerror', (e) => errori.push(e.message));
  await q.goto(sito.url('perwebsiteprove', INDICE));
  assert.ok((await q.locator('#gruppi section').count()) > 0);
  await q.goto(sito.url('perwebsiteprove', paginaSchema(FILE)));
  await q.waitForSelector('#LL0');
  const a = vuote[1];
  await q.click(`#LL${a}`);
  await q.click(`#tavolozza button[data-v="${sbagliato(a)}"]`);
  await q.click('#bVerifica');
  assert.match(await q.locator('#messaggio').textContent(), /errore/);
  await q.click('#bAnnulla');
  assert.equal((await q.locator(`#LL${a}`).textContent()).trim(), '');
  await q.reload();
  await q.waitForSelector('#LL0');
  await q.close();
  assert.deepEqual(errori, []);
});

// What an older page or a broken write may have left under the schema's key.
const RIMASUGLI = [
  ['non JSON', () => '{rotto'],
  ['griglia corta', (f) => ({ ...f, v: f.v.slice(1) })],
  ['griglia non lista', (f) => ({ ...f, v: 'abc' })],
  ['cifre fuori misura e spazzatura', (f) => ({ ...f, v: f.v.map((x, i) => [String(9), 'x', '12', null, 7][i % 5]) })],
  ['appunti strani', (f) => ({ ...f, a: f.a.map((x, i) => (i % 2 ? '9z1' : { a: 1 })) })],
  ['mosse con caselle inesistenti', (f) => ({ ...f, m: [{ i: 999, p: { v: '', a: '' }, n: { v: '1', a: '' } }] })],
  ['mosse su un dato', (f) => ({ ...f, m: [{ i: s.dati.indexOf(s.dati.replace(/0/g, '')[0]), p: { v: '', a: '' }, n: { v: '1', a: '' } }] })],
  ['mosse di un altro formato', (f) => ({ ...f, m: [{ i: vuote[0], p: 3, n: { v: '9', a: 'q' } }, 'x'], r: { x: 1 } })],
  ['tempo negativo', (f) => ({ ...f, t: -50 })],
];

test('progressi salvati che non si adattano allo schema non rompono la pagina', async () => {
  browser.errori.length = 0;
  for (const [caso, guasta] of RIMASUGLI) {
    await apri();
    await scrivi(vuote[0], s.soluzione[vuote[0]]);
    await p.click(`#LL${vuote[1]}`);
    await p.keyboard.press('a');
    await p.keyboard.press('1');
    await p.keyboard.press('a');
    const salvati = await p.evaluate(() =>
      Object.keys(localStorage).filter((k) => k.startsWith('kelvaro-futoshiki:')).map((k) => [k, localStorage.getItem(k)]));
    assert.equal(salvati.length, 1, caso);
    const rotti = salvati.map(([k, v]) => {
      const g = guasta(JSON.parse(v));
      return [k, typeof g === 'string' ? g : JSON.stringify(g)];
    });
    await p.evaluate((coppie) => coppie.forEach(([k, v]) => localStorage.setItem(k, v)), rotti);
    await p.reload();
    await p.waitForSelector('#LL0');
    for (let i = 0; i < s.n * s.n; i++) {
      const t = await valore(i);
      if (s.dati[i] !== '0') assert.equal(t, s.dati[i], `${caso}: dato ${i}`);
      else assert.match(t, new RegExp(`^[1-${s.n}]*$`), `${caso}: casella ${i}`);
    }
    // Undo and redo over whatever was kept must stay within the grid.
    await p.keyboard.press('Control+z');
    await p.keyboard.press('Control+y');
    assert.deepEqual(browser.errori, [], caso);
  }
});

test('i progressi sopravvivono a una nuova pubblicazione con uno schema in più', async (t) => {
  if (process.env.KELVARO_SITO_MANO === '1') {
    t.skip('solo con kelvaro-cli');
    return;
  }
  const pagina = '6_Nove_Difficile.txt';
  const n = leggiSchema(pagina);
  const libere = celleVuote(n);
  await apri(pagina);
  const codicePrima = await p.locator('#codice').textContent();
  for (const i of libere.slice(0, 4)) {
    await p.click(`#LL${i}`);
    await p.click(`#tavolozza button[data-v="${n.soluzione[i]}"]`);
  }
  await p.click(`#LL${libere[5]}`);
  await p.click('#tavolozza button[data-v="appunti"]');
  await p.click('#tavolozza button[data-v="2"]');
  await p.goto('about:blank');
  // A schema whose name sorts before every other one shifts every position of the run.
  copyFileSync(join(SORGENTI, 'resources', 'schemixwebsite', '2_Cinque_Facile.txt'),
    join(sito.cartella, 'schemixwebsite', '0_Aggiunto_Facile.txt'));
  ripubblica(sito.cartella);
  await p.goto(sito.url('perwebsiteprove', paginaSchema(pagina)));
  await p.waitForSelector('#LL0');
  const codiceDopo = await p.locator('#codice').textContent();
  for (const i of libere.slice(0, 4)) {
    assert.equal(await valore(i), n.soluzione[i], `casella ${i} (id ${codicePrima} -> ${codiceDopo})`);
  }
  const note = await p.locator(`#LL${libere[5]} .appunti span`).allTextContents();
  assert.deepEqual(note.filter((x) => x), ['2']);
  assert.deepEqual(browser.errori, []);
});

test('"C\'è un errore" se ne va quando il numero sbagliato viene cancellato', async () => {
  await apri();
  const [a, b] = [vuote[2], vuote[3]];
  await scrivi(a, sbagliato(a));
  await p.click('#bVerifica');
  assert.match(await p.locator('#messaggio').textContent(), /^C'è un errore/);
  await p.click(`#LL${a}`);
  await p.keyboard.press('Delete');
  assert.doesNotMatch(await p.locator('#messaggio').textContent(), /errore/);
  // Two wrong digits: the count follows, then the message goes with the last one.
  await scrivi(a, sbagliato(a));
  await scrivi(b, sbagliato(b));
  await p.click('#bVerifica');
  assert.match(await p.locator('#messaggio').textContent(), /^Ci sono 2 errori/);
  await p.click(`#LL${b}`);
  await p.keyboard.press('Backspace');
  assert.match(await p.locator('#messaggio').textContent(), /^C'è un errore/);
  await p.click(`#LL${a}`);
  await p.click(`#tavolozza button[data-v="${s.soluzione[a]}"]`);
  assert.doesNotMatch(await p.locator('#messaggio').textContent(), /errore/);
  assert.deepEqual(browser.errori, []);
});

test('il livello mostra la parola e il modo dati dalla pagina, o li ricava dal titolo', async () => {
  const html = readFileSync(join(sito.prove, paginaSchema(FILE)), 'utf8');
  const titolo = /Livello (\d+)/.exec(html)[1];
  const dati = "var grado='difficile';var gradoParola='Difficile';var gradoLivello=0;" +
    "var gradoCome='Tecniche: singoli e disuguaglianze; serve un tentativo. <img src=x onerror=alert(1)>';";
  // Whatever the publisher wrote is taken out first, so that only these values count.
  const senza = html.replace(/var grado\w*\s*=\s*('(?:[^'\\]|\\.)*'|[^;']*);/g, '');
  const conDati = senza.replace('</script>', dati + '</script>');
  assert.notEqual(conDati, senza);
  writeFileSync(join(sito.prove, 'Futoshiki_con_grado.html'), conDati);
  let avvisi = 0;
  p.on('dialog', (d) => { avvisi++; d.dismiss(); });
  await p.goto(sito.url('perwebsiteprove', 'Futoshiki_con_grado.html'));
  await p.waitForSelector('#LL0');
  assert.equal(await p.locator('#livello').textContent(), 'Difficile · livello 0');
  assert.match(await p.locator('#livello').getAttribute('class'), /\bdifficile\b/);
  assert.equal(await p.locator('#comeLivello').textContent(),
    'Tecniche: singoli e disuguaglianze; serve un tentativo. <img src=x onerror=alert(1)>');
  assert.ok(await p.locator('#comeLivello').isVisible());
  // A page without them (published before they existed): the word from the title's number.
  writeFileSync(join(sito.prove, 'Futoshiki_senza_grado.html'), senza);
  await p.goto(sito.url('perwebsiteprove', 'Futoshiki_senza_grado.html'));
  await p.waitForSelector('#LL0');
  const l = Number(titolo);
  const parola = l === 0 ? 'Facile' : l < 300 ? 'Medio' : 'Difficile';
  assert.equal(await p.locator('#livello').textContent(), `${parola} · livello ${l}`);
  assert.ok(await p.locator('#comeLivello').isHidden());
  assert.equal(avvisi, 0);
  assert.deepEqual(browser.errori, []);
});

test('i progressi salvati da una pagina di prima (sotto il vecchio id) vengono ripresi', async () => {
  const v = [...s.dati].map((d) => (d === '0' ? '' : d));
  v[vuote[0]] = s.soluzione[vuote[0]];
  v[vuote[1]] = s.soluzione[vuote[1]];
  const a = v.map(() => '');
  a[vuote[2]] = '13';
  const vecchia = JSON.stringify({ g: s.dati, v, a, m: [], r: [], t: 42, ok: false });
  // The old saves are written from the index, as if left by an earlier visit.
  async function conVecchi(...id) {
    await p.goto(sito.url('perwebsiteprove', INDICE));
    await p.evaluate(([chiavi, x]) => {
      localStorage.clear();
      chiavi.forEach((k) => localStorage.setItem(k, x));
    }, [id.map((x) => `kelvaro-futoshiki:${x}:${s.dati}`), vecchia]);
    await p.goto(sito.url('perwebsiteprove', paginaSchema(FILE)));
    await p.waitForSelector('#LL0');
  }
  await conVecchi('M_090101_03');
  assert.equal(await valore(vuote[0]), s.soluzione[vuote[0]]);
  assert.equal(await valore(vuote[1]), s.soluzione[vuote[1]]);
  assert.deepEqual((await p.locator(`#LL${vuote[2]} .appunti span`).allTextContents()).filter((x) => x), ['1', '3']);
  // From now on it lives under the schema's own key: the old one can go.
  await p.evaluate((k) => localStorage.removeItem(k), `kelvaro-futoshiki:M_090101_03:${s.dati}`);
  await p.reload();
  await p.waitForSelector('#LL0');
  assert.equal(await valore(vuote[0]), s.soluzione[vuote[0]]);
  // Two old saves for the same givens, neither with this page's id: none is taken.
  await conVecchi('M_090101_01', 'M_090101_02');
  assert.equal(await valore(vuote[0]), '');
  assert.deepEqual(browser.errori, []);
});
