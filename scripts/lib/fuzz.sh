# The libFuzzer targets: built with clang in build/fuzz (AddressSanitizer, UndefinedBehavior-
# Sanitizer and coverage), each run for a while on a corpus folder.

CIBLES_FUZZ=(fichier texte actions parties)

# Usage: construit_fuzz racine
construit_fuzz() {
    local racine=$1
    cmake -S "$racine" -B "$racine/build/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DTAVIK_FUZZ=ON -DTAVIK_GUI=OFF -DTAVIK_TESTS=OFF -DTAVIK_BENCH=OFF -DTAVIK_WERROR=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" >/dev/null
    cmake --build "$racine/build/fuzz" -j "$(nproc)"
}

# The longest input of each target: a library file of a few dozen lines, one text, about two
# hundred actions, a game file of a dozen records.
longueur_max() {
    case $1 in
    fichier) echo 2048 ;;
    texte) echo 512 ;;
    actions) echo 384 ;;
    parties) echo 1200 ;;
    esac
}

# Runs one target for `secondes` on `corpus`, where it adds what it finds. A crash, a leak, a
# broken invariant or an input that runs for more than ten seconds makes it return non-zero,
# with the input kept in build/fuzz/artefacts/.
# Usage: lance_cible racine cible secondes corpus
lance_cible() {
    local racine=$1 cible=$2 secondes=$3 corpus=$4
    local programme="$racine/build/fuzz/fuzz/fuzz_$cible"
    local artefacts="$racine/build/fuzz/artefacts/$cible/"
    local journal="$racine/build/fuzz/$cible.log"
    mkdir -p "$artefacts"
    local options=(-max_total_time="$secondes" -max_len="$(longueur_max "$cible")" -timeout=10
        -print_final_stats=1 -artifact_prefix="$artefacts")
    if [ -f "$racine/fuzz/$cible.dict" ]; then options+=(-dict="$racine/fuzz/$cible.dict"); fi

    if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$programme" "${options[@]}" "$corpus" >"$journal" 2>&1; then
        local vitesse unites
        vitesse=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$journal")
        unites=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
        echo "fuzz_$cible: ${unites:-?} runs in ${secondes} s, ${vitesse:-?} runs/s, corpus $(ls "$corpus" | wc -l) inputs"
        return 0
    fi
    echo "fuzz_$cible FAILED; the end of $journal:" >&2
    tail -n 40 "$journal" >&2
    echo "The failing input is in $artefacts; replay it with: $programme <input>" >&2
    return 1
}
