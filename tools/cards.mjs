// Card faces: the CC0 designs of @letele/playing-cards, laid out again for our
// two card shapes (80 x 125 and 61 x 95, a narrower shape than the package's 5:7).
//
// The package draws each card in a 240 x 336 space centred on 0. We keep its
// artwork (rank glyphs, suit symbols, court figures, the big ace of spades) but
// place it ourselves: bigger, bolder corner indices so that they stay legible on
// small cards, pips scaled by the width of the pip field and spread over the taller
// card without being stretched, and the court picture scaled as a whole.
import { dissect } from './lib/deck.mjs';

export const SUITS = ['C', 'S', 'D', 'H']; // clubs, spades, diamonds, hearts: image order
export const RANKS = ['a', '2', '3', '4', '5', '6', '7', '8', '9', '10', 'j', 'q', 'k'];

// Geometry per card size, in pixels of the 1x picture.
export const SIZES = {
  large: {
    w: 80, h: 125,
    rank: 14, rankStroke: 100, rankTop: 3, column: 13, suit: 10, suitGap: 1,
    pipField: { x0: 15, x1: 65, y0: 9, y1: 116 }, pipScale: 0.27, acePip: 1.6,
    court: { x0: 14.5, x1: 65.5, y0: 8, y1: 117 },
  },
  small: {
    w: 61, h: 95,
    rank: 12, rankStroke: 120, rankTop: 2, column: 10.5, suit: 8.5, suitGap: 1,
    pipField: { x0: 12.5, x1: 48.5, y0: 6, y1: 89 }, pipScale: 0.2, acePip: 1.7,
    court: { x0: 12, x1: 49, y0: 6, y1: 89 },
  },
};

const PACKAGE_PIP_HALF_WIDTH = 87.5; // centre of the outer pip columns plus half a pip
const PACKAGE_PIP_HALF_HEIGHT = 135.5;
const COURT = { x: -82.4, y: -130.4, w: 164.8, h: 260.8 }; // frame of the court figures
const JOKER = { x: -101.4, y: -156, w: 202.8, h: 312 };

/** Symbols with a heavier stroke for the rank glyph, so small indices stay crisp. */
function boldenRank(defs, rankId, stroke) {
  return defs.replace(new RegExp(`(<symbol id="${rankId}"[^>]*>)(.*?)(</symbol>)`), (m, open, body, close) =>
    open + body.replace(/stroke-width="\d+"/g, `stroke-width="${stroke}"`) + close);
}

function indexMarkup(part, g) {
  // Rank glyphs are drawn centred in a square box; centre the box on the column.
  const cx = g.column / 2 + 0.5;
  const rx = cx - g.rank / 2;
  const sx = cx - g.suit / 2;
  const sy = g.rankTop + g.rank + g.suitGap;
  const one =
    `<use xlink:href="#${part.rankId}" x="${rx}" y="${g.rankTop}" width="${g.rank}" height="${g.rank}"/>` +
    `<use xlink:href="#${part.suitId}" x="${sx}" y="${sy}" width="${g.suit}" height="${g.suit}"/>`;
  return one + `<g transform="rotate(180 ${g.w / 2} ${g.h / 2})">${one}</g>`;
}

function pipsMarkup(part, g, isAce) {
  const f = g.pipField;
  const cxMid = (f.x0 + f.x1) / 2, cyMid = (f.y0 + f.y1) / 2;
  const size = 70 * g.pipScale * (isAce ? g.acePip : 1);
  // Horizontal positions scale with the pips; vertical ones spread over the field.
  const sx = (f.x1 - f.x0 - size) / (2 * (PACKAGE_PIP_HALF_WIDTH - 35));
  const sy = (f.y1 - f.y0 - size) / (2 * (PACKAGE_PIP_HALF_HEIGHT - 35));
  return part.pips.map(({ cx, cy, rotated }) => {
    const x = cxMid + cx * sx, y = cyMid + cy * sy;
    const use = `<use xlink:href="#${part.suitId}" x="${x - size / 2}" y="${y - size / 2}" width="${size}" height="${size}"/>`;
    return rotated ? `<g transform="rotate(180 ${x} ${y})">${use}</g>` : use;
  }).join('');
}

/** Places artwork drawn in the package's space so that `box` (its coordinates) fills `target`. */
function placeArtwork(markup, box, target, maxStretch = 1.0) {
  const tw = target.x1 - target.x0, th = target.y1 - target.y0;
  const k = Math.min(tw / box.w, th / box.h);
  // A court frame may grow a little taller than its own proportions where the card
  // is taller than the package's; never so much that the figures look drawn out.
  const ky = Math.min(th / box.h, k * maxStretch);
  const w = box.w * k, h = box.h * ky;
  const x = target.x0 + (tw - w) / 2, y = target.y0 + (th - h) / 2;
  return `<g transform="translate(${x} ${y}) scale(${k} ${ky}) translate(${-box.x} ${-box.y})">${markup}</g>`;
}

/** SVG of one face in pixel coordinates of the 1x picture (white card, no outline). */
export function faceSvg(deck, suit, rank, sizeName) {
  const g = SIZES[sizeName];
  const key = suit + rank;
  const prefix = `${key}_`;
  const part = dissect(deck[key], prefix);
  const isAce = rank === 'a';
  const isCourt = ['j', 'q', 'k'].includes(rank);
  let body;
  if (isCourt) {
    body = placeArtwork(part.picture, COURT, g.court, 1.1);
  } else if (isAce && part.pips.length === 0) {
    // The ace of spades: one big ornamental spade.
    const f = g.pipField;
    const side = (f.x1 - f.x0) * 0.95;
    const target = { x0: (g.w - side) / 2, x1: (g.w + side) / 2, y0: (g.h - side) / 2, y1: (g.h + side) / 2 };
    body = placeArtwork(part.picture, { x: -82.4, y: -82.4, w: 164.8, h: 164.8 }, target);
  } else {
    body = pipsMarkup(part, g, isAce);
  }
  const defs = boldenRank(part.defs, part.rankId, g.rankStroke);
  return svgOpen(g.w, g.h) + defs +
    `<rect width="${g.w}" height="${g.h}" fill="#fff"/>` + body + indexMarkup(part, g) + '</svg>';
}

/** The jester face, image 52. */
export function jokerSvg(deck, sizeName) {
  const g = SIZES[sizeName];
  const part = dissect(deck.J1, 'J1_');
  const m = sizeName === 'large' ? 5 : 4;
  const art = placeArtwork(part.picture, JOKER, { x0: m, x1: g.w - m, y0: m, y1: g.h - m });
  return svgOpen(g.w, g.h) + part.defs + `<rect width="${g.w}" height="${g.h}" fill="#fff"/>` + art + '</svg>';
}

function svgOpen(w, h) {
  return `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">`;
}
