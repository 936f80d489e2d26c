#!/usr/bin/env node
// Draws the four inequality signs of the published pages as 24-bit BMP files:
// FD ">" and FS "<" for the 20 x 40 gaps between two cells of a row,
// FA "∧" and FB "∨" for the 40 x 20 gaps between two cells of a column.
// The vertex always points at the smaller cell. The background is the grid's
// own colour (#d9def5 in schema.html), so the pictures look transparent.
// Usage: node scripts/disegna_segni.mjs [output folder]
import { writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const radice = join(dirname(fileURLToPath(import.meta.url)), '..');
const uscita = process.argv[2] || join(radice, 'resources', 'assets', 'img');

const SFONDO = [0xd9, 0xde, 0xf5];
const TRATTO = [0x3b, 0x46, 0x8c];
const SPESSORE = 3.4;
const CAMPIONI = 5;

// Each sign is a polyline of two strokes with round ends.
const SEGNI = {
  FD: { w: 20, h: 40, punti: [[6, 12], [14.5, 20], [6, 28]] },
  FS: { w: 20, h: 40, punti: [[14, 12], [5.5, 20], [14, 28]] },
  FA: { w: 40, h: 20, punti: [[12, 14], [20, 5.5], [28, 14]] },
  FB: { w: 40, h: 20, punti: [[12, 6], [20, 14.5], [28, 6]] },
};

function distanzaSegmento(px, py, [ax, ay], [bx, by]) {
  const dx = bx - ax, dy = by - ay;
  const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)));
  return Math.hypot(px - (ax + t * dx), py - (ay + t * dy));
}

function copertura(x, y, punti) {
  let dentro = 0;
  for (let i = 0; i < CAMPIONI; i++) {
    for (let j = 0; j < CAMPIONI; j++) {
      const px = x + (i + 0.5) / CAMPIONI, py = y + (j + 0.5) / CAMPIONI;
      let d = Infinity;
      for (let k = 0; k + 1 < punti.length; k++) d = Math.min(d, distanzaSegmento(px, py, punti[k], punti[k + 1]));
      if (d <= SPESSORE / 2) dentro++;
    }
  }
  return dentro / (CAMPIONI * CAMPIONI);
}

function bmp({ w, h, punti }) {
  const riga = Math.ceil((w * 3) / 4) * 4;
  const dati = riga * h;
  const b = Buffer.alloc(54 + dati);
  b.write('BM', 0, 'ascii');
  b.writeUInt32LE(54 + dati, 2);
  b.writeUInt32LE(54, 10);
  b.writeUInt32LE(40, 14);
  b.writeInt32LE(w, 18);
  b.writeInt32LE(h, 22);
  b.writeUInt16LE(1, 26);
  b.writeUInt16LE(24, 28);
  b.writeUInt32LE(dati, 34);
  b.writeInt32LE(2835, 38);
  b.writeInt32LE(2835, 42);
  for (let y = 0; y < h; y++) {
    // BMP rows go bottom-up, pixels in blue-green-red order.
    const base = 54 + (h - 1 - y) * riga;
    for (let x = 0; x < w; x++) {
      const a = copertura(x, y, punti);
      for (let c = 0; c < 3; c++) {
        b[base + x * 3 + (2 - c)] = Math.round(SFONDO[c] + (TRATTO[c] - SFONDO[c]) * a);
      }
    }
  }
  return b;
}

mkdirSync(uscita, { recursive: true });
for (const [nome, segno] of Object.entries(SEGNI)) {
  writeFileSync(join(uscita, `${nome}.bmp`), bmp(segno));
}
