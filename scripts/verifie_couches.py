#!/usr/bin/env python3
"""Checks the layering of src/: a folder includes only from itself and from the folders below
it, and only src/ui uses Qt. Prints each include that breaks the order and exits 1 if any."""

import pathlib
import re
import sys

# Lowest first.
COUCHES = ["engine", "record", "library", "orientation", "autoplay", "training", "database", "windows", "ui"]
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.MULTILINE)


def fautes(racine: pathlib.Path):
    src = racine / "src"
    for fichier in sorted(src.rglob("*")):
        if fichier.suffix not in {".h", ".cpp"}:
            continue
        dossier = fichier.relative_to(src).parts[0]
        if dossier not in COUCHES:
            yield f"{fichier}: folder « {dossier} » is not in the layer list"
            continue
        rang = COUCHES.index(dossier)
        for inclus in INCLUDE.findall(fichier.read_text(encoding="utf-8")):
            tete = inclus.split("/")[0]
            if tete in COUCHES and COUCHES.index(tete) > rang:
                yield f"{fichier}: includes {inclus}, from a higher layer"
            if dossier != "ui" and re.match(r"Q[A-Z]|Qt", tete):
                yield f"{fichier}: includes {inclus}; only src/ui may use Qt"


def main() -> int:
    racine = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    liste = list(fautes(racine))
    for f in liste:
        print(f)
    return 1 if liste else 0


if __name__ == "__main__":
    sys.exit(main())
