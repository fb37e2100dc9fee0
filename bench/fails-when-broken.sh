#!/usr/bin/env bash
# Breaks each benchmark on purpose and checks that it fails: exit status not
# 0 and the reason on its error output. A benchmark that passed with a
# measurement missing would publish a time-out or a dead process as a figure.
# A goal nothing can meet must fail the program and the summary, by name.
# Usage: fails-when-broken.sh <BenchStartup> <BenchAudio> <BenchTyping>
#        <BenchPhoneFlood> <BenchNoteTyping> <BenchDictationLatency>
#        <BenchIcons> <summary.py>
set -u
startup=$1 audio=$2 typing=$3 flood=$4 notes=$5 latency=$6 icons=$7 summary=$8

# These runs report nothing to the summary of make bench.
unset KESTO_BENCH_FIGURES
broken=$(mktemp -d)
trap 'rm -rf "$broken"' EXIT
# Tools that fail the way a missing or broken one does.
for tool in ffmpeg wrk xdotool; do
  printf '#!/bin/sh\nexit 1\n' >"$broken/$tool"
  chmod +x "$broken/$tool"
done

status=0
# expect <name> <reason on stderr> <command...>
expect() {
  local name=$1 reason=$2
  shift 2
  local output rc
  output=$("$@" 2>&1 >/dev/null)
  rc=$?
  if [ "$rc" -eq 0 ]; then
    echo "FAIL $name: exit status 0 although it was broken"
    status=1
  elif ! grep -qF -- "$reason" <<<"$output"; then
    echo "FAIL $name: exit status $rc, but not for \"$reason\":"
    sed 's/^/    /' <<<"$output"
    status=1
  else
    echo "ok   $name: exit status $rc ($reason)"
  fi
}

expect "BenchStartup on an unreachable display" "ended before it was ready" \
  env DISPLAY=:97 "$startup"
expect "BenchAudio without a working ffmpeg" "ffmpeg failed" \
  env PATH="$broken:$PATH" "$audio"
expect "BenchTyping when the window cannot take the focus" "did not take the keyboard focus" \
  env PATH="$broken:$PATH" "$typing"
expect "BenchPhoneFlood without a working wrk" "wrk failed" \
  env PATH="$broken:$PATH" "$flood"
expect "BenchNoteTyping without a display to open its window on" "could not connect to display" \
  env QT_QPA_PLATFORM=xcb DISPLAY=:97 "$notes"
expect "BenchDictationLatency when the window cannot take the focus" "did not take the keyboard focus" \
  env PATH="$broken:$PATH" "$latency"

goal="an icon at 24, cached"
expect "BenchIcons with a goal set impossible" "goal missed: $goal" \
  env KESTO_BENCH_FIGURES="$broken/figures" KESTO_BENCH_IMPOSSIBLE_GOAL="$goal" "$icons"
expect "the summary of a run that missed a goal" "BenchIcons: $goal" \
  "$summary" "$broken/figures" "$broken/summary.md"
exit $status
