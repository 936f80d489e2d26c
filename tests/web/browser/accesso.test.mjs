// The site for players who do not use a mouse or do not see the screen: axe-core on the
// three kinds of page, the grid as a screen reader walks it, the keyboard alone.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { apriSito, celleVuote, chiudiSito, leggiSchema, paginaSchema, violazioniGravi } from './sito.mjs';

const NOVE = '6_Nove_Difficile.txt';
const s = leggiSchema(NOVE);
const vuote = celleVuote(s);

let sito;
let browser;
let p;

before(async () => {
  ({ sito, browser, p } = await apriSito());
});
after(() => chiudiSito({ sito, browser }));

async function apri(file = NOVE) {
  await p.goto(sito.url('perwebsiteprove', 'futoshiki_090101.html'));
  await p.evaluate(() => localStorage.clear());
  await p.goto(sito.url('perwebsiteprove', paginaSchema(file)));
  await p.waitForSelector('#LL0');
}

const attivo = () => p.evaluate(() => document.activeElement && document.activeElement.id);
const note = async (i) => (await p.locator(`#LL${i} .appunti span`).allTextContents()).filter((x) => x).join('');

test('axe-core non trova violazioni gravi su indice, pagina principale e schema 9x9', async () => {
  const pagine = [
    ['indice', sito.url('perwebsiteprove', 'futoshiki_090101.html')],
    ['principale', sito.url('perwebsite', 'Futoshiki.html')],
    ['schema 9x9', sito.url('perwebsiteprove', paginaSchema(NOVE))],
  ];
  // The index with one schema solved and one started shows its marks too.
  await p.goto(pagine[0][1]);
  await p.evaluate(([x, y]) => {
    localStorage.setItem('kelvaro-futoshiki-pagina:' + x, JSON.stringify({ p: 100, ok: true }));
    localStorage.setItem('kelvaro-futoshiki-pagina:' + y, JSON.stringify({ p: 40, ok: false }));
  }, [paginaSchema(NOVE), paginaSchema('2_Cinque_Facile.txt')]);
  for (const [nome, url] of pagine) {
    await p.goto(url);
    await p.waitForLoadState('load');
    assert.deepEqual(await violazioniGravi(p), [], nome);
  }
  // The page in play: a digit, notes, a wrong digit checked, the palette open, the question.
  await apri();
  await p.click(`#LL${vuote[0]}`);
  await p.click(`#tavolozza button[data-v="${s.soluzione[vuote[0]]}"]`);
  await p.click(`#LL${vuote[1]}`);
  await p.keyboard.press('a');
  await p.keyboard.press('1');
  await p.keyboard.press('2');
  await p.keyboard.press('a');
  await p.keyboard.press('Escape');
  await p.click(`#LL${vuote[2]}`);
  await p.click(`#tavolozza button[data-v="${(Number(s.soluzione[vuote[2]]) % 9) + 1}"]`);
  await p.click('#bVerifica');
  await p.click(`#LL${vuote[3]}`);
  assert.deepEqual(await violazioniGravi(p), [], 'schema in gioco');
  await p.keyboard.press('Escape');
  await p.click('#bDaCapo');
  assert.deepEqual(await violazioniGravi(p), [], 'domanda aperta');
  await p.click('#dNo');
  assert.deepEqual(browser.errori, []);
});

test('le caselle sono una griglia etichettata e i segni hanno parole', async () => {
  await apri();
  assert.equal(await p.getByRole('grid').count(), 1);
  assert.equal(await p.getByRole('row').count(), s.n);
  assert.equal(await p.getByRole('gridcell').count(), s.n * s.n);
  // Each cell is named by row, column and content; the signs around it are told too.
  const dato = s.dati.search(/[1-9]/);
  const r = Math.floor(dato / 9) + 1;
  const c = (dato % 9) + 1;
  await p.getByRole('gridcell', { name: new RegExp(`^Riga ${r}, colonna ${c}: ${s.dati[dato]}, dato`) }).waitFor();
  for (const v of s.vincoli) {
    const [r1, c1, r2, c2] = v.split('').map(Number);
    const dove = r1 === r2 ? (c2 > c1 ? 'a destra' : 'a sinistra') : (r2 > r1 ? 'sotto' : 'sopra');
    const nome = await p.getByRole('gridcell', { name: new RegExp(`^Riga ${r1}, colonna ${c1}:`) }).getAttribute('aria-label');
    assert.match(nome, new RegExp(`maggiore di quella ${dove}`), v);
    const altra = await p.locator(`#LL${(r2 - 1) * 9 + c2 - 1}`).getAttribute('aria-label');
    const opposto = { 'a destra': 'a sinistra', 'a sinistra': 'a destra', sotto: 'sopra', sopra: 'sotto' }[dove];
    assert.match(altra, new RegExp(`minore di quella ${opposto}`), v);
  }
  // The pictures read left to right and top to bottom.
  const alt = await p.locator('#ritb1 img').evaluateAll((im) => im.map((x) => [x.getAttribute('src'), x.alt]));
  assert.equal(alt.length, s.vincoli.length);
  for (const [src, testoAlt] of alt) {
    assert.equal(testoAlt, /F[DB]\.bmp$/.test(src) ? 'maggiore di' : 'minore di', src);
  }
  // A digit and notes show in the name.
  const a = vuote[0];
  await p.click(`#LL${a}`);
  await p.keyboard.press('a');
  await p.keyboard.press('3');
  await p.keyboard.press('5');
  assert.match(await p.locator(`#LL${a}`).getAttribute('aria-label'), /: vuota, appunti 3 5/);
  await p.keyboard.press('a');
  await p.keyboard.press('4');
  assert.match(await p.locator(`#LL${a}`).getAttribute('aria-label'), /: 4(;|$)/);
});

test('con la sola tastiera: Tab entra nella griglia e le frecce la percorrono', async () => {
  await apri();
  let passi = 0;
  while (!/^LL\d+$/.test((await attivo()) || '') && passi++ < 30) await p.keyboard.press('Tab');
  const primo = await attivo();
  assert.equal(primo, `LL${vuote[0]}`, 'la prima casella vuota riceve il fuoco');
  await p.keyboard.press('ArrowDown');
  assert.equal(await attivo(), `LL${vuote[0] + 9}`);
  await p.keyboard.press('ArrowRight');
  assert.equal(await attivo(), `LL${vuote[0] + 10}`);
  assert.equal(await p.locator(`#LL${vuote[0] + 10}`).getAttribute('aria-selected'), 'true');
  // Only one cell is in the tab order.
  assert.equal(await p.locator('#ritb1 [tabindex="0"]').count(), 1);
});

test('la domanda di conferma tiene il fuoco finché non si risponde', async () => {
  await apri();
  await p.focus('#bDaCapo');
  await p.keyboard.press('Enter');
  await p.waitForSelector('#velo:not([hidden])');
  assert.equal(await p.locator('[role="dialog"][aria-modal="true"]').count(), 1);
  const visti = new Set();
  for (let k = 0; k < 6; k++) {
    visti.add(await attivo());
    await p.keyboard.press(k % 2 ? 'Shift+Tab' : 'Tab');
  }
  for (let k = 0; k < 3; k++) {
    await p.keyboard.press('Tab');
    visti.add(await attivo());
  }
  assert.deepEqual([...visti].sort(), ['dNo', 'dSi']);
  // The page behind does not take clicks or focus.
  assert.equal(await p.evaluate(() => document.querySelector('main').inert), true);
  await p.keyboard.press('Escape');
  assert.ok(await p.locator('#velo').isHidden());
  assert.equal(await attivo(), 'bDaCapo', 'il fuoco torna al pulsante');
});

test('il tasto A alterna gli appunti; un numero scritto sparisce dagli appunti di riga e colonna', async () => {
  await apri();
  // Three empty cells: a and b in one row, c in the column of a, d elsewhere.
  const a = vuote.find((i) => vuote.includes(i + 1) && vuote.some((j) => j % 9 === i % 9 && j !== i) &&
    vuote.some((j) => j % 9 !== i % 9 && Math.floor(j / 9) !== Math.floor(i / 9)));
  const b = a + 1;
  const c = vuote.find((j) => j % 9 === a % 9 && j !== a);
  const d = vuote.find((j) => j % 9 !== a % 9 && j % 9 !== b % 9 && Math.floor(j / 9) !== Math.floor(a / 9));
  for (const i of [a, c, d]) {
    await p.click(`#LL${i}`);
    await p.keyboard.press('a');
    await p.keyboard.press('6');
    await p.keyboard.press('7');
    await p.keyboard.press('a');
    await p.keyboard.press('Escape');
  }
  assert.equal(await p.locator('#bAppunti').getAttribute('aria-pressed'), 'false');
  assert.deepEqual([await note(a), await note(c), await note(d)], ['67', '67', '67']);
  await p.click(`#LL${b}`);
  await p.keyboard.press('7');
  assert.deepEqual([await note(a), await note(c), await note(d)], ['6', '67', '67'], 'solo la riga di b');
  await p.click(`#LL${a}`);
  await p.keyboard.press('6');
  assert.equal(await note(c), '7', 'la colonna di a');
  assert.equal(await note(d), '67');
  // Undo brings the notes back with the digit.
  await p.keyboard.press('Control+z');
  assert.deepEqual([await note(a), await note(c)], ['6', '67']);
  await p.keyboard.press('Control+z');
  assert.equal(await note(a), '67');
  await p.keyboard.press('Control+y');
  assert.equal(await note(a), '6');
  // The panel's button does what the key does.
  await p.click('#bAppunti');
  assert.equal(await p.locator('#bAppunti').getAttribute('aria-pressed'), 'true');
  await p.click(`#LL${d}`);
  await p.keyboard.press('1');
  assert.equal(await note(d), '167');
  assert.deepEqual(browser.errori, []);
});

test('il numero della casella scelta si vede anche nelle altre caselle', async () => {
  await apri();
  const dato = s.dati.search(/[1-9]/);
  const cifra = s.dati[dato];
  await p.click(`#LL${dato}`);
  const uguali = await p.locator('#ritb1 td.uguale').evaluateAll((x) => x.map((td) => td.id).sort());
  const attese = [...s.dati].map((d, i) => (d === cifra && i !== dato ? `LL${i}` : '')).filter((x) => x).sort();
  assert.deepEqual(uguali, attese);
  // A digit the player writes joins them; an empty cell picks out nothing.
  const a = vuote.find((i) => s.soluzione[i] === cifra);
  await p.click(`#LL${a}`);
  await p.click(`#tavolozza button[data-v="${cifra}"]`);
  await p.click(`#LL${dato}`);
  assert.ok((await p.locator(`#LL${a}`).getAttribute('class')).includes('uguale'));
  await p.click(`#LL${vuote.find((i) => i !== a)}`);
  assert.equal(await p.locator('#ritb1 td.uguale').count(), 0);
});
