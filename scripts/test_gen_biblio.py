"""Tests of gen_biblio.py (run from this folder: python3 -m unittest)."""

import contextlib
import io
import os
import sys
import tempfile
import unittest
from decimal import Decimal
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import gen_biblio as gb  # noqa: E402

REPO_ROOT = Path(__file__).resolve().parent.parent

# Legal lines from the Othello start, standard orientation.
TIGER = "f5d6c3d3c4"
PERPENDICULAR = "f5d6"
PARALLEL = "f5f4"
HEATH_F4 = "f5f6e6f4g5"        # French form of the symmetric opening
HEATH_D6 = "f5f6e6d6e7"        # the same opening, English form (its mirror)
DIAGONAL = "f5f6e6"


def write_fixture(folder, fr_rows=(), en_rows=(), scores=None, skip_eval=(), extra_eval=()):
    """Write the three TSV files; every line gets score 0 unless given in scores."""
    folder = Path(folder)
    scores = dict(scores or {})
    fr = ["nom\tnom_usuel\tmoves\tname_en\tsources"]
    fr += ["\t".join(row) for row in fr_rows]
    en = ["name\tmoves\tsources"] + ["\t".join(row) for row in en_rows]
    lines = [row[2] for row in fr_rows] + [row[1] for row in en_rows]
    ev = ["moves\tscore\tengine\tdepth"]
    for line in dict.fromkeys(lines):
        if line not in skip_eval:
            ev.append(f"{line}\t{scores.get(line, '0.00')}\tmoteur test\t19+20")
    ev += [f"{line}\t{score}\tmoteur test\t19+20" for line, score in extra_eval]
    for name, content in (("catalogue_fr.tsv", fr), ("catalogue_en.tsv", en),
                          ("evaluations.tsv", ev)):
        (folder / name).write_text("\n".join(content) + "\n", encoding="utf-8")
    return folder


def parse_csv(text):
    lines = text.split("\n")
    assert lines[-1] == "", "the file must end with a line feed"
    header, *body = lines[:-1]
    keys = header.split(";")
    return [dict(zip(keys, line.split(";"))) for line in body]


class FixtureCase(unittest.TestCase):
    def setUp(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        self.folder = Path(tmp.name)

    def generate(self, **fixture):
        write_fixture(self.folder, **fixture)
        text, notes, _ = gb.generate(self.folder)
        return parse_csv(text), notes


class MovesTest(unittest.TestCase):
    def test_half_turn_pairs_and_mirror_after_the_symmetric_prefix(self):
        lib = lambda text: gb.library_moves(gb.rotate_half_turn(gb.parse_moves(text)))
        self.assertEqual(lib("f5d6c3a1h8a8"), "C4E3 F6H8 A1H1")
        self.assertEqual(lib(TIGER), "C4E3 F6E6 F5")
        self.assertEqual(gb.library_moves(gb.parse_moves("f5")), "F5")
        mirrored = gb.mirror_after_prefix(gb.parse_moves("f5f6e6f4g5e7c3"))
        self.assertEqual(gb.moves_text(mirrored), "f5f6e6d6e7g5c3")
        self.assertTrue(gb.has_symmetric_prefix(gb.parse_moves(HEATH_F4)))
        for text in (DIAGONAL, "f5f6e3f4", TIGER):
            self.assertFalse(gb.has_symmetric_prefix(gb.parse_moves(text)), text)

    def test_malformed_or_illegal_moves_are_refused(self):
        for text in ("", "f5d", "F5D6", "f5i3", "f5d9", "f5 d6"):
            with self.subTest(text=text), self.assertRaises(gb.GenError):
                gb.parse_moves(text)
        for text in (TIGER, HEATH_F4, HEATH_D6, "f5f6e6f4c3d6f3c4c5b4a5a3c6b5"):
            gb.check_legal(gb.parse_moves(text), text)
        cases = {"f5e5": "coup 2 \\(e5\\)",       # occupied square
                 "f5a1": "coup 2 \\(a1\\)",       # flips nothing
                 "f5d6f5": "coup 3 \\(f5\\)",     # replays a square
                 "f5f6f4": "coup 3 \\(f4\\)"}     # legal for white only: no pass allowed
        for text, where in cases.items():
            with self.subTest(text=text), self.assertRaisesRegex(gb.GenError, where):
                gb.check_legal(gb.parse_moves(text), "essai")


class GenerationErrorTest(FixtureCase):
    def test_faulty_catalogues_fail_with_their_reason(self):
        cases = [
            ("illégal", dict(fr_rows=[("x", "X", "f5d6a1", "", "s")])),
            ("ne commence pas par f5", dict(fr_rows=[("x", "X", "d3c5", "", "s")])),
            ("pas d'évaluation pour f5d6",
             dict(fr_rows=[("t", "tigre", TIGER, "", "s"), ("p", "perp", PERPENDICULAR, "", "s")],
                  skip_eval={PERPENDICULAR})),
            ("nom anglais inconnu",
             dict(fr_rows=[("t", "tigre", TIGER, "Tigger", "s")], en_rows=[("Tiger", TIGER, "e")])),
            ("point d'interrogation", dict(fr_rows=[("q", "quoi ? non", TIGER, "", "s")])),
            ("serait lu comme une case",
             dict(fr_rows=[("t", "tigre", TIGER, "Tiger B2", "s")],
                  en_rows=[("Tiger B2", TIGER, "e")])),
            ("'eq' serait remplacé",
             dict(fr_rows=[("a", "tigre", TIGER, "", "s"), ("b", "tigre requiem", TIGER, "", "s")])),
            ("contradictoires",
             dict(fr_rows=[("t", "tigre", TIGER, "", "s")], extra_eval=[(TIGER, "+3.00")])),
        ]
        for pattern, fixture in cases:
            write_fixture(self.folder, **fixture)
            with self.subTest(pattern=pattern), self.assertRaisesRegex(gb.GenError, pattern):
                gb.generate(self.folder)


class EvaluationTest(FixtureCase):
    def test_band_edges(self):
        cases = [("0", "eq"), ("2", "eq"), ("-2", "eq"), ("2.01", "n+="), ("-2.01", "b+="),
                 ("6", "n+="), ("6.01", "n+"), ("12", "n+"), ("12.01", "n++"),
                 ("-6", "b+="), ("-6.01", "b+"), ("-12", "b+"), ("-12.01", "b++")]
        for score, code in cases:
            with self.subTest(score=score):
                self.assertEqual(gb.evaluation_code(Decimal(score)), code)


class RowsTest(FixtureCase):
    def test_french_names_uncertain_names_said_in_words_and_english_aliases(self):
        heath = 'Heath / Tobidashi "Jumping Out"'
        rows, _ = self.generate(
            fr_rows=[("andersson, var.cali", "andersson, var. Cali", TIGER, "Tiger", "s1"),
                     ("élyséenne", "", PERPENDICULAR, "", "s2"),
                     ("x", "tigre centrale de Paris", PARALLEL, "", "s3"),
                     ("c ???", "campagnarde ???", DIAGONAL, "", "s4"),
                     ("p (?)", "plate (?)", "f5d6c3", "", "s5"),
                     ("heath", "Heath", HEATH_F4, heath, "s6")],
            en_rows=[("Tiger", TIGER, "e1"), (heath, HEATH_D6, "e")])
        self.assertEqual([(r["Nom"], r["Name"], r["Sources"]) for r in rows][:5],
                         [("Andersson, var. Cali", "Tiger", "s1"), ("Élyséenne", "", "s2"),
                          ("Tigre centrale de Paris", "", "s3"),
                          ("Campagnarde (nom incertain)", "", "s4"),
                          ("Plate (nom incertain)", "", "s5")])
        self.assertTrue(rows[0]["Commentaire"].startswith("Anglais\u00a0: Tiger/"))
        self.assertEqual(rows[5]["Name"], "Heath / Tobidashi \u201cJumping Out\u201d")
        self.assertEqual(rows[5]["Commentaire"].split("/")[0],
                         "Anglais\u00a0: Heath ou Tobidashi \u201cJumping Out\u201d")

    def test_accents_and_capitals_that_the_catalogue_gives_a_word_somewhere(self):
        # "française" and "Lille" are written so in other names; "mystère" everywhere without
        # its accent; a word in capitals inside a name is a proper name everywhere.
        rows, _ = self.generate(
            fr_rows=[("tigre diagonale française", "tigre diagonale francaise", TIGER, "", "s"),
                     ("heath mystere", "Heath mystere", HEATH_F4, "", "s"),
                     ("orque de lille", "orque de lille", PARALLEL, "", "s"),
                     ("chat de Lille", "chat de Lille", PERPENDICULAR, "", "s"),
                     ("rose d'athenes", "rose d'athenes", "f5d6c3", "", "s"),
                     ("cote d'Athènes", "", DIAGONAL, "", "s")])
        self.assertEqual([r["Nom"] for r in rows],
                         ["Tigre diagonale française", "Heath mystère", "Heath mystère",
                          "Orque de Lille", "Chat de Lille", "Rose d'Athènes", "Cote d'Athènes"])

    def test_english_only_names_in_french_where_the_catalogues_name_them(self):
        rows, _ = self.generate(
            en_rows=[("Rotating Flat", TIGER, "e1"), ("Sailboat", PARALLEL, "e2")])
        self.assertEqual([(r["Nom"], r["Name"], r["Commentaire"].split("/")[0]) for r in rows],
                         [("Rose plate tournante", "Rotating Flat", "Anglais\u00a0: Rotating Flat"),
                          ("Sailboat", "Sailboat", "Nom anglais, sans nom français connu")])

    def test_english_only_rows_follow_french_rows_in_catalogue_order(self):
        # The English row of a transposition named by a French row is left out.
        rows, _ = self.generate(
            fr_rows=[("p", "popov", "f5d6c3d3c4f4f6g5e3f3g4", "Popov", "s")],
            en_rows=[("Parallel Opening", PARALLEL, "e1"),
                     ("Popov", "f5d6c3d3c4f4f6f3e3g5g4", "e2"),
                     ("Perpendicular Opening", PERPENDICULAR, "e3")])
        self.assertEqual([(r["Nom"], r["Name"], r["Sources"]) for r in rows],
                         [("Popov", "Popov", "s"),
                          ("Parallel Opening", "Parallel Opening", "e1"),
                          ("Perpendicular Opening", "Perpendicular Opening", "e3")])

    def test_both_forms_in_order_with_same_name_and_score_shown_in_the_comment(self):
        rows, notes = self.generate(
            fr_rows=[("heath", "Heath", HEATH_F4, "", "s"), ("t", "tigre", TIGER, "", "s"),
                     ("diagonale", "diagonale", DIAGONAL, "", "s")],
            en_rows=[("Lysons", "f5f6e6d6f7f3", "e")],
            scores={HEATH_F4: "-12.01", TIGER: "+0.04", "f5f6e6d6f7f3": "+6.00"})
        self.assertEqual([(r["Nom"], r["Coups"], r["Bilan"]) for r in rows],
                         [("Heath", "C4C3 D3C5 B4", "b++"),
                          ("Heath", "C4C3 D3E3 D2", "b++"),
                          ("Tigre", "C4E3 F6E6 F5", "eq"),
                          ("Diagonale", "C4C3 D3", "eq"),
                          ("Lysons", "C4C3 D3E3 C2C6", "n+="),
                          ("Lysons", "C4C3 D3C5 B3F3", "n+=")])
        comments = [r["Commentaire"] for r in rows]
        self.assertEqual(comments[0], "Moteur\u00a0: blanc +12,0 pions (prof. 19-20)")
        self.assertEqual(comments[1], comments[0])
        self.assertEqual(comments[2], "Moteur\u00a0: égalité (prof. 19-20)")
        self.assertEqual(comments[5], "Nom anglais, sans nom français connu/"
                                      "Moteur\u00a0: noir +6,0 pions (prof. 19-20)")
        self.assertEqual(notes, [])

    def test_every_move_sequence_once_under_the_first_name(self):
        # An English-only row merged into a French row's mirror form names it in English,
        # never again under "Aussi".
        rows, notes = self.generate(fr_rows=[("a", "x", HEATH_F4, "", "s"),
                                             ("b", "y", HEATH_D6, "", "s"),
                                             ("c", "z", TIGER, "", "s"),
                                             ("p", "perp", PERPENDICULAR, "", "s"),
                                             ("d", "tigre bis", TIGER, "", "s")],
                                    en_rows=[("Snake", HEATH_D6, "e")])
        self.assertEqual([(r["Nom"], r["Name"], r["Commentaire"].rsplit("/", 1)[0]) for r in rows],
                         [("X", "Snake", "Anglais\u00a0: Snake/Aussi\u00a0: Y"),
                          ("X", "Snake", "Anglais\u00a0: Snake/Aussi\u00a0: Y"),
                          ("Z", "", "Aussi\u00a0: Tigre bis"),
                          ("Perp", "", "Moteur\u00a0: égalité (prof. 19-20)")])
        self.assertEqual(len(notes), 5)
        self.assertIn("« Tigre bis » (f5d6c3d3c4) fusionné dans « Z »", notes[2])


class CommentCheckTest(unittest.TestCase):
    def test_text_the_program_would_rewrite_or_a_bad_structure_is_refused(self):
        self.assertEqual(gb.comment_problems(["Anglais : Rose-v-Toth",
                                              "Moteur : blanc +1,2 pion (prof. 19-20)"]), [])
        bad = ["Coin h8", "Case B2", "Ab3", "requiert", "Zeb+", "n+= ici", "b++",
               "a > b", "Bon ?!", "Bon !?", "x!bn", "x!bb", "n--", "a;b", "a/b",
               'dit "oui"', "x" * (gb.MAX_COMMENT_LINE_LENGTH + 1)]
        for lines in [[line] for line in bad] + [[], ["a", "", "b"], ["a", "b", "c", "d"]]:
            with self.subTest(lines=lines):
                self.assertNotEqual(gb.comment_problems(lines), [])


class OutputFileTest(FixtureCase):
    def test_main_writes_utf8_lf_file_or_reports_errors_with_status(self):
        write_fixture(self.folder, fr_rows=[("é", "", TIGER, "", "s")])
        out = self.folder / "sortie" / "biblio.csv"
        with contextlib.redirect_stdout(io.StringIO()) as said:
            self.assertEqual(gb.main(["gen_biblio.py", str(self.folder), str(out)]), 0)
        self.assertIn("1 fiche écrite dans", said.getvalue())
        self.assertIn("(0 anglaise seule, 0 forme miroir, 0 fusion)", said.getvalue())
        self.assertEqual(out.read_bytes().decode("utf-8").split("\n"),
                         [gb.HEADER, "É;;C4E3 F6E6 F5;eq;Moteur\u00a0: égalité (prof. 19-20);s", ""])

        write_fixture(self.folder, fr_rows=[("x", "X", "f5d6a1", "", "s")])
        out = self.folder / "biblio.csv"
        with contextlib.redirect_stderr(io.StringIO()) as said:
            self.assertEqual(gb.main(["gen_biblio.py", str(self.folder), str(out)]), 1)
            self.assertEqual(gb.main(["gen_biblio.py"]), 2)
        self.assertFalse(out.exists())
        self.assertIn("coup 3 (a1) illégal pour noir", said.getvalue())
        self.assertIn("usage", said.getvalue())


OPENINGS = Path(os.environ.get("TAVIK_OPENINGS", REPO_ROOT.parent / "shared" / "openings"))


@unittest.skipUnless((OPENINGS / "catalogue_fr.tsv").is_file(),
                     f"données de référence absentes ({OPENINGS})")
class ShippedLibraryTest(unittest.TestCase):
    def test_shipped_file_is_up_to_date(self):
        text, _, _ = gb.generate(OPENINGS)
        shipped = (REPO_ROOT / "data" / "biblio.csv").read_bytes()
        self.assertEqual(text.encode("utf-8"), shipped,
                         "data/biblio.csv est à régénérer avec scripts/gen_biblio.py")


if __name__ == "__main__":
    unittest.main()
