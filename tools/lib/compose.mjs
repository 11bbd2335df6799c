// Helpers to compose pictures from our own card images.
import { Image, encodeRgb, encodeRgba, decodePng } from './png.mjs';
import { outlineKind } from './outline.mjs';
import { dataUri, magick } from './raster.mjs';

/** A card picture with its magenta corners made transparent, as an <image> source. */
export function keyedCardUri(img, scale) {
  const out = new Image(img.width, img.height, Uint8Array.from(img.data));
  const w = img.width / scale, h = img.height / scale;
  for (let y = 0; y < img.height; y++) {
    for (let x = 0; x < img.width; x++) {
      if (outlineKind(Math.floor(x / scale), Math.floor(y / scale), w, h) === 'key') out.set(x, y, [0, 0, 0, 0]);
    }
  }
  return dataUri(encodeRgba(out));
}

/** Resizes an RGBA/RGB image with a good filter (ImageMagick), returning an RGB image. */
export function resize(img, width, height, filter = 'Lanczos') {
  const png = encodeRgb(img);
  const out = magick(['png:-', '-filter', filter, '-resize', `${width}x${height}!`, '-depth', '8', 'PNG24:-'], png);
  return decodePng(out);
}

/** Pastes `src` onto `dst` at (x, y), replacing pixels. */
export function paste(dst, src, x, y) {
  for (let j = 0; j < src.height; j++) {
    for (let i = 0; i < src.width; i++) {
      const tx = x + i, ty = y + j;
      if (tx < 0 || ty < 0 || tx >= dst.width || ty >= dst.height) continue;
      dst.set(tx, ty, src.get(i, j));
    }
  }
  return dst;
}
