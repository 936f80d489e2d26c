// The site's icon: every published page names it, it is shipped beside the pages, and a page
// served over http asks for nothing that is not there (no /favicon.ico left to guess).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { existsSync, readFileSync, statSync } from 'node:fs';
import { join, normalize, extname } from 'node:path';
import { apriSito, chiudiSito, paginaSchema } from './sito.mjs';

const TIPI = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.svg': 'image/svg+xml',
  '.bmp': 'image/bmp',
  '.wasm': 'application/wasm',
};

let sito;
let browser;
let p;
let server;
let base;
const richieste = []; // [path, status]

before(async () => {
  ({ sito, browser, p } = await apriSito());
  server = createServer((req, res) => {
    const nome = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^\/+/, '');
    const file = join(sito.cartella, nome);
    const ok = nome && !nome.startsWith('..') && existsSync(file) && statSync(file).isFile();
    richieste.push([`/${nome}`, ok ? 200 : 404]);
    if (!ok) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TIPI[extname(nome)] || 'application/octet-stream' });
    res.end(readFileSync(file));
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  base = `http://127.0.0.1:${server.address().port}`;
});
after(async () => {
  server?.close();
  await chiudiSito({ sito, browser });
});

const PAGINE = [
  ['la pagina di uno schema', () => `perwebsiteprove/${paginaSchema('1_Quattro_Facile.txt')}`],
  ["l'indice", () => 'perwebsiteprove/futoshiki_090101.html'],
  ['la pagina principale', () => 'perwebsite/Futoshiki.html'],
];

for (const [nome, indirizzo] of PAGINE) {
  test(`${nome} ha la sua icona e nessuna richiesta senza risposta`, async () => {
    richieste.length = 0;
    await p.goto(`${base}/${indirizzo()}`, { waitUntil: 'load' });
    const icona = await p.evaluate(async () => {
      const link = document.querySelector('link[rel="icon"]');
      if (!link) return null;
      const r = await fetch(link.href);
      const img = new Image();
      img.src = link.href;
      await img.decode().catch(() => {});
      return { href: link.getAttribute('href'), stato: r.status, tipo: r.headers.get('content-type'), larghezza: img.naturalWidth };
    });
    assert.ok(icona, 'manca <link rel="icon">');
    assert.equal(icona.href, 'assets/favicon.svg');
    assert.equal(icona.stato, 200);
    assert.equal(icona.tipo, 'image/svg+xml');
    assert.ok(icona.larghezza > 0, "l'icona non si disegna");
    await p.waitForTimeout(300);
    const mancanti = richieste.filter(([, stato]) => stato === 404).map(([r]) => r);
    assert.deepEqual(mancanti, []);
  });
}
