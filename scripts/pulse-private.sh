#!/usr/bin/env bash
# Starts or stops a private PulseAudio daemon for tests and demos, separate from any sound
# server of the desktop:
#   eval "$(scripts/pulse-private.sh start DIR)"   # prints the exports to use it
#   scripts/pulse-private.sh stop DIR
# It has a null sink "qp_sink" (the default sink, heard back through "qp_sink.monitor"), a
# 440 Hz tone microphone "qp_tone.monitor" (the default source: a sine generator playing into
# the null sink "qp_tone"), a pipe microphone "qp_pipe" that reads s16le mono 22050 Hz from
# DIR/mic.fifo, and a bursty 440 Hz microphone "qp_burst" (mono, 22050 Hz) that hands over
# its sound in blocks of up to 2 s, as network, Bluetooth and virtual sources do. Null sinks
# render in blocks of up to 2 s unless a stream asks for less, so one quiet low-latency
# listener per sink keeps them working in real time, as a sound card does.
set -euo pipefail
action=${1:?start or stop}
dir=${2:?runtime directory}

case "$action" in
start)
  mkdir -p "$dir/runtime" "$dir/home"
  # A daemon that was killed leaves its pipe behind, and the pipe source will not reuse it.
  rm -f "$dir/mic.fifo"
  chmod 700 "$dir/runtime"
  cat >"$dir/default.pa" <<PA
load-module module-native-protocol-unix
load-module module-null-sink sink_name=qp_sink rate=44100
load-module module-null-sink sink_name=qp_tone rate=44100 channels=1
load-module module-sine sink=qp_tone frequency=440
load-module module-pipe-source source_name=qp_pipe file=$dir/mic.fifo format=s16le rate=22050 channels=1
load-module module-sine-source source_name=qp_burst rate=22050 frequency=440
set-default-sink qp_sink
set-default-source qp_tone.monitor
PA
  export XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" PULSE_RUNTIME_PATH="$dir/runtime/pulse"
  unset PULSE_SERVER
  pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit=yes --use-pid-file=yes \
    --system=false -n -F "$dir/default.pa" --log-target=file:"$dir/pulse.log" 2>>"$dir/pulse.log"
  for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "private PulseAudio daemon did not start; see $dir/pulse.log" >&2
    tail -n 20 "$dir/pulse.log" >&2 || true
    exit 1
  fi
  for sink in qp_sink qp_tone; do
    parec -d "$sink.monitor" --latency-msec=10 --rate=8000 --channels=1 >/dev/null 2>&1 &
    echo $! >>"$dir/listeners.pid"
  done
  echo "export XDG_RUNTIME_DIR='$dir/runtime' PULSE_RUNTIME_PATH='$dir/runtime/pulse' QP_PULSE_DIR='$dir'"
  echo "unset PULSE_SERVER"
  ;;
stop)
  export XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" PULSE_RUNTIME_PATH="$dir/runtime/pulse"
  if [ -f "$dir/listeners.pid" ]; then
    xargs -r kill <"$dir/listeners.pid" 2>/dev/null || true
    rm -f "$dir/listeners.pid"
  fi
  pulseaudio --kill 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
