// The opening table of each game, for the selector's preview pictures: every pile
// view at its place in the large-card window, holding the cards the game's deal
// leaves there. The deck order comes from a fixed seed so that the pictures are the
// same at every regeneration.

const CARD_W = 80, CARD_H = 125;

function rng(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

/** A shuffled stock of `decks` decks; cards are face image indexes 0..51 (suit * 13 + value). */
function shuffledStock(decks, seed) {
  const cards = [];
  for (let d = 0; d < decks; d++) for (let i = 0; i < 52; i++) cards.push(i);
  const next = rng(seed);
  for (let i = cards.length - 1; i > 0; i--) {
    const j = Math.floor(next() * (i + 1));
    [cards[i], cards[j]] = [cards[j], cards[i]];
  }
  return cards;
}

const value = (card) => card % 13;

class Table {
  constructor(width, height) {
    this.width = width;
    this.height = height;
    this.piles = [];
  }
  pile(x, y, w, h, { xo = 0, yo = 0, bordered = false } = {}) {
    const p = { x, y, w, h, xo, yo, bordered, cards: [] };
    this.piles.push(p);
    return p;
  }
  /** Rectangle of everything drawn: cards and bordered frames. */
  bounds() {
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    const add = (ax, ay, bx, by) => { x0 = Math.min(x0, ax); y0 = Math.min(y0, ay); x1 = Math.max(x1, bx); y1 = Math.max(y1, by); };
    for (const p of this.piles) {
      if (p.bordered) add(p.x, p.y, p.x + p.w + 1, p.y + p.h + 1);
      p.cards.forEach((_, i) => {
        const cx = p.x + Math.trunc(i * p.xo), cy = p.y + Math.trunc(i * p.yo);
        add(cx, cy, Math.min(cx + CARD_W, p.x + p.w), Math.min(cy + CARD_H, p.y + p.h));
      });
    }
    return { x0, y0, x1, y1 };
  }
}

const up = (card) => ({ card, up: true });
const down = (card) => ({ card, up: false });

/** Deals `rows` rounds onto `columns`, row r giving a card to the columns listed by `targets(r)`. */
function dealRows(stock, columns, rows, targets, faceUp) {
  for (let r = 1; r <= rows; r++) {
    for (const c of targets(r)) columns[c - 1].cards.push({ card: stock.pop(), up: faceUp(r, c) });
  }
}
const range = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);

function klondike() {
  const t = new Table(672, 491);
  const stockPile = t.pile(8, 8, 121, 129, { xo: 1.0, yo: 0.2 });
  t.pile(144, 8, 137, 129, { xo: 20, yo: 2 });
  for (const x of [296, 392, 488, 584]) t.pile(x, 8, 80, 125, { bordered: true });
  const cols = [8, 104, 200, 296, 392, 488, 584].map((x) => t.pile(x, 152, 80, 337, { yo: 20 }));
  const stock = shuffledStock(1, 7);
  for (let r = 1; r <= 7; r++) for (let c = r; c <= 7; c++) cols[c - 1].cards.push({ card: stock.pop(), up: c === r });
  stockPile.cards = stock.map(down);
  return t;
}

function doubleKlondike() {
  const t = new Table(986, 582);
  const stockPile = t.pile(8, 8, 129, 145, { xo: 0.4, yo: 0.2 });
  t.pile(144, 8, 129, 129, { xo: 20, yo: 2 });
  for (const x of [280, 368, 456, 544, 632, 720, 808, 896]) t.pile(x, 8, 80, 125, { bordered: true });
  const cols = [72, 168, 264, 360, 456, 552, 648].map((x) => t.pile(x, 160, 80, 417, { yo: 20 }));
  cols.push(t.pile(744, 162, 80, 415, { yo: 20 }), t.pile(840, 162, 80, 415, { yo: 20 }));
  const stock = shuffledStock(2, 2);
  for (let r = 1; r <= 9; r++) for (let c = r; c <= 9; c++) cols[c - 1].cards.push({ card: stock.pop(), up: c === r });
  stockPile.cards = stock.map(down);
  return t;
}

function freeCell() {
  const t = new Table(776, 541);
  for (const x of [8, 96, 184, 272]) t.pile(x, 8, 80, 125, { bordered: true });
  for (const x of [424, 512, 600, 688]) t.pile(x, 8, 80, 125, { bordered: true });
  const cols = range(0, 7).map((k) => t.pile(40 + 88 * k, 140, 80, 393, { yo: 20 }));
  const stock = shuffledStock(1, 4);
  dealRows(stock, cols, 7, (r) => (r < 7 ? range(1, 8) : range(1, 4)), () => true);
  return t;
}

function seaTowers() {
  const t = new Table(887, 571);
  for (const x of [8, 96]) t.pile(x, 8, 80, 125, { bordered: true });
  const cells = [272, 360, 448, 536].map((x) => t.pile(x, 8, 80, 125, { bordered: true }));
  for (const x of [712, 800]) t.pile(x, 8, 80, 125, { bordered: true });
  const cols = range(1, 10).map((n) => t.pile(8 + 88 * (n - 1), 140, 80, 429, { yo: 20 }));
  const stock = shuffledStock(1, 11);
  dealRows(stock, cols, 5, () => range(1, 10), () => true);
  cells[2].cards.push(up(stock.pop()));
  cells[1].cards.push(up(stock.pop()));
  return t;
}

function castle() {
  const t = new Table(753, 549);
  const rows = [];
  for (const y of [8, 144, 280, 416]) rows.push(t.pile(16, y, 305, 125, { xo: 12 }));
  for (const y of [8, 144, 280, 416]) rows.push(t.pile(432, y, 305, 125, { xo: 12 }));
  const foundations = [8, 144, 280, 416].map((y) => t.pile(336, y, 80, 125, { bordered: true }));
  const deck = shuffledStock(1, 5);
  let f = 0;
  for (const card of deck) if (value(card) === 0) foundations[f++].cards.push(up(card));
  const rest = deck.filter((c) => value(c) !== 0);
  for (let pass = 0; pass < 6; pass++) for (const row of rows) row.cards.push(up(rest.pop()));
  return t;
}

function fortyThievesLike(seed, rows, faceUp) {
  const t = new Table(885, 675);
  const stockPile = t.pile(8, 8, 137, 145, { xo: 0.4, yo: 0.2 });
  t.pile(152, 8, 729, 125, { xo: 12 });
  const cols = range(1, 10).map((n) => t.pile(8 + 88 * (n - 1), 160, 80, 377, { yo: 20 }));
  for (let n = 1; n <= 8; n++) t.pile(96 + 88 * (n - 1), 546, 80, 125, { bordered: true });
  const stock = shuffledStock(2, seed);
  dealRows(stock, cols, rows, () => range(1, 10), faceUp);
  stockPile.cards = stock.map(down);
  return t;
}

function spider() {
  const t = new Table(887, 646);
  const stockPile = t.pile(8, 8, 137, 145, { xo: 0.4, yo: 0.2 });
  for (const x of [184, 272, 360, 448, 536, 624, 712, 800]) t.pile(x, 6, 80, 125, { bordered: true });
  const cols = [8, 96, 184, 272, 360, 448, 536, 624, 712, 800].map((x) => t.pile(x, 161, 80, 488, { yo: 20 }));
  const stock = shuffledStock(2, 9);
  dealRows(stock, cols, 5, (r) => (r < 5 ? range(1, 10) : range(1, 4)), (r, c) => r === 5 || (r === 4 && c > 4));
  stockPile.cards = stock.map(down);
  return t;
}

function golf() {
  const t = new Table(700, 430);
  const cols = [24, 120, 216, 312, 408, 504, 600].map((x) => t.pile(x, 8, 80, 265, { yo: 20 }));
  const stockPile = t.pile(8, 288, 113, 137, { xo: 0.4, yo: 0.2 });
  const discard = t.pile(128, 288, 569, 125, { xo: 9 });
  const stock = shuffledStock(1, 3);
  dealRows(stock, cols, 5, () => range(1, 7), () => true);
  discard.cards.push(up(stock.pop()));
  stockPile.cards = stock.map(down);
  return t;
}

function pyramid() {
  const t = new Table(640, 586);
  const rows = [
    [8, [288]], [56, [240, 328]], [104, [192, 280, 368]], [152, [144, 232, 320, 408]],
    [200, [104, 192, 280, 368, 456]], [248, [56, 144, 232, 320, 408, 496]],
    [296, [16, 104, 192, 280, 368, 456, 544]],
  ];
  const stock = shuffledStock(1, 13);
  for (const [y, xs] of rows) for (const x of xs) t.pile(x, y, 80, 125).cards.push(up(stock.pop()));
  t.pile(136, 432, 113, 145, { xo: 0.6, yo: 0.6 }).cards = stock.map(down);
  t.pile(544, 440, 80, 125, { bordered: true });
  return t;
}

function montana() {
  const t = new Table(1041, 580);
  const stock = shuffledStock(1, 21);
  const grid = [];
  for (const y of [8, 152, 296, 440]) for (let c = 0; c < 13; c++) grid.push(t.pile(80 * c, y, 80, 125));
  // Dealt column by column, rows 1 to 4 in each; then the Aces are taken out.
  for (let c = 0; c < 13; c++) for (let r = 0; r < 4; r++) {
    const card = stock.pop();
    if (value(card) !== 0) grid[r * 13 + c].cards.push(up(card));
  }
  return t;
}

function queenOfItaly() {
  const t = new Table(882, 700);
  const terrace = t.pile(344, 8, 225, 125, { xo: 12 });
  for (const x of [96, 184, 272, 360, 448, 536, 624, 712]) t.pile(x, 139, 80, 125, { bordered: true });
  const cols = [56, 144, 232, 320, 408, 496, 584, 672, 760].map((x) => t.pile(x, 272, 80, 273, { yo: 20 }));
  const stockPile = t.pile(12, 552, 117, 145, { xo: 0.2, yo: 0.2 });
  t.pile(136, 552, 745, 125, { xo: 12 });
  const stock = shuffledStock(2, 17);
  for (let i = 0; i < 11; i++) terrace.cards.push(up(stock.pop()));
  for (let c = 0; c < 4; c++) cols[c].cards.push(up(stock.pop()));
  stockPile.cards = stock.map(down);
  return t;
}

export const GAMES = {
  castle,
  dblklondike: doubleKlondike,
  fortythieves: () => fortyThievesLike(15, 4, () => true),
  freecell: freeCell,
  golf,
  indian: () => fortyThievesLike(19, 3, (r) => r > 1),
  klondike,
  montana,
  pyramid,
  queenitaly: queenOfItaly,
  seahaven: seaTowers,
  spider,
};

export { CARD_W, CARD_H };
