#!/usr/bin/env bash
# The Windows installer as a person uses it, under Wine: made by cpack, installed silently for
# the current user, the program started from where it went, uninstalled silently; afterwards
# nothing is left but the person's settings.
#   installer_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
root=$2
source "$root/scripts/lib.sh"
wine_env "$build/wineprefix"
wine_prefix_ready
cd "$build"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
run() { timeout 120 "${QUILLBIT_WINE[@]}" "$@"; }
unix_path() { timeout 60 winepath -u "$1" 2>/dev/null; }

cpack -G NSIS >cpack-installer.log 2>&1 || { cat cpack-installer.log; fail "cpack made no installer"; }
installer=$(ls -t quillbit-*-windows-x64.exe | head -n 1)
local_appdata=$(run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
folder=$(unix_path "$local_appdata\\Programs\\Quillbit")
start_menu=$(unix_path "$(run cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Quillbit")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbit'
settings_key='HKCU\Software\Tormelund\Quillbit'
open_command_key='HKCU\Software\Classes\Applications\quillbit.exe\shell\open\command'
d2v_key='HKCU\Software\Classes\.d2v'
rm -rf "$folder" "$start_menu"

run "$build/$installer" /S
[ -f "$folder/quillbit.exe" ] || fail "no quillbit.exe in $folder"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
version=$(run "$folder/quillbit-calc.exe" --version) || fail "quillbit-calc.exe did not run"
[[ "$version" == "quillbit-calc "* ]] || fail "quillbit-calc.exe printed '$version'"
[ -f "$start_menu/Quillbit.lnk" ] || fail "no Start menu entry"
run reg query "$uninstall_key" /v UninstallString >/dev/null || fail "not listed among the programs"
run reg query "$open_command_key" | grep -qF "quillbit.exe\" \"%1\"" ||
  fail "the program is not offered in \"Open with\""
run reg query "$d2v_key\OpenWithList\quillbit.exe" >/dev/null || fail ".d2v files do not offer it"

shown=$(xvfb-run -a timeout 60 "${QUILLBIT_WINE[@]}" "$folder/quillbit.exe" --quit-when-shown |
  tr -d '\r')
[ "$shown" = shown ] || fail "the installed program did not show its window"

# The person's settings, as a save would leave them.
run reg add "$settings_key" /v txtFrames /d 90000 /f >/dev/null
# The uninstaller hands over to a copy of itself and returns at once, as it does for a person.
run "$folder/Uninstall.exe" /S
for _ in $(seq 60); do
  [ -e "$folder" ] || break
  sleep 1
done
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
[ ! -e "$start_menu" ] || fail "the Start menu entry is left"
if run reg query "$uninstall_key" >/dev/null 2>&1; then fail "still listed among the programs"; fi
if run reg query "$open_command_key" >/dev/null 2>&1; then fail "\"Open with\" still offers it"; fi
if run reg query "$d2v_key" >/dev/null 2>&1; then fail "the .d2v key is left"; fi
run reg query "$settings_key" /v txtFrames >/dev/null || fail "the settings went too"
run reg delete "$settings_key" /f >/dev/null
echo "1 passed, 0 failed"
