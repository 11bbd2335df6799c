// The selector's pictures (STARTUP and the twelve previews), the swinging jester of
// the about window, the win clip and the program icon.
import { CARD_W, CARD_H } from './tables.mjs';

export const TABLE_GREEN = '#004000';
export const JESTER_GREY = '#bfbfbf';

const f = (v) => Number(v.toFixed(2));
const svgOpen = (w, h, vw = w, vh = h) =>
  `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${w}" height="${h}" viewBox="0 0 ${vw} ${vh}">`;

// ------------------------------------------------------------------ previews

/**
 * SVG of the part of a game's opening table that holds cards and frames, with an
 * 8-pixel margin, in the window's pixel coordinates. `uri(card)` gives the picture
 * of a face (card index) or of the back (null).
 */
export function tableSvg(table, uri, scale) {
  const b = table.bounds();
  const m = 8;
  const x0 = Math.max(0, b.x0 - m), y0 = Math.max(0, b.y0 - m);
  const x1 = Math.min(table.width, b.x1 + m), y1 = Math.min(table.height, b.y1 + m);
  const w = x1 - x0, h = y1 - y0;
  const parts = [svgOpen(w * scale, h * scale, w, h), `<rect width="${w}" height="${h}" fill="${TABLE_GREEN}"/>`];
  parts.push(`<g transform="translate(${-x0} ${-y0})">`);
  table.piles.forEach((p, n) => {
    if (p.bordered) {
      // The window's frame of an empty foundation or free cell is a black line
      // with a grey one beside it; drawn four times as thick here so that it
      // still shows once the table is scaled down to a preview.
      parts.push(`<rect x="${p.x + 2}" y="${p.y + 2}" width="${p.w - 4}" height="${p.h - 4}" fill="none" stroke="#000" stroke-width="4"/>`);
      parts.push(`<rect x="${p.x + 5}" y="${p.y + 5}" width="${p.w - 6}" height="${p.h - 6}" fill="none" stroke="#808080" stroke-width="3"/>`);
    }
    if (!p.cards.length) return;
    parts.push(`<clipPath id="pile${n}"><rect x="${p.x}" y="${p.y}" width="${p.w}" height="${p.h}"/></clipPath><g clip-path="url(#pile${n})">`);
    p.cards.forEach(({ card, up }, i) => {
      const x = p.x + Math.trunc(i * p.xo), y = p.y + Math.trunc(i * p.yo);
      parts.push(`<image x="${x}" y="${y}" width="${CARD_W}" height="${CARD_H}" xlink:href="${uri(up ? card : null)}"/>`);
    });
    parts.push('</g>');
  });
  parts.push('</g></svg>');
  return { svg: parts.join(''), width: w, height: h };
}

// ------------------------------------------------------------------ STARTUP

/**
 * The title picture, 320 x 125. The selector lays an empty panel over the area
 * from (70, 70) to (255, 111) until the first game is chosen, so the title and the
 * card fans keep clear of it.
 */
export function startupSvg(uri) {
  const p = [svgOpen(320, 125)];
  p.push(`<defs>
    <radialGradient id="felt" cx="0.5" cy="0.45" r="0.75">
      <stop offset="0" stop-color="#127a22"/><stop offset="0.6" stop-color="#0a5a16"/><stop offset="1" stop-color="#003a08"/>
    </radialGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fff4c0"/><stop offset="0.45" stop-color="#f2c94c"/><stop offset="1" stop-color="#a8741a"/>
    </linearGradient>
    <filter id="shadow" x="-0.2" y="-0.2" width="1.4" height="1.4"><feGaussianBlur stdDeviation="1.2"/></filter>
  </defs>`);
  p.push('<rect width="320" height="125" fill="url(#felt)"/>');
  // A fan of the four Aces on the left and a fan of the three backs on the right.
  const fan = (cx, cy, cards, spread, scale) => cards.map((c, i) => {
    const a = (i - (cards.length - 1) / 2) * spread;
    const w = CARD_W * scale, h = CARD_H * scale;
    return `<g transform="translate(${cx} ${cy}) rotate(${f(a)})">` +
      `<rect x="${f(-w / 2 + 1.5)}" y="${f(-h + 1.5)}" width="${f(w)}" height="${f(h)}" rx="2" fill="#000" opacity="0.35" filter="url(#shadow)"/>` +
      `<image x="${f(-w / 2)}" y="${f(-h)}" width="${f(w)}" height="${f(h)}" xlink:href="${uri(c)}"/></g>`;
  }).join('');
  p.push(fan(38, 128, [0, 13, 26, 39], 10, 0.66));
  p.push(fan(283, 128, ['back153', 'back154', 'back155'], 11, 0.66));
  // Title and subtitle.
  const title = 'Quillane!';
  p.push(`<text x="162" y="50" font-family="Z003" font-size="50" text-anchor="middle" fill="#000" opacity="0.5" filter="url(#shadow)">${title}</text>`);
  p.push(`<text x="160" y="48" font-family="Z003" font-size="50" text-anchor="middle" fill="url(#gold)" stroke="#5a3a08" stroke-width="0.8">${title}</text>`);
  p.push('<text x="160" y="64" font-family="P052" font-style="italic" font-size="11.5" text-anchor="middle" fill="#f7efd8" letter-spacing="0.4">Twelve games of patience</text>');
  p.push('</svg>');
  return p.join('');
}

// ------------------------------------------------------------------ jester

/**
 * The about window's jester on a swing, 68 x 97, on flat grey. `angle` is the swing
 * angle in degrees (negative: to the left).
 */
export function jesterSvg(angle) {
  const p = [svgOpen(68, 97)];
  p.push(`<defs>
    <pattern id="harlequin" width="8" height="8" patternUnits="userSpaceOnUse" patternTransform="translate(34 40)">
      <rect width="8" height="8" fill="#f2c230"/><path d="M4 0 L8 4 L4 8 L0 4 Z" fill="#d62a2a"/>
    </pattern>
    <linearGradient id="wood" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#a0662e"/><stop offset="1" stop-color="#5e3710"/></linearGradient>
  </defs>`);
  p.push(`<rect width="68" height="97" fill="${JESTER_GREY}"/>`);
  // Everything swings about a point above the picture.
  p.push(`<g transform="rotate(${angle} 34 -14) translate(34 4) scale(0.86) translate(-34 0)">`);
  // Ropes and seat.
  p.push('<path d="M20 -20 L20 66 M48 -20 L48 66" stroke="#6b4a22" stroke-width="1.3"/>');
  p.push('<path d="M20 -20 L20 66 M48 -20 L48 66" stroke="#d9b77a" stroke-width="0.5" stroke-dasharray="1.2 1.2"/>');
  p.push('<rect x="15" y="64" width="38" height="4" rx="1" fill="url(#wood)" stroke="#3b2108" stroke-width="0.5"/>');
  // Legs hanging from the seat, one red, one yellow, with curled shoes.
  p.push('<path d="M27 66 L26 84" stroke="#d62a2a" stroke-width="5.5" stroke-linecap="round"/>');
  p.push('<path d="M41 66 L42 84" stroke="#f2c230" stroke-width="5.5" stroke-linecap="round"/>');
  p.push('<path d="M28 84 q-6 -1 -9 3 q-1 3 -4 1" fill="none" stroke="#2c6e2c" stroke-width="3.2" stroke-linecap="round"/>');
  p.push('<path d="M40 84 q6 -1 9 3 q1 3 4 1" fill="none" stroke="#2c6e2c" stroke-width="3.2" stroke-linecap="round"/>');
  p.push('<circle cx="15" cy="88" r="1.6" fill="#f5d451" stroke="#8a6a10" stroke-width="0.4"/><circle cx="53" cy="88" r="1.6" fill="#f5d451" stroke="#8a6a10" stroke-width="0.4"/>');
  // Body in a harlequin suit.
  p.push('<path d="M25 44 Q34 40 43 44 L45 66 L23 66 Z" fill="url(#harlequin)" stroke="#5a1010" stroke-width="0.6"/>');
  // Arms holding the ropes.
  p.push('<path d="M27 46 Q22 50 20.5 55" fill="none" stroke="#f2c230" stroke-width="4" stroke-linecap="round"/>');
  p.push('<path d="M41 46 Q46 50 47.5 55" fill="none" stroke="#d62a2a" stroke-width="4" stroke-linecap="round"/>');
  p.push('<circle cx="20.2" cy="55.5" r="2.1" fill="#f6cfa3" stroke="#9a6a40" stroke-width="0.4"/><circle cx="47.8" cy="55.5" r="2.1" fill="#f6cfa3" stroke="#9a6a40" stroke-width="0.4"/>');
  // Ruff collar.
  for (const [x, y] of [[26, 44.5], [30, 46], [34, 46.5], [38, 46], [42, 44.5]]) {
    p.push(`<circle cx="${x}" cy="${y}" r="2.6" fill="#ffffff" stroke="#8a8a8a" stroke-width="0.5"/>`);
  }
  // Head.
  p.push('<circle cx="34" cy="34" r="8.2" fill="#f6cfa3" stroke="#9a6a40" stroke-width="0.5"/>');
  p.push('<circle cx="30.8" cy="33" r="1" fill="#2a1a10"/><circle cx="37.2" cy="33" r="1" fill="#2a1a10"/>');
  p.push('<circle cx="29.5" cy="36.4" r="1.6" fill="#f08a8a" opacity="0.6"/><circle cx="38.5" cy="36.4" r="1.6" fill="#f08a8a" opacity="0.6"/>');
  p.push('<path d="M30.2 37 Q34 41 37.8 37" fill="none" stroke="#8a2a1a" stroke-width="0.9" stroke-linecap="round"/>');
  // Three-pointed hat with bells.
  p.push('<path d="M25.5 31 Q24 22 14 19 Q20 26 26 29 Z" fill="#d62a2a" stroke="#5a1010" stroke-width="0.5"/>');
  p.push('<path d="M42.5 31 Q44 22 54 19 Q48 26 42 29 Z" fill="#2c6e2c" stroke="#123a12" stroke-width="0.5"/>');
  p.push('<path d="M26 30 Q27 18 34 10 Q41 18 42 30 Q34 26 26 30 Z" fill="#f2c230" stroke="#8a6a10" stroke-width="0.5"/>');
  p.push('<path d="M25.4 30.5 Q34 25 42.6 30.5 L42.2 32.2 Q34 27.5 25.8 32.2 Z" fill="#d62a2a" stroke="#5a1010" stroke-width="0.4"/>');
  for (const [x, y] of [[14, 19], [54, 19], [34, 10]]) {
    p.push(`<circle cx="${x}" cy="${y}" r="2.2" fill="#f5d451" stroke="#8a6a10" stroke-width="0.5"/><circle cx="${x - 0.6}" cy="${y - 0.7}" r="0.6" fill="#fffbe0"/>`);
  }
  p.push('</g></svg>');
  return p.join('');
}

// ------------------------------------------------------------------ win clip

export const CLIP_W = 376, CLIP_H = 154, CLIP_FRAMES = 10;

function burst(cx, cy, phase, colour, seed) {
  // phase runs 0..1 over the burst's life: sparks fly out and fade.
  const parts = [];
  const n = 22;
  const r = 6 + 34 * Math.sqrt(phase);
  const fade = phase < 0.15 ? 1 : Math.max(0, 1 - (phase - 0.15) / 0.85);
  if (phase < 0.08) {
    parts.push(`<circle cx="${cx}" cy="${cy}" r="5" fill="#ffffff" opacity="0.9"/>`);
  }
  parts.push(`<circle cx="${cx}" cy="${cy}" r="${f(r * 0.9)}" fill="${colour}" opacity="${f(0.18 * fade)}"/>`);
  for (let i = 0; i < n; i++) {
    const a = (i / n) * 2 * Math.PI + seed;
    const droop = 10 * phase * phase;
    const x = cx + r * Math.cos(a), y = cy + r * Math.sin(a) + droop;
    const tx = cx + r * 0.72 * Math.cos(a), ty = cy + r * 0.72 * Math.sin(a) + droop * 0.7;
    parts.push(`<line x1="${f(tx)}" y1="${f(ty)}" x2="${f(x)}" y2="${f(y)}" stroke="${colour}" stroke-width="2.4" stroke-linecap="round" opacity="${f(fade)}"/>`);
    parts.push(`<circle cx="${f(x)}" cy="${f(y)}" r="1.7" fill="#fffbe8" opacity="${f(fade)}"/>`);
  }
  return parts.join('');
}

/** Frame `k` (0..9) of the looping win clip. `uri(card)` gives card pictures. */
export function clipFrameSvg(k, uri) {
  const t = k / CLIP_FRAMES; // 0..1 over one loop
  const p = [svgOpen(CLIP_W, CLIP_H)];
  p.push(`<defs>
    <linearGradient id="night" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#0b1040"/><stop offset="0.62" stop-color="#2a2270"/><stop offset="0.8" stop-color="#0a5a1a"/><stop offset="1" stop-color="#004000"/>
    </linearGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fff6c8"/><stop offset="0.5" stop-color="#f7cf4a"/><stop offset="1" stop-color="#c0841c"/>
    </linearGradient>
    <filter id="glow" x="-0.2" y="-0.5" width="1.4" height="2"><feGaussianBlur stdDeviation="3"/></filter>
  </defs>`);
  p.push(`<rect width="${CLIP_W}" height="${CLIP_H}" fill="url(#night)"/>`);
  // A few fixed stars.
  for (const [x, y] of [[20, 14], [64, 36], [120, 10], [170, 28], [228, 12], [300, 30], [350, 16], [92, 60], [332, 66], [250, 52]]) {
    p.push(`<circle cx="${x}" cy="${y}" r="0.8" fill="#e8ecff" opacity="${f(0.5 + 0.5 * Math.abs(Math.sin((x + k * 37) * 0.7)))}"/>`);
  }
  // Fireworks: each bursts once per loop, at its own moment.
  const shows = [[62, 38, 0.0, '#ff6060', 0.1], [312, 34, 0.4, '#60d4ff', 0.5], [188, 22, 0.7, '#ffd84a', 0.3], [128, 52, 0.55, '#c080ff', 0.2], [250, 56, 0.2, '#70ff90', 0.4]];
  for (const [x, y, start, colour, seed] of shows) {
    const phase = (t - start + 1) % 1;
    if (phase < 0.8) p.push(burst(x, y, phase / 0.8, colour, seed));
  }
  // Cards tumbling across the table, bouncing as they go. Each card crosses the
  // picture once per loop, so the motion repeats seamlessly; the cards start at
  // different moments and heights so that they never line up.
  const w = CARD_W * 0.42, h = CARD_H * 0.42;
  const floor = CLIP_H - 8;
  const cards = [[0, 1, 0.0, 60], [51, -1, 0.17, 72], [13, 1, 0.33, 48], [38, -1, 0.5, 66], [26, 1, 0.67, 56], [12, -1, 0.83, 70]];
  for (const [card, dir, start, height] of cards) {
    for (const [lag, alpha] of [[0.05, 0.3], [0, 1]]) {
      const s = (((t - lag + start) % 1) + 1) % 1;
      const x = dir > 0 ? -w + s * (CLIP_W + 2 * w) - w / 2 : CLIP_W + w / 2 - s * (CLIP_W + 2 * w);
      const bounce = Math.abs(Math.sin(Math.PI * (2 * s + start)));
      const y = floor - h / 2 - bounce * height * (1 - 0.3 * s);
      const angle = dir * s * 300;
      p.push(`<g transform="translate(${f(x)} ${f(y)}) rotate(${f(angle)})" opacity="${alpha}">` +
        `<image x="${f(-w / 2)}" y="${f(-h / 2)}" width="${f(w)}" height="${f(h)}" xlink:href="${uri(card)}"/></g>`);
    }
  }
  // The words, with a glow that pulses once per loop.
  const pulse = 1 + 0.05 * Math.sin(2 * Math.PI * t);
  p.push(`<g transform="translate(188 84) scale(${f(pulse)})">`);
  p.push(`<text x="0" y="0" font-family="C059" font-weight="bold" font-style="italic" font-size="46" text-anchor="middle" fill="#ffdd55" opacity="${f(0.45 + 0.25 * Math.sin(2 * Math.PI * t))}" filter="url(#glow)">You've Won!</text>`);
  p.push('<text x="1.5" y="1.5" font-family="C059" font-weight="bold" font-style="italic" font-size="46" text-anchor="middle" fill="#1a0c30">You\'ve Won!</text>');
  p.push('<text x="0" y="0" font-family="C059" font-weight="bold" font-style="italic" font-size="46" text-anchor="middle" fill="url(#gold)" stroke="#6a3a08" stroke-width="0.8">You\'ve Won!</text>');
  p.push('</g></svg>');
  return p.join('');
}

// ------------------------------------------------------------------ icon

/** The program icon: an Ace of spades fanned over a red-backed card, and on larger sizes a quill behind them. */
export function iconSvg(size) {
  const detailed = size >= 32;
  const p = [svgOpen(size, size, 256, 256)];
  p.push(`<defs>
    <linearGradient id="redback" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#b0202c"/><stop offset="1" stop-color="#640a12"/></linearGradient>
    <linearGradient id="quill" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#cfc6b2"/></linearGradient>
    <pattern id="lattice" width="22" height="22" patternUnits="userSpaceOnUse"><path d="M0 0 L22 22 M22 0 L0 22" stroke="#f0b8a8" stroke-width="3"/></pattern>
  </defs>`);
  if (size >= 48) {
    // A quill pen standing behind the cards, its feather showing at the top right.
    p.push('<g transform="translate(-8 2) rotate(22 190 150)">');
    p.push('<path d="M190 4 C214 34 218 100 196 200 L184 200 C164 100 166 34 190 4 Z" fill="url(#quill)" stroke="#6a5a40" stroke-width="4"/>');
    p.push('<path d="M190 14 L190 210" stroke="#6a5a40" stroke-width="3.5"/>');
    p.push('<path d="M178 60 L190 80 M202 52 L190 72 M176 96 L190 114 M204 90 L190 108" stroke="#b8ae98" stroke-width="2.5"/>');
    p.push('</g>');
  }
  // Back card.
  p.push('<g transform="rotate(-13 128 138)">');
  p.push('<rect x="30" y="56" width="122" height="176" rx="13" fill="#ffffff" stroke="#2a2a2a" stroke-width="6"/>');
  p.push('<rect x="42" y="68" width="98" height="152" rx="6" fill="url(#redback)"/>');
  if (detailed) p.push('<rect x="42" y="68" width="98" height="152" rx="6" fill="url(#lattice)" opacity="0.7"/>');
  p.push('</g>');
  // Front card: the Ace of spades.
  p.push('<g transform="rotate(9 128 138)">');
  p.push('<rect x="100" y="50" width="122" height="176" rx="13" fill="#ffffff" stroke="#2a2a2a" stroke-width="6"/>');
  p.push(`<path transform="translate(161 146) scale(${detailed ? 0.085 : 0.105})" d="M0-500c100 250 355 400 355 685a150 150 0 0 1-300 0 10 10 0 0 0-20 0c0 200 50 215 95 315h-260c45-100 95-115 95-315a10 10 0 0 0-20 0 150 150 0 0 1-300 0c0-285 255-435 355-685Z" fill="#111"/>`);
  if (detailed) {
    p.push('<path transform="translate(121 79) scale(0.036)" d="M-270 460h160m-90-10L0-460l200 910m-90 10h160m-390-330h240" stroke="#111" stroke-width="110" stroke-linecap="square" fill="none"/>');
  }
  p.push('</g>');
  p.push('</svg>');
  return p.join('');
}
