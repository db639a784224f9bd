#!/usr/bin/env bash
# Builds the Debian package of a build tree, checks its files and dependencies, unpacks it and
# starts the unpacked program offscreen from an empty working folder with an empty home: it
# must find the library installed beside it.
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
for f in ./usr/bin/tavik ./usr/share/tavik/biblio.csv "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/doc/tavik/README.md ./usr/share/doc/tavik/COPYING; do
    awk '{print $NF}' "$brouillon/contenu" | grep -qxF "$f" || echec "missing: $f"
done

echo "== control"
dpkg-deb -f "$paquet" Package Version Depends | tee "$brouillon/controle"
grep -q "^Version: $version" "$brouillon/controle" || echec "version is not $version"
# Computed from the binary's libraries, plus the fonts that the layouts were drawn for.
for dependance in libc6 libqt6core6 libqt6widgets6 fonts-liberation2; do
    grep -q "^Depends:.*\b$dependance\b" "$brouillon/controle" || echec "Depends lacks $dependance"
done

racine="$brouillon/racine"
dpkg-deb -x "$paquet" "$racine"
icones=$(grep -c "/usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$id\.png$" "$brouillon/contenu")
[ "$icones" -eq 8 ] || echec "$icones PNG icons instead of 8"
mkdir -p "$brouillon/travail" "$brouillon/maison" "$brouillon/execution"
chmod 700 "$brouillon/execution"
programme="$racine/usr/bin/tavik"

echo "== tavik --version, --help, a mistake: answered without a display"
sans_affichage=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programme")
"${sans_affichage[@]}" --version | grep -qxF "Tavik $version"
"${sans_affichage[@]}" --help | grep -q -- "--biblio FICHIER"
statut=0
"${sans_affichage[@]}" --biblo x.csv 2>"$brouillon/erreur" || statut=$?
[ "$statut" -eq 2 ] && grep -q "Option inconnue : --biblo" "$brouillon/erreur" \
    || echec "a mistake gave status $statut: $(cat "$brouillon/erreur")"

echo "== started from an empty folder"
cd "$brouillon/travail"
journal="$brouillon/journal"
HOME="$brouillon/maison" XDG_DATA_HOME="$brouillon/maison/.local/share" \
    XDG_RUNTIME_DIR="$brouillon/execution" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="tavik.biblio.info=true" "$programme" 2>"$journal" &
pid=$!
attendu="bibliothèque d'ouvertures : $racine/usr/share/tavik/biblio.csv, "
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
