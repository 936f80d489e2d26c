// "Nuovo schema": the page every site has, linked from the index, that makes a schema in the
// browser with the core's generator. What it makes must have exactly one solution (kelvaro-cli
// importa refuses any other code), its link must reopen it in another browser, and the hint must
// work on it; from file:// and over http alike.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, readFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { apriBrowser, apriSito, chiudiSito, violazioniGravi } from './sito.mjs';

let sito;
let browser;
let p;
let server;
let http;

before(async () => {
  ({ sito, browser, p } = await apriSito());
  server = createServer((req, res) => {
    const nome = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
    const file = join(sito.prove, nome);
    if (!nome || nome.includes('..') || !existsSync(file)) {
      res.writeHead(404);
      res.end();
      return;
    }
    const tipo = nome.endsWith('.js') ? 'text/javascript' : nome.endsWith('.html') ? 'text/html; charset=utf-8' : 'application/octet-stream';
    res.writeHead(200, { 'Content-Type': tipo });
    res.end(readFileSync(file));
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  http = `http://127.0.0.1:${server.address().port}/`;
});
after(async () => {
  await new Promise((r) => (server ? server.close(r) : r()));
  await chiudiSito({ sito, browser });
});

const manca = () => !existsSync(join(sito.prove, 'kelvaro_aiuto.js')) && 'modulo WebAssembly non costruito';

// kelvaro-cli importa writes a schema file only for a code with exactly one solution; verifica
// then counts its solutions again.
function importa(codice) {
  const cartella = mkdtempSync(join(tmpdir(), 'kelvaro-codice-'));
  try {
    const file = join(cartella, 'nuovo.txt');
    execFileSync(join(sito.cartella, 'kelvaro-cli'), ['importa', codice, file], { encoding: 'utf8' });
    const verifica = execFileSync(join(sito.cartella, 'kelvaro-cli'), ['verifica', file], { encoding: 'utf8' });
    const t = readFileSync(file, 'latin1');
    return { verifica, dati: /<SCHEMA>(\d*)</.exec(t)[1], n: Number(/SIZE=["']?(\d)/.exec(t)[1]) };
  } finally {
    rmSync(cartella, { recursive: true, force: true });
  }
}

async function genera(pagina, n, livello) {
  await pagina.waitForSelector('#bGenera:not([disabled])', { timeout: 20000 });
  const prima = (await pagina.$('#campoCodice')) ? await pagina.inputValue('#campoCodice') : '';
  await pagina.selectOption('#nuovoLato', String(n));
  await pagina.selectOption('#nuovoLivello', livello);
  if (prima) {
    // A game is on: the page opens again on the new schema's link.
    await Promise.all([pagina.waitForEvent('load'), pagina.click('#bGenera')]);
  } else {
    await pagina.click('#bGenera');
  }
  await pagina.waitForFunction((k) => document.querySelectorAll('td[id^="LL"]').length === k, n * n);
  await pagina.waitForFunction((c) => {
    const e = document.getElementById('campoCodice');
    return !!e && e.value !== '' && e.value !== c;
  }, prima);
  return pagina.inputValue('#campoCodice');
}

async function datiDellaPagina(pagina) {
  return pagina.evaluate(() => [...document.querySelectorAll('td[id^="LL"]')]
    .map((td) => (td.hasAttribute('onmouseup') ? '0' : td.textContent.trim())).join(''));
}

async function provaNuovo(base, n, livello) {
  await p.goto('about:blank');
  await p.goto(base + 'nuovo_schema.html');
  const codice = await genera(p, n, livello);
  const tempo = await p.evaluate(() => window.kelvaroTempoNuovo);
  console.log(`# Nuovo schema ${n}x${n} ${livello} da ${base.slice(0, 7)}: ${tempo.toFixed(1)} ms (performance.now, dal clic alla griglia)`);
  const letto = importa(codice);
  assert.match(letto.verifica, /\nsoluzioni: 1\n/);
  assert.match(letto.verifica, new RegExp(`\\ndifficolta: ${livello}\\n`));
  assert.equal(letto.n, n);
  assert.equal(await datiDellaPagina(p), letto.dati);
  // The link carries the code: the address now opens this schema.
  assert.equal(decodeURIComponent(new URL(p.url()).hash.slice(1)), codice);
  // The hint works on it.
  await p.waitForSelector('#bAiutino[data-pronto="1"]');
  await p.click('#bAiutino');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
  assert.match(await p.textContent('#aiutinoPannello'), new RegExp(`R[1-${n}]C[1-${n}]`));
  return { codice, url: p.url(), dati: letto.dati };
}

test('l\'indice porta a Nuovo schema, che offre le dimensioni da 4 a 9 e le difficoltà del generatore', async () => {
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  await p.click('text=Nuovo schema');
  await p.waitForSelector('#nuovoLato');
  assert.match(p.url(), /nuovo_schema\.html$/);
  assert.deepEqual(await p.$$eval('#nuovoLato option', (o) => o.map((x) => x.value)), ['4', '5', '6', '7', '8', '9']);
  assert.deepEqual(await p.$$eval('#nuovoLivello option', (o) => o.map((x) => x.value)), ['Facile', 'Medio', 'Difficile', 'Esperto']);
  // At 4 x 4 only what the generator makes there.
  await p.selectOption('#nuovoLato', '4');
  assert.deepEqual(await p.$$eval('#nuovoLivello option:not([disabled])', (o) => o.map((x) => x.value)), ['Facile', 'Medio']);
  assert.deepEqual(await violazioniGravi(p), []);
});

test('4 x 4 da file://: un solo schema, il suo link lo riapre in un browser nuovo', async (t) => {
  if (manca()) return t.skip(manca());
  const fatto = await provaNuovo(sito.url('perwebsiteprove') + '/', 4, 'Facile');
  const altro = await apriBrowser();
  try {
    const q = await altro.pagina();
    await q.goto(fatto.url);
    await q.waitForFunction(() => document.querySelectorAll('td[id^="LL"]').length === 16);
    await q.waitForSelector('#campoCodice');
    assert.equal(await datiDellaPagina(q), fatto.dati);
    assert.equal(await q.inputValue('#campoCodice'), fatto.codice);
    assert.deepEqual(altro.errori, []);
  } finally {
    await altro.chiudi();
  }
});

test('9 x 9 via http: un solo schema, l\'Aiutino, il link in un browser nuovo, accessibile', async (t) => {
  if (manca()) return t.skip(manca());
  const fatto = await provaNuovo(http, 9, 'Difficile');
  for (const tema of ['light', 'dark']) {
    await p.emulateMedia({ colorScheme: tema });
    assert.deepEqual(await violazioniGravi(p), [], tema);
  }
  await p.emulateMedia({ colorScheme: 'light' });
  // A second schema replaces it: the page starts again on the new link.
  const secondo = await genera(p, 9, 'Medio');
  assert.notEqual(secondo, fatto.codice);
  assert.match(importa(secondo).verifica, /\nsoluzioni: 1\n/);
  const altro = await apriBrowser();
  try {
    const q = await altro.pagina();
    await q.goto(fatto.url);
    await q.waitForFunction(() => document.querySelectorAll('td[id^="LL"]').length === 81);
    assert.equal(await datiDellaPagina(q), fatto.dati);
  } finally {
    await altro.chiudi();
  }
  assert.deepEqual(browser.errori, []);
});

test('una pagina 9 x 9 con tutto ciò che carica resta sotto i 120 KB compressi', () => {
  const pagina = readFileSync(join(sito.prove, 'nuovo_schema.html'), 'latin1');
  const file = ['nuovo_schema.html', 'schemaFutoshiki.js', 'aiutino.js', 'kelvaro_aiuto.js', 'assets/favicon.svg',
    'assets/img/FA.bmp', 'assets/img/FB.bmp', 'assets/img/FD.bmp', 'assets/img/FS.bmp'];
  assert.match(pagina, /schemaFutoshiki\.js/);
  let totale = 0;
  for (const f of file) {
    if (existsSync(join(sito.prove, f))) totale += gzipSync(readFileSync(join(sito.prove, f)), { level: 9 }).length;
  }
  console.log(`# Nuovo schema con tutto ciò che carica: ${totale} byte (gzip -9 file per file)`);
  assert.ok(totale < 120 * 1024, `${totale}`);
});
