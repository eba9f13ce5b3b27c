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
