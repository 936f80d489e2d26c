// The published index and main page: every schema listed once, grouped by level, and
// each entry leads to its page.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, copyFileSync } from 'node:fs';
import { join } from 'node:path';
import { SORGENTI, apriSito, chiudiSito, paginaSchema } from './sito.mjs';

const FILES = readdirSync(join(SORGENTI, 'resources', 'schemixwebsite')).filter((f) => f.endsWith('.txt'));
let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(() => chiudiSito({ sito, browser }));

test("l'indice elenca ogni schema una volta, raggruppato per difficoltà", async () => {
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  assert.match(await p.locator('body').textContent(), /01 Gennaio 2009/);
  assert.doesNotMatch(await p.content(), /SCHEMIFUT|TITOLOSCHEMA|\|DATA\|/);
  const gruppi = await p.evaluate(() =>
    Array.from(document.querySelectorAll('#gruppi section')).map((s) => ({
      titolo: s.querySelector('h2').firstChild.nextSibling.textContent.trim(),
      voci: Array.from(s.querySelectorAll('li')).map((li) => ({
        href: li.querySelector('a').getAttribute('href'),
        titolo: li.querySelector('a').title,
        nome: li.getAttribute('data-parola'),
        testo: li.querySelector('a').textContent,
      })),
    })));
  const tutte = gruppi.flatMap((g) => g.voci);
  assert.deepEqual(tutte.map((v) => v.href).sort(), FILES.map(paginaSchema).sort());
  const ordine = ['Facili', 'Medi', 'Difficili'];
  // The five names, easiest first, and the group each falls in.
  const nomi = ['Facile', 'Medio', 'Difficile', 'Esperto', 'Diabolico'];
  const gruppoDelNome = [0, 1, 1, 2, 2];
  let prima = -1;
  for (const g of gruppi) {
    const k = ordine.indexOf(g.titolo);
    assert.ok(k > prima, `gruppi in ordine: ${gruppi.map((x) => x.titolo)}`);
    prima = k;
    let chiavePrima = [-1, -1];
    for (const v of g.voci) {
      const m = /^(\d)x\1 Livello (\d+)$/.exec(v.titolo);
      assert.ok(m, `titolo della voce: ${v.titolo}`);
      const l = Number(m[2]);
      const d = nomi.indexOf(v.nome);
      assert.ok(d >= 0, `nome della voce: ${v.nome}`);
      assert.equal(gruppoDelNome[d], k, `${v.titolo} (${v.nome}) nel gruppo ${g.titolo}`);
      assert.ok(v.testo.includes(`${v.nome} \u00b7 livello ${l}`), v.testo);
      assert.ok(d > chiavePrima[0] || (d === chiavePrima[0] && l >= chiavePrima[1]), 'voci per nome, poi livello');
      chiavePrima = [d, l];
    }
  }
  // Following an entry opens that schema.
  const voce = tutte[0];
  await p.click(`a[href="${voce.href}"]`);
  await p.waitForSelector('#LL0');
  assert.equal(await p.title(), `Futoshiki ${voce.titolo}`);
  assert.deepEqual(browser.errori, []);
});

test('la pagina principale presenta gli schemi e porta a ciascuno', async () => {
  await p.goto(sito.url('perwebsite', 'Futoshiki.html'));
  const testo = await p.locator('body').innerText();
  assert.match(testo, /01 Gennaio 2009/);
  assert.doesNotMatch(testo, /\|SCHEMA|\|DATA\|/);
  const schede = await p.evaluate(() =>
    Array.from(document.querySelectorAll('#schemi li a')).map((a) =>
      Array.from(a.children).map((x) => x.textContent.trim()).join(' ')));
  assert.ok(schede.includes('Schema 1 Quattro Facile'), schede.join(' | '));
  assert.ok(schede.includes('Schema 4 Costraint Difficile'), schede.join(' | '));
  assert.ok(schede.includes('Schema 3 Apici Medio'), schede.join(' | '));
  // Once beside the published pages, a slot opens its own schema through the index.
  copyFileSync(join(sito.principale, 'Futoshiki.html'), join(sito.prove, 'Futoshiki.html'));
  await p.goto(sito.url('perwebsiteprove', 'Futoshiki.html'));
  await p.click('#schemi a:has-text("Apici")');
  await p.waitForURL(/Futoshiki_3_Apici_Medio\.html$/);
  await p.waitForSelector('#LL0');
  assert.match(await p.title(), /^Futoshiki 6x6 /);
  assert.deepEqual(browser.errori, []);
});
