# Sourced by scripts/test-windows: a display of its own (Xvfb) and a
# fresh Wine prefix under $work, with stand-in fonts, both torn down (and $work removed) at exit.
# Needs: work (a scratch folder). Gives: WINEPREFIX, DISPLAY, winpath PATH (the Wine path).
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all

xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- A display and a Wine prefix ---------------------------------------------------------------
display=99
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "Preparing a Wine prefix in $WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
wineserver -w
# A fresh prefix has no Windows fonts. Metric-compatible stand-ins for the sans-serif families
# Windows has, and a Chinese font; real Windows has its own.
fonts=$WINEPREFIX/drive_c/windows/Fonts
cp /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf "$fonts/"
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]'
  for family in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Segoe UI" "MS Sans Serif" "Microsoft Sans Serif" "Arial"; do
    echo "\"$family\"=\"Liberation Sans\""
  done
  for family in "SimSun" "Microsoft YaHei" "Microsoft YaHei UI" "NSimSun"; do
    echo "\"$family\"=\"WenQuanYi Micro Hei\""
  done
} >"$work/fonts.reg"
wine regedit "$work/fonts.reg" >/dev/null 2>&1
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
