#!/usr/bin/env bash
# The real panel program against the host simulator on 127.0.0.1, in a
# virtual X display, keys pressed as a person would: F1 to F5; Alt with them,
# which sends nothing; Enter on the focused button; Enter in Setup on Cancel
# and in a field; then Esc.
#   panel-end-to-end.sh PENDRA HOSTSIM FREE_UDP_PORTS [WINE_RUNNER UI_TESTS [PICTURES [no-arial]]]
# With WINE_RUNNER, PENDRA is pendra.exe run through it under wine (with the
# qwindows platform and its settings in wine's registry), the About item of
# its system menu is chosen too, and Alt+F4 closes it in place of Esc; the
# simulator and the port finder stay Linux programs. UI_TESTS, the widget
# tests' program, then checks that no caption of the panel, Setup or About is
# cut where wine draws real faces, at 100 % and 200 %. PICTURES names a
# folder for pictures of the panel and of Setup as shown. With no-arial the
# prefix has no face standing in for Arial, as a Windows PC without it:
# wine then draws other faces, of other widths.
set -euo pipefail

pendra=$1
hostsim=$2
free_ports=$3
wine_runner=${4:-}
ui_tests=${5:-}
pictures=${6:-}
variant=${7:-}

source "$(dirname "$0")/common.sh"

fail() {
    echo "FAIL: $*"
    echo "--- simulator log"
    cat "$work/hostsim.log" || true
    exit 1
}

# There is no window manager here, so the script gives the keyboard focus
# itself. Wine makes a window's X window before it maps it, and an unmapped
# window refuses the focus: try again for a while.
focus() {
    for _ in $(seq 50); do
        timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null && return 0
        sleep 0.2
    done
    fail "window $1 did not take the keyboard focus"
}

# A picture of a window as the display shows it, with more than a couple
# of colours: a window drawn, not an empty frame.
picture() {
    [[ -n "$pictures" ]] || return 0
    local file="$pictures/$2${variant:+-$variant}.png"
    mkdir -p "$pictures"
    import -window "$1" "$file" || fail "no picture of $2"
    [[ $(identify -format %k "$file") -gt 8 ]] || fail "the picture of $2 shows nothing drawn"
}

ports=($("$free_ports" 2))
host_port=${ports[0]}
panel_port=${ports[1]}
if [[ -n "$wine_runner" ]]; then
    [[ -f "$pendra" ]] || fail "no $pendra (tools/build-windows.sh lays it out)"
    use_own_wine_prefix
    if [[ $variant == no-arial ]]; then
        export PENDRA_WINE_NO_ARIAL=1
        "$wine_runner" reg query 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
            >/dev/null 2>&1 && fail "the prefix still has a face standing in for Arial"
    fi
    registry_key='HKCU\Software\Orvane\Metrova\'"$(basename "$pendra" .exe)"
    add_value() { "$wine_runner" reg add "$registry_key" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }
    add_value Local_IP_Address REG_SZ 127.0.0.1
    add_value Local_IP_Port REG_SZ "$panel_port"
    add_value Remote_IP_Address REG_SZ 127.0.0.1
    add_value Remote_IP_Port REG_SZ "$host_port"
    add_value DisplayErrors REG_DWORD 1
    run_panel() { "$wine_runner" "$pendra"; }
else
    export XDG_CONFIG_HOME="$work/config"
    mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
    cat > "$XDG_CONFIG_HOME/Orvane/Metrova/$(basename "$pendra").conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=$panel_port
Remote_IP_Address=127.0.0.1
Remote_IP_Port=$host_port
CONF
    run_panel() { "$pendra"; }
fi

"$hostsim" --host-port "$host_port" --panel-port "$panel_port" --version 2 --duration 120 \
    > "$work/hostsim.log" 2>&1 &
hostsim_pid=$!
for _ in $(seq 100); do
    grep -q 'Ctrl+C ends it' "$work/hostsim.log" && break
    kill -0 "$hostsim_pid" 2>/dev/null || fail "the simulator did not start"
    sleep 0.1
done

# The real display, not the offscreen platform the widget tests use.
unset QT_QPA_PLATFORM
run_panel > "$work/pendra.log" 2>&1 &
pendra_pid=$!
window=$(find_window '^Orvane VovIri$' 60) || fail "the panel window did not appear"
focus "$window"
for _ in $(seq 100); do
    grep -q 'QVL_PENDRA_8:3' "$work/hostsim.log" && break
    sleep 0.1
done
sleep 1
picture "$window" panel

for key in F1 F2 F3 F4 F5; do
    xdotool key "$key"
    sleep 0.4
done
# With Alt a function key is a system key and sends nothing. Under wine
# Alt+F4 closes the window, so there it comes last.
alt_keys="alt+F1 alt+F2 alt+F3 alt+F5"
[[ -n "$wine_runner" ]] || alt_keys="alt+F1 alt+F2 alt+F3 alt+F4 alt+F5"
for key in $alt_keys; do
    xdotool key "$key"
    sleep 0.4
done
# Enter clicks the focused button once: Tab takes the focus from F1 to F2.
xdotool key Tab
sleep 0.3
xdotool key Return
sleep 1.5

# Setup, opened from the menu: Enter on Cancel cancels, Enter in a field
# confirms, and only a confirmed Setup reconnects and greets the host again.
greetings() { grep -c -- '<- QVL_PENDRA_8:3' "$work/hostsim.log" || true; }
# Gone only when a search ends cleanly with no match: one that fails with an
# X error, as wine drops a window mid-search, proves nothing.
setup_gone() {
    local error
    error=$(xdotool search --onlyvisible --name '^Remote VovIri Setup$' 2>&1 >/dev/null) && return 1
    [[ -z "$error" ]]
}
# enter_in_setup TABS [TYPED [KEY]]: in Setup, opened from the menu, KEY
# pressed and TYPED typed in the first field, as an operator who changes
# their mind, then Tab TABS times and Enter, which must close Setup.
enter_in_setup() {
    local tabs=$1 typed=${2:-} pressed=${3:-}
    focus "$window"
    xdotool key alt+o
    sleep 0.5
    xdotool key s
    setup=$(find_window '^Remote VovIri Setup$' 20) || fail "Options, Setup showed no Setup dialog"
    focus "$setup"
    sleep 0.3
    [[ -n "${shown_setup:-}" ]] || picture "$setup" setup
    shown_setup=1
    [[ -z "$pressed" ]] || xdotool key "$pressed"
    [[ -z "$typed" ]] || xdotool type "$typed"
    for _ in $(seq "$tabs"); do
        xdotool key Tab
    done
    xdotool key Return
    local deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        setup_gone && return 0
        sleep 0.2
    done
    fail "Setup stayed open after ${pressed:+$pressed, }${typed:+typing $typed, }$tabs Tab presses and Enter"
}
# The first field's value as stored; only a confirmed Setup stores it.
stored_local_address() {
    if [[ -n "$wine_runner" ]]; then
        { "$wine_runner" reg query "$registry_key" /v Local_IP_Address 2>/dev/null || true; } |
            tr -d '\r' | awk '$1 == "Local_IP_Address" { print $3 }'
    else
        sed -n 's/^Local_IP_Address=//p' \
            "$XDG_CONFIG_HOME/Orvane/Metrova/$(basename "$pendra").conf" 2>/dev/null || true
    fi
}
# cancel_in_setup [TYPED [KEY]]: from the first field the fifth Tab reaches
# Cancel, where Enter closes Setup, stores nothing and reconnects nothing.
cancel_in_setup() {
    local greeted stored what="Enter on Setup's Cancel${2:+ after $2}${1:+ and typing $1}"
    greeted=$(greetings)
    enter_in_setup 5 "$@"
    sleep 1
    [[ $(greetings) -eq $greeted ]] || fail "$what reconnected"
    stored=$(stored_local_address)
    [[ $stored == 127.0.0.1 ]] || fail "$what stored the first field as '$stored'"
}
cancel_in_setup
cancel_in_setup 9
# End first, to the end of the field's text, and a digit added there.
cancel_in_setup 9 End
before=$(greetings)
enter_in_setup 0
for _ in $(seq 100); do
    [[ $(greetings) -gt $before ]] && break
    sleep 0.1
done
[[ $(greetings) -gt $before ]] || fail "Enter in a field of Setup did not confirm it"
focus "$window"
sleep 1

if [[ -n "$wine_runner" ]]; then
    # The About item at the end of the window's system menu (Alt+Space;
    # Up wraps round to the last item), as an operator would choose it.
    xdotool key alt+space
    sleep 0.5
    xdotool key Up
    sleep 0.3
    xdotool key Return
    about=$(find_window '^About Pendra$' 20) || fail "the system menu's About item showed no About box"
    focus "$about"
    xdotool key Escape
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^About Pendra$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name '^About Pendra$' >/dev/null 2>&1 &&
        fail "Esc did not close the About box"
    focus "$window"
    xdotool key alt+F4
else
    xdotool key Escape
fi

# Closing stops the panel's worker at once, so nothing is answered after it. The
# simulator stops soon after, not when the process ends: a program under wine
# takes seconds longer to go, and the stream would count as unanswered.
sleep 0.3
kill -INT "$hostsim_pid"
wait "$hostsim_pid" || fail "the simulator failed"

status=0
for _ in $(seq 200); do
    kill -0 "$pendra_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pendra_pid" 2>/dev/null && fail "$([[ -n "$wine_runner" ]] && echo Alt+F4 || echo Esc) did not close the panel"
wait "$pendra_pid" || status=$?
[[ $status -eq 0 ]] || fail "the panel exited with status $status: $(cat "$work/pendra.log")"
log="$work/hostsim.log"

grep -q '^summary: greetings [0-9]* (panel version 3)$' "$log" || fail "no greeting with version 3"
commands=$(grep -o '<- QVL_PENDRA_[1-5]' "$log" | tr '\n' ' ')
[[ "$commands" == "<- QVL_PENDRA_1 <- QVL_PENDRA_2 <- QVL_PENDRA_3 <- QVL_PENDRA_4 <- QVL_PENDRA_5 <- QVL_PENDRA_2 " ]] ||
    fail "the commands came as: $commands"
for n in 1 3 4 5; do
    grep -q "^summary: QVL_PENDRA_$n .*: 1$" "$log" || fail "QVL_PENDRA_$n not counted once"
done
grep -q "^summary: QVL_PENDRA_2 .*: 2$" "$log" || fail "QVL_PENDRA_2 not counted twice (F2, Enter)"

acks=$(sed -n 's/^summary: acknowledgements: //p' "$log")
unacked=$(sed -n 's/^summary: coordinate messages unacknowledged: //p' "$log")
[[ $acks -gt 0 ]] || fail "no acknowledgement"
# Only what was on its way when the panel closed may stay unanswered.
[[ $unacked -le 5 ]] || fail "$unacked coordinate messages unacknowledged"
grep -q '^summary: unknown: 0$' "$log" || fail "the panel sent something unknown"

grep '^summary:' "$log"
echo "PASS: greeting, five commands and Enter's in order, none for Alt, Setup's Enter, $acks acknowledgements, $unacked unacknowledged, exit 0"

# The offscreen platform under wine draws placeholder glyphs; real windows
# in this display draw the faces a Windows user sees.
if [[ -n "$ui_tests" ]]; then
    # The readouts are made for Arial's metrics, which only the stand-in
    # gives; without it Setup, whose layout follows any face, is checked.
    cases=(ScaledPanelTest.NoCaptionIsCut 'SetupDialogTest.*')
    [[ $variant != no-arial ]] || cases=('SetupDialogTest.*')
    for scale in 1 2; do
        result=$(QT_QPA_PLATFORM=windows QT_SCALE_FACTOR=$scale PENDRA_WINE_BARE='' \
            "$wine_runner" "$ui_tests" --gtest_filter="$(IFS=:; echo "${cases[*]}")" 2>&1) || true
        # Every test the filter takes ran and passed, however many there are.
        grep -q '^\[  PASSED  \] [1-9]' <<<"$result" &&
            ! grep -Eq '^\[  (FAILED  |SKIPPED )\]' <<<"$result" ||
            fail "captions cut at ${scale}00 % under wine:"$'\n'"$result"
    done
    echo "PASS: no caption cut in the real windows under wine${variant:+ ($variant)} at 100 % and 200 %"
fi
