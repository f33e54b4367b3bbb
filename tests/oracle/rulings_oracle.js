// Repetition rulings against fairy-stockfish's own (the ffish package):
// many cycles made from random sparse positions, each played twice so that
// its start occurs the third time, judged by `morlan-records --rulings`
// and by ffish. Prints the agreements and every disagreement.
//
//   node --no-experimental-fetch rulings_oracle.js MORLAN_RECORDS [CYCLES] [SEED]
//
// Exits 77 (skipped) when ffish is missing, with a message, and 1 on any
// disagreement.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

let ffishModule;
try {
  ffishModule = require(path.join(__dirname, 'node_modules', 'ffish'));
} catch (e) {
  console.log('ffish is not installed in tests/oracle/node_modules: comparison skipped');
  process.exit(77);
}

const [recordsProgram, cyclesArg, seedArg] = process.argv.slice(2);
if (!recordsProgram) {
  console.error('usage: rulings_oracle.js MORLAN_RECORDS [CYCLES] [SEED]');
  process.exit(2);
}
const CYCLES = Number(cyclesArg || 240);
let seed = Number(seedArg || 20261209) >>> 0;

// mulberry32: the same cycles on every run.
function random() {
  seed = (seed + 0x6d2b79f5) >>> 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];

const FILES = 'abcdefghi';
// Our coordinates count ranks 0..9, ffish's 1..10.
const toFfish = (m) => m.replace(/\d+/g, (d) => String(Number(d) + 1));
const fromFfish = (m) => m.replace(/\d+/g, (d) => String(Number(d) - 1));

// Where each kind may stand, for Red (Black's are the ranks turned over).
const PLACES = {
  k: (f, r) => r <= 2 && f >= 3 && f <= 5,
  a: (f, r) => ['d0', 'f0', 'e1', 'd2', 'f2'].includes(FILES[f] + r),
  b: (f, r) => ['c0', 'g0', 'a2', 'e2', 'i2', 'c4', 'g4'].includes(FILES[f] + r),
  p: (f, r) => r >= 5 || (r >= 3 && f % 2 === 0),
  r: () => true,
  n: () => true,
  c: () => true,
};
const OFFICERS = ['r', 'r', 'n', 'n', 'c', 'c', 'p', 'p', 'p', 'a', 'b'];

function randomFen() {
  const grid = Array.from({ length: 10 }, () => Array(9).fill(null));
  const LIMITS = { k: 1, a: 2, b: 2, r: 2, n: 2, c: 2, p: 5 };
  const placed = {};
  const put = (kind, red) => {
    const key = (red ? 'R' : 'B') + kind;
    if ((placed[key] || 0) >= LIMITS[kind]) return;
    placed[key] = (placed[key] || 0) + 1;
    for (let tries = 0; tries < 200; ++tries) {
      const f = Math.floor(random() * 9), r = Math.floor(random() * 10);
      const rank = red ? r : 9 - r;
      if (grid[rank][f] || !PLACES[kind](f, r)) continue;
      grid[rank][f] = red ? kind.toUpperCase() : kind;
      return;
    }
  };
  put('k', true);
  put('k', false);
  for (const red of [true, false]) {
    const n = 1 + Math.floor(random() * 4);
    for (let i = 0; i < n; ++i) put(pick(OFFICERS), red);
  }
  const rows = [];
  for (let rank = 9; rank >= 0; --rank) {
    let row = '', empty = 0;
    for (let f = 0; f < 9; ++f) {
      const p = grid[rank][f];
      if (!p) { ++empty; continue; }
      if (empty) row += empty;
      row += p;
      empty = 0;
    }
    if (empty) row += empty;
    rows.push(row);
  }
  return rows.join('/') + (random() < 0.5 ? ' w' : ' b');
}

function main(ff) {
  const flipped = (fen) => fen.replace(/ [wb]( |$)/, (m, tail) => (m[1] === 'w' ? ' b' : ' w') + tail);
  const placement = (fen) => fen.split(' ').slice(0, 2).join(' ');

  // Whether the side not to move stands in check: the position cannot occur.
  function sound(fen) {
    const b = new ff.Board('xiangqi', flipped(fen) + ' - - 0 1');
    const bad = b.isCheck() || b.isGameOver(true);
    b.delete();
    return !bad;
  }
  // The captures the side not to move would have if it moved now.
  function threatsOf(board) {
    const b = new ff.Board('xiangqi', flipped(board.fen()));
    const captures = b.isCheck() ? [] : b.legalMoves().split(' ').filter((m) => m && b.isCapture(m));
    b.delete();
    return captures;
  }
  const target = (m) => m.match(/[a-i]\d+$/)[0];
  // A quiet move out, preferring checks, new attacks and flights of an
  // attacked piece (the makings of chases), whose way back is open.
  function chooseOut(board) {
    const quiet = board.legalMoves().split(' ').filter((m) => m && !board.isCapture(m));
    if (!quiet.length) return null;
    const before = board.legalMoves().split(' ').filter((m) => m && board.isCapture(m)).length;
    const attacked = new Set(threatsOfMover(board).map(target));
    const checks = [], attacks = [], flights = quiet.filter((m) => attacked.has(m.match(/^[a-i]\d+/)[0]));
    for (const m of quiet) {
      board.push(m);
      if (board.isCheck()) checks.push(m);
      else if (threatsOf(board).length > before) attacks.push(m);
      board.pop();
    }
    const roll = random();
    if (roll < 0.25 && checks.length) return pick(checks);
    if (roll < 0.6 && attacks.length) return pick(attacks);
    if (roll < 0.9 && flights.length) return pick(flights);
    return pick(quiet);
  }
  // The captures the opponent of the side to move has against it.
  function threatsOfMover(board) {
    const b = new ff.Board('xiangqi', flipped(board.fen()));
    const captures = b.legalMoves().split(' ').filter((m) => m && b.isCapture(m));
    b.delete();
    return captures;
  }
  const back = (m) => m.replace(/^([a-i]\d+)([a-i]\d+)$/, '$2$1');

  function makeCycle() {
    for (let tries = 0; tries < 50; ++tries) {
      const fen = randomFen();
      if (!sound(fen)) continue;
      const b = new ff.Board('xiangqi', fen + ' - - 0 1');
      if (b.isGameOver(true)) {
        b.delete();
        continue;
      }
      const moves = [];
      const m1 = chooseOut(b);
      if (m1 && b.push(m1)) {
        moves.push(m1);
        const m2 = chooseOut(b);
        if (m2 && b.push(m2)) {
          moves.push(m2);
          const legal = (m) => b.legalMoves().split(' ').includes(m) && !b.isCapture(m);
          if (legal(back(m1)) && b.push(back(m1))) {
            moves.push(back(m1));
            if (legal(back(m2)) && b.push(back(m2))) moves.push(back(m2));
          }
        }
      }
      const closed = moves.length === 4 && placement(b.fen()) === placement(fen + ' - - 0 1');
      b.delete();
      if (closed) return { fen, moves: moves.map(fromFfish) };
    }
    return null;
  }

  // ffish's verdict: the first ply at which the game is over, and how.
  function ffishEnd(cycle, plies) {
    const b = new ff.Board('xiangqi', cycle.fen + ' - - 0 1');
    let end = null;
    for (let ply = 1; ply <= plies.length && !end; ++ply) {
      b.push(toFfish(plies[ply - 1]));
      if (b.isGameOver(true)) end = { ply, result: b.result(true), check: b.isCheck() };
    }
    b.delete();
    return end;
  }

  // Made by hand, one of each kind the random ones seldom give.
  const HANDMADE = [
    { fen: '4k4/9/c1r6/9/9/9/9/R8/9/3K5 b', moves: ['a7b7', 'a2b2', 'b7a7', 'b2a2'] },  // a protected cannon
    { fen: '1r2k4/1r7/9/2N6/9/9/9/9/3R5/5K3 b', moves: ['b8b7', 'c6d8', 'b7b8', 'd8c6'] },  // horse on a protected rook
    { fen: 'c3k4/P8/9/9/9/9/9/9/9/3K5 b', moves: ['a9b9', 'a8b8', 'b9a9', 'b8a8'] },  // a pawn chases
    { fen: '4k4/9/9/9/R8/9/9/9/9/3K5 w', moves: ['a5e5', 'e9f9', 'e5a5', 'f9e9'] },  // one check, one idle move
  ];
  const cycles = HANDMADE.slice();
  while (cycles.length < HANDMADE.length + CYCLES) {
    const c = makeCycle();
    if (c) cycles.push(c);
  }
  const pgn = cycles
    .map((c) => `[Game "Chinese Chess"]\n[FEN "${c.fen} - - 0 1"]\n\n${c.moves.concat(c.moves).join(' ')} *\n`)
    .join('\n');
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'rulings-')), 'cycles.pgn');
  fs.writeFileSync(file, pgn);
  const out = execFileSync(recordsProgram, ['--rulings', file], { encoding: 'utf8' });
  const ours = new Map();
  for (const line of out.split('\n')) {
    const m = line.match(/^game (\d+): ply (\d+): (\S+) (\S+)$/);
    if (m) ours.set(Number(m[1]), { ply: Number(m[2]), result: m[3], reason: m[4] });
  }

  const tally = new Map();
  const count = (key) => tally.set(key, (tally.get(key) || 0) + 1);
  const disagreements = [];
  cycles.forEach((c, i) => {
    const plies = c.moves.concat(c.moves);
    const theirs = ffishEnd(c, plies);
    const mine = ours.get(i + 1) || null;
    const same = (!theirs && !mine) || (theirs && mine && theirs.ply === mine.ply && theirs.result === mine.result);
    const key = mine ? `${mine.reason} ${mine.result}` : 'no ruling';
    if (same) count(`agree: ${key}`);
    else disagreements.push({ c, mine, theirs });
  });
  for (const [key, n] of [...tally].sort()) console.log(`${n}\t${key}`);
  console.log(`${cycles.length - disagreements.length} of ${cycles.length} cycles agree`);
  for (const d of disagreements) {
    const mine = d.mine ? `ply ${d.mine.ply} ${d.mine.result} ${d.mine.reason}` : 'no ruling';
    const theirs = d.theirs ? `ply ${d.theirs.ply} ${d.theirs.result}` : 'no end';
    console.log(`disagree: ${d.c.fen} | ${d.c.moves.join(' ')} | ours ${mine} | ffish ${theirs}`);
  }
  // A disagreement is a fault of one referee or a point where the rules
  // leave room: either way it has to be looked at.
  process.exit(disagreements.length ? 1 : 0);
}

ffishModule.onRuntimeInitialized = () => main(ffishModule);
