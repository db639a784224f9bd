#!/usr/bin/env bash
# Builds the Debian package of a build tree, has Debian's checker judge it, checks its files,
# dependencies and manual pages, unpacks it and starts the unpacked program offscreen from a
# working folder that holds another program's biblio.csv, with an empty home: it must pass that
# file over and find the library installed beside it.
# Usage: paquet.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION
set -euo pipefail
construction=$1 brouillon=$2 id=$3 version=$4
echec() { echo "$*"; exit 1; }

rm -rf "$brouillon"
mkdir -p "$brouillon"
cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$brouillon/cpack" >"$brouillon/cpack.log" \
    || { cat "$brouillon/cpack.log"; exit 1; }
paquet=$(echo "$brouillon"/cpack/tavik_*.deb)
[ -f "$paquet" ] || echec "no package in $brouillon/cpack"

echo "== $(basename "$paquet")"
dpkg-deb -c "$paquet" | tee "$brouillon/contenu"
# The program where Debian puts games, the pictures that the README shows, the manual pages,
# the machine-readable copyright and the changelog.
images=$(grep -o '](docs/[^)]*)' "$(dirname "$0")/../../README.md" | sed 's#^](#./usr/share/doc/tavik/#; s#)$##')
[ "$(echo "$images" | wc -l)" -ge 4 ] || echec "the README shows too few pictures: $images"
for f in ./usr/games/tavik ./usr/share/tavik/biblio.csv "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/doc/tavik/README.md ./usr/share/doc/tavik/copyright \
    ./usr/share/doc/tavik/changelog.gz ./usr/share/man/man6/tavik.6.gz \
    ./usr/share/man/fr/man6/tavik.6.gz $images; do
    awk '{print $NF}' "$brouillon/contenu" | grep -qxF "$f" || echec "missing: $f"
done

echo "== lintian --pedantic"
# No error and no warning; what remains is informational, or overridden with its reason.
lintian --pedantic --display-info --show-overrides --fail-on error,warning "$paquet" \
    | tee "$brouillon/lintian" || echec "lintian found errors or warnings"
# Nor any note, but the fortified functions that only an optimised build has.
notes=$(grep '^I:' "$brouillon/lintian" | grep -v ' hardening-no-fortify-functions ' || true)
[ -z "$notes" ] || echec "lintian's notes: $notes"

echo "== control"
dpkg-deb -f "$paquet" Package Version Maintainer Depends Recommends | tee "$brouillon/controle"
grep -q "^Version: $version" "$brouillon/controle" || echec "version is not $version"
# Computed from the binary's libraries, plus the fonts that the layouts were drawn for; and
# what a desktop user may lack: Qt's Wayland plugin and its French texts.
for dependance in Depends:libc6 Depends:libqt6core6 Depends:libqt6widgets6 \
    Depends:fonts-liberation2 Recommends:qt6-wayland Recommends:qt6-translations-l10n; do
    grep -q "^${dependance%%:*}:.*\b${dependance#*:}\b" "$brouillon/controle" \
        || echec "${dependance%%:*} lacks ${dependance#*:}"
done

racine="$brouillon/racine"
dpkg-deb -x "$paquet" "$racine"
# The changelog's last entry is this version's.
zcat "$racine/usr/share/doc/tavik/changelog.gz" | head -1 | grep -q "^tavik ($version) " \
    || echec "the changelog does not begin with version $version"
echo "== the manual pages"
for page in man6/tavik.6.gz fr/man6/tavik.6.gz; do
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$racine/usr/share/man/$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || echec "$page: $avertissements"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$racine/usr/share/man/$page" >"$brouillon/page"
    grep -q -- "--verifier" "$brouillon/page" || echec "$page lacks --verifier"
done
grep -q "^NOM" "$brouillon/page" || echec "the French manual page is not French"
icones=$(grep -c "/usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$id\.png$" "$brouillon/contenu")
[ "$icones" -eq 8 ] || echec "$icones PNG icons instead of 8"
mkdir -p "$brouillon/travail" "$brouillon/maison" "$brouillon/execution"
chmod 700 "$brouillon/execution"
programme="$racine/usr/games/tavik"

echo "== tavik --version, --help, a mistake: answered without a display"
insecable=$'\xc2\xa0' # the non-breaking space of French texts before ":"
sans_affichage=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programme")
"${sans_affichage[@]}" --version | grep -qxF "Tavik $version"
"${sans_affichage[@]}" --help | tee "$brouillon/aide" | grep -q -- "--biblio FICHIER"
# Every option of the help is in both manual pages.
for option in $(grep -o -- '^  \(-., \)\?--[a-z]*' "$brouillon/aide" | grep -o -- '--[a-z]*'); do
    for page in man6/tavik.6.gz fr/man6/tavik.6.gz; do
        zcat "$racine/usr/share/man/$page" | sed 's/\\-/-/g' | grep -q -- "^\.B.* $option\b" \
            || echec "$page lacks $option"
    done
done
statut=0
"${sans_affichage[@]}" --biblo x.csv 2>"$brouillon/erreur" || statut=$?
[ "$statut" -eq 2 ] && grep -q "Option inconnue${insecable}: --biblo" "$brouillon/erreur" \
    || echec "a mistake gave status $statut: $(cat "$brouillon/erreur")"

echo "== started from a folder holding another program's biblio.csv"
printf 'Auteur,Titre,Ann\xc3\xa9e\nHugo,Les Mis\xc3\xa9rables,1862\n' >"$brouillon/travail/biblio.csv"
cd "$brouillon/travail"
journal="$brouillon/journal"
HOME="$brouillon/maison" XDG_DATA_HOME="$brouillon/maison/.local/share" \
    XDG_RUNTIME_DIR="$brouillon/execution" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="tavik.biblio.info=true" "$programme" 2>"$journal" &
pid=$!
attendu="bibliothèque d'ouvertures${insecable}: $racine/usr/share/tavik/biblio.csv, "
for _ in $(seq 1 300); do
    grep -qF "$attendu" "$journal" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
cat "$journal"
grep -F "$attendu" "$journal" | grep -q " [1-9][0-9]* ouvertures" \
    || echec "the unpacked program did not read its installed library"
echo "== package checked"
