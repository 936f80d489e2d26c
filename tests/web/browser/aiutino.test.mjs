// The "Aiutino" of the published pages in chromium: the next step from the player's grid, as
// kelvaro-cli aiuto gives it, marked on the grid and applied on the second press; a wrong digit
// pointed out; from file:// and over http; the page still playable without the module; and the
// replay of the solver's steps with their sentences.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { SORGENTI, apriSito, chiudiSito, leggiSchema, paginaSchema } from './sito.mjs';

const FILE7 = '4_Costraint_Difficile.txt';
const FILE9 = '6_Nove_Difficile.txt';
// A 5 x 5 of Tatham's Unequal at Extreme: the design's techniques need a trial on it, the master
// tier does not.
const ESTREMO = 'Estremo_Unequal.txt';
const ESTREMO_TESTO = readFileSync(join(SORGENTI, 'bench', 'unequal', '5x_1.txt'), 'latin1');

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito({ [ESTREMO]: ESTREMO_TESTO }));
});
after(() => chiudiSito({ sito, browser }));

const manca = () => !existsSync(join(sito.prove, 'kelvaro_aiuto.js')) && 'modulo WebAssembly non costruito';

// The native answer for the same position.
function cli(file, griglia) {
  // Every technique, as the page asks.
  const argomenti = ['aiuto', '--tecniche', '7', join(sito.cartella, 'schemixwebsite', file),
    ...(griglia ? ['--griglia', griglia] : [])];
  let out;
  try {
    out = execFileSync(join(sito.cartella, 'kelvaro-cli'), argomenti, { encoding: 'latin1' });
  } catch (e) {
    out = e.stdout;
  }
  const righe = out.split('\n');
  return {
    passo: righe[0].slice('passo: '.length),
    frasi: righe.filter((r) => r.startsWith('frase: ')).map((r) => r.slice(7)),
    decise: (righe.find((r) => r.startsWith('decise: ')) || '').slice(8),
    valore: (righe.find((r) => r.startsWith('valore: ')) || '').slice(8),
  };
}

async function apri(url) {
  await p.goto(url);
  await p.evaluate(() => localStorage.clear());
  await p.goto(url);
  await p.waitForSelector('#LL0');
}

async function pronto() {
  await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
}

const frasiPannello = () => p.locator('#aiutinoPannello li').allTextContents();

async function chiediAiuto(tasto) {
  if (tasto) await p.keyboard.press('h');
  else await p.click('#bAiutino');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
}

async function provaAiuto(file) {
  const s = leggiSchema(file);
  await apri(sito.url('perwebsiteprove', paginaSchema(file)));
  await pronto();
  const atteso = cli(file, null);
  assert.equal(atteso.passo === 'errore' || atteso.passo === 'nessuno', false, `${file}: ${atteso.passo}`);
  await chiediAiuto(true);
  assert.equal(await p.getAttribute('#aiutinoPannello', 'data-passo'), atteso.passo);
  assert.deepEqual(await frasiPannello(), atteso.frasi);
  const accese = await p.locator('td.aiutinoMotivo, td.aiutinoTolta, td.aiutinoDecisa').count();
  assert.ok(accese > 0, 'nessuna casella evidenziata');
  const ms = Number(await p.getAttribute('#aiutinoPannello', 'data-ms'));
  console.log(`${file}: aiuto in ${ms.toFixed(2)} ms nella pagina`);
  // KELVARO_SCHERMATA=/tmp/aiutino saves /tmp/aiutino-<N>.png of the page showing the hint.
  if (process.env.KELVARO_SCHERMATA) await p.screenshot({ path: `${process.env.KELVARO_SCHERMATA}-${s.n}.png`, fullPage: true });

  // Second press: the step becomes a move of the game, and Annulla takes it back.
  await chiediAiuto(false);
  await p.waitForFunction(() => document.querySelectorAll('td.aiutinoMotivo, td.aiutinoDecisa').length === 0);
  if (atteso.decise) {
    const [, r, c] = /^R(\d)C(\d)$/.exec(atteso.decise);
    const i = (r - 1) * s.n + (c - 1);
    assert.equal((await p.locator(`#LL${i}`).textContent()).trim(), atteso.valore);
    await p.click('#bAnnulla');
    assert.equal((await p.locator(`#LL${i}`).textContent()).trim(), '');
  } else {
    assert.ok((await p.locator('#ritb1 .appunti').count()) > 0, 'il passo non ha lasciato appunti');
    // The next hint starts from those notes: a different answer.
    await chiediAiuto(true);
    assert.notDeepEqual(await frasiPannello(), atteso.frasi);
  }
}

test('Aiutino su una pagina 7 x 7 da file://', async (t) => {
  if (manca()) return t.skip(manca());
  await provaAiuto(FILE7);
});

test('Aiutino su una pagina 9 x 9 da file://', async (t) => {
  if (manca()) return t.skip(manca());
  await provaAiuto(FILE9);
});

test('Aiutino segnala una cifra sbagliata', async (t) => {
  if (manca()) return t.skip(manca());
  const s = leggiSchema(FILE9);
  await apri(sito.url('perwebsiteprove', paginaSchema(FILE9)));
  await pronto();
  const i = [...s.dati].findIndex((d) => d === '0');
  const sbagliato = String((Number(s.soluzione[i]) % s.n) + 1);
  await p.click(`#LL${i}`);
  await p.waitForSelector('#tavolozza.aperta');
  await p.click(`#tavolozza button[data-v="${sbagliato}"]`);
  await p.keyboard.press('Escape');
  await chiediAiuto(false);
  assert.equal(await p.getAttribute('#aiutinoPannello', 'data-passo'), 'errore');
  assert.match(await p.getAttribute(`#LL${i}`, 'class'), /aiutinoErrata/);
});

test('Aiutino funziona anche servito via http', async (t) => {
  if (manca()) return t.skip(manca());
  const server = createServer((req, res) => {
    const nome = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
    const file = join(sito.prove, nome);
    if (!nome || nome.includes('..') || !existsSync(file)) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': nome.endsWith('.js') ? 'text/javascript' : 'text/html; charset=utf-8' });
    res.end(readFileSync(file));
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  try {
    await apri(`http://127.0.0.1:${server.address().port}/${paginaSchema(FILE9)}`);
    await pronto();
    await chiediAiuto(false);
    assert.deepEqual(await frasiPannello(), cli(FILE9, null).frasi);
  } finally {
    server.close();
  }
});

test('senza il modulo il pulsante dice che non è disponibile e il gioco va avanti', async () => {
  await p.route('**/kelvaro_aiuto.js', (r) => r.abort());
  try {
    const s = leggiSchema(FILE7);
    await apri(sito.url('perwebsiteprove', paginaSchema(FILE7)));
    await p.waitForFunction(() => /non disponibile/.test(document.getElementById('bAiutino').textContent));
    assert.equal(await p.isDisabled('#bAiutino'), true);
    const i = [...s.dati].findIndex((d) => d === '0');
    await p.click(`#LL${i}`);
    await p.waitForSelector('#tavolozza.aperta');
    await p.click(`#tavolozza button[data-v="${s.soluzione[i]}"]`);
    assert.equal((await p.locator(`#LL${i}`).textContent()).trim(), s.soluzione[i]);
  } finally {
    await p.unroute('**/kelvaro_aiuto.js');
  }
});

test("Aiutino spiega con il livello maestro fino alla fine di uno schema Extreme, senza mai dire che serve una prova", async (t) => {
  if (manca()) return t.skip(manca());
  await apri(sito.url('perwebsiteprove', paginaSchema(ESTREMO)));
  await pronto();
  const maestro = [];
  let fine = false;
  for (let k = 0; k < 300 && !fine; k++) {
    await chiediAiuto(true);
    const passo = await p.getAttribute('#aiutinoPannello', 'data-passo');
    assert.notEqual(passo, 'errore', `passo ${k}: ${await frasiPannello()}`);
    if (passo === 'nessuno') {
      fine = true;
      break;
    }
    if (/^(NR|NC|CS|CF)$/.test(passo)) {
      const frasi = await frasiPannello();
      assert.ok(frasi.length > 0 && frasi.every((f) => f.length > 0), `${passo} senza frasi`);
      if (passo === 'CF') assert.match(frasi[0], /^Se R\dC\d fosse \d, allora /);
      assert.ok((await p.locator('td.aiutinoMotivo, td.aiutinoTolta, td.aiutinoDecisa').count()) > 0);
      maestro.push(Number(await p.getAttribute('#aiutinoPannello', 'data-ms')));
      if (process.env.KELVARO_SCHERMATA) await p.screenshot({ path: `${process.env.KELVARO_SCHERMATA}-maestro.png`, fullPage: true });
    }
    await chiediAiuto(false);
  }
  assert.ok(fine, 'lo schema non finisce');
  assert.ok(maestro.length > 0, 'nessun passo del livello maestro');
  // The end is a full grid, not "only a trial": every cell filled in.
  const vuote = await p.evaluate((n) => {
    let k = 0;
    for (let i = 0; i < n * n; i++) if (!document.getElementById(`LL${i}`).textContent.trim()) k++;
    return k;
  }, 5);
  assert.equal(vuote, 0);
  console.log(`${ESTREMO}: ${maestro.length} aiuti del livello maestro, il piu' lento ${Math.max(...maestro).toFixed(2)} ms nella pagina`);
});

test('i passi del risolutore mostrano le frasi del risolutore', async () => {
  await apri(sito.url('perwebsiteprove', paginaSchema(FILE7)));
  await p.click('#bPassi');
  await p.waitForSelector('#barraPassi:not([hidden])');
  await p.click('#pAvanti');
  const k = await p.evaluate(() => imls);
  const attese = (await p.evaluate((j) => tblr[j], k)).split('|');
  assert.ok(attese.length > 0 && attese[0].length > 0, `nessuna frase registrata al passo ${k}`);
  assert.deepEqual(await p.locator('#frasiPasso li').allTextContents(), attese);
  assert.ok((await p.locator('td.aiutinoMotivo, td.aiutinoTolta').count()) > 0);
  if (process.env.KELVARO_SCHERMATA) await p.screenshot({ path: `${process.env.KELVARO_SCHERMATA}-passi.png`, fullPage: true });
  await p.click('#pEsci');
  assert.equal(await p.locator('td.aiutinoMotivo, td.aiutinoTolta').count(), 0);
});
