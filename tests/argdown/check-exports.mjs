// Reads palaver-cli's Argdown exports back with the Argdown project's own parser and checks that
// they say what Palaver says of the same line of argumentation:
//   - the parser reports no lexer or parser error;
//   - there is one Argdown statement per Palaver statement, titled S<id>, whose text is the
//     sentence and whose tags are its type and status;
//   - every connection is there: a plain support or attack between two statements, or, when a
//     warrant was put forward or an exception blocks it, an argument that the reason and the
//     warrant support and that supports or attacks the conclusion; every exception undercuts that
//     argument (through an argument of its own when its undercutter warrant was put forward);
//   - and nothing else: no other statement, argument or relation.
// What Palaver says comes from `palaver-cli evaluate` (statements, connections, exceptions) and
// the AIF export (which statement is a connection's or exception's warrant).
//
// Argdown folds runs of blanks, trims the text and has no control characters, which the export
// writes as blanks: sentences are compared after the same folding.
//
//   node check-exports.mjs --cli PALAVER_CLI [--generate N] [--seed S] [--keep DIR] [FILE.lin...]
//
// --generate writes N transcripts of random moves whose sentences are made of the characters
// that Argdown gives a meaning, and checks them as well.

import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync, mkdirSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

// Without the parser (scripts/setup.sh installs it) the check is skipped, except in CI, which
// must run it.
let core;
try {
  core = await import("@argdown/core");
} catch (e) {
  console.log(`The Argdown parser is not installed (${e.code || e.message}); scripts/setup.sh installs it.`);
  process.exit(process.env.CI ? 1 : 77);
}
const { ArgdownApplication, ParserPlugin, ModelPlugin, DataPlugin, IEquivalenceClass } = core;

// --- Command line ---------------------------------------------------------------------------

function parseArguments(argv) {
  const options = { cli: null, generate: 0, seed: 1, keep: null, files: [] };
  for (let i = 0; i < argv.length; ++i) {
    const a = argv[i];
    if (a === "--cli") options.cli = argv[++i];
    else if (a === "--generate") options.generate = Number(argv[++i]);
    else if (a === "--seed") options.seed = Number(argv[++i]);
    else if (a === "--keep") options.keep = argv[++i];
    else options.files.push(a);
  }
  if (!options.cli || !Number.isInteger(options.generate) || !Number.isInteger(options.seed)) {
    console.error("usage: check-exports.mjs --cli PALAVER_CLI [--generate N] [--seed S] [--keep DIR] [FILE.lin...]");
    process.exit(2);
  }
  return options;
}

// --- What Palaver says ----------------------------------------------------------------------

function runCli(cli, args) {
  return execFileSync(cli, args, {
    encoding: "utf8",
    maxBuffer: 64 * 1024 * 1024,
    env: { ...process.env, QT_QPA_PLATFORM: process.env.QT_QPA_PLATFORM || "offscreen" },
  });
}

// The expected Argdown content of one file as facts, each a string, so that the two sides can be
// compared as sorted lists and a difference reads as a line of text.
function palaverFacts(evaluation, aif) {
  const idOf = new Map(evaluation.statements.map((s) => [s.sentence, s.id]));
  const statements = evaluation.statements.map((s) => ({
    title: "S" + s.id,
    text: folded(s.sentence),
    tags: [s.type, s.status],
  }));

  // AIF: the I-nodes carry the statement Ids; a connection's RA-node is reached first from its
  // reason, then from its warrant; an exception's CA-node first from the exception, then from
  // its warrant. The RA-nodes come in the order of the connections.
  const statementOfNode = new Map();
  for (const n of aif.nodes)
    if (n.type === "I") statementOfNode.set(n.nodeID, aif.palaver[n.nodeID].statement_id);
  const into = (id) => aif.edges.filter((e) => e.toID === id).map((e) => e.fromID);
  const raNodes = aif.nodes.filter((n) => n.type === "RA");

  const facts = [];
  evaluation.connections.forEach((c, k) => {
    const reason = idOf.get(c.reason);
    const conclusion = idOf.get(c.conclusion);
    const relation = c.kind === "defeating" ? "attack" : "support";
    const ra = raNodes[k];
    const raFrom = ra ? into(ra.nodeID) : [];
    const warrant = raFrom.filter((id) => statementOfNode.has(id))[1];
    const caNodes = raFrom.filter((id) => !statementOfNode.has(id));
    if (!warrant && c.exceptions.length === 0) {
      facts.push(`S${reason} ${relation}s S${conclusion}`);
      return;
    }
    const step = `step S${reason}->S${conclusion}`;
    facts.push(`${step} ${relation}s S${conclusion}`);
    facts.push(`S${reason} supports ${step}`);
    if (warrant) facts.push(`S${statementOfNode.get(warrant)} supports ${step}`);
    c.exceptions.forEach((x, m) => {
      const exception = idOf.get(x);
      const ca = caNodes[m];
      const xWarrant = ca ? into(ca).filter((id) => statementOfNode.has(id))[1] : undefined;
      if (!xWarrant) {
        facts.push(`S${exception} undercuts ${step}`);
      } else {
        const blocked = `exception S${exception} to ${step}`;
        facts.push(`${blocked} undercuts ${step}`);
        facts.push(`S${exception} supports ${blocked}`);
        facts.push(`S${statementOfNode.get(xWarrant)} supports ${blocked}`);
      }
    });
  });
  return { statements, facts };
}

// --- What Argdown reads ---------------------------------------------------------------------

const argdown = new ArgdownApplication();
argdown.addPlugin(new ParserPlugin(), "parse-input");
argdown.addPlugin(new DataPlugin(), "build-model");
argdown.addPlugin(new ModelPlugin(), "build-model");

function argdownFacts(text) {
  const response = argdown.run({
    input: text,
    process: ["parse-input", "build-model"],
    // The type and status are tags; the text is the sentence alone.
    model: { removeTagsFromText: true },
    logLevel: "none",
  });
  const problems = [];
  for (const e of response.lexerErrors || []) problems.push(`lexer error: ${e.message}`);
  for (const e of response.parserErrors || []) problems.push(`parser error: ${e.message}`);
  for (const e of response.exceptions || []) problems.push(`exception: ${e.message || e}`);

  const statements = Object.values(response.statements || {}).map((ec) => {
    const definitions = ec.members.filter((m) => !m.isReference);
    if (definitions.length !== 1)
      problems.push(`[${ec.title}] is defined ${definitions.length} times`);
    return {
      title: ec.title,
      text: folded(IEquivalenceClass.getCanonicalMemberText(ec) || ""),
      tags: ec.tags || [],
    };
  });

  // An argument is named by what it stands for: the step from its reason to its conclusion, or
  // an exception to such a step, so that the facts do not depend on the titles <C1>, <C1E1>.
  const argumentNames = new Map();
  const describe = (element) =>
    element.type === "argument" ? argumentNames.get(element.title) : element.title;
  const relations = response.relations || [];
  const supporters = (title) =>
    relations
      .filter((r) => r.to.type === "argument" && r.to.title === title && r.relationType === "support")
      .map((r) => r.from);
  // Steps first, then the exceptions' arguments, which refer to them.
  const argumentsByKind = Object.values(response.arguments || {});
  for (const a of argumentsByKind) {
    const out = relations.filter((r) => r.from.type === "argument" && r.from.title === a.title);
    const conclusion = out.find((r) => r.to.type !== "argument");
    const from = supporters(a.title).filter((s) => s.type !== "argument");
    if (conclusion && from.length > 0) {
      // The reason is the statement the description names first ("S2 supports S1."); the
      // description says what the relation does.
      const text = argumentDescription(a) || "";
      const description = text.match(/^S(\S+) (supports|defeats) S(\S+)\.$/);
      const verb = conclusion.relationType === "attack" ? "defeats" : "supports";
      if (!description || description[2] !== verb || `S${description[3]}` !== conclusion.to.title)
        problems.push(`<${a.title}> ${conclusion.relationType}s [${conclusion.to.title}] but says "${text}"`);
      const reason = description ? `S${description[1]}` : from[0].title;
      argumentNames.set(a.title, `step ${reason}->${conclusion.to.title}`);
    }
  }
  for (const a of argumentsByKind) {
    if (argumentNames.has(a.title)) continue;
    const undercut = relations.find(
      (r) => r.from.type === "argument" && r.from.title === a.title && r.relationType === "undercut",
    );
    const description = (argumentDescription(a) || "").match(/^S(\S+) is an exception to/);
    if (undercut && description && argumentNames.has(undercut.to.title))
      argumentNames.set(a.title, `exception S${description[1]} to ${argumentNames.get(undercut.to.title)}`);
    else problems.push(`<${a.title}> is neither a step nor an exception to one`);
  }

  let facts = relations.map((r) => {
    const verb = { support: "supports", attack: "attacks", undercut: "undercuts" }[r.relationType];
    return `${describe(r.from)} ${verb || r.relationType} ${describe(r.to)}`;
  });
  // A step that only its reason supports and nothing undercuts says what a plain relation says.
  for (const step of new Set(argumentNames.values())) {
    const match = step.match(/^step (S\S+)->(S\S+)$/);
    if (!match) continue;
    const about = facts.filter((f) => ` ${f} `.includes(` ${step} `));
    const out = about.find(
      (f) => f === `${step} supports ${match[2]}` || f === `${step} attacks ${match[2]}`,
    );
    if (about.length === 2 && out && about.includes(`${match[1]} supports ${step}`)) {
      facts = facts.filter((f) => !about.includes(f));
      facts.push(`${match[1]} ${out.endsWith(`supports ${match[2]}`) ? "supports" : "attacks"} ${match[2]}`);
    }
  }
  return { statements, facts, problems };
}

function argumentDescription(a) {
  const description = (a.members || []).find((m) => !m.isReference && m.text);
  return description ? description.text.trim() : undefined;
}

// --- Comparing ------------------------------------------------------------------------------

// As Argdown keeps text: control characters (which the export writes as blanks) gone, runs of
// blanks one blank, no blanks at either end.
function folded(text) {
  return text
    .replace(/[\u0000-\u001f\u007f]/g, " ")
    .replace(/[ \t]+/g, " ")
    .trim();
}

function compare(expected, actual) {
  const problems = [...actual.problems];
  const byTitle = new Map(actual.statements.map((s) => [s.title, s]));
  if (actual.statements.length !== expected.statements.length)
    problems.push(`${actual.statements.length} statements, expected ${expected.statements.length}`);
  for (const s of expected.statements) {
    const a = byTitle.get(s.title);
    if (!a) {
      problems.push(`no statement [${s.title}]`);
      continue;
    }
    if (a.text !== s.text) problems.push(`[${s.title}] reads ${JSON.stringify(a.text)}, expected ${JSON.stringify(s.text)}`);
    if (a.tags.join(" ") !== s.tags.join(" ")) problems.push(`[${s.title}] has the tags ${a.tags.join(" ")}, expected ${s.tags.join(" ")}`);
  }
  const want = [...expected.facts].sort();
  const got = [...actual.facts].sort();
  for (const f of want) if (!removeOne(got, f)) problems.push(`missing: ${f}`);
  for (const f of got) problems.push(`unexpected: ${f}`);
  return problems;
}

function removeOne(list, item) {
  const i = list.indexOf(item);
  if (i < 0) return false;
  list.splice(i, 1);
  return true;
}

function checkFile(cli, file) {
  const text = runCli(cli, ["export", "--format", "argdown", file]);
  const evaluation = JSON.parse(runCli(cli, ["evaluate", file]));
  const aif = JSON.parse(runCli(cli, ["export", "--format", "aif", file]));
  return compare(palaverFacts(evaluation, aif), argdownFacts(text));
}

// --- Generated transcripts ------------------------------------------------------------------

// The same seed gives the same files on every machine.
function random(seed) {
  let state = (seed >>> 0) || 1;
  return {
    below(n) {
      state ^= state << 13;
      state >>>= 0;
      state ^= state >>> 17;
      state ^= state << 5;
      state >>>= 0;
      return state % n;
    },
    pick(list) {
      return list[this.below(list.length)];
    },
  };
}

// Pieces of sentences: plain words, and everything Argdown's lexer treats specially anywhere in
// a line (markup, shortcodes, comments, data, links, front matter, escapes), text in other
// scripts, a byte that is not UTF-8, control characters.
const pieces = [
  "train", "the car is faster", "Tickets", "e.g. this", "3.5 km", "U.S.A.", "N.A.S.A.",
  ".A.", ":E:", ":smile:", ".->.", "a:->:b", ".[].", "x.v.y",
  "[S1]", "[S1]:", "[t](u)", "@[S2]", "<C1>", "<C1>:", "@<C1>", "#tag", "#(two words)", "# heading",
  "*em*", "**bold**", "_u_", "__b__", "a_b", "2*3", "{a: 1}", "{", "}",
  "// not a comment", "/* no */", "<!-- no -->", "a/b", "===", "==== x ====", "a==b",
  "\\", "\\n", "\\\\", "+>", "->", "<-", "<+", "_>", "<_", "><", "(1)", "1.", "* item", "--", "-- x --",
  "; ", ", ", "(", ")", "!", "?", "-", "+", "~", "^", "|", "'", '"q"',
  "café", "naïef", "“quoted”", "€", "Één", "🙂", "\u00a0", "\u2028",
  Buffer.from([0xe9]), Buffer.from([0x01]), Buffer.from([0x7f]), Buffer.from([0x09]),
];

function sentence(r) {
  const parts = [];
  const count = 1 + r.below(4);
  for (let i = 0; i < count; ++i) {
    if (i > 0) parts.push(Buffer.from(r.pick(["", " ", " ", "  ", "\t"])));
    const p = r.pick(pieces);
    parts.push(Buffer.isBuffer(p) ? p : Buffer.from(p, "utf8"));
  }
  if (r.below(8) === 0) parts.unshift(Buffer.from("  "));
  if (r.below(8) === 0) parts.push(Buffer.from(" "));
  return Buffer.concat(parts);
}

const crlf = Buffer.from("\r\n");
const line = (...parts) => Buffer.concat([...parts.map((p) => (Buffer.isBuffer(p) ? p : Buffer.from(p))), crlf]);
const mark = (r, s) => line(r.below(2) ? "  ?: " : "  !: ", s);
// The warrant sentences Palaver recognises in English, so that some warrants are put forward.
const stepWarrant = (reason, conclusion, defeating) =>
  Buffer.concat([Buffer.from("(IF "), reason, Buffer.from(defeating ? ", THEN IT IS DEFEATED THAT " : ", THEN "), conclusion, Buffer.from(")")]);
const undercutterWarrant = (exception, reason, conclusion) =>
  Buffer.concat([Buffer.from("(THE STATEMENT THAT "), exception, Buffer.from(", IS AN EXCEPTION TO THE RULE THAT, IF "), reason, Buffer.from(", THEN "), conclusion, Buffer.from(")")]);

function transcript(r) {
  const pool = [];
  for (let i = 2 + r.below(5); i > 0; --i) pool.push(sentence(r));
  const lines = [];
  const moves = 1 + r.below(10);
  for (let i = 0; i < moves; ++i) {
    const [a, b, c] = [r.pick(pool), r.pick(pool), r.pick(pool)];
    switch (r.below(7)) {
      case 0:
        lines.push(line("STATEMENT"), mark(r, a), line(""));
        break;
      case 1:
      case 2:
        lines.push(line("CONCLUSION"), mark(r, a), line("REASON"), mark(r, b), line(""));
        break;
      case 3:
        lines.push(line("EXCEPTION"), mark(r, c), line("CONCLUSION"), mark(r, a), line("REASON"), mark(r, b), line(""));
        break;
      case 4:
        lines.push(line("STATEMENT"), mark(r, stepWarrant(b, a, false)), line(""));
        break;
      case 5:
        lines.push(line("STATEMENT"), mark(r, undercutterWarrant(c, b, a)), line(""));
        break;
      default:
        // A defeating connection with its warrant; the hand-written form trims its sentences.
        lines.push(line("IF"), line(b), line("THEN"), line("IT IS DEFEATED THAT"), line(a), line(""));
        break;
    }
  }
  lines.push(line("CURRENT POSITION"), line(""));
  return Buffer.concat(lines);
}

// --- Main -----------------------------------------------------------------------------------

const options = parseArguments(process.argv.slice(2));
const files = [...options.files];
let work = null;
if (options.generate > 0) {
  work = options.keep ?? mkdtempSync(join(tmpdir(), "palaver-argdown-"));
  mkdirSync(work, { recursive: true });
  const r = random(options.seed);
  for (let i = 0; i < options.generate; ++i) {
    const file = join(work, `generated-${String(i + 1).padStart(4, "0")}.lin`);
    writeFileSync(file, transcript(r));
    files.push(file);
  }
}

let failed = 0;
for (const file of files) {
  let problems;
  try {
    problems = checkFile(options.cli, file);
  } catch (e) {
    problems = [`could not be checked: ${e.message}`];
  }
  if (problems.length > 0) {
    ++failed;
    console.log(`FAIL ${file}`);
    for (const p of problems.slice(0, 20)) console.log(`  ${p}`);
    if (problems.length > 20) console.log(`  ... and ${problems.length - 20} more`);
  }
}
if (work && !options.keep && failed === 0) rmSync(work, { recursive: true, force: true });
else if (work && failed > 0) console.log(`The generated files are kept in ${work}`);
console.log(`Argdown read back ${files.length} exports: ${files.length - failed} passed, ${failed} failed`);
process.exit(failed > 0 ? 1 : 0);
