// Shared helpers of the browser tests: publish a fresh copy of the program directory
// and drive Debian's chromium through playwright-core.
import { cpSync, mkdirSync, mkdtempSync, rmSync, existsSync, readFileSync, writeFileSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { tmpdir } from 'node:os';
import { join, dirname, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';
import { chromium } from 'playwright-core';

const qui = dirname(fileURLToPath(import.meta.url));
export const SORGENTI = resolve(qui, '..', '..', '..');

export const NOMI = [
  'rinominaBottone', 'mostra', 'nascondi', 'undomosse', 'colora', 'modosetta', 'setta', 'recuperafoto',
  'salvafoto', 'stato', 'ifoto', 'foto', 'imosse', 'calcolasoluzione', 'coloricelle', 'celle', 'tasti',
  'stadio', 'nome', 'nomb', 'solution', 'chiediConferma', 'ancora', 'somma', 'storna', 'testo', 'clicm',
  'geid', 'valoreprec', 'salvaval', 'aggiornalista', 'valoreatt', 'inizializzaschema', 'caricaschema',
  'sxettadvmos', 'cxaricadvmos', 'eseguimxossa', 'cellascelta', 'posizioneTD', 'posizione', 'getPosX',
  'getPosY', 'divhelp', 'pitturalog', 'nuovolog', 'chiudilog', 'visualizzalog', 'visualizzadettlog',
  'inizializzavislog',
];
const NUMERI = [1, 2, 3, 4, 5, 6, 7, 8, 18, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27,
  28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49];
// Short code of a name: "a" and its number in base 2 on six digits (posizioneTD 39 -> a100111).
export function codice(nome) {
  return 'a' + NUMERI[NOMI.indexOf(nome)].toString(2).padStart(6, '0');
}

// A schema file of resources/schemixwebsite, read independently of the program.
export function leggiSchema(file) {
  const t = readFileSync(join(SORGENTI, 'resources', 'schemixwebsite', file), 'latin1');
  const n = Number(/SIZE=["']?(\d)/.exec(t)[1]);
  const dati = /<SCHEMA>(\d*)</.exec(t)[1];
  const soluzione = /<SOLUTION>(\d*)</.exec(t)[1];
  const vincoli = (/<CO[N]?STRAINT>([^<]*)</.exec(t) || [, ''])[1].split('|').filter((x) => x.length === 4);
  return { n, dati, soluzione, vincoli };
}

// Publishes the sample site from a private copy of the program directory.
// KELVARO_SITO_MANO=1 builds it with the hand-made builder instead (page script work
// without a build); the tests themselves always run against kelvaro-cli.
// `altri` adds schema files (name -> content) to the copy's schemixwebsite/ before publishing.
export function pubblica(altri = {}) {
  const cartella = mkdtempSync(join(tmpdir(), 'kelvaro-sito-'));
  if (process.env.KELVARO_SITO_MANO !== '1') {
    const bin = process.env.KELVARO_BIN || join(SORGENTI, 'build', 'bin');
    if (!existsSync(join(bin, 'kelvaro-cli'))) {
      throw new Error(`kelvaro-cli non trovato in ${bin}: impostare KELVARO_BIN`);
    }
    cpSync(bin, cartella, { recursive: true });
    for (const [nome, testo] of Object.entries(altri)) {
      writeFileSync(join(cartella, 'schemixwebsite', nome), testo);
    }
    mkdirSync(join(cartella, 'perwebsiteprove'), { recursive: true });
    mkdirSync(join(cartella, 'perwebsite'), { recursive: true });
  }
  ripubblica(cartella);
  return {
    cartella,
    prove: join(cartella, 'perwebsiteprove'),
    principale: join(cartella, 'perwebsite'),
    url: (...parti) => pathToFileURL(join(cartella, ...parti)).href,
    pulisci: () => rmSync(cartella, { recursive: true, force: true }),
  };
}

// Publishes (again) the copy in cartella, from whatever its schemixwebsite/ now holds.
export function ripubblica(cartella) {
  if (process.env.KELVARO_SITO_MANO === '1') {
    execFileSync(process.execPath, [join(qui, '..', 'strumenti', 'monta_sito.mjs'), cartella]);
    return;
  }
  // --stringi compacts the page script from the copy's own template, so the site never
  // mixes pages with a script left over from an older build.
  execFileSync(join(cartella, 'kelvaro-cli'), ['pubblica', '--cartella', cartella, '--principale', '--stringi'], {
    stdio: ['ignore', 'pipe', 'pipe'],
    timeout: 120000,
  });
}

const AXE = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// axe-core's serious and critical findings on the page as it is now, one line each.
export async function violazioniGravi(p) {
  await p.addScriptTag({ content: AXE });
  const esito = await p.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return esito.violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id} (${v.impact}): ${v.nodes.slice(0, 4).map((n) => n.target.join(' ')).join(', ')}`);
}

// A chromium with its own fresh profile: localStorage lives as long as the context.
export async function apriBrowser() {
  const profilo = mkdtempSync(join(tmpdir(), 'kelvaro-chromium-'));
  const contesto = await chromium.launchPersistentContext(profilo, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    viewport: { width: 1200, height: 860 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run'],
  });
  const errori = [];
  contesto.on('page', (p) => sorveglia(p, errori));
  for (const p of contesto.pages()) sorveglia(p, errori);
  return {
    contesto,
    errori,
    pagina: async () => contesto.pages()[0] || contesto.newPage(),
    chiudi: async () => {
      await contesto.close();
      rmSync(profilo, { recursive: true, force: true });
    },
  };
}

function sorveglia(p, errori) {
  p.on('pageerror', (e) => errori.push(`${p.url()}: ${e.message}`));
  p.on('console', (m) => {
    if (m.type() === 'error') errori.push(`${p.url()}: ${m.text()}`);
  });
}

// The published sample site and a page of a fresh browser on it, for a whole test file:
//   before(async () => ({ sito, browser, p } = await apriSito()));
//   after(() => chiudiSito({ sito, browser }));
export async function apriSito(altri) {
  const sito = pubblica(altri);
  const browser = await apriBrowser();
  return { sito, browser, p: await browser.pagina() };
}

export async function chiudiSito({ sito, browser }) {
  await browser?.chiudi();
  sito?.pulisci();
}

// Positions (row-major, from 0) of a schema's empty cells.
export function celleVuote(s) {
  return [...s.dati].map((d, i) => (d === '0' ? i : -1)).filter((i) => i >= 0);
}

export function paginaSchema(file) {
  return 'Futoshiki_' + file.replace(/\.txt$/i, '.html');
}
