// A site published into an empty folder, from a program directory that never had a site: its
// pages find everything they load beside them, and the hint works from file://.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, copyFileSync, existsSync, mkdirSync, mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { SORGENTI, apriBrowser, paginaSchema } from './sito.mjs';

const BIN = process.env.KELVARO_BIN || join(SORGENTI, 'build', 'bin');
const FILE7 = '4_Costraint_Difficile.txt';

let cartella;
let browser;

before(async () => {
  cartella = mkdtempSync(join(tmpdir(), 'kelvaro-vuoto-'));
  copyFileSync(join(BIN, 'Kelvaro.ini'), join(cartella, 'Kelvaro.ini'));
  for (const c of ['template', 'schemixwebsite', 'assets']) cpSync(join(BIN, c), join(cartella, c), { recursive: true });
  mkdirSync(join(cartella, 'perwebsiteprove'));
  mkdirSync(join(cartella, 'perwebsite'));
  execFileSync(join(BIN, 'kelvaro-cli'), ['pubblica', '--cartella', cartella], {
    stdio: ['ignore', 'pipe', 'pipe'],
    timeout: 120000,
  });
  browser = await apriBrowser();
});
after(async () => {
  await browser?.chiudi();
  if (cartella) rmSync(cartella, { recursive: true, force: true });
});

test('la cartella vuota riceve script, modulo e immagini', () => {
  const prove = join(cartella, 'perwebsiteprove');
  for (const f of ['schemaFutoshiki.js', 'aiutino.js', 'assets/favicon.svg', 'assets/img/FD.bmp']) {
    assert.ok(existsSync(join(prove, f)), f);
  }
  assert.ok(readdirSync(prove).includes(paginaSchema(FILE7)));
});

test("Aiutino gioca da file:// nel sito pubblicato nella cartella vuota", async (t) => {
  if (!existsSync(join(BIN, 'perwebsiteprove', 'kelvaro_aiuto.js'))) {
    t.skip('modulo WebAssembly non costruito');
    return;
  }
  const p = await browser.pagina();
  const url = pathToFileURL(join(cartella, 'perwebsiteprove', paginaSchema(FILE7))).href;
  await p.goto(url);
  await p.waitForSelector('#LL0');
  await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
  assert.equal(await p.isDisabled('#bAiutino'), false);
  await p.click('#bAiutino');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
  const frasi = await p.locator('#aiutinoPannello li').allTextContents();
  assert.ok(frasi.length > 0 && frasi[0].trim().length > 0, `nessuna frase: ${JSON.stringify(frasi)}`);
  // Every picture of the grid was found.
  const rotte = await p.evaluate(() => [...document.images].filter((i) => !i.complete || i.naturalWidth === 0).length);
  assert.equal(rotte, 0);
  assert.deepEqual(browser.errori, []);
});
