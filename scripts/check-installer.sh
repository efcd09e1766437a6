#!/usr/bin/env bash
# Installs, upgrades and uninstalls Brenvik under Wine with the real installers, for
# each Windows build this machine runs (scripts/lib/windows-builds.sh): the installer
# the release makes of the program the build made (the same bytes: scripts/lib/
# installer.sh), and one of an earlier version. In a Wine prefix of its own, kept in
# the build folder, on a display of its own:
#   - /AUTOSTART=yes refused, with exit code 2;
#   - a first silent install: the program, the Start-menu shortcut, the Add/Remove
#     entry, and no Startup shortcut;
#   - an upgrade with /AUTOSTART=1 while Brenvik runs in the tray: Brenvik closed as
#     "Tutup Aplikasi" closes it (its icon gone, its process ended normally), the new
#     version in place, the Startup shortcut made;
#   - an upgrade with no choice keeps the Startup shortcut, /AUTOSTART=0 removes it;
#   - an upgrade beside a Brenvik that doesn't answer fails, with exit code 2;
#   - the uninstall, while Brenvik runs: Brenvik closed, the prefix's files (all of C:)
#     and HKCU as they were before.
# Windows' Temp folder is left out: the uninstaller runs from a copy there, which
# Windows deletes at the next start.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/tmpdir.sh
. scripts/lib/build-program.sh
. scripts/lib/installer.sh
. scripts/lib/windows-builds.sh
scripts/install-deps.sh test
version=$(head -n 1 VERSION)
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvik'

fail() {
  echo "installer check ($arch): $*" >&2
  exit 1
}
# wait_for COMMAND...: up to 20 s for COMMAND to succeed.
wait_for() {
  local _
  for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
  return 1
}
wine_() { "$WINELOADER" "$@" </dev/null 2>/dev/null; }
ended() { [ ! -e "/proc/$1" ] || grep -q '^State:.*zombie' "/proc/$1/status"; }
tray_shown() { xwininfo -name "Wine System Tray" 2>/dev/null | grep -q IsViewable; }
entry_value() { wine_ reg query "$entry" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
entry_gone() { ! wine_ reg query "$entry" >/dev/null; }

# What the installers may touch: the files of C: and HKCU, as text, but for the keys
# where Wine keeps the system parameters programs read.
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -print | sort)
  wine_ reg export HKCU "$work/hkcu.reg" /y >/dev/null
  iconv -f UTF-16 -t UTF-8 "$work/hkcu.reg" | tr -d '\r' |
    awk '/^\[/ { wine = index($0, "\\Software\\Wine\\Temporary System Parameters") > 0 } !wine'
}

# start_brenvik PROGRAM: Brenvik running with its window shown; its process in $brenvik
# (the Wine loader becomes the Windows process).
start_brenvik() {
  "$WINELOADER" "$1" </dev/null >/dev/null 2>&1 &
  brenvik=$!
  wine_ "$remote" wait || fail "$1 did not start"
}

check_build() (
  preset=$1
  case $preset in
    windows) arch=x86 ;;
    windows64) arch=x64 ;;
  esac
  program=build/$preset/bin/Brenvik.exe remote=build/$preset/bin/brenvik_remote.exe
  work=$PWD/build/installer-$preset
  mkdir -p "$work"
  make_installer "$arch" "$version" "$program" "$work/setup.exe"
  make_installer "$arch" 0.99 "$program" "$work/earlier-setup.exe"

  . scripts/lib/wine.sh
  wine_use_build "$PWD/build/$preset"
  export WINEPREFIX=$work/wineprefix TMPDIR=$work/wine-tmp
  mkdir -p "$TMPDIR"
  users=$WINEPREFIX/drive_c/users/$(id -un)
  install=$users/AppData/Local/Programs/Brenvik
  start_menu="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
  # A check that didn't pass may have left some of Brenvik behind: the prefix starts
  # afresh after it.
  [ -f "$work/passed" ] || rm -rf "$WINEPREFIX"
  rm -f "$work/passed"
  wine_make_prefix
  # Wine spells it StartUp.
  startup=$(find "$start_menu" -maxdepth 1 -iname startup)
  wine_start_display
  wine_server -p </dev/null >/dev/null 2>&1
  wine_window_manager absent
  snapshot >"$work/before.txt"

  status=0
  wine_ "$work/earlier-setup.exe" /S /AUTOSTART=yes || status=$?
  [ $status -eq 2 ] && [ ! -e "$install" ] || fail "/AUTOSTART=yes: exit code $status, not 2 and nothing installed"
  wine_ "$work/earlier-setup.exe" /S || fail "the first install failed"
  cmp -s "$program" "$install/Brenvik.exe" || fail "Brenvik.exe was not installed"
  [ -f "$start_menu/Brenvik.lnk" ] || fail "no Start-menu shortcut"
  [ ! -e "$startup/Brenvik.lnk" ] || fail "autostart on, unasked"
  for name in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation \
    UninstallString QuietUninstallString EstimatedSize NoModify NoRepair; do
    [ -n "$(entry_value "$name")" ] || fail "the Add/Remove entry lacks $name"
  done
  [ "$(entry_value DisplayVersion)" = 0.99 ] || fail "the entry names the wrong version"

  start_brenvik "$install/Brenvik.exe"
  wine_ "$remote" click Command3
  wait_for tray_shown || fail "Brenvik's icon did not show"
  wine_ "$work/setup.exe" /S /AUTOSTART=1 || fail "the upgrade failed (exit code $?)"
  ended "$brenvik" || fail "the upgrade left Brenvik running"
  wait "$brenvik" || fail "Brenvik did not end normally (exit code $?)"
  ! tray_shown || fail "Brenvik's icon stayed in the tray"
  [ "$(entry_value DisplayVersion)" = "$version" ] || fail "the upgrade kept the earlier version's entry"
  [ -f "$startup/Brenvik.lnk" ] || fail "/AUTOSTART=1 made no Startup shortcut"
  wine_ "$work/setup.exe" /S || fail "the reinstall failed"
  [ -f "$startup/Brenvik.lnk" ] || fail "an upgrade dropped the earlier autostart"
  wine_ "$work/setup.exe" /S /AUTOSTART=0 || fail "the install with /AUTOSTART=0 failed"
  [ ! -e "$startup/Brenvik.lnk" ] || fail "/AUTOSTART=0 left the Startup shortcut"

  # A Brenvik that doesn't answer: stopped. One from another folder, so that only the
  # installer's own wait, not the program file in use, can stop it.
  start_brenvik "$program"
  kill -STOP "$brenvik"
  status=0
  wine_ "$work/setup.exe" /S || status=$?
  kill -CONT "$brenvik"
  [ $status -eq 2 ] || fail "the upgrade beside a Brenvik that doesn't answer ended with $status, not 2"
  wine_ "$remote" click Command2 || true
  wait_for ended "$brenvik" || fail "the Brenvik that didn't answer did not end"
  wait "$brenvik" || true

  # The uninstaller goes on from a copy of itself and returns at once.
  start_brenvik "$install/Brenvik.exe"
  wine_ "$install/Uninstall.exe" /S || fail "the uninstall failed"
  wait_for entry_gone || fail "the uninstall left the Add/Remove entry"
  ended "$brenvik" && wait "$brenvik" || fail "the uninstall left Brenvik running, or ended it abnormally"
  snapshot >"$work/after.txt"
  diff -u "$work/before.txt" "$work/after.txt" || fail "the uninstall left the prefix changed"
  touch "$work/passed"
  echo "installer check ($arch): installed, upgraded while Brenvik ran, uninstalled"
)

choose_windows_builds
# Built first: the test command builds in these folders again while the check runs.
for preset in $WINDOWS_BUILDS; do build_program --quiet "$preset" Brenvik brenvik_remote; done
for preset in $WINDOWS_BUILDS; do check_build "$preset"; done
