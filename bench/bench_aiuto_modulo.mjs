// One hint in the WebAssembly module under node, on the 9 x 9 schemas of bench/schemi: from the
// givens, and with every third cell of the solution filled in (the positions of bench_aiuto).
// Run: node bench/bench_aiuto_modulo.mjs [build/bin]
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const qui = dirname(fileURLToPath(import.meta.url));
const bin = resolve(process.argv[2] || join(qui, '..', 'build', 'bin'));
const fabbrica = createRequire(import.meta.url)(join(bin, 'perwebsiteprove', 'kelvaro_aiuto.js'));

const caricamento = performance.now();
const m = await fabbrica();
console.log(`caricamento del modulo: ${(performance.now() - caricamento).toFixed(1)} ms`);

for (const parziale of [false, true]) {
  const richieste = readdirSync(join(qui, 'schemi'))
    .filter((f) => /^9[ekx]_\d\.txt$/.test(f))
    .map((f) => {
      const t = readFileSync(join(qui, 'schemi', f), 'latin1');
      const dati = /<SCHEMA>(\d*)</.exec(t)[1];
      const soluzione = /<SOLUTION>(\d*)</.exec(t)[1];
      const vincoli = (/<CO[N]?STRAINT>([^<]*)</.exec(t) || [, ''])[1].split('|').filter((x) => x.length === 4);
      const voci = parziale ? [...soluzione].map((d, i) => (i % 3 === 0 ? d : '0')).join('') : '';
      return `9|${dati}|${vincoli.join('')}|${voci}||3`;
    });
  const tempi = [];
  for (let giro = 0; giro < 50; giro++) {
    for (const r of richieste) {
      const t0 = performance.now();
      const risposta = m.ccall('kelvaro_aiuto', 'string', ['string'], [r]);
      tempi.push(performance.now() - t0);
      if (!/^passo: (U|R|C|MAG|MIN|MR|MC|SR|SC)\n/.test(risposta)) throw new Error(`nessun passo: ${risposta}`);
    }
  }
  tempi.sort((a, b) => a - b);
  const media = tempi.reduce((a, b) => a + b, 0) / tempi.length;
  console.log(
    `${parziale ? 'un terzo riempito' : 'dai dati'}: ${tempi.length} aiuti 9 x 9, media ${media.toFixed(3)} ms, ` +
      `mediana ${tempi[tempi.length >> 1].toFixed(3)} ms, massimo ${tempi.at(-1).toFixed(3)} ms`,
  );
}

// The hint walked from the givens to the end of each 9 x 9 schema of bench/unequal made by
// Unequal at Extreme (or of the files given after the folder), every technique on, as a page
// asks it: the time of every hint, and of those that needed the master tier.
{
  const nove = process.argv.slice(3);
  const file = nove.length
    ? nove
    : readdirSync(join(qui, 'unequal')).filter((f) => /^9x_\d+\.txt$/.test(f)).map((f) => join(qui, 'unequal', f));
  const tutti = [];
  const maestro = [];
  for (const f of file) {
    const t = readFileSync(f, 'latin1');
    const n = Number(/SIZE="(\d)"/.exec(t)[1]);
    const dati = /<SCHEMA>(\d*)</.exec(t)[1];
    const vincoli = (/<CO[N]?STRAINT>([^<]*)</.exec(t) || [, ''])[1].split('|').filter((x) => x.length === 4);
    const voci = [...dati];
    const note = Array(n * n).fill('');
    const indice = (rc) => (Number(rc[1]) - 1) * n + Number(rc[3]) - 1;
    for (let passi = 0; ; passi++) {
      if (passi > 3000) throw new Error(`${f}: non finisce`);
      const r = `${n}|${dati}|${vincoli.join('')}|${voci.join('')}|${note.map((x, i) => (voci[i] !== '0' ? '' : x)).join(',')}|7`;
      const t0 = performance.now();
      const risposta = m.ccall('kelvaro_aiuto', 'string', ['string'], [r]);
      const ms = performance.now() - t0;
      const passo = /^passo: (\S+)/.exec(risposta)[1];
      if (passo === 'nessuno' && /^motivo: Schema completo$/m.test(risposta)) break;
      if (!/^(U|R|C|E1|ER|EC|MAG|MIN|MR|MC|SR|SC|NR|NC|CS|CF)$/.test(passo)) throw new Error(`${f}: ${risposta}`);
      tutti.push(ms);
      if (/^(NR|NC|CS|CF)$/.test(passo)) maestro.push(ms);
      const decise = /^decise: (.*)$/m.exec(risposta);
      if (decise) {
        const v = /^valore: (\d)$/m.exec(risposta)[1];
        for (const rc of decise[1].split(/[ ,e]+/).filter((x) => /^R\dC\d$/.test(x))) {
          voci[indice(rc)] = v;
          note[indice(rc)] = '';
        }
      }
      const restano = /^restano: (.*)$/m.exec(risposta);
      if (restano) for (const x of restano[1].trim().split(' ')) note[indice(x)] = x.slice(5);
    }
  }
  for (const [nome, tempi] of [['ogni aiuto', tutti], ['aiuti del livello maestro', maestro]]) {
    tempi.sort((a, b) => a - b);
    const media = tempi.reduce((a, b) => a + b, 0) / tempi.length;
    console.log(
      `${nome} (${file.length} schemi Extreme 9 x 9, dai dati alla fine): ${tempi.length} aiuti, media ` +
        `${media.toFixed(3)} ms, mediana ${tempi[tempi.length >> 1].toFixed(3)} ms, massimo ${tempi.at(-1).toFixed(3)} ms`,
    );
  }
}
