#!/usr/bin/env bash
# One case of zolvan-cli's contract with its streams: bytes in, bytes out, exit status, and the
# number of lines on standard error. Usage: stream_case.sh CLI CASE
set -uo pipefail
cli=$1
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# Each case runs a pipeline with $cli, writing its standard output to $out and its standard
# error to $err, and sets `status` to the tool's exit status. `expect` is the standard output as
# a printf format ("-" when it does not matter), `want_status` "0" or "fail", `want_err` the
# number of standard error lines.
case $2 in
cr_ends_lines)
    printf '1+2\r3*4\r' | "$cli" >"$out" 2>"$err"; status=${PIPESTATUS[1]}
    expect='1+2 = 3\n3*4 = 12\n' want_status=0 want_err=0 ;;
crlf_split_and_mixed_ends)
    printf '1+2\r\n\r\n3*4\n\r5\n' | "$cli" >"$out" 2>"$err"; status=${PIPESTATUS[1]}
    expect='1+2 = 3\n\n3*4 = 12\n\n5 = 5\n' want_status=0 want_err=0 ;;
last_line_without_end)
    printf '2*3' | "$cli" >"$out" 2>"$err"; status=${PIPESTATUS[1]}
    expect='2*3 = 6\n' want_status=0 want_err=0 ;;
argument_lines)
    "$cli" "$(printf '#mem\n7')" "$(printf '1+2\r\n3*4\r5')" >"$out" 2>"$err"; status=$?
    expect='#mem = 0\n7 = 7\n1+2 = 3\n3*4 = 12\n5 = 5\n' want_status=0 want_err=0 ;;
control_characters_shown)
    printf '#\033]0;x\007\n' | "$cli" >"$out" 2>"$err"; status=${PIPESTATUS[1]}
    expect='#\xe2\x90\x9b]0;x\xe2\x90\x87\n' want_status=0 want_err=0 ;;
control_characters_in_arguments)
    "$cli" "$(printf '#\tmem\177\302\233')" >"$out" 2>"$err"; status=$?
    expect='#\xe2\x90\x89mem\xe2\x90\xa1\xef\xbf\xbd = 0\n' want_status=0 want_err=0 ;;
json_is_valid_utf8)
    printf '\xe0\x80\xaf1\n#\xed\xa0\x80\xf4\x90\x80\x80\x01\n' | "$cli" --json 2>"$err" |
        iconv -f UTF-8 -t UTF-8 >"$out"; status=$(( ${PIPESTATUS[1]} + ${PIPESTATUS[2]} ))
    expect='-' want_status=0 want_err=0 ;;
huge_line_is_cut)
    { head -c 3000000 /dev/zero | tr '\0' 1; printf '\n2+2\n'; } | "$cli" >"$out" 2>"$err"
    status=${PIPESTATUS[1]}
    expect='Error: Line too long = Error: Line too long\n2+2 = 4\n' want_status=0 want_err=1 ;;
full_device)
    "$cli" 1+1 >/dev/full 2>"$err"; status=$?
    expect='-' want_status=fail want_err=1 ;;
closed_output)
    "$cli" 1+1 >&- 2>"$err"; status=$?
    expect='-' want_status=fail want_err=1 ;;
closed_output_help)
    "$cli" --help >&- 2>"$err"; status=$?
    expect='-' want_status=fail want_err=1 ;;
broken_pipe_ends_at_once)
    # With SIGPIPE ignored the tool sees EPIPE; endless input must not keep it running.
    (trap '' PIPE; yes 1+1 | "$cli" 2>"$err" | head -1 >"$out"; exit "${PIPESTATUS[1]}"); status=$?
    expect='1+1 = 2\n' want_status=fail want_err=1 ;;
buffered_output_complete)
    # To a file the answers go out in blocks; every one is there when the input ends.
    seq 30000 | "$cli" >"$out" 2>"$err"; status=${PIPESTATUS[1]}
    seq 30000 | awk '{ print $1 " = " $1 }' | cmp -s - "$out" && result=complete || result=short
    echo "$result" >"$out"
    expect='complete\n' want_status=0 want_err=0 ;;
full_device_in_blocks)
    seq 200000 | "$cli" >/dev/full 2>"$err"; status=${PIPESTATUS[1]}
    expect='-' want_status=fail want_err=1 ;;
hints_follow_their_line)
    # With both streams in one file each hint stays right after its line, blocks or not.
    printf 'co\n1+1\nco\n' | "$cli" >"$out" 2>&1; status=${PIPESTATUS[1]}
    hint='hint: co was read as Co (cobalt, 58.93); carbon monoxide CO is 28.01\n'
    expect="Co = 58.933200\n$hint""1+1 = 2\nCo = 58.933200\n$hint" want_status=0 want_err=0 ;;
pipe_answers_each_line)
    # A program that writes a line and waits for its answer gets it, though the output is a
    # pipe: a block goes out whenever the tool waits for input.
    coproc CLI { "$cli" 2>"$err"; }
    for line in 1+1 2*3; do
        printf '%s\n' "$line" >&"${CLI[1]}"
        IFS= read -r -t 10 answer <&"${CLI[0]}" && echo "$answer" >>"$out"
    done
    exec {CLI[1]}>&-
    wait "$CLI_PID"; status=$?
    expect='1+1 = 2\n2*3 = 6\n' want_status=0 want_err=0 ;;
terminal_answers_each_line)
    # On a terminal (script gives the tool one) each answer comes before the next line is typed.
    coproc TERM_CLI { script -qfec "$cli" /dev/null 2>"$err"; }
    for line in 1+1 2*3; do
        printf '%s\n' "$line" >&"${TERM_CLI[1]}"
        while IFS= read -r -t 10 answer <&"${TERM_CLI[0]}"; do
            answer=${answer//$'\r'/}
            if [[ $answer == *" = "* ]]; then
                echo "${answer#> }" >>"$out"
                break
            fi
        done
    done
    exec {TERM_CLI[1]}>&-
    wait "$TERM_CLI_PID"; status=$?
    expect='1+1 = 2\n2*3 = 6\n' want_status=0 want_err=0 ;;
read_error)
    "$cli" </ >"$out" 2>"$err"; status=$?
    expect='' want_status=fail want_err=1 ;;
*)
    echo "unknown case $2" >&2; exit 2 ;;
esac

failed=0
if [[ $want_status == 0 && $status -ne 0 ]] || [[ $want_status == fail && $status -eq 0 ]]; then
    echo "exit status $status, expected $want_status"; failed=1
fi
err_lines=$(wc -l <"$err")
if [[ $err_lines -ne $want_err ]]; then
    echo "$err_lines lines on standard error, expected $want_err:"; head -c 500 "$err"; failed=1
fi
if [[ $expect != - ]] && ! cmp -s "$out" <(printf "$expect"); then
    echo "standard output differs:"; diff <(printf "$expect" | od -c) <(head -c 2000 "$out" | od -c)
    failed=1
fi
exit $failed
