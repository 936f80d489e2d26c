// The dark theme that follows the system setting, read by axe-core in both themes, and the index
// whose cards carry the schemas' names and can be sorted and filtered, or just read without
// JavaScript.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync } from 'node:fs';
import { join } from 'node:path';
import { SORGENTI, apriSito, celleVuote, chiudiSito, leggiSchema, paginaSchema, violazioniGravi } from './sito.mjs';

const FILES = readdirSync(join(SORGENTI, 'resources', 'schemixwebsite')).filter((f) => f.endsWith('.txt'));
// "3_Apici_Medio.txt" -> "3 Apici Medio".
const leggibile = (f) => f.replace(/\.txt$/, '').replace(/_+/g, ' ').trim();
const LATO = Object.fromEntries(FILES.map((f) => [leggibile(f), leggiSchema(f).n]));
const INDICE = 'futoshiki_090101.html';
const FILE = '4_Costraint_Difficile.txt';
const s = leggiSchema(FILE);
const vuote = celleVuote(s);

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(async () => {
  await p?.emulateMedia({ colorScheme: null });
  await chiudiSito({ sito, browser });
});

const sfondo = () => p.evaluate(() => getComputedStyle(document.body).backgroundColor);

test('il tema scuro segue il sistema, e axe-core non trova violazioni gravi in nessuno dei due temi', async () => {
  browser.errori.length = 0;
  for (const [tema, colore] of [['dark', 'rgb(16, 19, 42)'], ['light', 'rgb(242, 244, 251)']]) {
    await p.emulateMedia({ colorScheme: tema });
    await p.goto(sito.url('perwebsiteprove', INDICE));
    await p.evaluate(([x, y]) => {
      localStorage.clear();
      localStorage.setItem('kelvaro-futoshiki-pagina:' + x, JSON.stringify({ p: 100, ok: true }));
      localStorage.setItem('kelvaro-futoshiki-pagina:' + y, JSON.stringify({ p: 40, ok: false }));
    }, [paginaSchema(FILE), paginaSchema('2_Cinque_Facile.txt')]);
    await p.reload();
    assert.equal(await sfondo(), colore, `indice, tema ${tema}`);
    assert.deepEqual(await violazioniGravi(p), [], `indice, tema ${tema}`);
    await p.selectOption('#filtroDimensione', String(s.n));
    assert.deepEqual(await violazioniGravi(p), [], `indice filtrato, tema ${tema}`);

    await p.evaluate(() => localStorage.clear());
    await p.goto(sito.url('perwebsiteprove', paginaSchema(FILE)));
    await p.waitForSelector('#LL0');
    assert.equal(await sfondo(), colore, `pagina, tema ${tema}`);
    // In play: a right digit picked out elsewhere, notes, a wrong digit checked, a sign used,
    // the palette open on a chosen cell.
    const giusta = vuote.find((i) => i > vuote[4] && s.dati.includes(s.soluzione[i]));
    await p.click(`#LL${giusta}`);
    await p.click(`#tavolozza button[data-v="${s.soluzione[giusta]}"]`);
    await p.click(`#LL${vuote[1]}`, { button: 'right' });
    await p.keyboard.press('1');
    await p.keyboard.press('2');
    await p.keyboard.press('a');
    await p.keyboard.press('Escape');
    await p.click(`#LL${vuote[2]}`);
    await p.click(`#tavolozza button[data-v="${(Number(s.soluzione[vuote[2]]) % s.n) + 1}"]`);
    await p.click('#bVerifica');
    await p.click('#ritb1 td[id^="LP"] img');
    await p.click(`#LL${vuote[4]}`);
    await p.waitForSelector('#tavolozza.aperta');
    assert.deepEqual(await violazioniGravi(p), [], `pagina in gioco, tema ${tema}`);
    // The sign pictures are drawn for the grid's colour of the theme.
    const filtro = await p.evaluate(() => getComputedStyle(document.querySelector('#ritb1 td[id^="LP"] img')).filter);
    assert.equal(filtro === 'none', tema === 'light', `segni, tema ${tema}: ${filtro}`);
  }
  assert.deepEqual(browser.errori, []);
});

// The cards as shown now: section titles and, in each, the names and titles of the cards.
const sezioni = () =>
  p.evaluate(() =>
    Array.from(document.querySelectorAll('#gruppi section')).map((sez) => ({
      titolo: sez.querySelector('h2').firstChild.nextSibling.textContent.trim(),
      quanti: sez.querySelector('h2 .quanti').textContent,
      voci: Array.from(sez.querySelectorAll('li')).map((li) => ({
        etichetta: li.querySelector('.grande').textContent,
        titolo: li.querySelector('a').title,
        grado: li.getAttribute('data-grado'),
      })),
    })));

test("l'indice dà un nome a ogni scheda e si ordina e filtra per dimensione e difficoltà", async () => {
  browser.errori.length = 0;
  await p.emulateMedia({ colorScheme: 'light' });
  await p.goto(sito.url('perwebsiteprove', INDICE));
  const tutte = (await sezioni()).flatMap((x) => x.voci);
  assert.deepEqual(tutte.map((v) => v.etichetta).sort(), FILES.map(leggibile).sort());
  for (const v of tutte) assert.ok(v.titolo.startsWith(`${LATO[v.etichetta]}x${LATO[v.etichetta]} `), `${v.etichetta}: ${v.titolo}`);
  const conta = () => p.locator('#contaSchemi').textContent();
  assert.equal(await conta(), `${FILES.length} schemi`);

  // By size: one section per size, smallest first, each holding only its size.
  await p.selectOption('#ordina', 'dimensione');
  const perLato = await sezioni();
  const lati = [...new Set(Object.values(LATO))].sort((a, b) => a - b);
  assert.deepEqual(perLato.map((x) => x.titolo), lati.map((n) => `Griglie ${n}\u00d7${n}`));
  for (const sez of perLato) {
    const n = Number(/(\d)\u00d7/.exec(sez.titolo)[1]);
    for (const v of sez.voci) assert.equal(LATO[v.etichetta], n, `${v.etichetta} in ${sez.titolo}`);
    assert.equal(sez.quanti, `${sez.voci.length} ${sez.voci.length === 1 ? 'schema' : 'schemi'}`);
  }
  assert.equal(perLato.flatMap((x) => x.voci).length, FILES.length);

  // By name: one list in the order a reader expects ("2 ..." before "10 ...").
  await p.selectOption('#ordina', 'alfabetico');
  const perNome = await sezioni();
  assert.equal(perNome.length, 1);
  const attese = FILES.map(leggibile).sort((a, b) => a.localeCompare(b, 'it', { numeric: true }));
  assert.deepEqual(perNome[0].voci.map((v) => v.etichetta), attese);

  // Filters: a size, a group, both; none left says so.
  await p.selectOption('#filtroDimensione', String(s.n));
  const diSette = (await sezioni()).flatMap((x) => x.voci);
  assert.deepEqual(diSette.map((v) => v.etichetta).sort(), FILES.filter((f) => leggiSchema(f).n === s.n).map(leggibile).sort());
  assert.equal(await conta(), `${diSette.length} di ${FILES.length} schemi`);
  await p.selectOption('#filtroDimensione', '');
  await p.selectOption('#ordina', 'difficolta');
  const gradi = await p.evaluate(() => Array.from(document.querySelectorAll('#filtroDifficolta option')).map((o) => o.value).filter(Boolean));
  for (const g of gradi) {
    await p.selectOption('#filtroDifficolta', g);
    const sez = await sezioni();
    assert.equal(sez.length, 1, g);
    assert.ok(sez[0].voci.length > 0 && sez[0].voci.every((v) => v.grado === g), g);
  }
  const facili = tutte.filter((v) => v.grado === 'facile').map((v) => LATO[v.etichetta]);
  const senzaFacili = Object.values(LATO).find((n) => !facili.includes(n));
  await p.selectOption('#filtroDifficolta', 'facile');
  await p.selectOption('#filtroDimensione', String(senzaFacili));
  assert.deepEqual(await sezioni(), []);
  assert.match(await p.locator('#gruppi').textContent(), /Nessuno schema con questa dimensione e questa difficolt\u00e0/);
  await p.selectOption('#filtroDifficolta', '');
  await p.selectOption('#filtroDimensione', '');
  assert.deepEqual((await sezioni()).flatMap((x) => x.voci), tutte, 'senza filtri tornano tutte, nell\'ordine di prima');
  // A card still leads to its schema.
  await p.click(`#gruppi a[title="${tutte[0].titolo}"] >> nth=0`);
  await p.waitForSelector('#LL0');
  assert.deepEqual(browser.errori, []);
});

test("senza JavaScript l'indice elenca lo stesso ogni scheda con il suo nome", async () => {
  const q = await browser.contesto.newPage();
  const cdp = await browser.contesto.newCDPSession(q);
  await cdp.send('Emulation.setScriptExecutionDisabled', { value: true });
  await q.goto(sito.url('perwebsiteprove', INDICE));
  const voci = await q.locator('#elenco li').evaluateAll((l) =>
    l.map((li) => ({ testo: li.innerText.replace(/\s+/g, ' ').trim(), href: li.querySelector('a').getAttribute('href') })));
  await cdp.detach();
  await q.close();
  assert.deepEqual(voci.map((v) => v.href).sort(), FILES.map(paginaSchema).sort());
  for (const v of voci) {
    const f = FILES.find((x) => paginaSchema(x) === v.href);
    assert.match(v.testo, new RegExp(`^${leggibile(f)} ${LATO[leggibile(f)]}x${LATO[leggibile(f)]} Livello \\d+ \u00b7 \\w+$`), v.testo);
  }
});
