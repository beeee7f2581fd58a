#!/usr/bin/env bash
# Runs the command-line program as a user would and checks its output and exit codes.
# Usage: cli_program_test.sh [runner...] path/to/verbalo-cli VERSION
set -u
version=${*: -1}
cli=("${@:1:$#-1}")
failures=0
passes=0

check() {  # name expected actual
    if [[ "$2" == "$3" ]]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

out=$("${cli[@]}" 1234,5 --separator ,)
check "argument" "Milleduecentotrentaquattro / 50" "$out"

# Never misread under the C locale or one that does not load (under Wine: refused with a '.').
in_locale() { LANG=$locale LC_ALL= LC_NUMERIC= "${cli[@]}" "$@" 2>/dev/null; }
for locale in C.UTF-8 xx_XX.UTF-8; do
    [[ ${#cli[@]} -gt 1 && $(in_locale --help) == *"uso: . ("* ]] && want= || want="Milleduecentotrentaquattro / 50"
    check "1234,5 under LANG=$locale" "$want" "$(in_locale 1234,5)"
done

# Every worked example, in the default style.
while IFS='|' read -r typed shown; do
    [[ $typed == \#* ]] && continue
    out=$("${cli[@]}" --separator , "$typed")
    check "example $typed" "$shown" "$out"
done <"$(dirname "$0")/../data/worked_examples.psv"

err_file=$(mktemp)
out=$(printf '0,995\n-5,25\nabc\n' | "${cli[@]}" --separator , 2>"$err_file")
status=$?
check "stdin output" $'Uno / 00\nMenocinque / 25' "$out"
check "stdin exit status" 1 "$status"
check "stdin error" 'verbalo-cli: riga 3: "abc": Importo non valido' "$(cat "$err_file")"

"${cli[@]}" --case grassetto 1 >/dev/null 2>"$err_file"
check "usage exit status" 2 "$?"

out=$("${cli[@]}" --case maiuscolo --separator . 21000.5)
check "case and point separator" "VENTUNOMILA / 50" "$out"

out=$("${cli[@]}" --version)
check "version" "verbalo-cli $version" "$out"

# The date of Easter.
out=$("${cli[@]}" --pasqua 2024)
check "easter exit status" "0" "$?"
check "easter" "31/03/2024" "$out"
out=$("${cli[@]}" --pasqua 2025,5)
check "easter half year" "05/04/2026" "$out"
out=$("${cli[@]}" --pasqua 1899 2>"$err_file")
check "easter before 1900 exit status" 1 "$?"
check "easter before 1900 output" "" "$out"
check "easter before 1900 message" \
    'verbalo-cli: Impossibile determinare il corretto giorno di Pasqua per anni precedenti al 1900.' \
    "$(cat "$err_file")"
"${cli[@]}" --pasqua duemila >/dev/null 2>"$err_file"
check "easter usage exit status" 2 "$?"

# To a pipe or a file the messages go as UTF-8 bytes, unchanged ("è" is C3 A8; bash compares
# bytes), and an argument or a line of standard input keeps its own accented letters.
while IFS='|' read -r input args message; do
    if [[ -n $input ]]; then
        printf '%s\n' "$input" | "${cli[@]}" $args >/dev/null 2>"$err_file"
    else
        "${cli[@]}" $args >/dev/null 2>"$err_file"
    fi
    check "UTF-8 message of '$input$args'" "$message" "$(cat "$err_file")"
done <<'TABLE'
|--pasqua 10000|verbalo-cli: Anno oltre il 9999: la data non è rappresentabile
|99999999999999|verbalo-cli: "99999999999999": Importo troppo grande: il massimo è 999.999.999.999,99
|12è|verbalo-cli: "12è": Importo non valido
12è||verbalo-cli: riga 1: "12è": Importo non valido
TABLE

# The delimited-file mode, through a pipe and byte for byte (as hexadecimal): each row as it
# came, a field may span lines, and an amount that is not one gets an empty field and a report
# naming its row.
hex() { od -An -tx1 -v | tr -d ' \n'; }
out_file=$(mktemp)
rows_in=$'\xef\xbb\xbfNome;Importo\r\nRossi;"1.234,5"\r\n"Bianchi; Verdi";abc\r\n"Via\r\nRoma";21'
rows_out=$'\xef\xbb\xbfNome;Importo;Importo in lettere\r\nRossi;"1.234,5";Milleduecentotrentaquattro / 50\r\n'
rows_out+=$'"Bianchi; Verdi";abc;\r\n"Via\r\nRoma";21;Ventuno / 00'
printf %s "$rows_in" | "${cli[@]}" --column 2 --header --separator , >"$out_file" 2>"$err_file"
status=${PIPESTATUS[1]}
check "rows output" "$(printf %s "$rows_out" | hex)" "$(hex <"$out_file")"
check "rows exit status" 1 "$status"
check "rows error" 'verbalo-cli: riga 3: Importo non valido' "$(cat "$err_file")"

out=$(printf 'Rossi,"12,50"\nBianchi,7\n' | "${cli[@]}" --column=2 --delimiter , --separator , | hex)
check "rows with commas" "$(printf 'Rossi,"12,50",Dodici / 50\nBianchi,7,Sette / 00\n' | hex)" "$out"
out=$(printf 'a;b\t3\n\n' | "${cli[@]}" --column 2 --delimiter '\t' --case maiuscolo | hex)
check "rows with tabs" "$(printf 'a;b\t3\tTRE / 00\n\n' | hex)" "$out"

printf 'a;1\n' | "${cli[@]}" --header >/dev/null 2>"$err_file"
check "rows usage exit status" 2 "$?"
check "rows usage error" $'verbalo-cli: --delimiter e --header si usano solo con --column\nProvare: verbalo-cli --help' \
    "$(cat "$err_file")"

# Whole files, through the pipes and through --input and --output (in a folder of their own,
# over an older file, leaving nothing else there): the bytes that come out, the exit status and
# the messages.
encode() {  # ENCODING: UTF-8 in, that encoding out
    case $1 in
        cp1252) iconv -f UTF-8 -t WINDOWS-1252 ;;
        utf16le) printf '\xff\xfe' && iconv -f UTF-8 -t UTF-16LE ;;
        utf16be) printf '\xfe\xff' && iconv -f UTF-8 -t UTF-16BE ;;
        *) cat ;;
    esac
}
work=$(mktemp -d)
mkdir "$work/files"
while IFS='|' read -r encoding args input output status message; do
    [[ -z $encoding || $encoding == \#* ]] && continue
    read -ra argv <<<"$args"
    name="$encoding $args ${input:0:24}"
    printf "$output" | encode "$encoding" >"$work/expected"
    if [[ $input == - ]]; then
        "${cli[@]}" "${argv[@]}" >"$work/out" 2>"$err_file" </dev/null
        runs=("pipes $?")
    else
        printf "$input" | encode "$encoding" >"$work/files/dati.csv"
        "${cli[@]}" "${argv[@]}" <"$work/files/dati.csv" >"$work/out" 2>"$err_file"
        runs=("pipes $?")
    fi
    check "$name: output through the pipes" "$(hex <"$work/expected")" "$(hex <"$work/out")"
    [[ $input == - ]] || {
        cp "$err_file" "$work/pipes-err"
        printf 'vecchio\n' >"$work/files/risposte.csv"
        (cd "$work/files" && "${cli[@]}" "${argv[@]}" --input dati.csv --output risposte.csv \
            2>"$err_file")
        runs+=("files $?")
        check "$name: output through the files" "$(hex <"$work/expected")" \
            "$(hex <"$work/files/risposte.csv")"
        check "$name: nothing else left" "dati.csv risposte.csv" "$(cd "$work/files" && echo *)"
        check "$name: the same messages" "$(cat "$work/pipes-err")" "$(cat "$err_file")"
    }
    for run in "${runs[@]}"; do
        check "$name: exit status through the ${run% *}" "$status" "${run#* }"
    done
    check "$name: message" "$(printf "$message")" "$(cat "$err_file")"
done <"$(dirname "$0")/../data/cli_whole_files.psv"

# An --output that names the --input file, and a run that fails after the output was begun (its
# input a folder), leave every file as it was.
cd "$work/files"
given=$(hex <dati.csv)
"${cli[@]}" --input dati.csv --output ./dati.csv 2>/dev/null
check "output named as the input: exit status" 2 "$?"
check "output named as the input: the file" "$given" "$(hex <dati.csv)"
mkdir cartella
"${cli[@]}" --input cartella --output risposte.csv 2>/dev/null
check "input that cannot be read: exit status" 3 "$?"
check "input that cannot be read: the file" "$(hex <"$work/expected")" "$(hex <risposte.csv)"
check "input that cannot be read: nothing left" "cartella dati.csv risposte.csv" "$(echo *)"
cd - >/dev/null

# A line of 50 MB is refused with its number and the limit, and the next line is answered, in
# bounded memory: the peak grows by less than 18 MB over the peak for one short line. Each peak
# counts the Python that starts the program (some 14 MB) and a sanitizer's runtime (some 25 MB),
# which the difference leaves out. Measured natively only: under Wine the memory is Wine's.
{ head -c 50000000 /dev/zero | tr '\0' 7 && printf '\n12\n'; } >"$work/long.txt"
printf '12\n' >"$work/short.txt"
run_measured() {  # input output errors: prints the exit status and the peak memory in KB
    python3 -c 'import resource, subprocess, sys
with open(sys.argv[1], "rb") as given, open(sys.argv[2], "wb") as out:
    status = subprocess.run(sys.argv[4:], stdin=given, stdout=out, stderr=open(sys.argv[3], "wb"))
print(status.returncode, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@" "${cli[@]}"
}
base_kb=$(run_measured "$work/short.txt" /dev/null /dev/null)
peak_kb=$(run_measured "$work/long.txt" "$work/out" "$err_file")
check "50 MB line: exit status" 1 "${peak_kb% *}"
check "50 MB line: answers" "$(printf '\nDodici / 00\n' | hex)" "$(hex <"$work/out")"
check "50 MB line: message" "verbalo-cli: riga 1: la riga supera il limite di 2 MiB" "$(cat "$err_file")"
if [[ ${#cli[@]} -eq 1 ]]; then
    growth_kb=$((${peak_kb#* } - ${base_kb#* }))
    check "50 MB line: peak memory grows under 18 MB (${growth_kb} KB)" 1 $((growth_kb < 18432))
fi
# A row of a megabyte is worded.
{ printf 'a;' && head -c 1048576 /dev/zero | tr '\0' x && printf ';5\r\n'; } >"$work/wide.txt"
out=$("${cli[@]}" --column 3 <"$work/wide.txt" | tail -c 16 | hex)
check "1 MiB row" "$(printf ';5;Cinque / 00\r\n' | hex)" "$out"
rm -rf "$work"

# Streaming: a large input is worded line by line.
out=$(yes 21 | head -n 20000 | "${cli[@]}" | sort | uniq -c | awk '{print $1, $2, $3, $4}')
check "stream" "20000 Ventuno / 00" "$out"

# A person at the other end of a pipe: each answer comes while the program waits for the next
# line, not only at the end of the input.
coproc CLI { "${cli[@]}" --separator , 2>/dev/null; }
cli_pid=$CLI_PID  # bash unsets CLI_PID once the program has ended
for entry in "21|Ventuno / 00" "12,5|Dodici / 50"; do
    printf '%s\n' "${entry%%|*}" >&"${CLI[1]}"
    answer=""
    IFS= read -r -t 120 answer <&"${CLI[0]}"
    check "answer to ${entry%%|*} before the next line" "${entry#*|}" "$answer"
done
exec {CLI[1]}>&-
wait "$cli_pid"

rm -f "$err_file" "$out_file"
echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
