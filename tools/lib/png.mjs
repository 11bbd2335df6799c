// Minimal PNG reader and writer for the asset scripts.
// Reads 8-bit greyscale, RGB, RGBA and palette images (non-interlaced), which is
// everything rsvg-convert and ImageMagick hand us; writes RGB, palette (1, 2, 4 or
// 8 bits per index) images with the best of the five row filters.
import zlib from 'node:zlib';
import fs from 'node:fs';

const SIGNATURE = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

const CRC_TABLE = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function crc32(buf) {
  let c = 0xffffffff;
  for (const b of buf) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

/** An RGBA image: width, height and a Uint8Array of width*height*4 bytes. */
export class Image {
  constructor(width, height, data) {
    this.width = width;
    this.height = height;
    this.data = data ?? new Uint8Array(width * height * 4);
  }
  get(x, y) {
    const i = (y * this.width + x) * 4;
    return [this.data[i], this.data[i + 1], this.data[i + 2], this.data[i + 3]];
  }
  set(x, y, [r, g, b, a = 255]) {
    const i = (y * this.width + x) * 4;
    this.data[i] = r; this.data[i + 1] = g; this.data[i + 2] = b; this.data[i + 3] = a;
  }
  fill(rgba) {
    for (let y = 0; y < this.height; y++) for (let x = 0; x < this.width; x++) this.set(x, y, rgba);
    return this;
  }
  /** Composites every pixel over an opaque colour, leaving no transparency. */
  flatten([r, g, b]) {
    const d = this.data;
    for (let i = 0; i < d.length; i += 4) {
      const a = d[i + 3] / 255;
      d[i] = Math.round(d[i] * a + r * (1 - a));
      d[i + 1] = Math.round(d[i + 1] * a + g * (1 - a));
      d[i + 2] = Math.round(d[i + 2] * a + b * (1 - a));
      d[i + 3] = 255;
    }
    return this;
  }
  /** Distinct opaque colours as 0xRRGGBB numbers, in order of first appearance. */
  colours(limit = Infinity) {
    const seen = new Map();
    const d = this.data;
    for (let i = 0; i < d.length && seen.size <= limit; i += 4) {
      const c = (d[i] << 16) | (d[i + 1] << 8) | d[i + 2];
      if (!seen.has(c)) seen.set(c, seen.size);
    }
    return [...seen.keys()];
  }
}

export function decodePng(buf) {
  if (!buf.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG file');
  let pos = 8, width = 0, height = 0, depth = 0, type = 0, interlace = 0;
  let palette = null, trns = null;
  const idat = [];
  while (pos < buf.length) {
    const len = buf.readUInt32BE(pos);
    const kind = buf.toString('latin1', pos + 4, pos + 8);
    const body = buf.subarray(pos + 8, pos + 8 + len);
    if (kind === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      depth = body[8]; type = body[9]; interlace = body[12];
    } else if (kind === 'PLTE') palette = body;
    else if (kind === 'tRNS') trns = body;
    else if (kind === 'IDAT') idat.push(body);
    else if (kind === 'IEND') break;
    pos += 12 + len;
  }
  if (interlace) throw new Error('interlaced PNG files are not read');
  const channels = { 0: 1, 2: 3, 3: 1, 4: 2, 6: 4 }[type];
  if (depth !== 8 && !(type === 3 && depth < 8)) throw new Error(`unsupported bit depth ${depth}`);
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = Math.ceil((width * channels * depth) / 8);
  const bpp = Math.max(1, (channels * depth) >> 3);
  const rows = Buffer.alloc(stride * height);
  let prev = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const out = rows.subarray(y * stride, (y + 1) * stride);
    for (let i = 0; i < stride; i++) {
      const a = i >= bpp ? out[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
      const v = [line[i], line[i] + a, line[i] + b, line[i] + ((a + b) >> 1), line[i] + paeth(a, b, c)][filter];
      out[i] = v & 0xff;
    }
    prev = out;
  }
  const img = new Image(width, height);
  for (let y = 0; y < height; y++) {
    const row = rows.subarray(y * stride, (y + 1) * stride);
    for (let x = 0; x < width; x++) {
      let px;
      if (type === 6) px = [row[x * 4], row[x * 4 + 1], row[x * 4 + 2], row[x * 4 + 3]];
      else if (type === 2) px = [row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255];
      else if (type === 0) px = [row[x], row[x], row[x], 255];
      else if (type === 4) px = [row[x * 2], row[x * 2], row[x * 2], row[x * 2 + 1]];
      else {
        const bit = x * depth;
        const idx = (row[bit >> 3] >> (8 - depth - (bit & 7))) & ((1 << depth) - 1);
        px = [palette[idx * 3], palette[idx * 3 + 1], palette[idx * 3 + 2], trns && idx < trns.length ? trns[idx] : 255];
      }
      img.set(x, y, px);
    }
  }
  return img;
}

export function readPng(file) {
  return decodePng(fs.readFileSync(file));
}

function chunk(kind, body) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(body.length, 0);
  head.write(kind, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])), 0);
  return Buffer.concat([head, body, crc]);
}

// Chooses for every row the filter with the smallest sum of absolute differences,
// the usual heuristic; palette images are stored unfiltered, which packs best.
function filterRows(rows, stride, bpp, adaptive) {
  const out = Buffer.alloc(rows.length + rows.length / stride);
  let prev = Buffer.alloc(stride);
  const cand = [0, 1, 2, 3, 4].map(() => Buffer.alloc(stride));
  for (let y = 0; y < rows.length / stride; y++) {
    const line = rows.subarray(y * stride, (y + 1) * stride);
    let best = 0, bestScore = Infinity;
    for (const f of adaptive ? [0, 1, 2, 3, 4] : [0]) {
      const c = cand[f];
      let score = 0;
      for (let i = 0; i < stride; i++) {
        const a = i >= bpp ? line[i - bpp] : 0, b = prev[i], cc = i >= bpp ? prev[i - bpp] : 0;
        const p = [0, a, b, (a + b) >> 1, paeth(a, b, cc)][f];
        c[i] = (line[i] - p) & 0xff;
        score += c[i] < 128 ? c[i] : 256 - c[i];
      }
      if (score < bestScore) { bestScore = score; best = f; }
    }
    const o = y * (stride + 1);
    out[o] = best;
    cand[best].copy(out, o + 1);
    prev = line;
  }
  return out;
}

function assemble(width, height, depth, type, rows, stride, bpp, palette) {
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(width, 0); ihdr.writeUInt32BE(height, 4);
  ihdr[8] = depth; ihdr[9] = type; ihdr[10] = 0; ihdr[11] = 0; ihdr[12] = 0;
  const data = zlib.deflateSync(filterRows(rows, stride, bpp, type !== 3), { level: 9, memLevel: 9 });
  const parts = [SIGNATURE, chunk('IHDR', ihdr)];
  if (palette) parts.push(chunk('PLTE', palette));
  parts.push(chunk('IDAT', data), chunk('IEND', Buffer.alloc(0)));
  return Buffer.concat(parts);
}

/** 24-bit RGB; any alpha is dropped (flatten first). */
export function encodeRgb(img) {
  const stride = img.width * 3;
  const rows = Buffer.alloc(stride * img.height);
  for (let i = 0, j = 0; i < img.data.length; i += 4, j += 3) {
    rows[j] = img.data[i]; rows[j + 1] = img.data[i + 1]; rows[j + 2] = img.data[i + 2];
  }
  return assemble(img.width, img.height, 8, 2, rows, stride, 3, null);
}

/** 32-bit RGBA, for pictures with transparency used while composing. */
export function encodeRgba(img) {
  const stride = img.width * 4;
  return assemble(img.width, img.height, 8, 6, Buffer.from(img.data), stride, 4, null);
}

/**
 * Palette image. `colours` is the palette as 0xRRGGBB numbers (at most 256); every
 * pixel must be one of them exactly. The smallest bit depth that holds the palette
 * is used unless `depth` is given.
 */
export function encodePalette(img, colours, depth) {
  if (colours.length > 256) throw new Error('more than 256 colours');
  depth ??= colours.length <= 2 ? 1 : colours.length <= 4 ? 2 : colours.length <= 16 ? 4 : 8;
  const index = new Map(colours.map((c, i) => [c, i]));
  const stride = Math.ceil((img.width * depth) / 8);
  const rows = Buffer.alloc(stride * img.height);
  for (let y = 0; y < img.height; y++) {
    for (let x = 0; x < img.width; x++) {
      const [r, g, b] = img.get(x, y);
      const i = index.get((r << 16) | (g << 8) | b);
      if (i === undefined) throw new Error(`colour ${r},${g},${b} at ${x},${y} is not in the palette`);
      const bit = x * depth;
      rows[y * stride + (bit >> 3)] |= i << (8 - depth - (bit & 7));
    }
  }
  const pal = Buffer.alloc(colours.length * 3);
  colours.forEach((c, i) => { pal[i * 3] = c >> 16; pal[i * 3 + 1] = (c >> 8) & 0xff; pal[i * 3 + 2] = c & 0xff; });
  return assemble(img.width, img.height, depth, 3, rows, stride, 1, pal);
}

/** Writes the image as a palette file when it has few enough colours, else as RGB. */
export function encodeBest(img) {
  const colours = img.colours(256);
  return colours.length <= 256 ? encodePalette(img, colours) : encodeRgb(img);
}

export function writePng(file, buf) {
  fs.writeFileSync(file, buf);
}
