// Puzzle codes in the published pages: every schema page shows its code and a link that carries
// it in the fragment; a page opened with a code plays that schema once the core has found it has
// exactly one solution, and keeps its own schema, saying why, for any other code.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { apriBrowser, apriSito, chiudiSito, leggiSchema, paginaSchema } from './sito.mjs';

const FILE9 = '6_Nove_Difficile.txt';
const FILE4 = '1_Quattro_Facile.txt';

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(() => chiudiSito({ sito, browser }));

const manca = () => !existsSync(join(sito.prove, 'kelvaro_aiuto.js')) && 'modulo WebAssembly non costruito';

// The code kelvaro-cli writes for a schema file of the site.
function esporta(file) {
  return execFileSync(join(sito.cartella, 'kelvaro-cli'), ['esporta', join(sito.cartella, 'schemixwebsite', file)],
    { encoding: 'latin1' }).trim();
}

// The grid on the page: size, givens (0 = empty) and the sign pictures, row by row.
async function griglia(pagina = p) {
  return pagina.evaluate(() => {
    const celle = [...document.querySelectorAll('td[id^="LL"]')];
    const n = Math.round(Math.sqrt(celle.length));
    const dati = celle.map((td) => (td.hasAttribute('onmouseup') ? '0' : td.textContent.trim())).join('');
    const segni = [...document.querySelectorAll('#ritb1 img')].map((i) => /F(\w)\.bmp/.exec(i.getAttribute('src'))[1]).join('');
    return { n, dati, segni };
  });
}

async function apri(url, pagina = p) {
  await pagina.goto('about:blank');
  await pagina.goto(url);
  await pagina.waitForSelector('#LL0');
  await pagina.waitForSelector('#campoCodice');
}

async function messaggio(pagina = p) {
  return pagina.textContent('#messaggio');
}

test('ogni pagina mostra il codice del suo schema e il link che lo porta', async (t) => {
  if (manca()) return t.skip(manca());
  const url = sito.url('perwebsiteprove', paginaSchema(FILE9));
  await apri(url);
  const codice = esporta(FILE9);
  assert.equal(await p.inputValue('#campoCodice'), codice);
  assert.equal(await p.getAttribute('#campoCodice', 'readonly'), '');
  // The copy: to the clipboard, or failing that the link selected in the field.
  await browser.contesto.grantPermissions(['clipboard-read', 'clipboard-write']);
  await p.click('#bCopiaLink');
  await p.waitForFunction(() => document.getElementById('esitoCopia').textContent !== '');
  const copiato = await p.evaluate(() => navigator.clipboard.readText().catch(() => ''));
  const campo = await p.inputValue('#campoCodice');
  const esito = await p.textContent('#esitoCopia');
  assert.ok(copiato === url + '#' + codice || campo === url + '#' + codice, `${esito} | ${copiato} | ${campo}`);
});

test('un codice valido nel frammento fa giocare quello schema, con la sua soluzione e l\'Aiutino', async (t) => {
  if (manca()) return t.skip(manca());
  const s4 = leggiSchema(FILE4);
  const codice = esporta(FILE4);
  await apri(sito.url('perwebsiteprove', paginaSchema(FILE9)) + '#' + codice);
  await p.waitForFunction(() => document.querySelectorAll('td[id^="LL"]').length === 16);
  const g = await griglia();
  assert.equal(g.n, 4);
  assert.equal(g.dati, s4.dati);
  assert.equal(g.segni.length, s4.vincoli.length);
  assert.match(await messaggio(), /codice del link/);
  assert.match(await p.title(), /^Futoshiki 4x4 · (Facile|Medio|Difficile|Esperto)$/);
  assert.equal(await p.inputValue('#campoCodice'), codice);
  // The solution the core found for the code is the file's.
  await p.click('#bSoluzione');
  await p.click('#dSi');
  const mostrata = await p.evaluate(() => [...document.querySelectorAll('td[id^="LL"]')].map((td) => td.textContent.trim()).join(''));
  assert.equal(mostrata, s4.soluzione);
  await p.click('#bSoluzione');
  // The hint reads the code's schema: its first step names cells of a 4 x 4.
  await p.waitForSelector('#bAiutino[data-pronto="1"]');
  await p.click('#bAiutino');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
  assert.match(await p.textContent('#aiutinoPannello'), /R[1-4]C[1-4]/);
});

test('un codice non valido o con più soluzioni lascia lo schema della pagina, e lo dice', async (t) => {
  if (manca()) return t.skip(manca());
  const s9 = leggiSchema(FILE9);
  const url = sito.url('perwebsiteprove', paginaSchema(FILE9));
  const casi = [
    ['5:0,0,0', /non è valido \(celle attese 25 \(5 x 5\), trovate 3\): resta lo schema di questa pagina/],
    ['4:' + '0,'.repeat(16), /il codice ha più di una soluzione/],
    ['4:1,1,' + '0,'.repeat(14), /il codice non ha soluzioni/],
    ['5a:' + '0,'.repeat(25), /variante Adjacent/],
  ];
  for (const [codice, atteso] of casi) {
    await apri(url + '#' + codice);
    await p.waitForFunction(() => /codice del link/.test(document.getElementById('messaggio').textContent));
    assert.match(await messaggio(), atteso, codice);
    const g = await griglia();
    assert.equal(g.n, 9, codice);
    assert.equal(g.dati, s9.dati, codice);
    assert.equal(await p.inputValue('#campoCodice'), esporta(FILE9), codice);
  }
});

test('il link apre lo stesso schema in un browser nuovo, e un altro codice nel frammento ricarica la pagina', async (t) => {
  if (manca()) return t.skip(manca());
  const codice = esporta(FILE4);
  const altro = await apriBrowser();
  try {
    const q = await altro.pagina();
    await apri(sito.url('perwebsiteprove', paginaSchema(FILE9)) + '#' + codice, q);
    assert.equal((await griglia(q)).dati, leggiSchema(FILE4).dati);
    // A different code typed into the address: the page plays it.
    await q.evaluate((c) => {
      location.hash = c;
    }, esporta(FILE9));
    await q.waitForFunction(() => document.querySelectorAll('td[id^="LL"]').length === 81);
    await q.waitForSelector('#campoCodice');
    assert.equal((await griglia(q)).dati, leggiSchema(FILE9).dati);
    assert.deepEqual(altro.errori, []);
  } finally {
    await altro.chiudi();
  }
  assert.deepEqual(browser.errori, []);
});
