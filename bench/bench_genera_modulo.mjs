// "Nuovo schema" in the WebAssembly module under node: kelvaro_genera for every size and
// difficulty the page offers, from 20 seeds each, with the code's check the page gets with it.
// Run: node bench/bench_genera_modulo.mjs [build/bin]
import { createRequire } from 'node:module';
import { join, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const qui = dirname(fileURLToPath(import.meta.url));
const bin = resolve(process.argv[2] || join(qui, '..', 'build', 'bin'));
const fabbrica = createRequire(import.meta.url)(join(bin, 'perwebsiteprove', 'kelvaro_aiuto.js'));
const m = await fabbrica();

const SEMI = 20;
for (const livello of ['Facile', 'Medio', 'Difficile', 'Esperto']) {
  for (let n = livello === 'Facile' || livello === 'Medio' ? 4 : 5; n <= 9; n++) {
    const tempi = [];
    let mancati = 0;
    for (let seme = 1; seme <= SEMI; seme++) {
      const t0 = performance.now();
      const r = m.ccall('kelvaro_genera', 'string', ['string'], [`${n}|${livello}|${seme * 7919}`]);
      tempi.push(performance.now() - t0);
      if (!/^schema: /.test(r)) mancati++;
    }
    tempi.sort((a, b) => a - b);
    const media = tempi.reduce((a, b) => a + b, 0) / tempi.length;
    console.log(`${n}x${n} ${livello.padEnd(9)} media ${media.toFixed(1)} ms, mediana ${tempi[SEMI >> 1].toFixed(1)} ms, ` +
      `massimo ${tempi[SEMI - 1].toFixed(1)} ms${mancati ? `, senza schema ${mancati}` : ''}`);
  }
}
