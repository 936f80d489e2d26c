// The 9x9 page on a phone and on a desktop screen: the palette leaves the chosen cell and
// most of the grid in sight, and on the desktop the grid and its commands fit the screen; the
// hint's sentence and the cells it marks are on the screen together.
// KELVARO_SCHERMATE=folder keeps screenshots of both for a look by eye.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { apriSito, celleVuote, chiudiSito, leggiSchema, paginaSchema, violazioniGravi } from './sito.mjs';

const NOVE = '6_Nove_Difficile.txt';
const s = leggiSchema(NOVE);
const vuote = celleVuote(s);
const SCHERMATE = process.env.KELVARO_SCHERMATE;

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
  if (SCHERMATE) mkdirSync(SCHERMATE, { recursive: true });
});
after(() => chiudiSito({ sito, browser }));

async function apri(larghezza, altezza) {
  await p.setViewportSize({ width: larghezza, height: altezza });
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  await p.evaluate(() => localStorage.clear());
  await p.goto(sito.url('perwebsiteprove', paginaSchema(NOVE)));
  await p.waitForSelector('#LL0');
}

// Boxes in viewport coordinates.
const riquadro = (sel) => p.locator(sel).evaluate((e) => {
  const r = e.getBoundingClientRect();
  return { x: r.left, y: r.top, w: r.width, h: r.height };
});
const comune = (a, b) => Math.max(0, Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x)) *
  Math.max(0, Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y));
const dentro = (a, w, h) => a.x >= 0 && a.y >= 0 && a.x + a.w <= w + 0.5 && a.y + a.h <= h + 0.5;

test('su un telefono 390x844 la tavolozza non copre la casella scelta né gran parte della griglia', async () => {
  await apri(390, 844);
  const griglia = await riquadro('#ritb1');
  assert.ok(griglia.w <= 390, `griglia larga ${griglia.w}`);
  assert.ok(await p.evaluate(() => document.documentElement.scrollWidth) <= 390, 'la pagina scorre di lato');
  // Corners, middle and last row: wherever the cell is, it stays in sight.
  const prove = [vuote[0], vuote.find((i) => i % 9 === 8), vuote[Math.floor(vuote.length / 2)],
    vuote.filter((i) => i >= 72)[0], vuote[vuote.length - 1]];
  for (const i of prove) {
    await p.click(`#LL${i}`);
    await p.waitForSelector('#tavolozza.aperta');
    const cella = await riquadro(`#LL${i}`);
    const tavolozza = await riquadro('#tavolozza');
    const g = await riquadro('#ritb1');
    assert.equal(comune(cella, tavolozza), 0, `la tavolozza copre la casella ${i}`);
    assert.ok(dentro(cella, 390, 844), `casella ${i} fuori schermo`);
    assert.ok(dentro(tavolozza, 390, 844), 'tavolozza fuori schermo');
    assert.ok(comune(g, tavolozza) < (g.w * g.h) / 3, `la tavolozza copre ${Math.round((100 * comune(g, tavolozza)) / (g.w * g.h))}% della griglia`);
    // The palette still works there.
    await p.click(`#tavolozza button[data-v="${s.soluzione[i]}"]`);
    assert.equal((await p.locator(`#LL${i}`).textContent()).trim(), s.soluzione[i]);
  }
  await p.click(`#LL${vuote[1]}`);
  if (SCHERMATE) await p.screenshot({ path: join(SCHERMATE, 'schema9x9-telefono.png') });
  assert.deepEqual(browser.errori, []);
});

test('su uno schermo 1280x900 griglia 9x9 e comandi si vedono senza scorrere', async () => {
  await apri(1280, 900);
  for (const sel of ['#ritb1', '#messaggio', '#bAnnulla', '#bRipeti', '#bVerifica', '#bSoluzione', '#bDaCapo', '#bPassi', '#bAppunti']) {
    assert.ok(dentro(await riquadro(sel), 1280, 900), `${sel} fuori dallo schermo`);
  }
  assert.equal(await p.evaluate(() => window.scrollY), 0);
  // The palette beside a cell stays on the screen and off the cell.
  const i = vuote.filter((x) => x >= 72 && x % 9 === 8)[0] ?? vuote[vuote.length - 1];
  await p.click(`#LL${i}`);
  assert.ok(dentro(await riquadro('#tavolozza'), 1280, 900));
  assert.equal(comune(await riquadro(`#LL${i}`), await riquadro('#tavolozza')), 0);
  await p.click(`#tavolozza button[data-v="${s.soluzione[i]}"]`);
  await p.click(`#LL${vuote[4]}`);
  assert.deepEqual(await p.locator('#ritb1 td.scelta').evaluateAll((x) => x.map((td) => td.id)), [`LL${vuote[4]}`]);
  if (SCHERMATE) await p.screenshot({ path: join(SCHERMATE, 'schema9x9-desktop.png') });
  assert.deepEqual(browser.errori, []);
});

const senzaModulo = () => !existsSync(join(sito.prove, 'kelvaro_aiuto.js')) && 'modulo WebAssembly non costruito';
const segnate = 'td.aiutinoMotivo, td.aiutinoTolta, td.aiutinoDecisa, td.aiutinoErrata, td.aiutinoProva';

// The marked cells wholly on the screen and not under the hint's box.
async function segnateInVista(w, h) {
  const pannello = await riquadro('#aiutinoPannello');
  const ids = await p.locator(segnate).evaluateAll((x) => x.map((td) => td.id));
  const viste = [];
  for (const id of ids) {
    const r = await riquadro(`#${id}`);
    if (dentro(r, w, h) && comune(r, pannello) === 0) viste.push(id);
  }
  return { ids, viste, pannello };
}

test('su un telefono 390x844 la frase dell\'aiutino e le sue caselle si vedono insieme', async (t) => {
  if (senzaModulo()) return t.skip(senzaModulo());
  await apri(390, 844);
  await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
  // The button is under the grid: the player scrolls down to it and presses it.
  await p.click('#bAiutino');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
  await p.waitForFunction((sel) => document.querySelectorAll(sel).length > 0, segnate);
  let { ids, viste, pannello } = await segnateInVista(390, 844);
  assert.ok(dentro(pannello, 390, 844), `riquadro della frase fuori schermo: ${JSON.stringify(pannello)}`);
  assert.ok((await p.locator('#aiutinoPannello li').count()) > 0, 'nessuna frase');
  assert.ok(viste.length > 0, `nessuna casella segnata in vista (${ids.join(' ')})`);
  if (SCHERMATE) await p.screenshot({ path: join(SCHERMATE, 'aiutino9x9-telefono.png') });
  assert.deepEqual(await violazioniGravi(p), [], 'aiutino aperto sul telefono');

  // The box's own button applies the step (Aiutino is under it), the next hint shows the same way.
  await p.click('#aiutinoAvanti');
  await p.waitForFunction((sel) => document.querySelectorAll(sel).length === 0, segnate);
  assert.ok(await p.evaluate(() => window.kelvaroGriglia().voci.some((v) => v) ||
    document.querySelectorAll('#ritb1 .appunti span').length > 0), 'il passo non ha cambiato la griglia');
  await p.click('#aiutinoAvanti');
  await p.waitForFunction((sel) => document.querySelectorAll(sel).length > 0, segnate);
  ({ ids, viste, pannello } = await segnateInVista(390, 844));
  assert.ok(dentro(pannello, 390, 844) && viste.length > 0, `secondo aiutino: ${ids.join(' ')} fuori vista`);
  // Closed, it leaves the page as it was.
  await p.click('#aiutinoChiudi');
  assert.ok(await p.locator('#aiutinoPannello').isHidden());
  assert.equal(await p.locator(segnate).count(), 0);
  assert.equal(await p.evaluate(() => document.body.style.paddingBottom), '');
  assert.deepEqual(browser.errori, []);
});

test('su uno schermo 1280x900 la frase dell\'aiutino resta accanto alla griglia', async (t) => {
  if (senzaModulo()) return t.skip(senzaModulo());
  await apri(1280, 900);
  await p.waitForSelector('#bAiutino[data-pronto="1"]', { timeout: 20000 });
  await p.keyboard.press('h');
  await p.waitForSelector('#aiutinoPannello:not([hidden])');
  const { viste, pannello } = await segnateInVista(1280, 900);
  assert.ok(dentro(pannello, 1280, 900), 'riquadro della frase fuori schermo');
  assert.ok(viste.length > 0, 'nessuna casella segnata in vista');
  // In its place in the column beside the grid, not docked, its own buttons not shown.
  assert.ok(pannello.x >= (await riquadro('#ritb1')).x + (await riquadro('#ritb1')).w);
  assert.equal(await p.locator('#aiutinoAvanti').isVisible(), false);
  assert.equal(await p.evaluate(() => window.scrollY), 0);
  if (SCHERMATE) await p.screenshot({ path: join(SCHERMATE, 'aiutino9x9-desktop.png') });
  assert.deepEqual(browser.errori, []);
});
