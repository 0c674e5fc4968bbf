#!/usr/bin/env bash
# The practice record of the real program, in a fresh $XDG_DATA_HOME:
#   record_process.sh CASE GAME DATA_FOLDER
#   killed     SIGKILL 200 ms after an answer: the answer is in the next export
#   damaged    a damaged record is moved aside, the game plays and keeps new answers
#   readonly   a read-only record folder: the game plays and says so in one stderr line
#   locked     another program holds the write lock from before the game starts until after its
#              answer, far beyond the busy timeout: the answer is written once the lock goes
#   lockedkill the same, and the game is killed while the lock is still held: the next opening
#              of the record (here the export) adds the answer the game kept aside
#   nofolder   an export to a folder that does not exist fails and leaves no file
#   badimport  an import with one bad line is refused whole, naming the line
#   misspelt   forgetting or exporting a name nobody has fails, naming the close one
#   readdamaged an export of a damaged record fails and leaves the file where it is
#   report     --report writes one child's page and --all one per child and the class's, with
#              no display
#   odd        a table of odd targets and inputs: each command's status and its one line, and the
#              record's export the same before and after
# The cases with a game run under a real X server with a window manager (xvfb-run -a).
set -u
. "$(dirname "$0")/gameprocess.sh"
case=$1 game=$2 data=$3
XDG_DATA_HOME=$(mktemp -d)
XDG_RUNTIME_DIR=$XDG_DATA_HOME/runtime
export XDG_DATA_HOME XDG_RUNTIME_DIR
mkdir -m 700 "$XDG_RUNTIME_DIR"
record="$XDG_DATA_HOME/Quintarlow!"
trap 'kill $(jobs -p) 2>/dev/null; chmod -R u+w "$XDG_DATA_HOME" 2>/dev/null; rm -rf "$XDG_DATA_HOME"' EXIT
failed() { echo "FAIL: $*"; exit 1; }

# The answers of an export, one a line, without the header.
exported() {
    "$game" --export-record "$XDG_DATA_HOME/out.csv" >/dev/null || failed "export failed"
    tail -n +2 "$XDG_DATA_HOME/out.csv" | tr -d '\r'
}

# Starts the game ($1: how, e.g. a wrapper) with its stderr in $XDG_DATA_HOME/err, waits for the
# name entry, enters two names and answers one question with the square "1"; sets $pid.
play_one_answer() {
    openbox >/dev/null 2>&1 &
    (cd "$data" && exec env --default-signal=INT,QUIT "$@" "$game") 2>"$XDG_DATA_HOME/err" &
    pid=$!
    wait_until_listening "$pid" || failed "the game never started"
    # The splash's ten one-second ticks, then the name entry has the focus.
    sleep 11
    xdotool type --delay 20 Rosa
    xdotool key Tab ctrl+a
    xdotool type --delay 20 Ben
    xdotool key Return
    sleep 1
    xdotool key alt+g
    sleep 1
    xdotool key Return
}

end_game() {
    kill -TERM "$pid"
    wait_for_exit "$pid" 100 || failed "still running 10 s after SIGTERM"
    wait "$pid" || failed "exit status $? after SIGTERM"
}

one_answer_of_ben() {
    local rows
    rows=$(exported)
    echo "$rows"
    [[ $(printf '%s\n' "$rows" | grep -c .) -eq 1 ]] || failed "not exactly one answer"
    [[ $rows =~ ^[0-9a-f-]{36},Ben,[0-9T:.+-]{29},[0-9a-f-]{36},1,[0-9]+,[0-9]+,[0-9]+,1,(right|wrong),[0-9]+$ ]] ||
        failed "not Ben's answer with the square 1"
}

case $case in
killed)
    play_one_answer
    sleep 0.2
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    one_answer_of_ben
    ;;
damaged)
    mkdir -m 700 "$record"
    head -c 8192 /dev/urandom >"$record/record.sqlite"
    cp "$record/record.sqlite" "$XDG_DATA_HOME/garbage"
    play_one_answer
    end_game
    cat "$XDG_DATA_HOME/err"
    aside=("$record"/record.sqlite.damaged-*)
    [[ ${#aside[@]} -eq 1 ]] && cmp -s "${aside[0]}" "$XDG_DATA_HOME/garbage" ||
        failed "the damaged file was not kept aside"
    one_answer_of_ben
    ;;
readonly)
    # A record made earlier, in a folder that has become read-only: a read-only bind mount in a
    # namespace of its own (which holds for root too), else the folder's mode; root without
    # namespaces cannot be kept from writing, and the case is skipped (status 77).
    exported >/dev/null
    readonly_mount=(unshare -rm sh -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$record")
    if "${readonly_mount[@]}" true 2>/dev/null; then
        play_one_answer "${readonly_mount[@]}"
    elif [[ $(id -u) -ne 0 ]]; then
        chmod 500 "$record"
        play_one_answer
    else
        echo "SKIP: no way to make a folder read-only for root here"
        exit 77
    fi
    sleep 1
    end_game
    cat "$XDG_DATA_HOME/err"
    [[ $(wc -l <"$XDG_DATA_HOME/err") -eq 1 ]] || failed "not exactly one line on stderr"
    grep -q "practice record" "$XDG_DATA_HOME/err" || failed "stderr does not name the record"
    [[ -z $(exported) ]] || failed "an answer was written into a read-only folder"
    ;;
locked)
    exported >/dev/null
    sqlite3 "$record/record.sqlite" "BEGIN IMMEDIATE;" ".shell sleep 16" "COMMIT;" &
    holder=$!
    play_one_answer
    kill -0 "$holder" || failed "the lock went before the answer"
    wait "$holder"
    # Written while the game plays on, a few seconds at most after the lock goes.
    for _ in $(seq 100); do
        [[ -n $(exported) ]] && break
        sleep 0.1
    done
    one_answer_of_ben
    end_game
    cat "$XDG_DATA_HOME/err"
    grep -q "is locked by another program" "$XDG_DATA_HOME/err" || failed "the wait was not said"
    ;;
lockedkill)
    exported >/dev/null
    sqlite3 "$record/record.sqlite" "BEGIN IMMEDIATE;" ".shell sleep 25" "COMMIT;" &
    holder=$!
    play_one_answer
    # The answer's first try waits out the 2 s busy timeout before it is kept aside.
    sleep 3
    kill -0 "$holder" || failed "the lock went before the kill"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    wait "$holder"
    one_answer_of_ben
    ;;
nofolder)
    "$game" --export-record "$XDG_DATA_HOME/missing/out.csv" 2>"$XDG_DATA_HOME/err"
    status=$?
    cat "$XDG_DATA_HOME/err"
    [[ $status -eq 1 && $(wc -l <"$XDG_DATA_HOME/err") -eq 1 ]] || failed "status $status"
    [[ ! -e $XDG_DATA_HOME/missing ]] || failed "a file appeared"
    ;;
badimport)
    {
        echo "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"
        echo "3f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Ben,2026-12-07T10:00:00.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,1,3,4,12,12,right,2500"
        echo "4f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Ben,2026-12-07T10:00:05.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,2,3,4,12,12,right"
    } >"$XDG_DATA_HOME/in.csv"
    "$game" --import-record "$XDG_DATA_HOME/in.csv" 2>"$XDG_DATA_HOME/err"
    status=$?
    cat "$XDG_DATA_HOME/err"
    [[ $status -eq 1 ]] && grep -q "line 3" "$XDG_DATA_HOME/err" || failed "status $status"
    [[ -z $(exported) ]] || failed "part of the file was imported"
    ;;
misspelt)
    csv="$XDG_DATA_HOME/in.csv"
    {
        echo "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"
        echo "3f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Rosalind,2026-12-07T10:00:00.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,1,3,4,12,12,right,2500"
    } >"$csv"
    "$game" --import-record "$csv" >/dev/null || failed "import failed"
    for command in "--forget-player Rosalynd --yes" "--export-record $XDG_DATA_HOME/out.csv --player Rosalynd"; do
        # shellcheck disable=SC2086
        "$game" $command 2>"$XDG_DATA_HOME/err"
        status=$?
        cat "$XDG_DATA_HOME/err"
        [[ $status -ne 0 ]] || failed "$command: status 0"
        grep -q '“Rosalind”' "$XDG_DATA_HOME/err" || failed "$command: the close name is not said"
    done
    [[ -n $(exported) ]] || failed "the answer went"
    ;;
report)
    csv="$XDG_DATA_HOME/in.csv"
    {
        echo "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"
        echo "3f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Rosa,2026-12-07T10:00:00.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,1,3,4,12,12,right,2500"
        echo "4f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Ben,2026-12-07T10:00:05.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,2,7,8,56,54,wrong,4000"
    } >"$csv"
    "$game" --import-record "$csv" >/dev/null || failed "import failed"
    "$game" --practice Ben --path on >/dev/null || failed "Ben not put on the learning path"
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" --report "$XDG_DATA_HOME/ben.pdf" --player ben \
        --language de || failed "one child's report in German failed"
    pdftotext "$XDG_DATA_HOME/ben.pdf" - | grep -q "Üben: 7 × 8" || failed "not Ben's page in German"
    pdftotext "$XDG_DATA_HOME/ben.pdf" - | grep -q "^Ben kann 0 von 144 Aufgaben" ||
        failed "Ben's learning path not told in German"
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" --report "$XDG_DATA_HOME/all" --all ||
        failed "--all failed"
    ls "$XDG_DATA_HOME/all"
    [[ $(ls "$XDG_DATA_HOME/all" | wc -l) -eq 3 && -s "$XDG_DATA_HOME/all/Practice Record - Class.pdf" ]] ||
        failed "not one report per child and the class's"
    # One file to print: the class's page and its sheet first, then each child's page.
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" --report "$XDG_DATA_HOME/book.pdf" --all-in-one \
        --summary "$XDG_DATA_HOME/sheet.csv" || failed "--all-in-one --summary failed"
    pdfinfo "$XDG_DATA_HOME/book.pdf" | grep -q "^Pages: *4$" || failed "not four pages"
    pdftotext -f 2 -l 2 "$XDG_DATA_HOME/book.pdf" - | grep -q "child by child" ||
        failed "the class sheet is not the second page"
    grep -q "^Rosa,0,1,100 %,2.5 s," "$XDG_DATA_HOME/sheet.csv" || failed "no line for Rosa"
    ;;
readdamaged)
    mkdir -m 700 "$record"
    head -c 8192 /dev/urandom >"$record/record.sqlite"
    cp "$record/record.sqlite" "$XDG_DATA_HOME/garbage"
    "$game" --export-record "$XDG_DATA_HOME/out.csv" 2>"$XDG_DATA_HOME/err"
    status=$?
    cat "$XDG_DATA_HOME/err"
    [[ $status -ne 0 ]] || failed "status 0"
    cmp -s "$record/record.sqlite" "$XDG_DATA_HOME/garbage" || failed "the record was moved or changed"
    ;;
odd)
    csv=$XDG_DATA_HOME/three.csv
    row() { printf '%s,%s,2026-12-07T10:00:0%s.000+01:00,8a4e2d1c-1111-4f4f-8a8a-123456789abc,%s,3,4,12,12,right,2500\r\n' "$@"; }
    {
        printf '\xef\xbb\xbf%s\r\n' "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"
        row 3f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11 Rosa 1 1
        row 4f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11 Ben 2 2
        row 5f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11 Zoë 3 3
    } >"$csv"
    "$game" --import-record "$csv" >/dev/null || failed "import failed"
    # A record from before ids had one form, holding the same answers again in capitals and
    # braces: brought up to date, it keeps each once. (Before classes, too: their columns go, and
    # a trigger of that name stands for the one that counted without them.)
    before_classes="DROP TRIGGER answer_counted; ALTER TABLE answers DROP COLUMN class;
        ALTER TABLE games DROP COLUMN class; ALTER TABLE player_games DROP COLUMN class;
        CREATE TRIGGER answer_counted AFTER INSERT ON answers BEGIN SELECT 1; END;"
    sqlite3 "$record/record.sqlite" "$before_classes INSERT INTO answers SELECT '{' || upper(answer_id) || '}',
        player, played_at, played_ms, upper(game_id), turn, a, b, product, answered, outcome, ms
        FROM answers; ALTER TABLE games DROP COLUMN against_computer;
        ALTER TABLE practice DROP COLUMN opponent; PRAGMA user_version = 6"
    [[ $(exported | grep -c .) -eq 3 ]] || failed "an answer is kept twice under two spellings"
    # And names kept before the rule for names: Zoë with a combining diaeresis, Rosa with a
    # zero-width joiner, a name of 1000 letters. The first two become the players they look like.
    sqlite3 "$record/record.sqlite" "$before_classes INSERT INTO answers SELECT '6' || substr(answer_id, 2),
        'Zo' || char(101, 776), played_at, played_ms, game_id, turn, a, b, product, answered,
        outcome, ms FROM answers WHERE player = 'Ben' UNION ALL SELECT '7' || substr(answer_id, 2),
        'Ro' || char(8205) || 'sa', played_at, played_ms, game_id, turn, a, b, product, answered,
        outcome, ms FROM answers WHERE player = 'Ben' UNION ALL SELECT '8' || substr(answer_id, 2),
        printf('%.1000c', 'x'), played_at, played_ms, game_id, turn, a, b, product, answered,
        outcome, ms FROM answers WHERE player = 'Ben';
        ALTER TABLE games DROP COLUMN against_computer;
        ALTER TABLE practice DROP COLUMN opponent; PRAGMA user_version = 6"
    [[ $(exported | cut -d, -f2 | sort | uniq -c | tr -s ' \n' ' ') == " 1 Ben 2 Rosa 2 Zoë 1 $(printf '%.1000d' 0 | tr 0 x) " ]] ||
        failed "names that look alike are still two players"
    # One answer of a player of that name, as a file to import.
    one_answer() { head -n 1 "$csv" && row 9f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11 "$1" 4 4; }
    one_answer "$(printf 'Ro\u200dsa')" >"$XDG_DATA_HOME/joined.csv"
    one_answer "$(printf 'Ro\x01sa')" >"$XDG_DATA_HOME/control.csv"
    { head -n 1 "$csv" && printf '9f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Ro\0sa,%s\r\n' \
        "$(row x x 4 4 | cut -d, -f3-)"; } >"$XDG_DATA_HOME/nul.csv"
    one_answer "$(head -c 1048576 /dev/zero | tr '\0' x)" >"$XDG_DATA_HOME/long.csv"
    decomposed=$(printf 'Zoe\xcc\x88') joined=$(printf 'Ro\u200dsa') long=$(printf '%.31d' 0)
    out=$XDG_DATA_HOME/out
    full=$XDG_DATA_HOME/full
    # A file system with no room left, where one can be made (root); else that row is left out.
    mkdir "$full"
    if mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
        trap 'umount "$full"; kill $(jobs -p) 2>/dev/null; rm -rf "$XDG_DATA_HOME"' EXIT
        cat /dev/zero >"$full/filler" 2>/dev/null
    else
        echo "SKIP: no small file system can be made here, only /dev/full is tried"
    fi
    # The same answers with their ids in capitals, and in braces.
    awk -F, -v OFS=, 'NR > 1 { $1 = toupper($1); $4 = toupper($4) } 1' "$csv" >"$XDG_DATA_HOME/upper.csv"
    awk -F, -v OFS=, 'NR > 1 { $1 = "{" $1 "}"; $4 = "{" $4 "}" } 1' "$csv" >"$XDG_DATA_HOME/braces.csv"
    mkfifo "$XDG_DATA_HOME/fifo"
    ln -s "$record/record.sqlite" "$XDG_DATA_HOME/link.csv"
    ln -s "$record/record.sqlite-journal" "$XDG_DATA_HOME/dangling.csv"
    # What a row may put in the record's place first; the record comes back after the row.
    cp "$record/record.sqlite" "$XDG_DATA_HOME/kept.sqlite"
    foreign() { rm "$record/record.sqlite" && sqlite3 "$record/record.sqlite" "CREATE TABLE notes (x)"; }
    newer() { sqlite3 "$record/record.sqlite" "PRAGMA user_version = 99"; }
    # A school's server in the settings, with these lines besides; none of them can be reached.
    export XDG_CONFIG_HOME=$XDG_DATA_HOME/config
    settings() {
        mkdir -p "$XDG_CONFIG_HOME/quintarlow"
        printf '[record]\nhost=/nonexistent\n%s\n' "$@" >"$XDG_CONFIG_HOME/quintarlow/quintarlow.conf"
    }
    (umask 022 && echo "*:*:*:*:secret" >"$XDG_DATA_HOME/pgpass")
    locked() { sqlite3 "$record/record.sqlite" "BEGIN IMMEDIATE;" ".shell sleep 4" "COMMIT;" & sleep 0.5; }
    # The answers again as an editor may have saved them: a blank last line, CR alone at the
    # ends of lines, two byte-order marks.
    printf '\r\n' | cat "$csv" - >"$XDG_DATA_HOME/blank.csv"
    tr -d '\n' <"$csv" >"$XDG_DATA_HOME/cr.csv"
    printf '\xef\xbb\xbf' | cat - "$csv" >"$XDG_DATA_HOME/boms.csv"
    # The export, or the file's bytes where there is none.
    snapshot() {
        "$game" --export-record "$XDG_DATA_HOME/snapshot.csv" >/dev/null 2>&1 &&
            cat "$XDG_DATA_HOME/snapshot.csv" || sha256sum <"$record/record.sqlite"
    }
    # status | words of the one line | the command's arguments ('$x' expanded here) | set-up
    cases=(
        '1|No space left on device|--export-record $full/out.csv'
        '1|No space left on device|--report $full/out.pdf'
        '1|cannot write /dev/full: No space left on device|--export-record /dev/full'
        '1|folder of the practice record|--export-record $record/record.sqlite'
        '1|folder of the practice record|--export-record $XDG_DATA_HOME/link.csv'
        '1|folder of the practice record|--export-record $XDG_DATA_HOME/dangling.csv'
        '1|folder of the practice record|--export-record $record/../Quintarlow!/record.sqlite-wal'
        '1|folder of the practice record|--report $record/x.pdf'
        '1|folder of the practice record|--report $record/../Quintarlow! --all'
        '0|Added 0 answers, skipped 3 already kept.|--import-record $XDG_DATA_HOME/upper.csv'
        '0|Added 0 answers, skipped 3 already kept.|--import-record $XDG_DATA_HOME/braces.csv'
        '1|it is a named pipe, not a file|--import-record $XDG_DATA_HOME/fifo'
        '143|stopped by SIGTERM|--export-record $XDG_DATA_HOME/fifo'
        '0|Wrote 5 reports into|--report $out-all --all'
        '0|Wrote|--report $out.pdf --from 2020-01-01 --to 2020-01-31'
        '1|--from must not come after --to|--report $out.pdf --from 2027-02-01 --to 2027-01-01'
        '1|--from and --to need days written as 2027-03-01|--report $out.pdf --to 1.2.2027'
        '1|--days counts back from today: leave out --from|--report $out.pdf --days 3 --from 2027-01-01'
        '0|Exported 2 answers to|--export-record $out.csv --player $decomposed'
        '1|line 2: player holds a control or invisible character (U+200D)|--import-record $XDG_DATA_HOME/joined.csv'
        '1|line 2: player holds a control or invisible character (U+0001)|--import-record $XDG_DATA_HOME/control.csv'
        '1|line 2: player holds a control or invisible character (U+0000)|--import-record $XDG_DATA_HOME/nul.csv'
        '1|line 2: player has 1048576 characters, more than 30|--import-record $XDG_DATA_HOME/long.csv'
        '1|the name has 31 characters, more than 30|--practice $long --tables 3'
        '1|the name holds a control or invisible character (U+200D)|--practice $joined --tables 3'
        '0|Added 0 answers, skipped 3 already kept.|--import-record $XDG_DATA_HOME/blank.csv'
        '1|line 1: the lines end in a carriage return alone|--import-record $XDG_DATA_HOME/cr.csv'
        '1|line 1: the file begins with two byte-order marks|--import-record $XDG_DATA_HOME/boms.csv'
        '1|the practice record is locked by another program|--import-record $csv|locked'
        '1|hold a port= that is not a port number|--export-record $out.csv|settings port=abc'
        '1|hold an sslmode= that is none of|--report $out.pdf|settings sslmode=bogus'
        '1|hold a password key, which the game refuses to use|--export-record $out.csv|settings password=x'
        '1|hold a password key, which the game refuses to use|--practice Rosa --tables 3|settings password=x'
        '1|passfile= in [record] is ignored, since others|--export-record $out.csv|settings host=127.0.0.1 passfile=$XDG_DATA_HOME/pgpass'
        '1|server cannot be reached: check that it runs and that host= and port=|--export-record $out.csv|settings'
        '1|SQLite database (tables notes), not a practice record|--export-record $out.csv|foreign'
        '1|SQLite database (tables notes), not a practice record|--report $out.pdf|foreign'
        '1|of a newer version of Quintarlow! (its version 99|--export-record $out.csv|newer'
        '1|of a newer version of Quintarlow! (its version 99|--import-record $csv|newer'
    )
    for line in "${cases[@]}"; do
        IFS='|' read -r status words arguments setup <<<"$line"
        [[ $arguments == *'$full'* ]] && ! mountpoint -q "$full" && continue
        eval "${setup:-true}"
        before=$(snapshot)
        eval "set -- $arguments"
        # A command that hangs is ended after 5 s, and its status then tells.
        timeout -k 1 5 "$game" "$@" >"$out" 2>&1 &
        pid=$!
        [[ $status == 143 ]] && sleep 0.5 && kill -TERM "$pid"
        wait "$pid"
        got=$?
        echo "$got: $(cat "$out")"
        [[ $got -eq $status && $(wc -l <"$out") -eq 1 ]] || failed "$arguments: status $got"
        grep -qF -- "$words" "$out" || failed "$arguments: not said"
        [[ $(snapshot) == "$before" ]] || failed "$arguments: the record changed"
        wait
        rm -rf "$record"/record.sqlite-* "$XDG_CONFIG_HOME"
        cp "$XDG_DATA_HOME/kept.sqlite" "$record/record.sqlite"
    done
    [[ -z $(ls "$full" | grep -v filler) ]] || failed "a file was left on the full disk"
    # Rosa forgotten while another program keeps the record open, as a running game does: her
    # name is in no file beside the record (its log, the answers waiting to be added, a damaged
    # copy), and a damaged copy without it stays.
    printf 'ROSA was here' >"$record/record.sqlite.damaged-20260101-000000"
    printf 'Ben alone' >"$record/record.sqlite.damaged-20260102-000000"
    one_answer Rosa >"$record/record.sqlite-waiting.csv"
    ln "$record/record.sqlite-waiting.csv" "$XDG_DATA_HOME/waiting"
    sqlite3 "$record/record.sqlite" "SELECT 1;" ".shell sleep 3" &
    sleep 0.5
    "$game" --forget-player Rosa --yes || failed "Rosa was not forgotten"
    for file in "$record"/* "$XDG_DATA_HOME/waiting"; do
        ! grep -qai rosa "$file" || failed "$file keeps the forgotten name"
    done
    [[ -e $record/record.sqlite.damaged-20260102-000000 ]] || failed "a damaged copy went"
    wait
    ;;
*)
    failed "no case $case"
    ;;
esac
echo "$case: passed"
