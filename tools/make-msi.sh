#!/usr/bin/env bash
# Packs BUILD_DIR/dist, laid out by tools/build-windows.sh, as the installer
# BUILD_DIR/pendra-VERSION-x64.msi, for roll-out by IT: every file of the
# folder under C:\Program Files\Pendra (component group PendraFiles),
# described by BUILD_DIR/pendra.wxs (from res/windows/pendra.wxs.in).
#   tools/make-msi.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# The folder's own files first, then those of its subfolders: wixl-heat
# starts a directory entry whenever the folder changes.
(cd "$build" && find dist -maxdepth 1 -type f | LC_ALL=C sort &&
    find dist -mindepth 2 -type f | LC_ALL=C sort) |
    wixl-heat --prefix dist/ --directory-ref INSTALLDIR --component-group PendraFiles \
        --var var.SourceDir --win64 >"$build/pendra-files.wxs"
# wixl takes the files' paths relative to where it runs.
msi="$build/pendra-$version-x64.msi"
(cd "$build" && wixl --arch x64 --define SourceDir=dist --define Win64=yes --output "$msi" \
    pendra.wxs pendra-files.wxs)
sql() { msibuild "$msi" -q "$1"; }
# wixl takes no condition on a component: each Given_X gets X as its own, so
# only a property given to msiexec writes its value; AUTOSTART is a switch,
# on only as AUTOSTART=1. Removing the product (REMOVE=ALL, also the old
# one's removal in a major upgrade) must find the component enabled to take
# its value away: wine leaves a disabled one be.
# The properties are made secure, so that they reach the installer's service
# when a user who is not an administrator installs with elevation.
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
secure=$(table Property | awk -F'\t' '$1 == "SecureCustomProperties" { print $2 }')
for property in $(table Component | sed -n 's/^Given_\([A-Z_]*\)\t.*/\1/p'); do
    given=$property
    [[ $property == AUTOSTART ]] && given='AUTOSTART="1"'
    sql "UPDATE \`Component\` SET \`Condition\` = '$given OR REMOVE~=\"ALL\"' WHERE \`Component\` = 'Given_$property'"
    secure+=";$property"
done
sql "UPDATE \`Property\` SET \`Value\` = '${secure#;};FIREWALL_RULE' WHERE \`Property\` = 'SecureCustomProperties'"

# The firewall rule's two actions, which pendra.wxs schedules: wixl has no
# custom action that runs a program from a folder (type 34). They run netsh
# deferred, in the installer's service (+1024), as the system, which may
# change the firewall (+2048, no impersonation), and go on whatever netsh
# returns (+64): a PC without the firewall service, wine among them, still
# installs, and deleting a rule that is not there is no failure.
custom_action() {
    sql "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`)
        VALUES ('$1', $((34 + 64 + 1024 + 2048 + ${3:-0})), 'System64Folder', '\"[System64Folder]netsh.exe\" $2')"
}
delete_rule='advfirewall firewall delete rule name="Pendra" program="[INSTALLDIR]pendra.exe"'
custom_action FirewallRuleDelete "$delete_rule"
# An install that fails after the rule came takes it away again (+256: runs
# only when the installer rolls back).
custom_action FirewallRuleAddRollback "$delete_rule" 256
custom_action FirewallRuleAdd \
    'advfirewall firewall add rule name="Pendra" dir=in action=allow protocol=UDP program="[INSTALLDIR]pendra.exe" profile=domain,private enable=yes'
