// The four sign pictures: size, colours and the direction of each chevron.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { SORGENTI } from './sito.mjs';

function leggiBmp(nome) {
  const b = readFileSync(join(SORGENTI, 'resources', 'assets', 'img', `${nome}.bmp`));
  assert.equal(b.toString('ascii', 0, 2), 'BM');
  const w = b.readInt32LE(18);
  const h = b.readInt32LE(22);
  assert.equal(b.readUInt16LE(28), 24, `${nome}: 24 bit`);
  const riga = Math.ceil((w * 3) / 4) * 4;
  const px = (x, y) => {
    const o = b.readUInt32LE(10) + (h - 1 - y) * riga + x * 3;
    return [b[o + 2], b[o + 1], b[o]];
  };
  return { w, h, px };
}

// Ink of a pixel: how far it is from the background, 0..1.
function inchiostro(rgb, fondo) {
  return Math.abs(rgb[0] - fondo[0]) / 255 + Math.abs(rgb[1] - fondo[1]) / 255 + Math.abs(rgb[2] - fondo[2]) / 255;
}

// Centre of the ink along x on row y (or along y on column x).
function centroRiga(img, y, fondo) {
  let s = 0, t = 0;
  for (let x = 0; x < img.w; x++) { const k = inchiostro(img.px(x, y), fondo); s += k * x; t += k; }
  return t ? s / t : NaN;
}
function centroColonna(img, x, fondo) {
  let s = 0, t = 0;
  for (let y = 0; y < img.h; y++) { const k = inchiostro(img.px(x, y), fondo); s += k * y; t += k; }
  return t ? s / t : NaN;
}

const css = readFileSync(join(SORGENTI, 'resources', 'template', 'schema.html'), 'utf8');
const griglia = /--griglia:#([0-9a-f]{6})/i.exec(css)[1];
const FONDO = [0, 2, 4].map((i) => parseInt(griglia.slice(i, i + 2), 16));

test('i segni di riga sono 20x40, quelli di colonna 40x20, sullo sfondo della griglia', () => {
  for (const [nome, w, h] of [['FD', 20, 40], ['FS', 20, 40], ['FA', 40, 20], ['FB', 40, 20]]) {
    const img = leggiBmp(nome);
    assert.deepEqual([img.w, img.h], [w, h], nome);
    for (const [x, y] of [[0, 0], [w - 1, 0], [0, h - 1], [w - 1, h - 1]]) {
      assert.deepEqual(img.px(x, y), FONDO, `${nome}: angolo ${x},${y}`);
    }
  }
});

test('ogni segno punta verso la casella minore', () => {
  const fd = leggiBmp('FD');
  const fs = leggiBmp('FS');
  const fa = leggiBmp('FA');
  const fb = leggiBmp('FB');
  // ">" (left greater): the vertex, at mid height, is right of the arms.
  assert.ok(centroRiga(fd, 20, FONDO) > centroRiga(fd, 14, FONDO) + 3, 'FD');
  assert.ok(centroRiga(fs, 20, FONDO) < centroRiga(fs, 14, FONDO) - 3, 'FS');
  // "∧" (lower greater): the vertex, at mid width, is above the arms.
  assert.ok(centroColonna(fa, 20, FONDO) < centroColonna(fa, 14, FONDO) - 3, 'FA');
  assert.ok(centroColonna(fb, 20, FONDO) > centroColonna(fb, 14, FONDO) + 3, 'FB');
});
