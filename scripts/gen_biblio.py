#!/usr/bin/env python3
"""Generate Tavik's shipped opening library (data/biblio.csv).

Usage: gen_biblio.py <openings_dir> <output_csv>

<openings_dir> holds catalogue_fr.tsv, catalogue_en.tsv and evaluations.tsv
(lower-case move strings in standard orientation, every line starting with f5).
The library is written half a turn round, so that black's first move is C4.
"""

import re
import sys
import unicodedata
from dataclasses import dataclass, field
from decimal import Decimal, InvalidOperation, ROUND_HALF_UP
from pathlib import Path

HEADER = "Nom;Name;Coups;Bilan;Commentaire;Sources"
MAX_RECORDS = 1001
MAX_COMMENT_LINES = 3
MAX_COMMENT_LINE_LENGTH = 48
# French typography: a non-breaking space before a colon.
COLON = "\u00a0: "

FR_COLUMNS = ["nom", "nom_usuel", "moves", "name_en", "sources"]
EN_COLUMNS = ["name", "moves", "sources"]
EVAL_COLUMNS = ["moves", "score", "engine", "depth"]

# After f5 f6 e6 the position is symmetric about the a1-h8 diagonal.
SYMMETRIC_PREFIX = ((6, 5), (6, 6), (5, 6))

# Codes the program rewrites wherever they occur in a comment (case-sensitive).
COMMENT_CODES = ["n++", "b++", "n--", "b--", "eq", "!?", "n+", "b+", "?!",
                 "n+=", "b+=", ">", "!bn", "!bb"]
BOARD_SQUARE = re.compile(r"[A-Ha-h][1-8]")
MOVE_TEXT = re.compile(r"(?:[a-h][1-8])+")
SQ = "[A-H][1-8]"
LIBRARY_MOVES = re.compile(f"{SQ}(?:{SQ}(?: {SQ}{SQ})*(?: {SQ})?)?")


class GenError(Exception):
    """Bad input data or a rule of the library format broken."""


# ---------------------------------------------------------------- moves

def parse_moves(text):
    """'f5d6' -> [(6, 5), (4, 6)]: (column, row), both 1..8."""
    if not MOVE_TEXT.fullmatch(text):
        raise GenError(f"chaîne de coups mal formée : {text!r}")
    return tuple((ord(text[i]) - ord("a") + 1, int(text[i + 1]))
                 for i in range(0, len(text), 2))


def square_name(square):
    col, row = square
    return chr(ord("a") + col - 1) + str(row)


def moves_text(moves):
    return "".join(square_name(sq) for sq in moves)


def rotate_half_turn(moves):
    return tuple((9 - c, 9 - r) for c, r in moves)


def mirror_after_prefix(moves):
    """Mirror about the a1-h8 diagonal every move after the symmetric prefix."""
    n = len(SYMMETRIC_PREFIX)
    return moves[:n] + tuple((r, c) for c, r in moves[n:])


def has_symmetric_prefix(moves):
    return len(moves) > len(SYMMETRIC_PREFIX) and moves[:len(SYMMETRIC_PREFIX)] == SYMMETRIC_PREFIX


def library_moves(moves):
    """Upper case, black move and white reply glued, pairs separated by one space."""
    names = [square_name(sq).upper() for sq in moves]
    return " ".join("".join(names[i:i + 2]) for i in range(0, len(names), 2))


# ---------------------------------------------------------------- legality

EMPTY, BLACK, WHITE = 0, 1, 2
DIRECTIONS = [(dc, dr) for dc in (-1, 0, 1) for dr in (-1, 0, 1) if (dc, dr) != (0, 0)]


def start_board():
    board = {(c, r): EMPTY for c in range(1, 9) for r in range(1, 9)}
    board[(4, 4)] = board[(5, 5)] = WHITE
    board[(5, 4)] = board[(4, 5)] = BLACK
    return board


def flips(board, square, colour):
    """Squares turned over if colour plays square (empty list: illegal)."""
    if board[square] != EMPTY:
        return []
    other = WHITE if colour == BLACK else BLACK
    turned = []
    for dc, dr in DIRECTIONS:
        line = []
        c, r = square[0] + dc, square[1] + dr
        while (c, r) in board and board[(c, r)] == other:
            line.append((c, r))
            c, r = c + dc, r + dr
        if line and (c, r) in board and board[(c, r)] == colour:
            turned.extend(line)
    return turned


def check_legal(moves, label):
    """Replay from the start, black first, colours alternating (no pass)."""
    board = start_board()
    colour = BLACK
    for index, square in enumerate(moves):
        turned = flips(board, square, colour)
        if not turned:
            side = "noir" if colour == BLACK else "blanc"
            raise GenError(f"{label} : coup {index + 1} ({square_name(square)}) "
                           f"illégal pour {side} dans {moves_text(moves)}")
        board[square] = colour
        for sq in turned:
            board[sq] = colour
        colour = WHITE if colour == BLACK else BLACK


# ---------------------------------------------------------------- evaluation

def evaluation_code(score):
    if abs(score) <= 2:
        return "eq"
    if score > 0:
        return "n+=" if score <= 6 else "n+" if score <= 12 else "n++"
    return "b+=" if score >= -6 else "b+" if score >= -12 else "b++"


def score_text(score, depth):
    """'Moteur : noir +2,6 pions (prof. 19-20)', the colon after a non-breaking space."""
    rounded = abs(score).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP)
    number = str(rounded).replace(".", ",")
    unit = "pion" if rounded < 2 else "pions"
    if rounded == 0:
        verdict = "égalité"
    else:
        verdict = f"{'noir' if score > 0 else 'blanc'} +{number} {unit}"
    return f"Moteur{COLON}{verdict} (prof. {depth.replace('+', '-')})"


# ---------------------------------------------------------------- text rules

def plain_quotes(text):
    """Replace ASCII double quotes by typographic ones (the library avoids '"')."""
    out, opening = [], True
    for ch in text:
        if ch == '"':
            out.append("\u201c" if opening else "\u201d")
            opening = not opening
        else:
            out.append(ch)
    return "".join(out)


# The catalogues mark a name they are unsure of with "???" or "(?)" at its end; the library
# says so in words, the same words for both marks.
UNCERTAIN_MARK = re.compile(r"\s*(?:\?\?\?|\(\?\))\s*$")
UNCERTAIN_WORDS = " (nom incertain)"


def uncertainty_in_words(name, label):
    plain, marks = UNCERTAIN_MARK.subn("", name)
    if "?" in plain:
        raise GenError(f"{label} : point d'interrogation inattendu dans le nom {name!r}")
    return plain + UNCERTAIN_WORDS if marks else name


def capitalise_first(text):
    return text[:1].upper() + text[1:]


# ---------------------------------------------------------------- French spelling

# Words that the catalogues write without their accents everywhere.
MORE_ACCENTS = {"mystere": "mystère", "equerre": "équerre", "traineau": "traîneau"}
# Names of places and people that the catalogues write in lower case everywhere.
MORE_PROPER_NAMES = {"lille", "sophia", "brisson", "edmead", "moorlin", "qvist", "roques",
                     "saout", "tardy", "thor", "wahlberg", "sharalle", "matignon", "berner",
                     "nicolet", "tastet"}
WORD = re.compile(r"[^\W\d_]+(?:'[^\W\d_]+)?")


def bare(word):
    """Lower case without accents: the key under which a word's spellings meet."""
    decomposed = unicodedata.normalize("NFD", word.lower())
    return "".join(ch for ch in decomposed if not unicodedata.combining(ch))


def elision(word):
    """("d'", "athènes") for "d'athènes"; ("", word) otherwise."""
    head, quote, tail = word.partition("'")
    return (head + quote, tail) if quote and len(head) == 1 else ("", word)


class Spelling:
    """Accents and capitals that the catalogues give a word somewhere, applied everywhere.

    A word written with accents in one name lends them to its bare spelling in every name; a
    word written with a capital inside a name (not as its first word) is a proper name and
    takes its capital everywhere."""

    def __init__(self, names):
        self.accents = dict(MORE_ACCENTS)
        self.proper = set(MORE_PROPER_NAMES)
        for name in names:
            for index, match in enumerate(WORD.finditer(name)):
                _, word = elision(match.group())
                if bare(word) != word.lower():
                    self.accents.setdefault(bare(word), word.lower())
                if index > 0 and word[:1].isupper():
                    self.proper.add(bare(word))

    def word(self, word):
        prefix, word = elision(word)
        key = bare(word)
        fixed = word
        if key == word.lower() and key in self.accents:
            fixed = self.accents[key]
            if word[:1].isupper():
                fixed = capitalise_first(fixed)
        if key in self.proper:
            fixed = capitalise_first(fixed)
        return prefix + fixed

    def name(self, name):
        return capitalise_first(WORD.sub(lambda m: self.word(m.group()), name))


def comment_problems(lines):
    """Why the program would not show these comment lines unchanged (empty: fine)."""
    problems = []
    if not lines:
        problems.append("commentaire vide")
    if len(lines) > MAX_COMMENT_LINES:
        problems.append(f"plus de {MAX_COMMENT_LINES} lignes")
    for line in lines:
        if not line.strip():
            problems.append("ligne vide")
        if len(line) > MAX_COMMENT_LINE_LENGTH:
            problems.append(f"ligne trop longue : {line!r}")
        for bad in (";", "/", '"', "\n", "\r"):
            if bad in line:
                problems.append(f"caractère {bad!r} dans {line!r}")
        for match in BOARD_SQUARE.finditer(line):
            problems.append(f"{match.group()!r} serait lu comme une case dans {line!r}")
        for code in COMMENT_CODES:
            if code in line:
                problems.append(f"{code!r} serait remplacé dans {line!r}")
    return problems


def build_comment(lines):
    problems = comment_problems(lines)
    if problems:
        raise GenError("commentaire refusé : " + " ; ".join(problems))
    return "/".join(lines)


def english_for_comment(name):
    """English name as a comment line: aliases joined by ' ou ' instead of ' / '."""
    return plain_quotes(name).replace(" / ", " ou ").replace("/", " ou ")


# ---------------------------------------------------------------- input

def read_tsv(path, columns):
    try:
        text = path.read_text(encoding="utf-8")
    except OSError as err:
        raise GenError(f"lecture impossible de {path} : {err}") from err
    lines = text.splitlines()
    if not lines or lines[0].split("\t") != columns:
        raise GenError(f"{path.name} : en-tête attendu {columns}")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        values = line.split("\t")
        if len(values) != len(columns):
            raise GenError(f"{path.name}:{number} : {len(values)} champs au lieu de {len(columns)}")
        rows.append(dict(zip(columns, (v.strip() for v in values))))
    return rows


def read_evaluations(path):
    evaluations = {}
    for row in read_tsv(path, EVAL_COLUMNS):
        try:
            score = Decimal(row["score"])
        except InvalidOperation as err:
            raise GenError(f"{path.name} : score illisible {row['score']!r}") from err
        entry = (score, row["depth"])
        if evaluations.setdefault(row["moves"], entry) != entry:
            raise GenError(f"{path.name} : évaluations contradictoires pour {row['moves']}")
    return evaluations


# ---------------------------------------------------------------- records

@dataclass
class Record:
    name: str
    name_en: str
    moves: tuple          # standard orientation, as played (f5 first)
    line: str             # catalogue move string giving the evaluation
    score: Decimal
    depth: str
    sources: str
    mirrored: bool = False
    english_only: bool = False
    also: list = field(default_factory=list)


# French names for openings that only the English catalogue lists, where the French catalogue
# names them or the opening that they continue: "rose plate tournante (rotating flat)"; Bat is
# "cambridge", No-Cat "ganglion", No-Kung "tigre diagonale classique", Aubrey "Bill - de Grey";
# Scorpion and Mimura are French names too. The English name stays in the Name column.
FRENCH_FOR_ENGLISH = {
    "Rotating Flat": "Rose plate tournante",
    "Rotating Flat (Kling Continuation)": "Rose plate tournante, suite Kling",
    "Scorpion": "Scorpion",
    "No-Kung (Continuation)": "Tigre diagonale classique, suite",
    "No-Cat (Continuation)": "Ganglion, suite",
    "Aubrey (Feldborg continuation)": "Bill - de Grey, suite Feldborg",
    "Bat (Kling Continuation)": "Cambridge, suite Kling",
    "Melnikov / Bat (Piau Continuation 1)": "Melnikov / Cambridge, suite Piau 1",
    "Bat (Piau Continuation 2)": "Cambridge, suite Piau 2",
    "Bat (Kling Alternative)": "Cambridge, variante Kling",
    "Mimura variation II": "Mimura, variante II",
}

def french_name(row, spelling):
    return spelling.name(row["nom_usuel"] or row["nom"])


def catalogue_line(text, label):
    moves = parse_moves(text)
    if moves[:1] != ((6, 5),):
        raise GenError(f"{label} : la ligne {text} ne commence pas par f5")
    check_legal(moves, label)
    return moves


def forms(moves):
    """The line as given, then its mirrored form when the opening is symmetric."""
    if has_symmetric_prefix(moves):
        return [(moves, False), (mirror_after_prefix(moves), True)]
    return [(moves, False)]


def candidates(fr_rows, en_rows, evaluations):
    """All records in output order, before duplicate merging."""
    english_names = {row["name"] for row in en_rows}
    spelling = Spelling(name for row in fr_rows for name in (row["nom"], row["nom_usuel"]))
    carried = set()
    entries = []
    for number, row in enumerate(fr_rows, start=2):
        if row["name_en"]:
            if row["name_en"] not in english_names:
                raise GenError(f"catalogue_fr.tsv:{number} : nom anglais inconnu {row['name_en']!r}")
            carried.add(row["name_en"])
        entries.append((f"catalogue_fr.tsv:{number}", french_name(row, spelling), row["name_en"],
                        row["moves"], row["sources"], False))
    for number, row in enumerate(en_rows, start=2):
        if row["name"] not in carried:
            french = FRENCH_FOR_ENGLISH.get(row["name"])
            entries.append((f"catalogue_en.tsv:{number}", french or row["name"], row["name"],
                            row["moves"], row["sources"], french is None))
    records = []
    for label, name, name_en, text, source_list, english_only in entries:
        if not name:
            raise GenError(f"{label} : nom vide")
        name = uncertainty_in_words(name, label)
        if text not in evaluations:
            raise GenError(f"{label} : pas d'évaluation pour {text}")
        score, depth = evaluations[text]
        for moves, mirrored in forms(catalogue_line(text, label)):
            if mirrored:
                check_legal(moves, f"{label} (forme miroir)")
            records.append(Record(plain_quotes(name), plain_quotes(name_en), moves, text,
                                  score, depth, source_list, mirrored, english_only))
    return records


def merge_duplicates(records):
    """Keep the first record of each move sequence; returns (kept, merge notes)."""
    kept, by_moves, notes = [], {}, []
    for record in records:
        first = by_moves.get(record.moves)
        if first is None:
            by_moves[record.moves] = record
            kept.append(record)
            continue
        if not first.name_en and record.name_en:
            first.name_en = record.name_en
        if record.name not in (first.name, first.name_en, *first.also):
            first.also.append(record.name)
        notes.append(f"{library_moves(rotate_half_turn(record.moves))} : "
                     f"« {record.name} » ({record.line}{', miroir' if record.mirrored else ''}) "
                     f"fusionné dans « {first.name} » ({first.line}"
                     f"{', miroir' if first.mirrored else ''})"
                     + ("" if record.score == first.score
                        else f" ; scores différents {first.score} / {record.score}"))
    return kept, notes


def comment_for(record):
    lines = []
    if record.english_only:
        lines.append("Nom anglais, sans nom français connu")
    elif record.name_en:
        lines.append("Anglais" + COLON + english_for_comment(record.name_en))
    if record.also:
        lines.append("Aussi" + COLON + ", ".join(english_for_comment(n) for n in record.also))
    lines.append(score_text(record.score, record.depth))
    return build_comment(lines)


def csv_line(record):
    moves = rotate_half_turn(record.moves)
    check_legal(moves, f"« {record.name} » après rotation")
    fields = [record.name, record.name_en, library_moves(moves),
              evaluation_code(record.score), comment_for(record), record.sources]
    for value in fields:
        for bad in (";", "\n", "\r", '"'):
            if bad in value:
                raise GenError(f"« {record.name} » : caractère {bad!r} dans {value!r}")
    if not LIBRARY_MOVES.fullmatch(fields[2]):
        raise GenError(f"« {record.name} » : coups mal écrits {fields[2]!r}")
    return ";".join(fields)


def generate(openings_dir):
    """Return (csv text, merge notes, records) for the catalogues in openings_dir."""
    folder = Path(openings_dir)
    fr_rows = read_tsv(folder / "catalogue_fr.tsv", FR_COLUMNS)
    en_rows = read_tsv(folder / "catalogue_en.tsv", EN_COLUMNS)
    evaluations = read_evaluations(folder / "evaluations.tsv")
    records, notes = merge_duplicates(candidates(fr_rows, en_rows, evaluations))
    if len(records) > MAX_RECORDS:
        raise GenError(f"{len(records)} fiches, plus que les {MAX_RECORDS} permises")
    lines = [HEADER] + [csv_line(record) for record in records]
    return "\n".join(lines) + "\n", notes, records


def count(n, one, several):
    """'1 fiche écrite', '0 fiche écrite', '3 fiches écrites': the plural from 2 on."""
    return f"{n} {one if n < 2 else several}"


def main(argv):
    if len(argv) != 3:
        print(f"usage : {argv[0]} <dossier_ouvertures> <sortie.csv>", file=sys.stderr)
        return 2
    try:
        text, notes, records = generate(argv[1])
    except GenError as err:
        print(f"gen_biblio : erreur : {err}", file=sys.stderr)
        return 1
    Path(argv[2]).parent.mkdir(parents=True, exist_ok=True)
    with open(argv[2], "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    english = sum(r.english_only and not r.mirrored for r in records)
    mirrors = sum(r.mirrored for r in records)
    print(f"{count(len(records), 'fiche écrite', 'fiches écrites')} dans {argv[2]} "
          f"({count(english, 'anglaise seule', 'anglaises seules')}, "
          f"{count(mirrors, 'forme miroir', 'formes miroir')}, "
          f"{count(len(notes), 'fusion', 'fusions')})")
    for note in notes:
        print("fusion : " + note)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
