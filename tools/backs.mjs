// Card backs, pile symbols and the frame of a custom back, drawn as vector art.
//
// Every picture is a white (or grey, or cream) card with a design in an inner
// field; the rim and the corner key are added afterwards (lib/outline.mjs). The
// designs are drawn once in a 100 x 160 box and fitted into the field, whose margin
// is a whole number of pixels for each card size so that the white border is crisp.

const FIELD_MARGIN = { large: 4, small: 3 };
const DIMENSIONS = { large: [80, 125], small: [61, 95] };

function svgOpen(w, h) {
  return `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">`;
}

/** A design drawn in a 100 x 160 box, fitted into the inner field of a card of the given size. */
function backCard(sizeName, design, { paper = '#ffffff', radius = 3 } = {}) {
  const [w, h] = DIMENSIONS[sizeName];
  const m = FIELD_MARGIN[sizeName];
  const fw = w - 2 * m, fh = h - 2 * m;
  return svgOpen(w, h) +
    `<defs><clipPath id="field"><rect x="${m}" y="${m}" width="${fw}" height="${fh}" rx="${radius}"/></clipPath></defs>` +
    `<rect width="${w}" height="${h}" fill="${paper}"/>` +
    `<g clip-path="url(#field)"><svg x="${m}" y="${m}" width="${fw}" height="${fh}" viewBox="0 0 100 160" preserveAspectRatio="none">${design}</svg></g>` +
    '</svg>';
}

const f = (v) => Number(v.toFixed(2));

function seeded(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), a | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// ---------------------------------------------------------------- red lattice

function latticeDesign() {
  const parts = [];
  parts.push(`<defs>
    <linearGradient id="redglow" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#8e1620"/><stop offset="0.5" stop-color="#6e0d16"/><stop offset="1" stop-color="#520810"/>
    </linearGradient>
    <pattern id="trellis" width="12.5" height="12.5" patternUnits="userSpaceOnUse" patternTransform="translate(50 80)">
      <path d="M-1 -1 L13.5 13.5 M13.5 -1 L-1 13.5" stroke="#e8b4a0" stroke-width="1.6" fill="none" opacity="0.85"/>
      <path d="M-1 -1 L13.5 13.5 M13.5 -1 L-1 13.5" stroke="#5a0a10" stroke-width="0.6" fill="none"/>
      <circle cx="0" cy="0" r="1.5" fill="#f3d48a"/><circle cx="12.5" cy="0" r="1.5" fill="#f3d48a"/>
      <circle cx="0" cy="12.5" r="1.5" fill="#f3d48a"/><circle cx="12.5" cy="12.5" r="1.5" fill="#f3d48a"/>
      <circle cx="6.25" cy="6.25" r="1.1" fill="#f3d48a"/>
      <path d="M6.25 2.2 L8.6 6.25 L6.25 10.3 L3.9 6.25 Z" fill="#a3202c" opacity="0.7"/>
    </pattern>
  </defs>`);
  parts.push('<rect width="100" height="160" fill="url(#redglow)"/>');
  parts.push('<rect x="5" y="5" width="90" height="150" rx="3" fill="url(#trellis)"/>');
  parts.push('<rect x="5" y="5" width="90" height="150" rx="3" fill="none" stroke="#f3d48a" stroke-width="1.4"/>');
  parts.push('<rect x="2" y="2" width="96" height="156" rx="4" fill="none" stroke="#c9485a" stroke-width="0.8"/>');
  return parts.join('');
}

// ---------------------------------------------------------- blue ornamental

/** A closed guilloche ring: radius R + A sin(n t + phase), squeezed vertically by `sy`. */
function guilloche(cx, cy, R, A, n, phase, sy, steps = 720) {
  let d = '';
  for (let i = 0; i <= steps; i++) {
    const t = (i / steps) * 2 * Math.PI;
    const r = R + A * Math.sin(n * t + phase);
    d += `${i ? 'L' : 'M'}${f(cx + r * Math.cos(t))} ${f(cy + sy * r * Math.sin(t))}`;
  }
  return d + 'Z';
}

function ornamentDesign() {
  const parts = [];
  parts.push(`<defs>
    <radialGradient id="bluefield" cx="0.5" cy="0.5" r="0.7">
      <stop offset="0" stop-color="#2d5bb5"/><stop offset="0.6" stop-color="#1c3f8a"/><stop offset="1" stop-color="#102a63"/>
    </radialGradient>
    <pattern id="damask" width="10" height="10" patternUnits="userSpaceOnUse" patternTransform="translate(50 80)">
      <path d="M5 1.2 L8.8 5 L5 8.8 L1.2 5 Z" fill="none" stroke="#6f95dc" stroke-width="0.55" opacity="0.8"/>
      <circle cx="5" cy="5" r="0.9" fill="#9fbcf0" opacity="0.9"/>
      <circle cx="0" cy="0" r="0.6" fill="#6f95dc"/><circle cx="10" cy="0" r="0.6" fill="#6f95dc"/>
      <circle cx="0" cy="10" r="0.6" fill="#6f95dc"/><circle cx="10" cy="10" r="0.6" fill="#6f95dc"/>
    </pattern>
  </defs>`);
  parts.push('<rect width="100" height="160" fill="url(#bluefield)"/>');
  parts.push('<rect width="100" height="160" fill="url(#damask)"/>');
  // Frame: a double gold-and-white line with corner rosettes.
  parts.push('<rect x="4" y="4" width="92" height="152" rx="4" fill="none" stroke="#dfe9ff" stroke-width="1.6"/>');
  parts.push('<rect x="7.5" y="7.5" width="85" height="145" rx="3" fill="none" stroke="#9fbcf0" stroke-width="0.8"/>');
  for (const [x, y] of [[12, 12], [88, 12], [12, 148], [88, 148]]) {
    parts.push(`<path d="${guilloche(x, y, 4.2, 1.4, 6, 0, 1, 180)}" fill="#dfe9ff" stroke="#102a63" stroke-width="0.4"/>`);
    parts.push(`<circle cx="${x}" cy="${y}" r="1.5" fill="#102a63"/>`);
  }
  // Central medallion: a dark oval filled with interlaced guilloche rings.
  parts.push('<ellipse cx="50" cy="80" rx="38" ry="58" fill="#0f2458" stroke="#dfe9ff" stroke-width="1.5"/>');
  parts.push('<ellipse cx="50" cy="80" rx="34.5" ry="54" fill="none" stroke="#9fbcf0" stroke-width="0.7"/>');
  const rings = [];
  for (let k = 0; k < 10; k++) {
    rings.push(`<path d="${guilloche(50, 80, 22, 8, 9, (k * Math.PI) / 5, 1.5)}" fill="none" stroke="${k % 2 ? '#8fb2f0' : '#e6eeff'}" stroke-width="0.55"/>`);
  }
  for (let k = 0; k < 6; k++) {
    rings.push(`<path d="${guilloche(50, 80, 11, 4, 7, (k * Math.PI) / 3, 1.5)}" fill="none" stroke="#f3d48a" stroke-width="0.5"/>`);
  }
  parts.push(rings.join(''));
  parts.push(`<path d="${guilloche(50, 80, 4.5, 1.6, 8, 0, 1.5, 240)}" fill="#f3d48a" stroke="#0f2458" stroke-width="0.4"/>`);
  parts.push('<circle cx="50" cy="80" r="1.6" fill="#0f2458"/>');
  return parts.join('');
}

// ---------------------------------------------------------------- sailing ship

function shipDesign() {
  const p = [];
  p.push(`<defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3f78c0"/><stop offset="0.55" stop-color="#8fbbe0"/><stop offset="1" stop-color="#f5dca6"/>
    </linearGradient>
    <linearGradient id="sea" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2d6f8c"/><stop offset="1" stop-color="#0d3550"/>
    </linearGradient>
    <linearGradient id="sail" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#fffaf0"/><stop offset="1" stop-color="#d8cbb0"/>
    </linearGradient>
    <linearGradient id="hull" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#7a4a26"/><stop offset="1" stop-color="#3e220f"/>
    </linearGradient>
    <radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#fff6d0"/><stop offset="0.5" stop-color="#ffe08a" stop-opacity="0.9"/><stop offset="1" stop-color="#ffe08a" stop-opacity="0"/>
    </radialGradient>
  </defs>`);
  p.push('<rect width="100" height="160" fill="url(#sky)"/>');
  p.push('<circle cx="24" cy="96" r="18" fill="url(#sun)"/>');
  // Clouds.
  const cloud = (x, y, s) => `<g transform="translate(${x} ${y}) scale(${s})" fill="#ffffff" opacity="0.85">` +
    '<ellipse cx="0" cy="0" rx="9" ry="4"/><ellipse cx="7" cy="-2" rx="7" ry="4.5"/><ellipse cx="-7" cy="1" rx="6" ry="3"/><ellipse cx="14" cy="1" rx="5" ry="2.6"/></g>';
  p.push(cloud(22, 22, 1.1), cloud(76, 38, 0.8), cloud(40, 60, 0.6));
  // Sea and waves.
  p.push('<rect y="104" width="100" height="56" fill="url(#sea)"/>');
  p.push('<rect y="104" width="100" height="1.2" fill="#f5e6b8" opacity="0.6"/>');
  // Wave crests: short strokes scattered over the sea, smaller and closer
  // together towards the horizon.
  const rnd = seeded(5);
  for (let row = 0; row < 14; row++) {
    const depth = row / 13;
    const y = 106 + 52 * depth ** 1.4;
    const len = 4 + 9 * depth;
    const amp = 0.5 + 1.6 * depth;
    let d = '';
    for (let x = -len * rnd(); x < 100; x += len * (1.4 + rnd())) {
      const yy = y + (rnd() - 0.5) * 2 * (0.5 + depth);
      d += `M${f(x)} ${f(yy)} q${f(len / 4)} ${f(-amp)} ${f(len / 2)} 0 t${f(len / 2)} 0 `;
    }
    p.push(`<path d="${d}" fill="none" stroke="${row % 3 ? '#d8eef8' : '#9cc8dc'}" stroke-width="${f(0.45 + depth * 0.6)}" stroke-linecap="round" opacity="${f(0.45 + depth * 0.35)}"/>`);
  }
  // Light of the low sun on the water.
  p.push('<path d="M18 106 L30 106 L40 124 L12 124 Z" fill="#f5e6b8" opacity="0.18"/>');
  // The ship: a three-masted barque heeling slightly, sailing to the right.
  p.push('<g transform="translate(50 100) rotate(-3)">');
  // Reflection of the hull.
  p.push('<path d="M-30 10 Q0 18 30 10 L26 16 Q0 22 -26 16 Z" fill="#0d3550" opacity="0.5"/>');
  // Masts.
  for (const [x, top] of [[-16, -66], [2, -78], [19, -60]]) {
    p.push(`<rect x="${x - 0.8}" y="${top}" width="1.6" height="${-top + 2}" fill="#4a2c14"/>`);
  }
  // Rigging lines.
  p.push('<path d="M-34 -2 L-16 -66 L2 -78 L19 -60 L36 -4 M-16 -66 L-30 2 M2 -78 L-8 2 M2 -78 L12 2 M19 -60 L30 1" stroke="#3a2a1a" stroke-width="0.35" fill="none"/>');
  // Square sails, billowing: three tiers on each mast.
  const sail = (x, y, w, h) => `<path d="M${x - w / 2} ${y} Q${x} ${y + h * 0.18} ${x + w / 2} ${y} L${x + w / 2 + 1.2} ${y + h} Q${x} ${y + h * 1.22} ${x - w / 2 - 1.2} ${y + h} Z" fill="url(#sail)" stroke="#8a7a5a" stroke-width="0.35"/>`;
  for (const [x, top, scale] of [[-16, -62, 0.9], [2, -74, 1], [19, -56, 0.82]]) {
    let y = top;
    for (const [w, h] of [[12, 10], [16, 14], [19, 16]]) {
      p.push(sail(x, y, w * scale, h * scale));
      y += h * scale + 1.6;
    }
  }
  // Jib sails at the bow.
  p.push('<path d="M22 -50 L40 -4 L24 -6 Z" fill="url(#sail)" stroke="#8a7a5a" stroke-width="0.35"/>');
  p.push('<path d="M20 -38 L34 -5 L21 -6 Z" fill="#efe6d2" stroke="#8a7a5a" stroke-width="0.35"/>');
  // Flags.
  p.push('<path d="M2 -78 L9 -76 L2 -74 Z" fill="#c4262e"/><path d="M-16 -66 L-10 -64.5 L-16 -63 Z" fill="#c4262e"/>');
  // Hull with a gold stripe and gun ports.
  p.push('<path d="M-36 -4 L38 -6 Q36 4 28 10 L-26 10 Q-33 4 -36 -4 Z" fill="url(#hull)" stroke="#2a160a" stroke-width="0.6"/>');
  p.push('<path d="M-35 -1 L37.2 -3" stroke="#e0b050" stroke-width="1.1"/>');
  for (let x = -26; x <= 26; x += 6.5) p.push(`<rect x="${x}" y="1.5" width="2.2" height="1.8" fill="#1c0e05"/>`);
  p.push('<path d="M-36 -4 L-40 -9 L-33 -5 Z" fill="#5a3519"/>');
  p.push('</g>');
  // Foam at the bow.
  p.push('<path d="M78 109 q4 -2 8 1 q-4 1 -8 -1 Z M20 110 q-5 -1 -9 1" fill="#ffffff" stroke="#ffffff" stroke-width="0.6" opacity="0.8"/>');
  // A few gulls.
  p.push('<path d="M28 44 q2 -2 4 0 q2 -2 4 0 M60 28 q1.5 -1.5 3 0 q1.5 -1.5 3 0" stroke="#2b3a50" stroke-width="0.6" fill="none" stroke-linecap="round"/>');
  // Gold frame around the painting.
  p.push('<rect x="1.5" y="1.5" width="97" height="157" rx="3" fill="none" stroke="#c9a24a" stroke-width="2"/>');
  p.push('<rect x="3.2" y="3.2" width="93.6" height="153.6" rx="2" fill="none" stroke="#6b4f1a" stroke-width="0.6"/>');
  return p.join('');
}

export const BACKS = [
  { number: 153, design: latticeDesign },
  { number: 154, design: ornamentDesign },
  { number: 155, design: shipDesign },
];

export function backSvg(number, sizeName) {
  const back = BACKS.find((b) => b.number === number);
  return backCard(sizeName, back.design());
}

// ---------------------------------------------------------------- pile symbols

const SYMBOL_GREY = '#b4b4b4';

function greyCard(sizeName, body) {
  const [w, h] = DIMENSIONS[sizeName];
  return svgOpen(w, h) +
    `<defs><linearGradient id="grey" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#c4c4c4"/><stop offset="1" stop-color="${SYMBOL_GREY}"/></linearGradient>` +
    '<linearGradient id="green" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#3fc45a"/><stop offset="1" stop-color="#14772c"/></linearGradient></defs>' +
    `<rect width="${w}" height="${h}" fill="url(#grey)"/>` +
    `<svg x="0" y="${(h - w) / 2}" width="${w}" height="${w}" viewBox="0 0 100 100">${body}</svg>` +
    '</svg>';
}

/** Two arrows chasing each other round a circle: an empty stock that can be turned over. */
function recycleSymbol() {
  const arrow = (rot) => {
    const r0 = 22, r1 = 32, a0 = 20, a1 = 150;
    const pt = (r, a) => `${f(50 + r * Math.cos((a * Math.PI) / 180))} ${f(50 + r * Math.sin((a * Math.PI) / 180))}`;
    const rm = (r0 + r1) / 2;
    // Arc band from a0 to a1, ending in an arrow head pointing along the circle.
    const d = `M${pt(r1, a0)} A${r1} ${r1} 0 0 1 ${pt(r1, a1)} L${pt(r1 + 8, a1)} L${pt(rm, a1 + 32)} L${pt(r0 - 8, a1)} L${pt(r0, a1)} A${r0} ${r0} 0 0 0 ${pt(r0, a0)} Z`;
    return `<path transform="rotate(${rot} 50 50)" d="${d}" fill="url(#green)" stroke="#0b4a1a" stroke-width="2.2" stroke-linejoin="round"/>`;
  };
  return arrow(0) + arrow(180);
}

/** A bold cross: a pile that stays empty. */
function crossSymbol() {
  const bar = (rot) => `<rect x="44" y="16" width="12" height="68" rx="4" transform="rotate(${rot} 50 50)" fill="url(#green)" stroke="#0b4a1a" stroke-width="2.2"/>`;
  return bar(45) + bar(-45) + '<rect x="44" y="16" width="12" height="68" rx="4" transform="rotate(45 50 50)" fill="url(#green)"/>';
}

export function symbolSvg(number, sizeName) {
  return greyCard(sizeName, number === 156 ? recycleSymbol() : crossSymbol());
}

// ---------------------------------------------------------------- custom back frame

export const BORDER_CREAM = '#f7efd8';

export function borderSvg(sizeName) {
  const [w, h] = DIMENSIONS[sizeName];
  return svgOpen(w, h) + `<rect width="${w}" height="${h}" fill="${BORDER_CREAM}"/></svg>`;
}
