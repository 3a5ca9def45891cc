#!/usr/bin/env bash
# Sourced: gives the caller a DISPLAY, starting Xvfb when there is none.
# Sets ZARVIK_XVFB_PID when it started one.
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZARVIK_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    echo "No DISPLAY: started Xvfb on $DISPLAY"
fi
