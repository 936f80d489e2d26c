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
