// Loads the CC0 card designs of @letele/playing-cards (React components, one per
// card) and takes them apart into the pieces our own card layout places: the rank
// glyph, the suit symbol, the pips and the court picture.
//
// The package ships only an ES module without an "exports" map, which Node does not
// load by its bare name; we copy it next to the build output with its imports
// resolved to files, and import that copy.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import React from 'react';
import { renderToStaticMarkup } from 'react-dom/server';

const require = createRequire(import.meta.url);

export async function loadDeck(workDir) {
  const dist = path.join(path.dirname(require.resolve('@letele/playing-cards/package.json')), 'dist/index.esm.js');
  let source = fs.readFileSync(dist, 'utf8');
  for (const dependency of ['@babel/runtime/helpers/extends', 'react']) {
    const url = pathToFileURL(require.resolve(dependency)).href;
    source = source.split(`from '${dependency}'`).join(`from '${url}'`);
  }
  fs.mkdirSync(workDir, { recursive: true });
  const copy = path.join(workDir, 'playing-cards.mjs');
  fs.writeFileSync(copy, source);
  return import(pathToFileURL(copy).href);
}

const num = (v) => Number(v ?? 0);
const childrenOf = (el) => React.Children.toArray(el?.props?.children ?? []);

/** Markup of one React SVG element, with ids made unique by `prefix`. */
export function markup(el, prefix = '') {
  let s = renderToStaticMarkup(el);
  if (prefix) s = s.replace(/(id="|#)([A-Za-z0-9_-]+__)/g, `$1${prefix}$2`);
  return s;
}

/**
 * Splits a card component into:
 *   defs      markup of its <defs> (symbols)
 *   rankId    id of the rank glyph symbol (the corner letter or number)
 *   suitId    id of the suit symbol
 *   pips      [{cx, cy, size, rotated}] of the suit pips, in the 240 x 336 card space centred on 0
 *   picture   markup of everything else (court figure and its frame, big ace), same space
 */
export function dissect(Component, prefix) {
  const svg = Component({});
  const parts = childrenOf(svg);
  const out = { defs: '', rankId: null, suitId: null, pips: [], picture: [] };
  const symbolIds = {};
  for (const p of parts) {
    if (p.type !== 'defs') continue;
    out.defs = markup(p, prefix);
    for (const s of childrenOf(p)) {
      if (s.type !== 'symbol') continue;
      symbolIds[s.props.id] = s.props.viewBox;
    }
  }
  const isIndex = (u) => u.type === 'use' && (num(u.props.height) === 32 || Math.abs(num(u.props.height) - 26.769) < 0.01);
  const idOf = (u) => (u.props.xlinkHref ?? u.props.href ?? '').slice(1);
  const visit = (el, rotated) => {
    if (el.type === 'rect' && num(el.props.width) === 239) return; // the package's card outline
    if (el.type === 'text') return; // the designer's web address on the ace of spades
    if (el.type === 'g') {
      const rot = /rotate\(180\)/.test(el.props.transform ?? '');
      for (const c of childrenOf(el)) visit(c, rot !== rotated);
      return;
    }
    if (el.type === 'use' && isIndex(el)) {
      if (num(el.props.height) === 32) out.rankId = idOf(el);
      else out.suitId = idOf(el);
      return;
    }
    if (el.type === 'use' && symbolIds[idOf(el)]?.startsWith('-600') && !el.props.transform && num(el.props.height) === 70) {
      const size = num(el.props.height);
      const x = num(el.props.x), y = num(el.props.y);
      let cx = x + size / 2, cy = y + size / 2;
      if (rotated) { cx = -cx; cy = -cy; }
      out.pips.push({ cx, cy, size, rotated });
      out.suitId ??= idOf(el);
      return;
    }
    if (el.type === 'use' && !el.props.xlinkHref && !el.props.href) return;
    if (el.type === 'path' && !el.props.id && String(el.props.d ?? '').length > 2000) return; // the QR code on the ace of spades
    out.picture.push(rotated ? `<g transform="rotate(180)">${markup(el, prefix)}</g>` : markup(el, prefix));
  };
  for (const p of parts) if (p.type !== 'defs') visit(p, false);
  out.picture = out.picture.join('');
  out.rankId = out.rankId && prefix + out.rankId;
  out.suitId = out.suitId && prefix + out.suitId;
  return out;
}
