#!/usr/bin/env bash
# The launcher in a Wine desktop on an X display of its own: real clicks on the notification
# icons of the desktop's taskbar and on the desktop overlay. Entries point at copies of a program
# that records which copy ran; a window of the driver lies beneath the overlay and records the
# clicks that reach it. Screenshots are left in OUTDIR.
#   tray_desktop_e2e.sh PROGRAM DRIVER RECORDER PREFIX WINE_RUN OUTDIR
set -uo pipefail
program=$1 driver=$2 recorder=$3 prefix=$4 winerun=$5 out=$6
mkdir -p "$out" "$prefix"
rm -f "$out"/*.png

failures=0
pass() { echo "ok: $*"; }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# An X display of our own, whatever else runs.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display"

# The prefix is made (once) by the wrapper; the driver without arguments only prints its usage.
"$winerun" --prefix "$prefix" "$driver" >/dev/null 2>&1
export WINEPREFIX=$(cd "$prefix" && pwd) WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

cleanup() {
    wineserver -k 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

desk=twe2e
work=$WINEPREFIX/drive_c/twe2e
rm -rf "$work"
mkdir -p "$work"
names=(メモ帳 電話帳 バックアップ 音楽 写真 電卓 予定表)
kinds=(0 3 4 9 10 22 27)
for i in 0 1 2 3 4 5 6; do cp "$recorder" "$work/r$i.exe"; done
{
    printf 'DESKTOP\r\n48\r\n3\r\n0\r\nON\r\nOFF_S\r\n'
    for i in 0 1 2 3 4 5 6; do
        printf '%s\r\nC:\\twe2e\\r%d.exe\r\n通常のウインドウ\r\n%s\r\n%d\r\n150\r\n' "${names[$i]}" "$i" "${kinds[$i]}" \
            $((200 + 100 * i))
    done
} | iconv -f UTF-8 -t CP932 >"$WINEPREFIX/drive_c/windows/TaskWembo.inf"

program_w=$(winepath -w "$program")
driver_w=$(winepath -w "$driver")

# Notification icons stand right to left in the order they were added, 20 pixels apart.
icon_x() { echo $((1024 - 11 - 20 * $1)); }
icon_y=758
hover() { xdotool mousemove "$1" "$2"; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
shot() { import -window root "$out/$1.png"; }
launches() { iconv -f UTF-16LE -t UTF-8 "$work/launches.log" 2>/dev/null | tr -d '\r' | tr '\n' ' '; }
wait_for() { wine "$driver_w" wait "$desk" "$@" 2>/dev/null | tr -d '\r'; }
# The right part of the taskbar, where the notification icons are.
tray_area() { import -window root png:- | convert - -crop "${1:-200}x20+$((1024 - ${1:-200}))+748" +repage "$out/$2.png"; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
wait_launches() {
    for _ in $(seq 50); do
        [ "$(launches)" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

# The window beneath, started first: it also keeps the desktop open between the two runs.
wine explorer /desktop=$desk,1024x768 "$driver_w" catch 300 420 400 200 'C:\twe2e\clicks.log' 'C:\twe2e\stop' \
    >/dev/null 2>&1 &
for _ in $(seq 100); do
    grep -q ready "$work/clicks.log" 2>/dev/null && break
    sleep 0.2
done
sleep 1
tray_area 200 tray_empty

start_program() {
    wine explorer /desktop=$desk,1024x768 "$program_w" >/dev/null 2>&1 &
    wait_for TForm1 hidden 20000 >/dev/null || fail "the program starts"
    for _ in $(seq 50); do
        tray_area 200 tray_now
        same_picture "$out/tray_empty.png" "$out/tray_now.png" || break
        sleep 0.2
    done
    sleep 1
}

# Opens the tray menu with the right button on icon $1 and clicks the item $2 pixels below the
# menu's top (negative: above its bottom), as this desktop's fonts lay the menu out.
choose_from_menu() {
    click "$(icon_x "$1")" $icon_y 3
    local rect
    rect=$(wait_for '#32768' shown 5000) || {
        fail "the right button opens the tray menu"
        return
    }
    read -r left top right bottom <<<"$rect"
    sleep 0.3
    if [ "$2" -lt 0 ]; then click $((left + 60)) $((bottom + $2)); else click $((left + 60)) $((top + $2)); fi
}
menu_exit=-12 # 終了, the last item
menu_tray=92  # ﾄﾚｲ上に表示, the sixth row

# Exit from the tray menu; the program ends and takes its icons with it.
exit_from_menu() {
    choose_from_menu "$1" $menu_exit
    if wait_for TForm1 gone 15000 >/dev/null; then pass "exit from the menu ends the program"; else fail "exit ends the program"; fi
    sleep 1
    tray_area 200 tray_after_exit; shot after_exit_$1
    if same_picture "$out/tray_empty.png" "$out/tray_after_exit.png"; then
        pass "no notification icon is left behind"
    else
        fail "notification icons are left behind"
    fi
}

# ---- Tray mode: seven entries, three a page.
start_program
hover "$(icon_x 3)" $icon_y # slot 1 of page 0: 電話帳
sleep 2
shot tray

click "$(icon_x 1)" $icon_y # next page
sleep 0.5
click "$(icon_x 2)" $icon_y # slot 0 of page 1: entry 3
wait_launches "r3.exe " && pass "next page, then its first slot starts entry 3" || fail "entry 3 started: [$(launches)]"
click "$(icon_x 1)" $icon_y # page 2: entry 6 and two empty slots
sleep 0.5
click "$(icon_x 3)" $icon_y # an empty slot
sleep 1
click "$(icon_x 2)" $icon_y
wait_launches "r3.exe r6.exe " && pass "the last page; an empty slot starts nothing" || fail "entry 6 only: [$(launches)]"
click "$(icon_x 1)" $icon_y # after the last page comes the first
sleep 0.5
click "$(icon_x 4)" $icon_y
wait_launches "r3.exe r6.exe r2.exe " && pass "paging wraps to the first page" || fail "entry 2 started: [$(launches)]"

click "$(icon_x 3)" $icon_y 3
if wait_for '#32768' shown 5000 >/dev/null; then pass "the right button opens the tray menu"; else fail "tray menu"; fi
sleep 0.5
shot menu
click 800 300 # closes the menu
sleep 0.5
exit_from_menu 4

# ---- Desktop mode, switched to from the tray menu.
start_program
choose_from_menu 0 $menu_tray
sleep 1.5
# One icon: the place of the first one shows a picture, the places of the others the bare taskbar.
tray_area 200 tray_desktop
convert "$out/tray_desktop.png" -crop 14x14+182+3 +repage -format '%k' info: >"$out/colours_first"
convert "$out/tray_desktop.png" -crop 100x14+80+3 +repage -format '%k' info: >"$out/colours_others"
if [ "$(cat "$out/colours_first")" -gt 4 ] && [ "$(cat "$out/colours_others")" -eq 1 ]; then
    pass "desktop mode shows one notification icon"
else
    fail "desktop mode icons: $(cat "$out/colours_first") colours at the first place, $(cat "$out/colours_others") beside"
fi

hover 600 300
sleep 0.3
hover "$(icon_x 0)" $icon_y
if wait_for TDeskTopWembo shown 10000 >/dev/null; then pass "hovering shows the overlay"; else fail "overlay shown"; fi
sleep 1
shot overlay

click $((200 + 100 * 4 - 62 + 16)) $((150 - 62 + 16)) # the icon of entry 4
wait_launches "r3.exe r6.exe r2.exe r4.exe " && pass "a click on an overlay icon starts its entry" ||
    fail "entry 4 from the overlay: [$(launches)]"
click 500 520 # beside the icons, over the window beneath
sleep 1
if grep -q "click 500 520" "$work/clicks.log"; then
    pass "a click beside the icons reaches the window beneath"
else
    fail "click beside the icons: $(tr '\n' ' ' <"$work/clicks.log")"
fi

exit_from_menu 0

touch "$work/stop"
echo "screenshots in $out"
[ "$failures" -eq 0 ]
