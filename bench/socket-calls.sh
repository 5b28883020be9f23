#!/usr/bin/env bash
# How many calls into the operating system the real panel makes for each host
# message. A host on 127.0.0.1 announces version 2 (so that the panel
# acknowledges every position), then sends a steady stream of positions;
# the calls the panel makes meanwhile are counted by name, and so are those
# of an idle stretch as long, which are subtracted: what is left is the
# work of the messages. pendra-bare-loop gets the same stream, as the floor.
#   bench/socket-calls.sh [BUILD_DIR]        the Linux program (default build):
#                                            system calls of all its threads, by strace
#   bench/socket-calls.sh --wine [WINDOWS_BUILD] [BUILD_DIR]
#                                            pendra.exe under wine (default build-windows):
#                                            its requests to the wine server, from the
#                                            server's own log, and its ws2_32 calls
#                                            (+winsock); host from BUILD_DIR
# PENDRA_CALLS_MESSAGES (default 2000) and PENDRA_CALLS_RATE (default 500 a
# second) set the stream; PENDRA_CALLS_TOP (default 12) how many names show.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-lib.sh
wine=
if [[ "${1:-}" == "--wine" ]]; then
    wine=${2:-build-windows}
    build=${3:-build}
else
    build=${1:-build}
fi
messages=${PENDRA_CALLS_MESSAGES:-2000}
rate=${PENDRA_CALLS_RATE:-500}
top=${PENDRA_CALLS_TOP:-12}
if [[ -z "$wine" ]] && ! command -v strace >/dev/null; then
    echo "socket-calls: strace counts the calls; apt-get install strace" >&2
    exit 3
fi
bench_under_xvfb "$0" "$@"

work=$(mktemp -d)
trap 'bench_cleanup "$work"' EXIT
ports=($("$build/tests/pendra_free_udp_ports" 3))
host_port=${ports[0]}
panel_port=${ports[1]}
bare_port=${ports[2]}
unset QT_QPA_PLATFORM QT_LOGGING_RULES
bench=(timeout 300 "$build/bench/pendra-bench" --host-port "$host_port")

# calls_table N SCALE TITLE: reads "S NAME" (a call in the stream) and
# "I NAME" (in the idle stretch) lines; prints the names with the most calls
# a message, the idle calls times SCALE taken off, and the sum of all names.
calls_table() {
    awk -v n="$1" -v scale="$2" '
        { count[$2, $1]++; names[$2] = 1 }
        END {
            for (name in names) {
                s = count[name, "S"] + 0
                i = count[name, "I"] + 0
                printf "%.4f %s %d %d\n", (s - i * scale) / n, name, s, i
            }
        }' | sort -k1,1gr -k2,2 | awk -v top="$top" -v title="$3" '
        BEGIN { printf "  %-42s %9s %9s %12s\n", title, "stream", "idle", "per message" }
        NR <= top { printf "  %-42s %9d %9d %12.2f\n", $2, $3, $4, $1 }
        { all += $1; s += $3; i += $4; rows = NR }
        END {
            if (rows > top)
                printf "  (%d more)\n", rows - top
            printf "  %-42s %9d %9d %12.2f\n", "all", s, i, all
        }'
}

# The threads of a process, "TID NAME" a line, while it runs; the main
# thread, the window's, is "main".
threads_of() {
    local task tid
    for task in /proc/"$1"/task/*; do
        tid=${task##*/}
        if [[ "$tid" == "$1" ]]; then
            echo "$tid main"
        else
            echo "$tid $(tr ' ' '_' <"$task/comm")"
        fi
    done
}

# What is counted at a moment: the time, and under wine the lines each log
# has so far (the server's own log has no times).
mark() {
    local line
    line=$(date +%s.%N)
    if [[ -n "$wine" ]]; then
        for log in server panel-winsock bare-winsock; do
            line+=" $(wc -l <"$work/$log.log")"
        done
    fi
    echo "$line"
}

# The host is up before the panel starts, and announces version 2.
announce() {
    "${bench[@]}" --announce --panel-port "$panel_port" --pid-file "$work/pendra.pid" \
        >"$work/announce.txt" &
    announce_pid=$!
}
if [[ -n "$wine" ]]; then
    bench_wine_prepare "$wine" "$work"
    # -d1: the server logs every request with the thread that made it.
    bench_wine_server "$work/server.log" -d1
    bench_wine_settings "$panel_port" "$host_port"
    announce
    WINEDEBUG=-all,+winsock "${wine_run[@]}" "$wine_dist/pendra.exe" \
        >/dev/null 2>"$work/panel-winsock.log" &
    timeout 120 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
    pendra_pid=$(bench_wine_pid pendra.exe)
    WINEDEBUG=-all,+winsock "${wine_run[@]}" "$wine_dist/pendra-bare-loop.exe" --port "$bare_port" \
        --host-port "$host_port" >/dev/null 2>"$work/bare-winsock.log" &
    bare_pid=$(bench_wine_pid pendra-bare-loop.exe)
else
    bench_linux_settings "$work/config" "$panel_port" "$host_port"
    announce
    "$build/ui/pendra" >"$work/pendra.log" 2>&1 &
    pendra_pid=$!
    timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
    "$build/bench/pendra-bare-loop" --port "$bare_port" --host-port "$host_port" &
    bare_pid=$!
fi
echo "$pendra_pid" >"$work/pendra.pid"
if ! wait "$announce_pid"; then
    cat "$work/announce.txt"
    exit 1
fi
cat "$work/announce.txt"

if [[ -z "$wine" ]]; then
    # -f with -p takes every thread of the process.
    tracers=()
    for who in panel:"$pendra_pid" bare:"$bare_pid"; do
        timeout 300 strace -f -qq -ttt -o "$work/${who%%:*}.strace" -p "${who#*:}" &
        tracers+=($!)
    done
    for pid in "$pendra_pid" "$bare_pid"; do
        for ((tries = 0; tries < 100; tries++)); do
            ! grep -q '^TracerPid:[[:space:]]*0$' /proc/"$pid"/task/*/status && break
            sleep 0.1
        done
    done
fi
sleep 1

echo "socket-calls: $messages positions at $rate/s from a host on 127.0.0.1"
stream_start=$(mark)
"${bench[@]}" --stream "$messages" --rate "$rate" --panel-port "$panel_port"
stream_end=$(mark)
sleep 0.5
length=$(awk -v a="${stream_start%% *}" -v b="${stream_end%% *}" 'BEGIN { print b - a }')
idle_start=$(mark)
sleep "$length"
idle_end=$(mark)
echo "the same to the bare loop:"
bare_start=$(mark)
"${bench[@]}" --stream "$messages" --rate "$rate" --panel-port "$bare_port"
bare_end=$(mark)
threads_of "$pendra_pid" >"$work/panel.threads"
threads_of "$bare_pid" >"$work/bare.threads"
scale=$(awk -v a="${idle_start%% *}" -v b="${idle_end%% *}" -v l="$length" \
    'BEGIN { print l / (b - a) }')
printf 'stream %.2f s, idle stretch %.2f s\n\n' "$length" \
    "$(awk -v a="${idle_start%% *}" -v b="${idle_end%% *}" 'BEGIN { print b - a }')"

if [[ -z "$wine" ]]; then
    kill -INT "${tracers[@]}" 2>/dev/null || true
    wait "${tracers[@]}" 2>/dev/null || true
    # A call is counted where it starts; "resumed" lines end one.
    # strace_calls WHO KEY (name, thread or both) START END [IDLE_START IDLE_END]
    strace_calls() {
        awk -v key="$2" -v s0="$3" -v s1="$4" -v i0="${5:-0}" -v i1="${6:-0}" '
            FNR == NR { thread[$1] = $2; next }
            $3 ~ /^[a-z_0-9]+\(/ {
                t = $2 + 0
                w = t >= s0 && t < s1 ? "S" : t >= i0 && t < i1 ? "I" : ""
                if (w == "")
                    next
                name = $3
                sub(/\(.*/, "", name)
                if (key == "thread")
                    name = thread[$1] "/" $1
                else if (key == "both")
                    name = thread[$1] "/" $1 ":" name
                print w, name
            }' "$work/$1.threads" "$work/$1.strace"
    }
    echo "the panel's system calls (strace -f, all threads), per message less the idle stretch's:"
    strace_calls panel name "${stream_start%% *}" "${stream_end%% *}" "${idle_start%% *}" \
        "${idle_end%% *}" | calls_table "$messages" "$scale" "system call"
    echo
    strace_calls panel thread "${stream_start%% *}" "${stream_end%% *}" "${idle_start%% *}" \
        "${idle_end%% *}" | calls_table "$messages" "$scale" "thread"
    echo
    strace_calls panel both "${stream_start%% *}" "${stream_end%% *}" "${idle_start%% *}" \
        "${idle_end%% *}" | calls_table "$messages" "$scale" "thread: system call"
    echo
    echo "pendra-bare-loop's system calls over its stream:"
    strace_calls bare name "${bare_start%% *}" "${bare_end%% *}" | calls_table "$messages" 0 \
        "system call"
    exit 0
fi

# The server's log names each thread by wine's id; the thread's first
# request gives its Linux thread id, which tells the process.
# server_calls WHO KEY (name, thread, both or wake) FIELD START END [IDLE_START IDLE_END]
# (FIELD: which number of a mark counts this log's lines)
line_of() { cut -d' ' -f"$1" <<<"$2"; }
server_calls() {
    local f=$3
    awk -v key="$2" -v s0="$(line_of "$f" "$4")" -v s1="$(line_of "$f" "$5")" \
        -v i0="$(line_of "$f" "${6:-0 0 0 0}")" -v i1="$(line_of "$f" "${7:-0 0 0 0}")" '
        FNR == NR { mine[$1] = $2; next }
        {
            id = $1
            sub(/:$/, "", id)
        }
        $2 ~ /^init_(first_)?thread\($/ && match($0, /unix_tid=[0-9]+/) {
            unix[id] = substr($0, RSTART + 9, RLENGTH - 9)
        }
        {
            w = FNR > s0 && FNR <= s1 ? "S" : FNR > i0 && FNR <= i1 ? "I" : ""
            if (w == "" || !((unix[id]) in mine))
                next
            if (key == "wake" && $2 == "*wakeup*")
                print w, "wake"
            else if (key == "name" && $2 ~ /^[a-z_0-9]+\($/)
                print w, substr($2, 1, length($2) - 1)
            else if (key == "thread" && $2 ~ /^[a-z_0-9]+\($/)
                print w, mine[unix[id]] "/" unix[id]
            else if (key == "both" && $2 ~ /^[a-z_0-9]+\($/)
                print w, mine[unix[id]] "/" unix[id] ":" substr($2, 1, length($2) - 1)
        }' "$work/$1.threads" "$work/server.log"
}
# wake_line WHO N SCALE: "S wake" and "I wake" lines as one sentence.
wake_line() {
    awk -v who="$1" -v n="$2" -v scale="$3" '
        { count[$1]++ }
        END {
            printf "  the server woke %s threads %.2f times a message (stream %d, idle %d)\n",
                who, (count["S"] - count["I"] * scale) / n, count["S"], count["I"]
        }'
}
# winsock_calls WHO FIELD START END [IDLE_START IDLE_END]: ws2_32's calls by
# function, from their trace: a call's first line (its last says "status");
# sock_ioctl, the socket's request under them, by its code (0x120334
# receives, 0x120338 sends).
winsock_calls() {
    local f=$2
    awk -v s0="$(line_of "$f" "$3")" -v s1="$(line_of "$f" "$4")" \
        -v i0="$(line_of "$f" "${5:-0 0 0 0}")" -v i1="$(line_of "$f" "${6:-0 0 0 0}")" '
        $0 ~ /^[0-9a-f]+:trace:winsock:/ {
            w = FNR > s0 && FNR <= s1 ? "S" : FNR > i0 && FNR <= i1 ? "I" : ""
            if (w == "")
                next
            text = $0
            sub(/^[^:]*:[^:]*:[^:]*:/, "", text)
            split(text, word, " ")
            if (word[2] == "status" || word[2] == "got")
                next
            sub(/,$/, "", word[5])
            print w, word[1] (word[1] == "sock_ioctl" ? "(" word[5] ")" : "")
        }' "$work/$1-winsock.log"
}
panel_windows=("$stream_start" "$stream_end" "$idle_start" "$idle_end")
bare_windows=("$bare_start" "$bare_end")
echo "pendra.exe's requests to the wine server, per message less the idle stretch's:"
server_calls panel name 2 "${panel_windows[@]}" | calls_table "$messages" "$scale" "request"
server_calls panel wake 2 "${panel_windows[@]}" | wake_line "pendra.exe's" "$messages" "$scale"
echo
server_calls panel thread 2 "${panel_windows[@]}" | calls_table "$messages" "$scale" "thread"
echo
server_calls panel both 2 "${panel_windows[@]}" | calls_table "$messages" "$scale" \
    "thread: request"
echo
echo "pendra.exe's calls into ws2_32 (its +winsock trace), per message less the idle stretch's:"
winsock_calls panel 3 "${panel_windows[@]}" | calls_table "$messages" "$scale" "ws2_32 call"
echo
echo "pendra-bare-loop.exe over its stream: requests to the wine server, calls into ws2_32:"
server_calls bare name 2 "${bare_windows[@]}" | calls_table "$messages" 0 "request"
server_calls bare wake 2 "${bare_windows[@]}" | wake_line "its" "$messages" 0
winsock_calls bare 4 "${bare_windows[@]}" | calls_table "$messages" 0 "ws2_32 call"
