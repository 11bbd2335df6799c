// The nine sound effects, synthesised sample by sample and finished with sox:
// reverb where a room helps, peaks at -3 dBFS, short fades, and the final format
// (PCM, 8 bits unsigned) at the exact rate, channel count and length each sound
// must have.
import fs from 'node:fs';
import path from 'node:path';
import { execFileSync } from 'node:child_process';

export const WAVES = [
  { name: 'SHUFFLE', channels: 1, rate: 22050, seconds: 0.78, make: shuffle },
  { name: 'DEAL', channels: 1, rate: 22050, seconds: 0.21, make: deal },
  { name: 'OPEN', channels: 2, rate: 22050, seconds: 2.17, make: fanfare, reverb: [40, 50, 70] },
  { name: 'JESTER', channels: 1, rate: 22050, seconds: 4.93, make: jingle, reverb: [25, 50, 50] },
  { name: 'STOCK', channels: 1, rate: 22050, seconds: 0.23, make: flip },
  { name: 'UNDO', channels: 1, rate: 11025, seconds: 0.09, make: blip },
  { name: 'AUTOPLAY', channels: 1, rate: 22254, seconds: 0.22, make: swish },
  { name: 'RESTART', channels: 1, rate: 22050, seconds: 1.15, make: gather },
  { name: 'WIN_SND', channels: 1, rate: 22050, seconds: 8.54, make: melody, reverb: [30, 50, 60] },
];

// ------------------------------------------------------------------ building blocks

function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), a | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const midi = (n) => 440 * 2 ** ((n - 69) / 12);
const NOTE = { C: 0, D: 2, E: 4, F: 5, G: 7, A: 9, B: 11 };
/** 'C5', 'F#4', 'Bb3' to a frequency. */
function hz(name) {
  const m = /^([A-G])([#b]?)(\d)$/.exec(name);
  return midi(12 * (Number(m[3]) + 1) + NOTE[m[1]] + (m[2] === '#' ? 1 : m[2] === 'b' ? -1 : 0));
}

/** Adds `src` into `dst` from sample `at`, scaled by `gain`. */
function mixInto(dst, src, at, gain = 1) {
  for (let i = 0; i < src.length && at + i < dst.length; i++) if (at + i >= 0) dst[at + i] += src[i] * gain;
}

/** RBJ biquad band-pass (constant peak gain), applied in place. */
function bandpass(x, rate, freq, q) {
  const w = (2 * Math.PI * freq) / rate, alpha = Math.sin(w) / (2 * q), cos = Math.cos(w);
  const a0 = 1 + alpha;
  const b0 = alpha / a0, b2 = -alpha / a0, a1 = (-2 * cos) / a0, a2 = (1 - alpha) / a0;
  let x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (let i = 0; i < x.length; i++) {
    const y = b0 * x[i] + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1; x1 = x[i]; y2 = y1; y1 = y;
    x[i] = y;
  }
  return x;
}

/** One-pole low-pass with a cutoff that may change per sample (`cut(i)` in Hz). */
function lowpass(x, rate, cut) {
  let y = 0;
  for (let i = 0; i < x.length; i++) {
    const c = typeof cut === 'function' ? cut(i) : cut;
    const a = 1 - Math.exp((-2 * Math.PI * c) / rate);
    y += a * (x[i] - y);
    x[i] = y;
  }
  return x;
}

function highpass(x, rate, cut) {
  const a = Math.exp((-2 * Math.PI * cut) / rate);
  let px = 0, y = 0;
  for (let i = 0; i < x.length; i++) {
    y = a * (y + x[i] - px);
    px = x[i];
    x[i] = y;
  }
  return x;
}

function noise(n, rnd) {
  const x = new Float32Array(n);
  for (let i = 0; i < n; i++) x[i] = rnd() * 2 - 1;
  return x;
}

/** Attack then exponential decay; `decay` is the time to fall by 60 dB. */
function envelope(n, rate, attack, decay, hold = 0) {
  const e = new Float32Array(n);
  const na = Math.max(1, Math.round(attack * rate)), nh = Math.round(hold * rate);
  const k = Math.log(1000) / (decay * rate);
  for (let i = 0; i < n; i++) {
    if (i < na) e[i] = 0.5 - 0.5 * Math.cos((Math.PI * i) / na);
    else if (i < na + nh) e[i] = 1;
    else e[i] = Math.exp(-k * (i - na - nh));
  }
  return e;
}

const times = (a, b) => a.map((v, i) => v * b[i]);

/** A papery click: a short band-passed noise burst. */
function click(rate, rnd, { freq = 3000, q = 1.2, length = 0.012, decay = 0.01 } = {}) {
  const n = Math.round(length * rate);
  return bandpass(times(noise(n, rnd), envelope(n, rate, 0.0005, decay)), rate, freq, q);
}

/** Tuned percussion (glockenspiel, marimba): inharmonic partials with their own decays. */
function bell(rate, f0, length, { partials = [[1, 1, 1], [2.76, 0.4, 0.5], [5.4, 0.2, 0.3], [8.93, 0.08, 0.2]], decay = 1.2 } = {}) {
  const n = Math.round(length * rate);
  const x = new Float32Array(n);
  for (const [ratio, amp, dk] of partials) {
    const f = f0 * ratio;
    if (f > rate * 0.45) continue;
    const env = envelope(n, rate, 0.002, decay * dk);
    for (let i = 0; i < n; i++) x[i] += amp * env[i] * Math.sin((2 * Math.PI * f * i) / rate);
  }
  return x;
}

/** A brassy tone: a band-limited saw whose brightness follows the attack, with a little vibrato. */
function brass(rate, f0, length, { attack = 0.04, release = 0.12, bright = 6 } = {}) {
  const n = Math.round(length * rate);
  const x = new Float32Array(n);
  const nr = Math.round(release * rate);
  let phase = 0;
  for (let i = 0; i < n; i++) {
    const t = i / rate;
    const vib = 1 + 0.004 * Math.sin(2 * Math.PI * 5.5 * t) * Math.min(1, t / 0.3);
    phase += (2 * Math.PI * f0 * vib) / rate;
    const swell = Math.min(1, t / attack);
    const harmonics = Math.max(1, Math.floor(Math.min(bright * (0.4 + 0.6 * swell), (rate * 0.45) / f0)));
    let s = 0;
    for (let k = 1; k <= harmonics; k++) s += Math.sin(k * phase) / k;
    const env = (t < attack ? 0.5 - 0.5 * Math.cos((Math.PI * t) / attack) : 1) * (i > n - nr ? (n - i) / nr : 1);
    x[i] = s * env * 0.6;
  }
  return x;
}

// ------------------------------------------------------------------ the sounds

function shuffle(rate, n) {
  const rnd = random(11);
  const out = new Float32Array(n);
  // A riffle: about forty cards falling one onto another, fast in the middle.
  const start = 0.03, end = 0.62, count = 42;
  for (let k = 0; k < count; k++) {
    const u = k / (count - 1);
    const t = start + (end - start) * (u - 0.12 * Math.sin(2 * Math.PI * u) / (2 * Math.PI) * 2);
    const c = click(rate, rnd, { freq: 2400 + 1800 * rnd(), q: 1.5, length: 0.014, decay: 0.008 + 0.006 * rnd() });
    mixInto(out, c, Math.round((t + 0.002 * rnd()) * rate), 0.6 + 0.4 * rnd());
  }
  // The flutter of the cards under the clicks.
  const bed = times(noise(n, rnd), envelope(n, rate, 0.08, 0.9, 0.45));
  bandpass(bed, rate, 1800, 0.6);
  mixInto(out, bed, 0, 0.16);
  // Squaring the deck at the end.
  mixInto(out, click(rate, rnd, { freq: 900, q: 0.8, length: 0.05, decay: 0.04 }), Math.round(0.66 * rate), 1.3);
  return [out];
}

function deal(rate, n) {
  const rnd = random(21);
  const out = new Float32Array(n);
  // The card slides off the deck...
  const slideN = Math.round(0.07 * rate);
  const slide = times(noise(slideN, rnd), envelope(slideN, rate, 0.03, 0.06));
  bandpass(slide, rate, 2600, 0.9);
  mixInto(out, slide, 0, 0.35);
  // ...and lands with a crisp snap and a little body.
  mixInto(out, click(rate, rnd, { freq: 3800, q: 0.9, length: 0.02, decay: 0.012 }), Math.round(0.06 * rate), 1);
  mixInto(out, click(rate, rnd, { freq: 700, q: 1.5, length: 0.06, decay: 0.05 }), Math.round(0.061 * rate), 0.6);
  return [out];
}

function fanfare(rate, n) {
  const left = new Float32Array(n), right = new Float32Array(n);
  // Two trumpets, panned apart: a rising call, then a held C major chord.
  const calls = [
    ['G4', 0.0, 0.14], ['C5', 0.16, 0.14], ['E5', 0.32, 0.14], ['G5', 0.48, 0.24],
    ['E5', 0.76, 0.12], ['G5', 0.9, 1.05],
  ];
  const seconds = [
    ['E4', 0.0, 0.14], ['G4', 0.16, 0.14], ['C5', 0.32, 0.14], ['E5', 0.48, 0.24],
    ['C5', 0.76, 0.12], ['E5', 0.9, 1.05],
  ];
  for (const [note, t, d] of calls) {
    const b = brass(rate, hz(note), d, { bright: 8 });
    mixInto(left, b, Math.round(t * rate), 0.8); mixInto(right, b, Math.round(t * rate), 0.45);
  }
  for (const [note, t, d] of seconds) {
    const b = brass(rate, hz(note), d, { bright: 7 });
    mixInto(left, b, Math.round(t * rate), 0.4); mixInto(right, b, Math.round(t * rate), 0.75);
  }
  // Horns hold the root and fifth under the last chord; a timpani roll and hit.
  for (const [note, gl, gr] of [['C4', 0.45, 0.45], ['G3', 0.35, 0.35], ['C3', 0.3, 0.3]]) {
    const b = brass(rate, hz(note), 1.05, { bright: 4, attack: 0.08 });
    mixInto(left, b, Math.round(0.9 * rate), gl); mixInto(right, b, Math.round(0.9 * rate), gr);
  }
  const rnd = random(31);
  for (const t of [0.0, 0.48, 0.9]) {
    const drum = bell(rate, 82, 0.6, { partials: [[1, 1, 1], [1.5, 0.5, 0.6], [1.98, 0.25, 0.4]], decay: 0.6 });
    const hit = click(rate, rnd, { freq: 300, q: 0.7, length: 0.08, decay: 0.06 });
    for (const ch of [left, right]) { mixInto(ch, drum, Math.round(t * rate), 0.5); mixInto(ch, hit, Math.round(t * rate), 0.4); }
  }
  return [left, right];
}

/** Sleigh bells: a cluster of tiny metallic jingles. */
function jingleBells(rate, rnd, length = 0.18) {
  const n = Math.round(length * rate);
  const x = new Float32Array(n);
  for (let k = 0; k < 7; k++) {
    const f = 5200 + 2600 * rnd();
    const b = bell(rate, f, length, { partials: [[1, 1, 1], [1.41, 0.6, 0.7]], decay: 0.12 + 0.08 * rnd() });
    mixInto(x, b, Math.round(0.025 * rnd() * rate), 0.25);
  }
  return x;
}

function jingle(rate, n) {
  const rnd = random(41);
  const out = new Float32Array(n);
  // A bouncy tune in 6/8 on glockenspiel over pizzicato bass, with sleigh bells on
  // the beats and a "ta-da" at the end.
  const beat = 0.2; // an eighth note
  const tune = [
    ['G5', 0], ['E5', 1], ['G5', 2], ['C6', 3], ['B5', 4], ['A5', 5],
    ['G5', 6], ['E5', 7], ['F5', 8], ['D5', 9], ['E5', 10], ['C5', 11],
    ['D5', 12], ['E5', 13], ['F5', 14], ['G5', 15], ['A5', 16], ['B5', 17],
    ['C6', 18], ['G5', 19.5], ['C6', 21],
  ];
  for (const [note, step] of tune) {
    mixInto(out, bell(rate, hz(note), 1.2, { decay: 1.1 }), Math.round(step * beat * rate), 0.55);
  }
  const bass = [['C3', 0], ['G3', 3], ['C3', 6], ['G2', 9], ['D3', 12], ['G2', 15], ['C3', 18], ['C3', 21]];
  for (const [note, step] of bass) {
    mixInto(out, bell(rate, hz(note), 0.5, { partials: [[1, 1, 1], [2, 0.4, 0.5], [3, 0.15, 0.3]], decay: 0.35 }), Math.round(step * beat * rate), 0.45);
  }
  for (let step = 0; step <= 21; step += 1.5) {
    mixInto(out, jingleBells(rate, rnd), Math.round(step * beat * rate), step % 3 === 0 ? 0.5 : 0.3);
  }
  // Final chord rings out.
  for (const note of ['C5', 'E5', 'G5', 'C6']) mixInto(out, bell(rate, hz(note), 0.7, { decay: 1.3 }), Math.round(21 * beat * rate), 0.3);
  return [out];
}

function flip(rate, n) {
  const rnd = random(51);
  const out = new Float32Array(n);
  // A short rising swish as the card turns, and the tap as it lands.
  const m = Math.round(0.12 * rate);
  const s = times(noise(m, rnd), envelope(m, rate, 0.05, 0.1));
  const sweep = new Float32Array(m);
  // Sweep the band upwards by filtering in short blocks.
  const block = 64;
  for (let i = 0; i < m; i += block) {
    const part = s.slice(i, i + block);
    bandpass(part, rate, 1200 + 3000 * (i / m), 1.2);
    sweep.set(part, i);
  }
  mixInto(out, sweep, 0, 0.5);
  mixInto(out, click(rate, rnd, { freq: 3200, q: 1, length: 0.02, decay: 0.012 }), Math.round(0.11 * rate), 0.9);
  mixInto(out, click(rate, rnd, { freq: 900, q: 1.5, length: 0.05, decay: 0.035 }), Math.round(0.111 * rate), 0.4);
  return [out];
}

function blip(rate, n) {
  const out = new Float32Array(n);
  // A soft falling sine.
  let phase = 0;
  for (let i = 0; i < n; i++) {
    const t = i / n;
    const f = 880 - 330 * t;
    phase += (2 * Math.PI * f) / rate;
    const env = Math.sin(Math.PI * Math.min(1, t * 1.05)) ** 1.5;
    out[i] = (Math.sin(phase) + 0.15 * Math.sin(2 * phase)) * env;
  }
  return [out];
}

function swish(rate, n) {
  const rnd = random(61);
  const x = noise(n, rnd);
  // Noise through a band that sweeps up and back, swelling and fading.
  const out = new Float32Array(n);
  const block = 48;
  for (let i = 0; i < n; i += block) {
    const u = i / n;
    const part = x.slice(i, i + block);
    bandpass(part, rate, 900 + 3800 * Math.sin(Math.PI * u * 0.9), 1.4);
    out.set(part, i);
  }
  const env = new Float32Array(n);
  for (let i = 0; i < n; i++) { const u = i / n; env[i] = Math.sin(Math.PI * u) ** 2 * (1 - 0.3 * u); }
  return [times(out, env)];
}

function gather(rate, n) {
  const rnd = random(71);
  const out = new Float32Array(n);
  // Cards swept together from the table: swishes coming closer together, each
  // ending in a tap, then the pile is squared with two knocks.
  let t = 0.02;
  for (let k = 0; k < 9; k++) {
    const len = 0.09;
    const m = Math.round(len * rate);
    const s = times(noise(m, rnd), envelope(m, rate, 0.04, 0.07));
    bandpass(s, rate, 1500 + 1500 * rnd(), 0.9);
    mixInto(out, s, Math.round(t * rate), 0.4);
    mixInto(out, click(rate, rnd, { freq: 2600 + 1200 * rnd(), q: 1.1, length: 0.015, decay: 0.01 }), Math.round((t + 0.05) * rate), 0.6);
    t += 0.11 - k * 0.008;
  }
  for (const at of [0.86, 0.97]) {
    mixInto(out, click(rate, rnd, { freq: 600, q: 0.8, length: 0.07, decay: 0.05 }), Math.round(at * rate), 1.2);
    mixInto(out, click(rate, rnd, { freq: 2200, q: 1, length: 0.02, decay: 0.012 }), Math.round(at * rate), 0.5);
  }
  return [out];
}

function melody(rate, n) {
  const out = new Float32Array(n);
  // A cheerful tune at 132 beats a minute: marimba lead, bell counter-melody,
  // plucked bass on the beats; four bars and a final chord.
  const beat = 60 / 132;
  const lead = [
    // bar 1
    ['C5', 0, 0.5], ['E5', 0.5, 0.5], ['G5', 1, 1], ['E5', 2, 0.5], ['G5', 2.5, 0.5], ['C6', 3, 1],
    // bar 2
    ['B5', 4, 0.5], ['A5', 4.5, 0.5], ['G5', 5, 0.5], ['A5', 5.5, 0.5], ['B5', 6, 1], ['G5', 7, 1],
    // bar 3
    ['A5', 8, 0.5], ['B5', 8.5, 0.5], ['C6', 9, 1], ['D6', 10, 0.5], ['C6', 10.5, 0.5], ['B5', 11, 0.5], ['A5', 11.5, 0.5],
    // bar 4
    ['G5', 12, 0.5], ['E5', 12.5, 0.5], ['F5', 13, 0.5], ['D5', 13.5, 0.5], ['C5', 14, 0.5], ['E5', 14.5, 0.5], ['G5', 15, 1],
    // ending
    ['C6', 16, 2],
  ];
  const marimba = { partials: [[1, 1, 1], [4, 0.35, 0.35], [10, 0.08, 0.15]], decay: 0.9 };
  for (const [note, b, d] of lead) mixInto(out, bell(rate, hz(note), Math.min(2.5, d * beat + 1.2), marimba), Math.round(b * beat * rate), 0.5);
  const chords = [
    [0, ['C4', 'E4', 'G4']], [2, ['C4', 'E4', 'G4']], [4, ['D4', 'G4', 'B4']], [6, ['D4', 'G4', 'B4']],
    [8, ['F4', 'A4', 'C5']], [10, ['F4', 'A4', 'D5']], [12, ['E4', 'G4', 'C5']], [14, ['D4', 'F4', 'B4']],
    [16, ['C4', 'E4', 'G4', 'C5']],
  ];
  for (const [b, notes] of chords) {
    for (const note of notes) mixInto(out, bell(rate, hz(note), 1.4, { decay: 1.2 }), Math.round(b * beat * rate), 0.16);
  }
  const bassLine = ['C3', 'G2', 'C3', 'G2', 'G2', 'D3', 'G2', 'D3', 'F2', 'C3', 'F2', 'D3', 'C3', 'G2', 'G2', 'B2', 'C3'];
  bassLine.forEach((note, b) => {
    mixInto(out, bell(rate, hz(note), 0.6, { partials: [[1, 1, 1], [2, 0.5, 0.5], [3, 0.2, 0.3]], decay: 0.45 }), Math.round(b * beat * rate), 0.45);
  });
  // A sparkle of bells over the final chord.
  for (const [i, note] of ['C7', 'G6', 'E6', 'C6'].entries()) {
    mixInto(out, bell(rate, hz(note), 1.5, { decay: 1.0 }), Math.round((16 + i * 0.25) * beat * rate), 0.12);
  }
  return [out];
}

// ------------------------------------------------------------------ writing

/** Peak-normalises, fades both ends and interleaves the channels as 16-bit PCM. */
function writeWav16(file, channels, rate) {
  const n = channels[0].length;
  let peak = 0;
  for (const ch of channels) for (const v of ch) peak = Math.max(peak, Math.abs(v));
  const fadeIn = Math.round(0.002 * rate), fadeOut = Math.round(0.015 * rate);
  const buf = Buffer.alloc(44 + n * channels.length * 2);
  buf.write('RIFF', 0); buf.writeUInt32LE(36 + n * channels.length * 2, 4); buf.write('WAVE', 8);
  buf.write('fmt ', 12); buf.writeUInt32LE(16, 16); buf.writeUInt16LE(1, 20); buf.writeUInt16LE(channels.length, 22);
  buf.writeUInt32LE(rate, 24); buf.writeUInt32LE(rate * channels.length * 2, 28); buf.writeUInt16LE(channels.length * 2, 32);
  buf.writeUInt16LE(16, 34); buf.write('data', 36); buf.writeUInt32LE(n * channels.length * 2, 40);
  for (let i = 0; i < n; i++) {
    const g = Math.min(1, i / fadeIn, (n - 1 - i) / fadeOut);
    channels.forEach((ch, c) => {
      const v = Math.max(-1, Math.min(1, (ch[i] / peak) * 0.9 * g));
      buf.writeInt16LE(Math.round(v * 32767), 44 + (i * channels.length + c) * 2);
    });
  }
  fs.writeFileSync(file, buf);
}

export function buildSounds(out, workDir) {
  fs.mkdirSync(workDir, { recursive: true });
  for (const w of WAVES) {
    const n = Math.round(w.seconds * w.rate);
    const channels = w.make(w.rate, n).map((ch) => (ch.length === n ? ch : Float32Array.from({ length: n }, (_, i) => ch[i] ?? 0)));
    const raw = path.join(workDir, `${w.name.toLowerCase()}-16bit.wav`);
    writeWav16(raw, channels, w.rate);
    const effects = [];
    // sox's reverb always gives two channels; mono sounds are mixed back down.
    if (w.reverb) effects.push('reverb', ...w.reverb.map(String), 'channels', String(w.channels));
    // Peaks at -3 dBFS; sox's fade smooths the end of any reverb tail; -R makes
    // the dither repeatable.
    effects.push('gain', '-n', '-3', 'fade', 'h', '0.002', `${n}s`, '0.02');
    const file = out('sounds', `${w.name.toLowerCase()}.wav`);
    execFileSync('sox', ['-R', '-G', raw, '-e', 'unsigned-integer', '-b', '8', file, ...effects]);
    const samples = Number(execFileSync('soxi', ['-s', file]).toString().trim());
    if (samples !== n) throw new Error(`${w.name}: ${samples} samples written, ${n} wanted`);
  }
  console.log(`sounds: ${WAVES.map((w) => w.name).join(', ')}`);
}
