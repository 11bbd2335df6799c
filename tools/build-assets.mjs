#!/usr/bin/env node
// Regenerates every picture, sound and animation of Quillane under resources/.
//
//   node build-assets.mjs            everything
//   node build-assets.mjs cards ...  only the named steps
//
// Steps: cards, pictures, clip, icon, sounds, sheet (a contact sheet of all the
// pictures in tools/build/, for looking at; it is not embedded).
// Needs node, rsvg-convert, ImageMagick, sox and the URW base 35 fonts.
import fs from 'node:fs';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { loadDeck } from './lib/deck.mjs';
import { rasterize, magick } from './lib/raster.mjs';
import { applyOutline } from './lib/outline.mjs';
import { Image, encodeRgb, encodeRgba, encodeBest, encodePalette, readPng } from './lib/png.mjs';
import { quantize } from './lib/quantize.mjs';
import { keyedCardUri, resize, paste } from './lib/compose.mjs';
import { faceSvg, jokerSvg, SUITS, RANKS, SIZES } from './cards.mjs';
import { backSvg, symbolSvg, borderSvg } from './backs.mjs';
import { GAMES } from './tables.mjs';
import { tableSvg, startupSvg, jesterSvg, clipFrameSvg, iconSvg, CLIP_W, CLIP_H, CLIP_FRAMES } from './pictures.mjs';
import { buildSounds } from './sounds.mjs';

const TOOLS = path.dirname(fileURLToPath(import.meta.url));
const RES = path.resolve(TOOLS, '..', 'resources');
const WORK = path.join(TOOLS, 'build');
const GREEN = 0x004000, GREY = 0xbfbfbf;

/** Path of an output file in a folder of resources/ (cards, pictures, clip, icon, sounds). */
function out(dir, name) {
  const d = path.join(RES, dir);
  fs.mkdirSync(d, { recursive: true });
  return path.join(d, name);
}

const fileName = (name, scale) => `${name.toLowerCase()}${scale === 2 ? '@2x' : ''}.png`;

// ------------------------------------------------------------------ cards

/** Renders a card-shaped SVG at 1x and 2x, adds the outline and writes both files. */
function writeCard(name, svg, w, h, opts = {}) {
  for (const scale of [1, 2]) {
    const img = rasterize(svg, w * scale, h * scale).flatten([255, 255, 255]);
    applyOutline(img, scale, opts);
    fs.writeFileSync(out('cards', fileName(name, scale)), encodeBest(img));
  }
}

/** The custom-back mask: black, with the corner key pixels white. */
function writeMask(name, w, h) {
  for (const scale of [1, 2]) {
    const img = new Image(w * scale, h * scale).fill([0, 0, 0]);
    applyOutline(img, scale, { rim: null, key: [255, 255, 255] });
    fs.writeFileSync(out('cards', fileName(name, scale)), encodePalette(img, [0x000000, 0xffffff], 1));
  }
}

async function buildCards() {
  const deck = await loadDeck(WORK);
  for (const [sizeName, prefix] of [['large', 'FSCARD'], ['small', 'sFSCARD']]) {
    const { w, h } = SIZES[sizeName];
    SUITS.forEach((suit, s) => RANKS.forEach((rank, v) => {
      writeCard(`${prefix}${100 + s * 13 + v}`, faceSvg(deck, suit, rank, sizeName), w, h);
    }));
    writeCard(`${prefix}152`, jokerSvg(deck, sizeName), w, h);
    for (const n of [153, 154, 155]) writeCard(`${prefix}${n}`, backSvg(n, sizeName), w, h);
    for (const n of [156, 157]) writeCard(`${prefix}${n}`, symbolSvg(n, sizeName), w, h);
    const border = sizeName === 'large' ? 'BORDER' : 'sBORDER';
    // The frame is a 24-bit picture: always written as RGB.
    for (const scale of [1, 2]) {
      const img = rasterize(borderSvg(sizeName), w * scale, h * scale).flatten([255, 255, 255]);
      applyOutline(img, scale, { rim: [40, 32, 24] });
      fs.writeFileSync(out('cards', fileName(border, scale)), encodeRgb(img));
    }
    writeMask(`${border}MASK`, w, h);
  }
  console.log('cards: faces, backs, pile symbols, frames and masks');
}

// ---------------------------------------------------------------- pictures

/**
 * Our 2x large card pictures, corners made transparent, as <image> sources:
 * faces by index (0..52), backs as 'back153'..'back155' or null for the first back.
 */
function cardUris() {
  const cache = new Map();
  return (card) => {
    const key = card === null ? 'back153' : card;
    if (!cache.has(key)) {
      const name = typeof key === 'string' ? `fscard${key.slice(4)}` : `fscard${100 + key}`;
      cache.set(key, keyedCardUri(readPng(out('cards', fileName(name, 2))), 2));
    }
    return cache.get(key);
  };
}

/** Reduces pictures to 256 colours with the given exact colours and writes them. */
function writePalettePictures(list, fixed) {
  for (const { file, img } of list) {
    const { palette, images } = quantize([img], { fixed });
    fs.writeFileSync(file, encodePalette(images[0], palette, 8));
  }
}

function buildPictures() {
  const uri = cardUris();
  const list = [];
  for (const [name, make] of Object.entries(GAMES)) {
    const { svg, width, height } = tableSvg(make(), uri, 2);
    const big = rasterize(svg, width * 2, height * 2);
    for (const scale of [1, 2]) {
      const W = 320 * scale, H = 125 * scale;
      const k = Math.min(W / width, H / height);
      const w = Math.round(width * k), h = Math.round(height * k);
      const small = resize(big, w, h);
      const canvas = new Image(W, H).fill([0, 64, 0]);
      paste(canvas, small, Math.floor((W - w) / 2), Math.floor((H - h) / 2));
      list.push({ file: out('pictures', fileName(name, scale)), img: canvas });
    }
  }
  const startup = startupSvg(uri);
  for (const scale of [1, 2]) {
    list.push({ file: out('pictures', fileName('STARTUP', scale)), img: rasterize(startup, 320 * scale, 125 * scale).flatten([0, 64, 0]) });
  }
  writePalettePictures(list, [GREEN]);
  // The jester swings left, hangs straight, swings right: pictures 1, 2 and 3.
  const jesters = [];
  [-9, 0, 9].forEach((angle, i) => {
    for (const scale of [1, 2]) {
      jesters.push({ file: out('pictures', fileName(`JESTER${i + 1}`, scale)), img: rasterize(jesterSvg(angle), 68 * scale, 97 * scale).flatten([191, 191, 191]) });
    }
  });
  writePalettePictures(jesters, [GREY]);
  console.log('pictures: STARTUP, twelve previews, three jesters');
}

// -------------------------------------------------------------------- clip

function buildClip() {
  const uri = cardUris();
  const frames = [];
  for (let k = 0; k < CLIP_FRAMES; k++) frames.push(rasterize(clipFrameSvg(k, uri), CLIP_W, CLIP_H).flatten([0, 0, 0]));
  // One palette for all ten frames, as in an 8-bit video.
  const { palette, images } = quantize(frames, { fixed: [] });
  fs.mkdirSync(WORK, { recursive: true });
  const pngs = images.map((img, k) => {
    const file = out('clip', `win_avi${String(k + 1).padStart(2, '0')}.png`);
    fs.writeFileSync(file, encodePalette(img, palette, 8));
    return file;
  });
  // The same frames as one looping GIF at 5 frames per second.
  magick(['-delay', '20', '-loop', '0', ...pngs, '-layers', 'Optimize', out('clip', 'win_avi.gif')]);
  console.log(`clip: ${CLIP_FRAMES} frames of ${CLIP_W} x ${CLIP_H}, ${palette.length} colours`);
}

// -------------------------------------------------------------------- icon

export const ICON_SIZES = [16, 24, 32, 48, 64, 128, 256];

function buildIcon() {
  for (const size of ICON_SIZES) {
    const img = rasterize(iconSvg(size), size, size);
    const name = size === 256 ? 'icon.png' : `icon${size}.png`;
    fs.writeFileSync(out('icon', name), encodeRgba(img));
  }
  // The drawing itself, with every detail, for the desktop's scalable icon folder.
  fs.writeFileSync(out('icon', 'icon.svg'), `${iconSvg(256)}\n`);
  console.log(`icon: ${ICON_SIZES.join(', ')} pixels and icon.svg`);
}

// -------------------------------------------------------------------- sheet

function buildSheet() {
  fs.mkdirSync(WORK, { recursive: true });
  const dir = path.join(RES, 'cards');
  const pick = (re) => fs.readdirSync(dir).filter((n) => re.test(n)).sort().map((n) => path.join(dir, n));
  const sheets = {
    'sheet-large-1x.png': pick(/^fscard\d+\.png$/),
    'sheet-small-1x.png': pick(/^sfscard\d+\.png$/),
    'sheet-large-2x.png': pick(/^fscard\d+@2x\.png$/),
    'sheet-small-2x.png': pick(/^sfscard\d+@2x\.png$/),
    'sheet-frames.png': pick(/border/),
  };
  for (const [name, files] of Object.entries(sheets)) {
    execMontage(['-background', '#004000', '-geometry', '+3+3', '-tile', '13x', ...files, path.join(WORK, name)]);
  }
  const pics = path.join(RES, 'pictures');
  const p = (re) => fs.readdirSync(pics).filter((n) => re.test(n)).sort().map((n) => path.join(pics, n));
  execMontage(['-background', '#404040', '-geometry', '+3+3', '-tile', '4x', ...p(/^[a-z]+\.png$/), path.join(WORK, 'sheet-pictures-1x.png')]);
  execMontage(['-background', '#404040', '-geometry', '+3+3', '-tile', '3x', ...p(/^[a-z]+@2x\.png$/).filter((n) => !/jester/.test(n)), path.join(WORK, 'sheet-pictures-2x.png')]);
  execMontage(['-background', '#404040', '-geometry', '+3+3', '-tile', '6x', ...p(/^jester/), path.join(WORK, 'sheet-jesters.png')]);
  const clip = path.join(RES, 'clip');
  execMontage(['-background', '#404040', '-geometry', '+3+3', '-tile', '2x', ...fs.readdirSync(clip).filter((n) => n.endsWith('.png')).sort().map((n) => path.join(clip, n)), path.join(WORK, 'sheet-clip.png')]);
  const icons = path.join(RES, 'icon');
  execMontage(['-background', '#808080', '-geometry', '+3+3', '-gravity', 'south', ...ICON_SIZES.map((s) => path.join(icons, s === 256 ? 'icon.png' : `icon${s}.png`)), path.join(WORK, 'sheet-icon.png')]);
  console.log(`sheet: contact sheets in ${path.relative(process.cwd(), WORK)}/`);
}

function execMontage(args) {
  execFileSync('montage', args);
}

// -------------------------------------------------------------------- main

const STEPS = { cards: buildCards, pictures: buildPictures, clip: buildClip, icon: buildIcon, sounds: () => buildSounds(out, WORK), sheet: buildSheet };
const wanted = process.argv.slice(2);
for (const w of wanted) if (!STEPS[w]) throw new Error(`unknown step ${w}; steps: ${Object.keys(STEPS).join(', ')}`);
for (const [name, step] of Object.entries(STEPS)) {
  if (wanted.length && !wanted.includes(name)) continue;
  await step();
}
