// Turns SVG text into pixels with rsvg-convert, and runs ImageMagick where a
// raster operation (scaling, colour reduction, GIF assembly) is needed.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { decodePng } from './png.mjs';

/** Renders `svg` at exactly width x height pixels; returns an RGBA Image. */
export function rasterize(svg, width, height) {
  const png = execFileSync('rsvg-convert', ['-w', String(width), '-h', String(height), '-f', 'png'], {
    input: svg,
    maxBuffer: 1 << 28,
  });
  return decodePng(png);
}

// Debian's ImageMagick 6 installs its command line as /usr/bin/convert; call it by
// that path so that no other program called "convert" earlier on the PATH is used.
const CONVERT = fs.existsSync('/usr/bin/convert') ? '/usr/bin/convert' : 'convert';

/** Runs ImageMagick's convert; `input` (a Buffer) is its standard input. */
export function magick(args, input) {
  return execFileSync(CONVERT, args, { input, maxBuffer: 1 << 28 });
}

export const svgHeader = (w, h, vw = w, vh = h) =>
  `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" ` +
  `width="${w}" height="${h}" viewBox="0 0 ${vw} ${vh}">`;

/** Embeds a PNG file or buffer as an <image> source. */
export function dataUri(pngOrFile) {
  const buf = Buffer.isBuffer(pngOrFile) ? pngOrFile : fs.readFileSync(pngOrFile);
  return `data:image/png;base64,${buf.toString('base64')}`;
}
