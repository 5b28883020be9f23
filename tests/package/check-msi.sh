#!/usr/bin/env bash
# The MSI tools/build-windows.sh makes: its tables hold the dist folder's
# files, the group-policy templates among them, the Start-menu shortcut, the
# Startup shortcut AUTOSTART=1 asks for, the firewall rule's actions, the
# version and the fixed UpgradeCode; under wine, msiexec installs it
# silently, writing IT's values under HKLM, with which alone the installed
# pendra.exe greets a host on 127.0.0.1, and removes every file, the
# shortcuts and those values while the operator's settings stay; without
# the properties, it writes no value and puts nothing into Startup.
#   check-msi.sh MSI DIST WXS_SOURCE VERSION WINE_RUNNER HOSTSIM FREE_UDP_PORTS
set -euo pipefail

msi=$1
dist=$2
wxs=$3
version=$4
wine_runner=$5
hostsim=$6
free_ports=$7

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    jobs -p | xargs -r kill 2>/dev/null || true
    WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

[[ -f $msi ]] || fail "no $msi (tools/build-windows.sh makes it)"
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
property() { table Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }

# The files are the dist folder's, each once, in its folders: a file's
# path comes from its component's folder and that folder's parents.
(cd "$dist" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$work/dist-files"
{ table Directory | sed 's/^/D\t/' && table Component | sed 's/^/C\t/' && table File | sed 's/^/F\t/'; } |
    awk -F'\t' '$1 == "D" { parent[$2] = $3; name[$2] = $4 }
        $1 == "C" { folder[$2] = $4 }
        $1 == "F" {
            path = $4
            for (d = folder[$3]; d != "INSTALLDIR" && d != ""; d = parent[d])
                if (name[d] != ".") path = name[d] "/" path
            print path
        }' | LC_ALL=C sort >"$work/msi-files"
diff "$work/dist-files" "$work/msi-files" >&2 || fail "the MSI's files (>) are not the dist folder's (<)"
for file in pendra.admx {en-US,de-DE,fr-FR,it-IT,es-ES,pt-BR,pl-PL,cs-CZ,tr-TR,ja-JP,ko-KR,zh-CN,zh-TW}/pendra.adml; do
    grep -qx "policy/$file" "$work/msi-files" || fail "the MSI lacks policy/$file"
done
shortcut=$(table Shortcut | awk -F'\t' '$2 == "ProgramMenuFolder" && $3 == "Pendra"')
[[ $(cut -f5,9 <<<"$shortcut") == $'[INSTALLDIR]pendra.exe\tpendra.ico' ]] ||
    fail "no Start-menu shortcut Pendra to pendra.exe with its icon: '$shortcut'"
# The Startup shortcut's component is there only with AUTOSTART=1, and on removal.
startup=$(table Shortcut | awk -F'\t' '$2 == "StartupFolder" && $3 == "Pendra"')
component=$(table Component | awk -F'\t' -v id="$(cut -f4 <<<"$startup")" '$1 == id { print $5 }')
[[ $(cut -f5 <<<"$startup") == '[INSTALLDIR]pendra.exe' && $component == 'AUTOSTART="1" OR REMOVE~="ALL"' ]] ||
    fail "no Startup shortcut Pendra to pendra.exe on AUTOSTART=1: '$startup', condition '$component'"
# The firewall rule: netsh, from the installer's service as the system
# (34 + 1024 deferred + 2048 no impersonation, + 64 whatever netsh returns),
# deleted before the files go, added after they came.
echo "msiinfo export $msi CustomAction:"
msiinfo export "$msi" CustomAction | tr -d '\r'
action() { table CustomAction | awk -F'\t' -v name="$1" '$1 == name { print $2, $3, $4 }'; }
condition() { table InstallExecuteSequence | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
netsh='3170 System64Folder "[System64Folder]netsh.exe" advfirewall firewall'
add='add rule name="Pendra" dir=in action=allow protocol=UDP program="[INSTALLDIR]pendra.exe" profile=domain,private enable=yes'
delete='delete rule name="Pendra" program="[INSTALLDIR]pendra.exe"'
[[ $(action FirewallRuleAdd) == "$netsh $add" ]] || fail "FirewallRuleAdd is '$(action FirewallRuleAdd)'"
[[ $(action FirewallRuleDelete) == "$netsh $delete" ]] ||
    fail "FirewallRuleDelete is '$(action FirewallRuleDelete)'"
[[ $(action FirewallRuleAddRollback) == "${netsh/3170/3426} $delete" &&
    $(condition FirewallRuleAddRollback) == "$(condition FirewallRuleAdd)" ]] ||
    fail "FirewallRuleAddRollback is '$(action FirewallRuleAddRollback)'"
[[ $(condition FirewallRuleAdd) == 'FIREWALL_RULE="1" AND NOT REMOVE~="ALL"' &&
    $(condition FirewallRuleDelete) == 'REMOVE~="ALL" OR FIREWALL_RULE="1"' ]] ||
    fail "the firewall actions' conditions are '$(condition FirewallRuleAdd)' and '$(condition FirewallRuleDelete)'"
order=$(table InstallExecuteSequence | LC_ALL=C sort -t$'\t' -k3n | cut -f1 |
    grep -xE 'InstallInitialize|FirewallRuleDelete|RemoveFiles|InstallFiles|FirewallRuleAdd(Rollback)?|InstallFinalize' | tr '\n' ' ' || true)
[[ $order == "InstallInitialize FirewallRuleDelete RemoveFiles InstallFiles FirewallRuleAddRollback FirewallRuleAdd InstallFinalize " ]] ||
    fail "the firewall actions are out of place: $order"
[[ $(property FIREWALL_RULE) == 1 && ";$(property SecureCustomProperties);" == *";FIREWALL_RULE;"* ]] ||
    fail "FIREWALL_RULE is '$(property FIREWALL_RULE)', secure: $(property SecureCustomProperties)"
[[ $(property ProductVersion) == "$version" ]] || fail "ProductVersion is '$(property ProductVersion)'"
upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/{\1}/p' "$wxs")
[[ -n $upgrade_code && $(property UpgradeCode) == "$upgrade_code" ]] ||
    fail "UpgradeCode is '$(property UpgradeCode)', $wxs says '$upgrade_code'"
[[ $(property ALLUSERS) == 1 ]] || fail "not installed per machine"
echo "tables: $(wc -l <"$work/msi-files") files with policy/, shortcuts Pendra in the Start menu and in Startup," \
    "firewall rule, ProductVersion $version, UpgradeCode $upgrade_code"

# A prefix of its own, copied from the build's.
"$wine_runner" cmd /c exit >/dev/null 2>&1 || fail "wine does not start"
cp -a "${PENDRA_WINEPREFIX:-$(dirname "$wine_runner")/wine}" "$work/wine"
export PENDRA_WINEPREFIX="$work/wine" PENDRA_WINE_BARE=1
folder="$work/wine/drive_c/Program Files/Pendra"
# Windows puts a per-machine shortcut into the common Start menu; wine's
# msiexec puts it into the user's.
start_menu_link() { find "$work/wine/drive_c" -path '*/Start Menu/Programs/Pendra.lnk'; }
startup_link() { find "$work/wine/drive_c" -ipath '*/Start Menu/Programs/Startup/Pendra.lnk'; }
uninstall="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(property ProductCode)"
windows_msi="Z:${msi//\//\\}"
mapfile -t ports < <("$free_ports" 2)
machine='HKLM\Software\Orvane\Metrova\pendra'
machine_values() { "$wine_runner" reg query "$machine" 2>/dev/null | tr -d '\r' | grep ' REG_' || true; }
# msiexec's log says which of the firewall rule's actions ran.
log() { echo "Z:${work//\//\\}\\$1.log"; }
ran() { grep -q "Action ended .*: $2\. Return value 1\." "$work/$1.log"; }

"$wine_runner" msiexec /i "$windows_msi" /qn REMOTE_IP_ADDRESS=127.0.0.1 REMOTE_IP_PORT="${ports[0]}" \
    LOCAL_IP_ADDRESS=127.0.0.1 LOCAL_IP_PORT="${ports[1]}" DISPLAY_ERRORS=1 LANGUAGE=de AUTOSTART=1 FULLSCREEN=1 \
    /l*v "$(log install)" || fail "msiexec /i exited with $?"
(cd "$dist" && find . -type f) >"$work/expected"
while read -r file; do
    [[ -f "$folder/$file" ]] || fail "msiexec /i left out $file"
done <"$work/expected"
link=$(start_menu_link)
[[ -n $link ]] || fail "no Start-menu shortcut after installing"
# Windows puts it into the common Startup folder, wine into the user's.
startup=$(startup_link)
[[ -n $startup ]] || fail "no Startup shortcut after installing with AUTOSTART=1"
{ ran install FirewallRuleDelete && ran install FirewallRuleAdd; } ||
    fail "msiexec /i did not run netsh for the firewall rule"
entry=$("$wine_runner" reg query "$uninstall" 2>/dev/null | tr -d '\r') || fail "no entry in installed apps"
for value in "DisplayName\s+REG_SZ\s+Pendra$" "DisplayVersion\s+REG_SZ\s+$version$" \
    "Publisher\s+REG_SZ\s+\S"; do
    grep -qE "^\s*$value" <<<"$entry" || fail "installed apps entry lacks $value: $entry"
done
# Installed apps shows the product's icon, which the installer keeps.
[[ -n $(find "$work/wine/drive_c/windows/Installer" -name pendra.ico) ]] ||
    fail "the installer kept no product icon"
echo "installed: $(wc -l <"$work/expected") files in C:\\Program Files\\Pendra, ${link#"$work/wine/"}," \
    "${startup#"$work/wine/"}, netsh ran for the firewall rule," \
    "installed apps: $(grep -E 'DisplayName|DisplayVersion|Publisher' <<<"$entry" | awk '{print $3}' | tr '\n' ' ')"

given=$(machine_values)
[[ $(awk '{ print $1, $2, $3 }' <<<"$given" | LC_ALL=C sort | tr '\n' ' ') == "DisplayErrors REG_DWORD 0x1 \
Language REG_SZ de Local_IP_Address REG_SZ 127.0.0.1 Local_IP_Port REG_SZ ${ports[1]} Remote_IP_Address REG_SZ 127.0.0.1 \
Remote_IP_Port REG_SZ ${ports[0]} Window_FullScreen REG_DWORD 0x1 " ]] || fail "msiexec /i wrote under $machine: $given"
echo "reg query $machine:"$'\n'"$given"

# The installed program, with IT's values and none of the operator's, greets a host.
key='HKCU\Software\Orvane\Metrova\pendra'
"$wine_runner" reg delete "$key" /f >/dev/null 2>&1 || true
"$hostsim" --host-port "${ports[0]}" --panel-port "${ports[1]}" --rate 0 --duration 120 \
    >"$work/hostsim.log" 2>&1 &
hostsim_pid=$!
unset QT_QPA_PLATFORM
"$wine_runner" 'C:\Program Files\Pendra\pendra.exe' >"$work/pendra.log" 2>&1 &
pendra_pid=$!
for _ in $(seq 600); do
    grep -q '<- QVL_PENDRA_8:3' "$work/hostsim.log" && break
    sleep 0.1
done
grep -q '<- QVL_PENDRA_8:3' "$work/hostsim.log" ||
    fail "the installed pendra.exe did not greet the host: $(cat "$work/hostsim.log" "$work/pendra.log")"
echo "run: the installed pendra.exe greeted 127.0.0.1:${ports[0]}: $(grep -m1 '<- QVL_PENDRA_8:3' "$work/hostsim.log")"
# Both end, on a loaded machine too: what has not gone after 10 s is killed.
kill "$hostsim_pid" "$pendra_pid" 2>/dev/null || true
WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
for _ in $(seq 100); do
    kill -0 "$hostsim_pid" 2>/dev/null || kill -0 "$pendra_pid" 2>/dev/null || break
    sleep 0.1
done
kill -9 "$hostsim_pid" "$pendra_pid" 2>/dev/null || true
"$wine_runner" reg add "$key" /v Remote_IP_Port /d "${ports[0]}" /f >/dev/null 2>&1

timeout 120 "$wine_runner" msiexec /x "$windows_msi" /qn /l*v "$(log remove)" ||
    fail "msiexec /x exited with $? (124: still running after 120 s)"
left=$(find "$folder" 2>/dev/null || true)
[[ -z $left ]] || fail "msiexec /x left behind: $left"
[[ -z $(start_menu_link) ]] || fail "msiexec /x left the Start-menu shortcut"
[[ -z $(startup_link) ]] || fail "msiexec /x left the Startup shortcut"
{ ran remove FirewallRuleDelete && ! ran remove FirewallRuleAdd; } ||
    fail "msiexec /x did not delete the firewall rule alone"
"$wine_runner" reg query "$uninstall" >/dev/null 2>&1 && fail "msiexec /x left the installed apps entry"
"$wine_runner" reg query "$key" /v Remote_IP_Port 2>/dev/null | grep -q "${ports[0]}" ||
    fail "msiexec /x took the operator's settings"
[[ -z $(machine_values) ]] || fail "msiexec /x left under $machine: $(machine_values)"
echo "reg query $machine after removal:"
"$wine_runner" reg query "$machine" 2>&1 | tr -d '\r' || true
echo "removed: no file, no shortcut, no installed apps entry, no value under HKLM, netsh ran to delete the rule;" \
    "the settings under $key stay"

timeout 120 "$wine_runner" msiexec /i "$windows_msi" /qn ||
    fail "msiexec /i without properties exited with $? (124: still running after 120 s)"
[[ -z $(machine_values) ]] || fail "msiexec /i without properties wrote under $machine: $(machine_values)"
[[ -z $(startup_link) ]] || fail "msiexec /i without AUTOSTART=1 made a Startup shortcut"
echo "installed without properties: no value under $machine, no Startup shortcut"
