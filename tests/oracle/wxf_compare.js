// Compares the WXF text morlan-records writes for every move of a PGN
// collection with fairy-stockfish's own WXF notation (the ffish package),
// and sorts the differences into classes by the rule behind them.
//
//   node --no-experimental-fetch tests/oracle/wxf_compare.js RECORDS_BINARY COLLECTION.pgn[.gz] [GAMES]
//
// The first GAMES games (2000 when not given) are copied into a temporary
// collection, which morlan-records prints once in coordinates and once in
// WXF, one line per game.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const ffish = require('ffish');

const [records, collection, gamesArg] = process.argv.slice(2);
if (!records || !collection) {
  console.error('usage: wxf_compare.js RECORDS_BINARY COLLECTION [GAMES]');
  process.exit(2);
}
const wanted = Number(gamesArg || 2000);

// The games of a collection as texts: a game starts at a tag line that follows a line that is not one.
function splitGames(text) {
  const games = [];
  let current = [], inMoves = false;
  for (const line of text.split(/\r?\n/)) {
    const isTag = line.startsWith('[');
    if (isTag && inMoves) {
      games.push(current.join('\n'));
      current = [];
      inMoves = false;
    }
    if (!isTag && line.trim() !== '') inMoves = true;
    current.push(line);
  }
  if (current.some((l) => l.trim() !== '')) games.push(current.join('\n'));
  return games;
}

const START = 'rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1';
function fenOf(game) {
  const m = game.match(/^\[FEN "([^"]*)"\]/m);
  return m && m[1].trim() !== '' ? m[1] : START;
}

// Each game's moves as printed, or null for a game that does not read whole.
function printedMoves(notation, file) {
  const out = execFileSync(records, ['--notation', notation, file], { maxBuffer: 1 << 30 }).toString();
  const lines = out.split('\n').filter((l) => l !== '' && !/^\d+ games, \d+ read whole$/.test(l));
  return lines.map((line) => {
    const m = line.match(/: ((1\. .*)|)$/);
    if (!m) return null;
    return (m[1] || '').split(' ').filter((t) => t !== '' && t !== '...' && !/^\d+\.$/.test(t));
  });
}

// Our coordinates count ranks 0..9; ffish's 1..10.
function toFfish(move) {
  return move[0] + (Number(move[1]) + 1) + move[2] + (Number(move[3]) + 1);
}

// The rule a difference comes from, told by the shapes of the two texts.
function classOf(ours, theirs) {
  const mark = (t) => t[1] === '+' || t[1] === '-';
  const numbered = (t) => /^[1-9][1-9]/.test(t);
  if (mark(ours) && /^[A-Z][1-9]/.test(theirs))
    return `${ours[0]}: ours +/- for two on a file, ffish the file (the other could not make the same move)`;
  if (numbered(ours) && !numbered(theirs)) return 'ours numbers the pawn, ffish does not';
  if (!numbered(ours) && numbered(theirs)) return 'ffish numbers the pawn, ours does not';
  return `other: ${ours} / ${theirs}`;
}

ffish.onRuntimeInitialized = () => {
  const raw = fs.readFileSync(collection);
  const text = (collection.endsWith('.gz') ? zlib.gunzipSync(raw) : raw).toString('utf8');
  const games = splitGames(text).slice(0, wanted);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wxf-compare-'));
  const file = path.join(dir, 'games.pgn');
  fs.writeFileSync(file, games.join('\n\n') + '\n');
  const coordinates = printedMoves('iccs', file);
  const wxf = printedMoves('wxf', file);
  fs.rmSync(dir, { recursive: true });
  if (coordinates.length !== games.length || wxf.length !== games.length) {
    console.error(`morlan-records printed ${coordinates.length} and ${wxf.length} lines for ${games.length} games`);
    process.exit(1);
  }
  let compared = 0, moves = 0, same = 0, unread = 0;
  const classes = new Map();
  for (let g = 0; g < games.length; ++g) {
    if (!coordinates[g]) { ++unread; continue; }
    ++compared;
    const board = new ffish.Board('xiangqi', fenOf(games[g]));
    for (let i = 0; i < coordinates[g].length; ++i) {
      const move = toFfish(coordinates[g][i]);
      const theirs = board.sanMove(move, ffish.Notation.XIANGQI_WXF);
      const ours = wxf[g][i];
      ++moves;
      if (theirs === ours) ++same;
      else {
        const c = classOf(ours, theirs);
        const entry = classes.get(c) || { count: 0, example: `${board.fen()} ${move}: ${ours} / ${theirs}` };
        ++entry.count;
        classes.set(c, entry);
      }
      if (!board.push(move)) break;
    }
    board.delete();
  }
  console.log(`${games.length} games, ${compared} compared (${unread} not read whole), ${moves} moves, ${same} the same`);
  for (const [c, e] of [...classes].sort((a, b) => b[1].count - a[1].count))
    console.log(`${e.count}\t${c}\n\te.g. ${e.example}`);
};
