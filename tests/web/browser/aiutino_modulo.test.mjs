// The hint's WebAssembly module in node: it answers the table of positions as written by hand,
// and on every bench schema it answers exactly as kelvaro-cli aiuto (the native core) does,
// from the givens and from a partly filled grid.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { SORGENTI } from './sito.mjs';

const BIN = process.env.KELVARO_BIN || join(SORGENTI, 'build', 'bin');
const MODULO = join(BIN, 'perwebsiteprove', 'kelvaro_aiuto.js');
const CLI = join(BIN, 'kelvaro-cli');
const SCHEMI = join(SORGENTI, 'bench', 'schemi');
// CTest sets KELVARO_AIUTO_ATTESO when emcc is there: then a missing module is a failure.
const manca = !existsSync(MODULO) && process.env.KELVARO_AIUTO_ATTESO !== '1' && `modulo non costruito: ${MODULO}`;

let aiuto;
let regole;
let soluzione;
before(async () => {
  if (manca) return;
  const fabbrica = createRequire(import.meta.url)(MODULO);
  const m = await fabbrica();
  aiuto = (richiesta) => m.ccall('kelvaro_aiuto', 'string', ['string'], [richiesta]);
  regole = (richiesta) => m.ccall('kelvaro_regole', 'string', ['string'], [richiesta]);
  soluzione = (richiesta) => m.ccall('kelvaro_soluzione', 'string', ['string'], [richiesta]);
});

function casi() {
  const righe = readFileSync(join(SORGENTI, 'tests', 'fixtures', 'aiutino', 'posizioni.txt'), 'utf8').split('\n');
  const fuori = [];
  for (const riga of righe) {
    if (riga.startsWith('caso: ')) fuori.push({ nome: riga.slice(6), richiesta: '', atteso: '' });
    else if (riga.startsWith('richiesta: ')) fuori.at(-1).richiesta = riga.slice(11);
    else if (riga && riga !== 'fine' && !riga.startsWith('#') && fuori.length) fuori.at(-1).atteso += riga + '\n';
  }
  return fuori;
}

function leggi(file) {
  const t = readFileSync(file, 'latin1');
  const n = Number(/SIZE=["']?(\d)/.exec(t)[1]);
  const dati = /<SCHEMA>(\d*)</.exec(t)[1];
  const soluzione = /<SOLUTION>(\d*)</.exec(t)[1];
  const vincoli = (/<CO[N]?STRAINT>([^<]*)</.exec(t) || [, ''])[1].split('|').filter((x) => x.length === 4);
  return { n, dati, soluzione, vincoli };
}

function cli(file, griglia) {
  const argomenti = ['aiuto', file, ...(griglia ? ['--griglia', griglia] : [])];
  try {
    return execFileSync(CLI, argomenti, { encoding: 'latin1' });
  } catch (e) {
    if (e.status === 1) return e.stdout;
    throw e;
  }
}

test('il modulo risponde alla tabella delle posizioni', { skip: manca }, () => {
  const tutti = casi();
  assert.ok(tutti.length >= 18);
  for (const c of tutti) assert.equal(aiuto(c.richiesta), c.atteso, c.nome);
});

test('il modulo e kelvaro-cli aiuto danno lo stesso passo sugli schemi di prova', { skip: manca }, () => {
  const tempi = [];
  for (const nome of readdirSync(SCHEMI).filter((f) => f.endsWith('.txt')).sort()) {
    const file = join(SCHEMI, nome);
    const s = leggi(file);
    // Every third cell of the solution filled in, and one digit changed into a wrong one.
    const parziale = [...s.soluzione].map((d, i) => (s.dati[i] !== '0' || i % 3 === 0 ? d : '0')).join('');
    const k = [...s.dati].findIndex((d, i) => d === '0' && i % 3 !== 0);
    const sbagliata = parziale.slice(0, k) + String((Number(s.soluzione[k]) % s.n) + 1) + parziale.slice(k + 1);
    for (const griglia of [null, parziale, sbagliata]) {
      const richiesta = `${s.n}|${s.dati}|${s.vincoli.join('')}|${griglia || ''}||3`;
      const inizio = performance.now();
      const dalModulo = aiuto(richiesta);
      if (s.n === 9) tempi.push(performance.now() - inizio);
      assert.equal(dalModulo, cli(file, griglia), `${nome} ${griglia || 'dati'}`);
    }
  }
  const media = tempi.reduce((a, b) => a + b, 0) / tempi.length;
  console.log(`modulo: ${tempi.length} aiuti 9 x 9, in media ${media.toFixed(2)} ms, al massimo ${Math.max(...tempi).toFixed(2)} ms`);
});

// The rules and the solution the pages ask of the same module: the cells of a broken rule with
// why, the solved grid, the palette's digits, and the exact counter's one solution.
test('il modulo dà alle pagine le regole e la soluzione', { skip: manca }, () => {
  const q = '4|0000300000000020|1211344433341424';
  assert.equal(regole(`${q}|0000030000000000`), 'sbagliate: R2C1 R2C2\nviolazione: Due 3 nella riga 2\nrisolta: no\n');
  assert.equal(regole(`${q}|1234341221434321`), 'risolta: si\n');
  assert.equal(regole(`${q}|0200000000000000|0`), 'risolta: no\nammesse: R1C1:1\n');
  assert.equal(regole('4|123'), 'errore: Richiesta non valida\n');
  assert.equal(soluzione(q), 'soluzione: 1234341221434321\n');
  assert.equal(soluzione('4|0000000000000000|'), 'soluzioni: 2+\n');
  assert.equal(soluzione('4|1100000000000000|'), 'soluzioni: 0\n');
  // Every bench schema has one solution: the counter's is the file's.
  for (const nome of readdirSync(SCHEMI).filter((f) => f.endsWith('.txt')).sort()) {
    const s = leggi(join(SCHEMI, nome));
    assert.equal(soluzione(`${s.n}|${s.dati}|${s.vincoli.join('')}`), `soluzione: ${s.soluzione}\n`, nome);
    assert.equal(regole(`${s.n}|${s.dati}|${s.vincoli.join('')}|${s.soluzione}`), 'risolta: si\n', nome);
  }
});

// The module travels packed inside the script. A browser that cannot unpack it gets a refused
// promise (the page then says the hint is not available), never one left waiting; and the
// script stays within what a 9 x 9 page can afford to load.
test('il modulo senza DecompressionStream rifiuta la promessa', { skip: manca }, async () => {
  const fabbrica = createRequire(import.meta.url)(MODULO);
  const originale = globalThis.DecompressionStream;
  delete globalThis.DecompressionStream;
  try {
    const attesa = new Promise((_, no) => setTimeout(() => no(new Error('promessa mai chiusa')), 5000));
    await assert.rejects(Promise.race([fabbrica(), attesa]), (e) => e.message !== 'promessa mai chiusa');
  } finally {
    globalThis.DecompressionStream = originale;
  }
  assert.ok(readFileSync(MODULO).length < 100 * 1024, 'kelvaro_aiuto.js oltre 100 KB');
});
