#!/usr/bin/env node
// Builds a test site by hand from resources/, following the publisher's file formats
// (page fragment, template filling with the 49 short codes, index rows, main page slots).
// The solving history is made up: one step per cell of the solution, in row order.
// Only a development aid for the page script; the browser tests publish with kelvaro-cli.
// Usage: node strumenti/monta_sito.mjs DESTINATION
import { readFileSync, writeFileSync, mkdirSync, readdirSync, cpSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const radice = join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..');
const risorse = join(radice, 'resources');
const dest = process.argv[2];
const prove = join(dest, 'perwebsiteprove');
mkdirSync(prove, { recursive: true });
mkdirSync(join(dest, 'perwebsite'), { recursive: true });
cpSync(join(risorse, 'assets'), join(prove, 'assets'), { recursive: true });
cpSync(join(risorse, 'assets'), join(dest, 'perwebsite', 'assets'), { recursive: true });

const TABELLA = 'rinominaBottone 01, mostra 02, nascondi 03, undomosse 04, colora 05, modosetta 06, setta 07, recuperafoto 08, salvafoto 18, stato 09, ifoto 10, foto 11, imosse 12, calcolasoluzione 13, coloricelle 14, celle 15, tasti 16, stadio 17, nome 19, nomb 20, solution 21, chiediConferma 22, ancora 23, somma 24, storna 25, testo 26, clicm 27, geid 28, valoreprec 29, salvaval 30, aggiornalista 31, valoreatt 32, inizializzaschema 33, caricaschema 34, sxettadvmos 35, cxaricadvmos 36, eseguimxossa 37, cellascelta 38, posizioneTD 39, posizione 40, getPosX 41, getPosY 42, divhelp 43, pitturalog 44, nuovolog 45, chiudilog 46, visualizzalog 47, visualizzadettlog 48, inizializzavislog 49'
  .split(', ').map((s) => { const [n, c] = s.split(' '); return [n, 'a' + Number(c).toString(2).padStart(6, '0')]; });
const DATA = '01 Gennaio 2009';

function leggi(file) {
  const t = readFileSync(file, 'latin1');
  const n = Number(/SIZE=["']?(\d)/.exec(t)[1]);
  const schema = /<SCHEMA>(\d*)</.exec(t)[1];
  const sol = /<SOLUTION>(\d*)</.exec(t)[1];
  const v = (/<CO[N]?STRAINT>([^<]*)</.exec(t) || [, ''])[1].split('|').filter((x) => x.length === 4);
  return { n, schema, sol, vincoli: v };
}

function frammento({ n, schema, sol, vincoli }) {
  // sign of the gap: key "r,c,d" (d = 'R' right neighbour, 'G' lower neighbour)
  const segni = {};
  for (const v of vincoli) {
    const [r1, c1, r2, c2] = v.split('').map(Number);
    if (r1 === r2) segni[`${r1},${Math.min(c1, c2)},R`] = c1 < c2 ? 'FD' : 'FS';
    else segni[`${Math.min(r1, r2)},${c1},G`] = r1 < r2 ? 'FB' : 'FA';
  }
  const storia = [''];
  let st = schema.split('').map((x) => (x === '0' ? ' ' : x));
  storia.push(st.join(''));
  const cambi = [''];
  cambi.push('');
  for (let i = 0; i < n * n; i++) {
    if (st[i] !== ' ') continue;
    st[i] = sol[i];
    storia.push(st.join(''));
    cambi.push(`${Math.floor(i / n) + 1}${(i % n) + 1}`);
  }
  const mls = storia.length - 1;
  const cont = { PP: 0, PL: 0, LP: 0, LL: 0 };
  const righe = [];
  const dim = 2 * n + 1;
  for (let i = 0; i < dim; i++) for (let j = 0; j < dim; j++) cont[(i % 2 ? 'L' : 'P') + (j % 2 ? 'L' : 'P')]++;
  righe.push(`<script lang='javascript'>var solution;solution='${sol}';var schema;schema='${schema}';var sizesc;sizesc='${n}';var mpl;mpl=${cont.PL};var mll;mll=${cont.LL};var mlp;mlp=${cont.LP};var mpp;mpp=${cont.PP};`);
  righe.push(` var tbls = new Array(); var tblv = new Array(); var tblr = new Array(); var mls=${mls}; var imls=0;`);
  for (let k = 0; k <= mls; k++) {
    righe.push(`tbls[${k}]='${storia[k]}';`, `tblv[${k}]='${cambi[k]}';`, `tblr[${k}]='';`);
  }
  righe.push('</script>');
  righe.push(`<table id='ritb1' align='center'  border='0'  cellpadding='0' cellspacing='0' class='laterale' height='${60 * n + 50}' width='${60 * n + 50}'>`);
  const num = { PP: 0, PL: 0, LP: 0, LL: 0 };
  const img = (x) => `<img src='assets/img/${x}.bmp'   alt=''>`;
  for (let i = 0; i < dim; i++) {
    righe.push(`<tr id='ritd${i + 1}'>`);
    for (let j = 0; j < dim; j++) {
      const k = (i % 2 ? 'L' : 'P') + (j % 2 ? 'L' : 'P');
      const id = k + num[k]++;
      const r = (i + 1) / 2, c = (j + 1) / 2;
      if (k === 'LL') {
        const g = schema[num.LL - 1];
        righe.push(g === '0' ? `<td id='${id}' onmouseup="javascript:posizioneTD(this)"></td>` : `<td id='${id}' >  ${g}</TD>`);
      } else if (k === 'LP') {
        const s = segni[`${r},${j / 2},R`];
        righe.push(`<td id='${id}' >  ${s ? img(s) : ''}</TD>`);
      } else if (k === 'PL') {
        const s = segni[`${i / 2},${c},G`];
        righe.push(`<td id='${id}' >  ${s ? img(s) : ''}</TD>`);
      } else righe.push(`<td id='${id}' >  </TD>`);
    }
    righe.push('</tr>');
  }
  righe.push('</table>');
  return righe.map((r) => r.trim() + '\r\n').join('');
}

function stringi(modello, perRighe, titolo, id, tmp) {
  const out = [];
  let unica = '';
  for (let riga of readFileSync(join(risorse, 'template', modello), 'utf8').split(/\r?\n/)) {
    riga = riga.replace(/^ +| +$/g, '');
    if (riga === '<SCHEMA>' || riga === '|SCHEMA|') riga = tmp;
    riga = riga.replaceAll('|TITOLO|', titolo).replaceAll('<TITOLO>', titolo).replaceAll('<IDSCHEMA>', id);
    riga = riga.replaceAll('|DATA|', DATA).replaceAll('<DATA>', DATA);
    for (const [n, c] of TABELLA) riga = riga.replaceAll(n, c);
    if (perRighe) {
      if (riga.startsWith('//')) continue;
      riga = riga.replaceAll('\t', '').replace(/^ +| +$/g, '');
      if (riga) out.push(riga + '\r\n');
    } else unica += riga + ' ';
  }
  return perRighe ? out.join('') : unica + '\r\n';
}

const files = readdirSync(join(risorse, 'schemixwebsite')).filter((f) => /\.txt$/i.test(f));
const indice = [];
files.forEach((f, i) => {
  const s = leggi(join(risorse, 'schemixwebsite', f));
  // made-up levels, enough to see the three groups
  const L = [0, 101, 210, 311, 0, 513, 0][i % 7];
  const titolo = `Futoshiki ${s.n}x${s.n} Livello ${L}`;
  const id = (L === 0 ? 'F_' : L < 300 ? 'M_' : 'D_') + '090101_' + String(i + 1).padStart(2, '0');
  const pagina = 'Futoshiki_' + f.replaceAll('.TXT', '.txt').replaceAll('.txt', '.html');
  writeFileSync(join(prove, pagina), stringi('schema.html', false, titolo, id, frammento(s)));
  const leggibile = f.replace(/\.(txt|xml)$/i, '').replace(/[_ ]+/g, ' ').trim();
  indice.push(String(L).padStart(6, '0') + titolo.slice(10) + '|' + pagina + '|' + leggibile);
});
indice.sort();
const righeIndice = [];
for (let riga of readFileSync(join(risorse, 'template', 'indice.html'), 'utf8').split(/\r?\n/)) {
  riga = riga.trim().replaceAll('|DATA|', DATA).replaceAll('<DATA>', DATA);
  const p = riga.indexOf('<SCHEMIFUT');
  if (p < 0) { righeIndice.push(riga); continue; }
  const tag = riga.substr(p, 15), a = Number(riga.substr(p + 10, 2)), b = Number(riga.substr(p + 12, 2));
  for (let k = a; k <= indice.length && k <= b; k++) {
    const [t, pg, leggibile] = indice[k - 1].split('|');
    righeIndice.push(riga.replaceAll(tag, pg).replaceAll('<TITOLOSCHEMA>', t.slice(6)).replaceAll('<NOMESCHEMA>', leggibile));
  }
}
writeFileSync(join(prove, 'futoshiki_090101.html'), righeIndice.map((r) => r + '\r\n').join(''));
writeFileSync(join(prove, 'schemaFutoshiki.js'), stringi('schemaFutoshiki.js', true, '', '', ''));
const principale = readFileSync(join(risorse, 'template', 'Futoshiki.html'), 'utf8').split(/\r?\n/).map((riga) => {
  riga = riga.replaceAll('|DATA|', DATA);
  for (let k = 1; k <= 10; k++) {
    const seg = '|SCHEMA' + String(k).padStart(2, '0');
    if (!riga.includes(seg)) continue;
    const f = files.find((x) => Number(x.split('_')[0]) === k);
    if (!f) continue;
    const p = f.split('_');
    const liv = { F: 'FACILE', M: 'MEDIO', D: 'DIFFICILE' }[(p[2] || ' ')[0].toUpperCase()] || '';
    riga = riga.replaceAll(seg, `SCHEMA ${k}&nbsp;&nbsp;${p[1]}&nbsp;&nbsp;${liv}`);
  }
  return riga + '\r\n';
});
writeFileSync(join(dest, 'perwebsite', 'Futoshiki.html'), principale.join(''));
