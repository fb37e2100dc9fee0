#!/usr/bin/env bash
# Proves that the environment of scripts/test-env really works:
#   x11    the display answers and offers XInput2 and XTEST
#   dbus   the private session bus answers
#   audio  speech written into the test microphone is captured back with the same length
#   smallfs the small file system for the full-disk tests is mounted (root only)
set -euo pipefail
kind=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case "$kind" in
  x11)
    [ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
    ext=$(xdpyinfo -queryExtensions)
    grep -q XInputExtension <<<"$ext" || { echo "no XInput extension"; exit 1; }
    grep -q XTEST <<<"$ext" || { echo "no XTEST extension"; exit 1; }
    ;;
  dbus)
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "DBUS_SESSION_BUS_ADDRESS is not set"; exit 1; }
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames \
      | grep -q '"org.freedesktop.DBus"'
    ;;
  audio)
    [ -p "${KESTO_TEST_MIC_FIFO:-}" ] || { echo "no test microphone FIFO"; exit 1; }
    pactl list short sources | grep -v monitor | grep -q testmic || { echo "no testmic source"; exit 1; }
    espeak-ng -w "$work/speech.wav" "The quick brown fox jumps over the lazy dog."
    sox "$work/speech.wav" -r 16000 -c 1 -b 16 "$work/speech16.wav"
    sox "$work/speech16.wav" -t raw "$work/speech.raw"
    parecord --device=testmic --rate=16000 --channels=1 --format=s16le --file-format=wav "$work/captured.wav" &
    rec=$!
    sleep 0.5
    cat "$work/speech.raw" >"$KESTO_TEST_MIC_FIFO"
    sleep 0.5
    kill -INT $rec; wait $rec || true
    # The capture holds the speech plus the silence around it: trimmed of
    # silence the same way, both must last equally long.
    trim() { sox "$1" "$2" silence 1 0.01 0.1% reverse silence 1 0.01 0.1% reverse; }
    trim "$work/speech16.wav" "$work/played.wav"
    trim "$work/captured.wav" "$work/trimmed.wav"
    expected=$(soxi -D "$work/played.wav")
    got=$(soxi -D "$work/trimmed.wav")
    python3 - "$expected" "$got" <<'PY'
import sys
expected, got = float(sys.argv[1]), float(sys.argv[2])
print(f"played {expected:.3f} s, captured {got:.3f} s of sound")
sys.exit(0 if abs(expected - got) < 0.05 else 1)
PY
    ;;
  smallfs)
    [ -n "${KESTO_TEST_SMALL_FS:-}" ] || { echo "KESTO_TEST_SMALL_FS is not set (test-env mounts it only as root)"; exit 1; }
    mountpoint -q "$KESTO_TEST_SMALL_FS" || { echo "$KESTO_TEST_SMALL_FS is not a mount point"; exit 1; }
    ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
echo "$kind environment works"
