#!/usr/bin/env bash
# How well the game's voice is understood: every question the game asks (1 × 1 to 12 × 12), as
# the game says it and as flite alone says the same text, judged by a speech recogniser with a
# closed grammar of number words and the game's words, with the level and peak figures of both.
# For a developer: it installs its own Debian tools (sox, flite, pocketsphinx) and takes a few
# minutes, so the suite does not run it.
#   tools/speech-clarity-check.sh [BUILD_DIR [OUT_DIR]]     (default: build, a temporary folder)
# Prints one line per question and set, then a summary; OUT_DIR keeps the WAV files.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
"$top/scripts/install-deps.sh" --speechcheck
cmake --build "$build" --target quintarlow_speechclarity -j2 >/dev/null

if [[ -n "${2:-}" ]]; then
    out=$(mkdir -p "$2" && cd "$2" && pwd)
else
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
fi
mkdir -p "$out/game" "$out/flite"
# Without a sound device, as on CI: nothing is played.
echo >"$out/none.conf"
ALSA_CONFIG_PATH=$out/none.conf "$build/tests/quintarlow_speechclarity" speak "$out/game"
words=(zero one two three four five six seven eight nine ten eleven twelve)
for first in $(seq 1 12); do
    for second in $(seq 1 12); do
        flite -voice kal16 -t "$first, times, $second" -o "$out/flite/${first}x${second}.wav"
    done
done

"$build/tests/quintarlow_speechclarity" measure "$out"/flite/*.wav | sed 's/^/flite\t/' \
    >"$out/levels.tsv"
"$build/tests/quintarlow_speechclarity" measure "$out"/game/*.wav | sed 's/^/game\t/' \
    >>"$out/levels.tsv"
"$build/tests/quintarlow_speechclarity" measure "$top"/data/*.WAV | sed 's/^/sound\t/' \
    >>"$out/levels.tsv"

# The game's questions turned down to flite's level, question by question, so that the recogniser
# judges their shape and not their level (it hears louder input differently).
mkdir -p "$out/level"
for file in "$out"/game/*.wav; do
    name=$(basename "$file")
    change=$(awk -v name="$name" '$2 == name && $1 != "sound" { level[$1] = $3 }
                                  END { print level["flite"] - level["game"] }' "$out/levels.tsv")
    # -D: sox otherwise dithers, which fills the game's silent pauses with noise the recogniser
    # takes for words.
    sox -D "$file" "$out/level/$name" vol "${change}dB"
done
"$build/tests/quintarlow_speechclarity" measure "$out"/level/*.wav | sed 's/^/level\t/' \
    >>"$out/levels.tsv"

# Every word the game says, and the number words; the recogniser may hear any of them in any
# order, so a sound taken for a word shows as a word inserted.
cat >"$out/words.jsgf" <<'EOF'
#JSGF V1.0;
grammar quintarlow;
public <said> = <word>*;
<word> = zero | one | two | three | four | five | six | seven | eight | nine | ten | eleven
       | twelve | thirteen | fourteen | fifteen | sixteen | seventeen | eighteen | nineteen
       | twenty | thirty | forty | fifty | sixty | seventy | eighty | ninety | hundred
       | times | no | and | well | the | correct | answer | was | it | is | that | wrong
       | blue | red | gets | square | turn | goes | first | of | time | you | are | out;
EOF

# Words are made rare (-wip 1e-4, the default is 0.65): at the default the recogniser takes the
# breath at the end of flite's own output for a short word in most questions, which would hide
# the difference between the sets. By default the recogniser also cuts its input at every pause
# of a few tenths of a second and judges each part alone, so the game's questions, whose commas
# are silences of 180 ms, are judged word by word; the sets marked "held" keep each question
# whole (-vad_postspeech 100: a second of silence ends a part), as flite's own pauses are.
for kind in flite game level flite-held game-held; do
    set=${kind%-held}
    options=()
    [[ $kind == *-held ]] && options=(-vad_postspeech 100)
    for first in $(seq 1 12); do
        for second in $(seq 1 12); do
            heard=$(pocketsphinx_continuous -infile "$out/$set/${first}x${second}.wav" \
                        -jsgf "$out/words.jsgf" -wip 1e-4 "${options[@]}" -logfn /dev/null \
                        2>/dev/null | tr '\n' ' ')
            stats=$(sox "$out/$set/${first}x${second}.wav" -n stats 2>&1)
            printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$kind" "${first}x${second}" \
                "${words[first]} times ${words[second]}" "$heard" \
                "$(awk '/^Pk count/ {print $3}' <<<"$stats")" \
                "$(awk '/^Flat factor/ {print $3}' <<<"$stats")"
        done
    done
done >"$out/heard.tsv"

/usr/bin/python3 - "$out/heard.tsv" "$out/levels.tsv" <<'EOF'
import statistics, sys

def matched(said, heard):
    # The longest run of the words said that the recogniser heard in the same order.
    table = [[0] * (len(heard) + 1) for _ in range(len(said) + 1)]
    for i, word in enumerate(said):
        for j, other in enumerate(heard):
            table[i + 1][j + 1] = (table[i][j] + 1 if word == other
                                   else max(table[i][j + 1], table[i + 1][j]))
    return table[-1][-1]

figures = {}
for line in open(sys.argv[1]):
    kind, question, said, heard, peaks, flat = line.rstrip('\n').split('\t')
    said, heard = said.split(), heard.split()
    hits = matched(said, heard)
    print(f'{kind}\t{question}\theard "{" ".join(heard)}"\t{hits}/{len(said)}\t'
          f'Pk count {peaks}\tFlat factor {flat}')
    total = figures.setdefault(kind, {'said': 0, 'hits': 0, 'inserted': 0, 'whole': 0,
                                      'peaks': [], 'flat': []})
    total['said'] += len(said)
    total['hits'] += hits
    total['inserted'] += len(heard) - hits
    total['whole'] += hits == len(said)
    total['peaks'].append(int(peaks))
    total['flat'].append(float(flat))

levels = {}
for line in open(sys.argv[2]):
    kind, name, voiced, peak, near, run = line.rstrip('\n').split('\t')
    if name != 'file':
        levels.setdefault(kind, []).append((name, float(voiced), float(peak), int(near), int(run)))

def spread(values, form='{:.2f}'):
    return (form.format(statistics.median(values)) + ' (' + form.format(min(values)) + ', '
            + form.format(max(values)) + ')')

print('== summary: median (min, max) over the 144 questions')
for kind in ('flite', 'game', 'level', 'flite-held', 'game-held'):
    total, measured = figures[kind], levels[kind.removesuffix('-held')]
    print(f'{kind}: words heard {total["hits"]} of {total["said"]} '
          f'({100 * total["hits"] / total["said"]:.1f} %), inserted {total["inserted"]}, '
          f'questions heard whole {total["whole"]} of 144; '
          f'voiced level {spread([m[1] for m in measured])} dBFS; '
          f'peak {spread([m[2] for m in measured])} dBFS; '
          f'sox Pk count {spread(total["peaks"], "{:.0f}")}; '
          f'Flat factor {spread(total["flat"])}; '
          f'samples within 0.1 dB of the peak {spread([m[3] for m in measured], "{:.0f}")}, '
          f'longest run of them {max(m[4] for m in measured)}')
for name, voiced, peak, near, run in levels['sound']:
    print(f'sound {name}: voiced level {voiced:.2f} dBFS, peak {peak:.2f} dBFS')
EOF
