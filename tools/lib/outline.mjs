// The card outline shared by faces, backs and pile symbols: a one-pixel rim with
// cut corners, and the transparency key outside it.
//
// At 1x, the three pixels of each corner outside the outline (the corner pixel and
// its two neighbours along the edges) are pure magenta, and the rim runs along the
// edges and across the diagonal pixel inside each corner. A 2x picture is the same
// geometry at twice the size: every 1x pixel of key or rim becomes a 2 x 2 block,
// so each corner holds 12 magenta pixels and the rim is two pixels wide.
export const MAGENTA = [255, 0, 255];
export const RIM = [72, 72, 72];

/** Which kind of outline pixel (x, y) of a w x h card at 1x is: 'key', 'rim' or null. */
export function outlineKind(x, y, w, h) {
  const dx = Math.min(x, w - 1 - x), dy = Math.min(y, h - 1 - y);
  if (dx + dy <= 1) return 'key';
  if (dx === 0 || dy === 0 || (dx === 1 && dy === 1)) return 'rim';
  return null;
}

export function applyOutline(img, scale, { rim = RIM, key = MAGENTA } = {}) {
  const w = img.width / scale, h = img.height / scale;
  for (let y = 0; y < img.height; y++) {
    for (let x = 0; x < img.width; x++) {
      const kind = outlineKind(Math.floor(x / scale), Math.floor(y / scale), w, h);
      if (kind === 'key') img.set(x, y, key);
      else if (kind === 'rim' && rim) img.set(x, y, rim);
    }
  }
  return img;
}
