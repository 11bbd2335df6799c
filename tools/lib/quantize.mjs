// Reduces one or more RGB images to a shared palette of at most 256 colours
// (median cut), keeping a few given colours exact: the table green, the magenta
// key, the grey behind the jester. Deterministic, so regenerated files only change
// when their pictures do.
import { Image } from './png.mjs';

const rgbOf = (c) => [c >> 16, (c >> 8) & 0xff, c & 0xff];
const pack = (r, g, b) => (r << 16) | (g << 8) | b;

function medianCut(hist, count) {
  let boxes = [[...hist.entries()]];
  const range = (box, ch) => {
    let lo = 255, hi = 0;
    for (const [c] of box) { const v = rgbOf(c)[ch]; if (v < lo) lo = v; if (v > hi) hi = v; }
    return hi - lo;
  };
  const weight = (box) => box.reduce((s, [, n]) => s + n, 0);
  while (boxes.length < count) {
    let best = -1, bestScore = -1, bestCh = 0;
    boxes.forEach((box, i) => {
      if (box.length < 2) return;
      const ranges = [0, 1, 2].map((ch) => range(box, ch));
      const ch = ranges.indexOf(Math.max(...ranges));
      const score = ranges[ch] * Math.sqrt(weight(box));
      if (score > bestScore) { bestScore = score; best = i; bestCh = ch; }
    });
    if (best < 0) break;
    const box = boxes[best].sort((a, b) => rgbOf(a[0])[bestCh] - rgbOf(b[0])[bestCh] || a[0] - b[0]);
    const half = weight(box) / 2;
    let acc = 0, cut = 1;
    for (let i = 0; i < box.length - 1; i++) {
      acc += box[i][1];
      if (acc >= half) { cut = i + 1; break; }
      cut = i + 1;
    }
    boxes.splice(best, 1, box.slice(0, cut), box.slice(cut));
  }
  return boxes.map((box) => {
    let r = 0, g = 0, b = 0, n = 0;
    for (const [c, k] of box) { const [cr, cg, cb] = rgbOf(c); r += cr * k; g += cg * k; b += cb * k; n += k; }
    return pack(Math.round(r / n), Math.round(g / n), Math.round(b / n));
  });
}

/**
 * Returns { palette, images }: the palette (0xRRGGBB numbers, fixed colours first)
 * and copies of the images whose every pixel is a palette colour.
 */
export function quantize(images, { fixed = [], colours = 256, dither = false } = {}) {
  const fixedSet = new Set(fixed);
  const hist = new Map();
  for (const img of images) {
    const d = img.data;
    for (let i = 0; i < d.length; i += 4) {
      const c = pack(d[i], d[i + 1], d[i + 2]);
      if (!fixedSet.has(c)) hist.set(c, (hist.get(c) ?? 0) + 1);
    }
  }
  const room = colours - fixed.length;
  const free = hist.size <= room ? [...hist.keys()] : medianCut(hist, room);
  const palette = [...fixed, ...free.filter((c) => !fixedSet.has(c))];
  const cache = new Map();
  const nearest = (r, g, b) => {
    const key = pack(r, g, b);
    let hit = cache.get(key);
    if (hit !== undefined) return hit;
    let best = 0, bestD = Infinity;
    // Fixed colours are matched only exactly, so that no stray pixel takes the key colour.
    for (let i = fixed.length; i < palette.length; i++) {
      const [pr, pg, pb] = rgbOf(palette[i]);
      const d = 2 * (pr - r) ** 2 + 4 * (pg - g) ** 2 + 3 * (pb - b) ** 2;
      if (d < bestD) { bestD = d; best = i; }
    }
    cache.set(key, palette[best]);
    return palette[best];
  };
  const out = images.map((img) => {
    const res = new Image(img.width, img.height);
    const err = dither ? new Float32Array(img.width * img.height * 3) : null;
    for (let y = 0; y < img.height; y++) {
      for (let x = 0; x < img.width; x++) {
        const [r, g, b] = img.get(x, y);
        const exact = pack(r, g, b);
        if (fixedSet.has(exact)) { res.set(x, y, [r, g, b]); continue; }
        let rr = r, gg = g, bb = b;
        const i = (y * img.width + x) * 3;
        if (err) {
          rr = Math.max(0, Math.min(255, Math.round(r + err[i])));
          gg = Math.max(0, Math.min(255, Math.round(g + err[i + 1])));
          bb = Math.max(0, Math.min(255, Math.round(b + err[i + 2])));
        }
        const c = nearest(rr, gg, bb);
        const [cr, cg, cb] = rgbOf(c);
        res.set(x, y, [cr, cg, cb]);
        if (err) {
          const e = [rr - cr, gg - cg, bb - cb];
          const spread = [[1, 0, 7 / 16], [-1, 1, 3 / 16], [0, 1, 5 / 16], [1, 1, 1 / 16]];
          for (const [dx, dy, k] of spread) {
            const nx = x + dx, ny = y + dy;
            if (nx < 0 || nx >= img.width || ny >= img.height) continue;
            const j = (ny * img.width + nx) * 3;
            for (let ch = 0; ch < 3; ch++) err[j + ch] += e[ch] * k;
          }
        }
      }
    }
    return res;
  });
  return { palette, images: out };
}
