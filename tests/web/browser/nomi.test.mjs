// The published files against the publisher's name compaction: the templates may use the
// 49 script names only as whole identifiers, and nothing readable may come out coded.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import vm from 'node:vm';
import { NOMI, SORGENTI, codice, pubblica } from './sito.mjs';

const TEMPLATE = join(SORGENTI, 'resources', 'template');
const CODICE = /a[01]{6}/;
let sito;

before(() => {
  sito = pubblica();
});
after(() => sito?.pulisci());

test('i modelli usano i nomi compattati solo come identificatori interi', () => {
  for (const file of readdirSync(TEMPLATE)) {
    const righe = readFileSync(join(TEMPLATE, file), 'utf8').split(/\r?\n/);
    righe.forEach((riga, i) => {
      if (file.endsWith('.js') && riga.trimStart().startsWith('//')) return;
      for (const nome of NOMI) {
        let p = riga.indexOf(nome);
        while (p >= 0) {
          let a = p;
          let b = p + nome.length;
          while (a > 0 && /[\w$]/.test(riga[a - 1])) a--;
          while (b < riga.length && /[\w$]/.test(riga[b])) b++;
          const parola = riga.slice(a, b);
          assert.ok(NOMI.includes(parola), `${file}:${i + 1}: "${parola}" contiene "${nome}"`);
          p = riga.indexOf(nome, p + 1);
        }
      }
    });
  }
});

test('lo script si compatta senza danni: niente tabulazioni, niente commenti in coda', () => {
  const righe = readFileSync(join(TEMPLATE, 'schemaFutoshiki.js'), 'utf8').split(/\r?\n/);
  righe.forEach((riga, i) => {
    assert.ok(!riga.includes('\t'), `schemaFutoshiki.js:${i + 1}: tabulazione`);
    if (!riga.trim().startsWith('//')) {
      assert.ok(!riga.includes('//'), `schemaFutoshiki.js:${i + 1}: "//" in una riga di codice`);
    }
  });
});

test('nei file pubblicati non resta nessun nome leggibile e i codici coincidono', () => {
  const js = readFileSync(join(sito.prove, 'schemaFutoshiki.js'), 'utf8');
  const pagine = readdirSync(sito.prove).filter((f) => /^Futoshiki_.*\.html$/.test(f));
  assert.ok(pagine.length >= 7, `pagine pubblicate: ${pagine}`);
  const tutti = [
    ['schemaFutoshiki.js', js],
    ['futoshiki_090101.html', readFileSync(join(sito.prove, 'futoshiki_090101.html'), 'utf8')],
    ['Futoshiki.html', readFileSync(join(sito.principale, 'Futoshiki.html'), 'utf8')],
    ...pagine.map((f) => [f, readFileSync(join(sito.prove, f), 'utf8')]),
  ];
  for (const [file, testoFile] of tutti) {
    for (const nome of NOMI) assert.ok(!testoFile.includes(nome), `${file} contiene ancora "${nome}"`);
  }
  // The page calls the handler and reads the data under the same codes the script defines.
  assert.match(js, new RegExp(`function ${codice('posizioneTD')}\\(`));
  assert.match(js, new RegExp(`function ${codice('inizializzaschema')}\\(`));
  assert.ok(js.includes(codice('solution')));
  const pagina = readFileSync(join(sito.prove, pagine[0]), 'utf8');
  assert.ok(pagina.includes(`${codice('posizioneTD')}(this)`));
  assert.ok(pagina.includes(`var ${codice('solution')};`));
  assert.ok(pagina.includes(`var ${codice('geid')}=`));
});

test('lo script compattato e gli script delle pagine sono JavaScript valido', () => {
  const js = readFileSync(join(sito.prove, 'schemaFutoshiki.js'), 'utf8');
  assert.ok(!/^\/\//m.test(js), 'le righe di commento vanno tolte');
  assert.doesNotThrow(() => new vm.Script(js));
  const file = [
    join(sito.prove, 'futoshiki_090101.html'),
    join(sito.principale, 'Futoshiki.html'),
    ...readdirSync(sito.prove).filter((f) => /^Futoshiki_.*\.html$/.test(f)).map((f) => join(sito.prove, f)),
  ];
  for (const f of file) {
    const html = readFileSync(f, 'utf8');
    for (const m of html.matchAll(/<script[^>]*>([\s\S]*?)<\/script>/g)) {
      assert.doesNotThrow(() => new vm.Script(m[1]), `${f}: ${m[1].slice(0, 80)}`);
    }
  }
});

test('i testi visibili e i nomi di stile non escono codificati', () => {
  for (const f of readdirSync(sito.prove).filter((x) => x.endsWith('.html'))) {
    const html = readFileSync(join(sito.prove, f), 'utf8');
    const senzaScript = html.replace(/<script[^>]*>[\s\S]*?<\/script>/g, '');
    const visibile = senzaScript.replace(/<style[^>]*>[\s\S]*?<\/style>/g, '').replace(/<[^>]*>/g, ' ');
    assert.ok(!CODICE.test(visibile), `${f}: testo visibile con un codice: ${visibile.match(CODICE)}`);
    const stile = (senzaScript.match(/<style[^>]*>([\s\S]*?)<\/style>/) || ['', ''])[1];
    assert.ok(!CODICE.test(stile), `${f}: foglio di stile con un codice`);
    for (const m of senzaScript.matchAll(/class=["']([^"']*)["']/g)) {
      assert.ok(!CODICE.test(m[1]), `${f}: classe ${m[1]}`);
    }
  }
});
