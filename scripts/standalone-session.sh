# Sourced, not run: the standalone Velto on a private X display with a
# private home, driven and watched through the X server. Used by the
# end-to-end test of the standalone and by scripts/idle-cpu.sh; its display
# alone by scripts/on-virtual-display.sh.
#
#   velto_start_display WxH   a private X display of that size; sets DISPLAY
#   velto_session_start APP   display, home, app; sets WIN and the editor's
#                             position EDITOR_X, EDITOR_Y within the window
#   velto_grab FILE.png       the app's window as the X server shows it
#   velto_click X Y           a left click at editor coordinates
#   velto_session_stop        ends whatever is still running, removes the home
#
# Every wait is bounded; a failed step prints why and returns non-zero.

VELTO_EDITOR_W=1000
VELTO_EDITOR_H=320

velto_fail() { echo "standalone session: $*" >&2; return 1; }

velto_start_display()
{
    local i
    VELTO_SESSION="$(mktemp -d)"
    VELTO_APP_PID=""

    # The server picks a free display itself, so sessions running side by
    # side (parallel tests) never race for a number. -noreset: a server that
    # resets whenever its last client leaves refuses or cuts off the clients
    # that connect meanwhile.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset \
        3>"$VELTO_SESSION/display" >"$VELTO_SESSION/xvfb.log" 2>&1 &
    VELTO_XVFB_PID=$!

    for i in $(seq 100); do
        [ -s "$VELTO_SESSION/display" ] && break
        sleep 0.1
    done
    [ -s "$VELTO_SESSION/display" ] || { cat "$VELTO_SESSION/xvfb.log" >&2; velto_fail "Xvfb did not start"; return 1; }
    export DISPLAY=":$(head -n 1 "$VELTO_SESSION/display")"
}

velto_session_start()
{
    local app="$1"
    velto_start_display 1280x1024 || return 1

    # The app keeps its settings (and the plug-in's state) under the home.
    export HOME="$VELTO_SESSION/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    mkdir -p "$XDG_CONFIG_HOME"
    VELTO_SETTINGS="$HOME/.config/Velto.settings"

    "$app" >"$VELTO_SESSION/app.log" 2>&1 &
    VELTO_APP_PID=$!

    WIN="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velto$' | head -n 1)" || true
    [ -n "$WIN" ] || { cat "$VELTO_SESSION/app.log" >&2; velto_fail "no Velto window within 30 s"; return 1; }

    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    VELTO_WIN_X=$X VELTO_WIN_Y=$Y VELTO_WIN_W=$WIDTH VELTO_WIN_H=$HEIGHT

    # JUCE's window puts a border of equal width on every side, its title bar
    # and, for an effect with inputs, a notice about muted input above the
    # editor; the editor fills the rest, so it sits at the bottom.
    VELTO_BORDER=$(( (VELTO_WIN_W - VELTO_EDITOR_W) / 2 ))
    EDITOR_X=$VELTO_BORDER
    EDITOR_Y=$(( VELTO_WIN_H - VELTO_BORDER - VELTO_EDITOR_H ))
    [ "$VELTO_BORDER" -ge 0 ] && [ "$EDITOR_Y" -ge 0 ] \
        || { velto_fail "window ${VELTO_WIN_W}x${VELTO_WIN_H} cannot hold a ${VELTO_EDITOR_W}x${VELTO_EDITOR_H} editor"; return 1; }
}

# The window as the X server shows it, as a MIFF stream, through
# ImageMagick's import (set-up installs ImageMagick, not xwd).
velto_capture() { import -silent -window "$WIN" miff:-; }

# Hex colour of the pixel at editor coordinates (x, y), e.g. 333333.
velto_pixel()
{
    velto_capture \
        | convert miff:- -format "%[hex:p{$(( EDITOR_X + $1 )),$(( EDITOR_Y + $2 ))}]" info: 2>/dev/null | cut -c1-6
}

# Signature of an area of the editor (x, y, w, h), to see when it changes.
velto_area_signature()
{
    velto_capture \
        | convert miff:- -crop "$3x$4+$(( EDITOR_X + $1 ))+$(( EDITOR_Y + $2 ))" +repage -format '%#' info: 2>/dev/null
}

# Waits until the pixel at editor coordinates (x, y) has the colour, e.g.
# until the editor is painted.
velto_wait_for_pixel()
{
    local want="$3" i seen=""
    for i in $(seq 150); do
        seen="$(velto_pixel "$1" "$2")"
        [ "$seen" = "$want" ] && return 0
        sleep 0.2
    done
    velto_fail "pixel ($1, $2) of the editor is $seen, not $want, after 30 s"
}

# Waits until an area of the editor (x, y, w, h) differs from the signature.
velto_wait_for_change()
{
    local i
    for i in $(seq 100); do
        [ "$(velto_area_signature "$1" "$2" "$3" "$4")" != "$5" ] && return 0
        sleep 0.1
    done
    velto_fail "editor area ($1, $2, $3, $4) did not change within 10 s"
}

velto_click()
{
    xdotool mousemove $(( VELTO_WIN_X + EDITOR_X + $1 )) $(( VELTO_WIN_Y + EDITOR_Y + $2 )) click 1
}

velto_grab()
{
    velto_capture | convert miff:- "$1"
}

# Closes the app as a user does, with the close button at the right end of
# JUCE's title bar, so it saves its state; waits for it to end.
velto_close_app()
{
    local i
    xdotool mousemove $(( VELTO_WIN_X + VELTO_WIN_W - VELTO_BORDER - 16 )) \
                             $(( VELTO_WIN_Y + VELTO_BORDER + 10 )) click 1
    for i in $(seq 200); do
        kill -0 "$VELTO_APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$VELTO_APP_PID" 2>/dev/null && { velto_fail "the app did not quit within 20 s of its close button"; return 1; }
    local status=0
    wait "$VELTO_APP_PID" || status=$?
    VELTO_APP_PID=""
    [ "$status" -eq 0 ] || { cat "$VELTO_SESSION/app.log" >&2; velto_fail "the app exited with status $status"; return 1; }
}

velto_session_stop()
{
    # A killed process's wait fails (143); callers under set -e must still
    # get through every step.
    local pid
    for pid in "${VELTO_APP_PID:-}" "${VELTO_XVFB_PID:-}"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [ -z "${VELTO_SESSION:-}" ] || rm -rf "$VELTO_SESSION"
    VELTO_APP_PID="" VELTO_XVFB_PID="" VELTO_SESSION=""
    return 0
}
