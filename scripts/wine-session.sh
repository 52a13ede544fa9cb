# shellcheck shell=bash
#
# Wine session helpers for building and testing Tallyra on Linux.
#
# Source this file, then:
#
#     wine_install_for_machine             # optional; only touches apt if something is missing
#     wine_session_start build/wine        # Xvfb + Russian locale + prefix + persistent wineserver
#     trap wine_session_stop EXIT
#     scripts/wine-exec some.exe args...   # exit code of some.exe
#
# or, to run the program itself: wine_build_program, then wine_start_program DIR SECONDS.
#
# Calling Wine directly (wine_in_locale "${WINE_SESSION_RUN[@]}") works too, but then a process the program leaves
# behind (a child, or explorer.exe restarting the virtual desktop) keeps the
# caller's stdout open; in $(...) or under ctest that waits until it exits.
# wine-exec avoids that.
#
# wine_session_start exports:
#     DISPLAY            the private Xvfb display (1280x1024x24) with a virtual desktop, or
#                        WINE_SESSION_DISPLAY if set, where windows are top-level windows of their own
#     WINEPREFIX         <dir>/prefix (64-bit, WoW64 with 32-bit Wine; kept between runs)
#     WINEARCH           win64
#     WINESERVER         the real wineserver binary (not the Debian wrapper)
#     WINE64             /usr/lib/wine/wine64
#     WINEDEBUG          -all
#     WINEDLLOVERRIDES   mscoree,mshtml=   (no Mono/Gecko install prompts)
#     WINE_SESSION_LOCPATH, WINE_SESSION_LC_ALL   a private ru_RU.UTF-8 locale, from which Wine
#                        takes its ANSI code page (1251); given to Wine alone (wine_in_locale), so
#                        that the caller's awk, printf and sort keep theirs
#     WINE_SESSION_DIR, WINE_SESSION_XVFB_PID
#     WINE_SESSION_NO_32BIT   empty where 32-bit programs run, else why they cannot
#
# The prefix also gets a copy of Wine's own fonts (see _wine_session_install_fonts): the
# dialogs' "MS Sans Serif" is then Wine's raster face of that name, as on Windows, and
# "MS Shell Dlg" is Tahoma.
#
# Every Wine call here runs under `timeout`; the processes Wine leaves running
# write to log files under <dir>, never to the caller's pipes.  Works under
# `set -euo pipefail`.  One session per DIR at a time.

: "${WINE_SESSION_WINE64:=/usr/lib/wine/wine64}"

# How Wine is started.  Its 64-bit loader stands at a fixed address (0x7d000000), and the kernel
# puts the loader's heap at random in the gigabyte above it: now and then on the fixed place of
# the shared user data (0x7ffe0000).  Wine then ends at once, before the program begins, saying
# only "failed to map the shared user data" (on its error channel).  Debian's Wine has no
# preloader to reserve that place first.  Without address randomization the heap stays right
# above the loader; every process Wine starts inherits that.  Where the kernel refuses it,
# wine_session_start says so.
WINE_SESSION_RUN=("$WINE_SESSION_WINE64")
setarch -R true 2>/dev/null && WINE_SESSION_RUN=(setarch -R "$WINE_SESSION_WINE64")

# Packages the build and the tests need.  The X libraries are ones Wine's X11
# driver loads at run time; they come in through other packages on a normal
# install but are listed so that --no-install-recommends cannot lose them.
WINE_SESSION_PACKAGES=(
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 xvfb xdotool x11-utils imagemagick fonts-wine locales googletest libgtest-dev
    cmake make g++ python3 python3-pefile clang-format
    libxrender1 libxrandr2 libxcursor1 libxi6 libxinerama1 libxcomposite1
    libxfixes3 libxxf86vm1
)

_wine_session_log() { printf 'wine-session: %s\n' "$*" >&2; }

# Does this machine run 32-bit x86 code?  Some kernels do, some do not; the answer comes
# from running a 91-byte i386 ELF program that only exits with code 0.  TALLYRA_32BIT=no
# makes the answer no, as on a machine without 32-bit support.  Prints the reason for a no.
wine_machine_runs_32bit() {
    if [[ "${TALLYRA_32BIT:-}" == no ]]; then
        echo "TALLYRA_32BIT=no"
        return 1
    fi
    # An ELF header, one program header loading it all at 0x08048000, and the code
    # xor ebx,ebx / xor eax,eax / inc eax / int 0x80: the system call exit(0).
    local elf=7f454c460101010000000000000000000200030001000000548004083400000000000000000000003400200001
    elf+=00000000000000010000000000000000800408008004085b0000005b000000050000000010000031db31c040cd80
    local probe
    probe=$(mktemp "${TMPDIR:-/tmp}/elf32.XXXXXX") || return 1
    # shellcheck disable=SC2059  # the format is the bytes themselves
    printf "$(sed 's/../\\x&/g' <<<"$elf")" >"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    ((status == 0)) || echo "the kernel does not run 32-bit x86 programs (exit status $status)"
    return $((status != 0))
}

_wine_session_apt_failed() {
    _wine_session_log "$1"
    sed 's/^/    /' <<<"$_WINE_SESSION_APT_FAILED" >&2
}
_wine_session_installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }

# Install whatever is missing from WINE_SESSION_PACKAGES (plus any extra package names given as
# arguments).  Runs `apt-get update` at most once per shell, and not at all when everything is
# already there.  A package list that cannot be read (a mirror in the middle of a sync, a source
# that is gone) stops nothing: what can be installed is.  Names each package that cannot be,
# with the lists that failed and what to do, and then fails.
wine_install_packages() {
    local missing=() failed=() p
    for p in "${WINE_SESSION_PACKAGES[@]}" "$@"; do
        _wine_session_installed "$p" || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    _wine_session_log "installing: ${missing[*]}"

    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo -n)
        else
            _wine_session_log "not root and no sudo; cannot install ${missing[*]}"
            return 1
        fi
    fi
    # 32-bit packages need their architecture known to dpkg, and then a fresh package list.
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386 || return 1
        _WINE_SESSION_APT_UPDATED=
    fi
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q)
    if [[ -z "${_WINE_SESSION_APT_UPDATED:-}" ]]; then
        local log
        log=$(mktemp) || return 1
        "${apt[@]}" update </dev/null 2>&1 | tee "$log" >&2 || true
        _WINE_SESSION_APT_FAILED=$(grep '^E: ' "$log" || true)
        rm -f "$log"
        _WINE_SESSION_APT_UPDATED=1
        [[ -z "$_WINE_SESSION_APT_FAILED" ]] ||
            _wine_session_apt_failed "apt could not read every package list; going on with those it has:"
    fi
    # All at once; where that fails, one by one, so that one that cannot be installed keeps out no other.
    if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" </dev/null; then
        for p in "${missing[@]}"; do
            "${apt[@]}" install -y --no-install-recommends "$p" </dev/null || true
        done
    fi
    for p in "${missing[@]}"; do
        _wine_session_installed "$p" || failed+=("$p")
    done
    ((${#failed[@]})) || return 0
    _wine_session_log "could not install: ${failed[*]}"
    if [[ -n "${_WINE_SESSION_APT_FAILED:-}" ]]; then
        _wine_session_apt_failed "apt could not read these package lists, which may hold them or what they need:"
        _wine_session_log "try again later (a mirror in the middle of a sync serves such lists for a while), or mend that source"
    fi
    [[ " ${failed[*]}" != *:i386* ]] ||
        _wine_session_log "without 32-bit Wine, TALLYRA_32BIT=no runs the x86_64 twin instead of the product"
    return 1
}

# Installs what the build and the tests need, and 32-bit Wine where this machine runs
# 32-bit programs.
wine_install_for_machine() {
    local why
    if why=$(wine_machine_runs_32bit); then
        wine_install_packages wine32:i386
    else
        _wine_session_log "32-bit programs do not run here ($why)"
        wine_install_packages
    fi
}

# The program a session runs: the product's i686 build where 32-bit programs run, else
# its x86_64 twin.  Says which on standard error.
wine_session_program() {
    if [[ -z "$WINE_SESSION_NO_32BIT" ]]; then
        _wine_session_log "running the product, build/win32/tallyra.exe, under 32-bit Wine"
        echo build/win32/tallyra.exe
    else
        _wine_session_log "running the x86_64 twin, build/win64/tallyra.exe: $WINE_SESSION_NO_32BIT"
        echo build/win64/tallyra.exe
    fi
}

# Installs what is missing and builds the program: the product and its twin.
wine_build_program() {
    wine_install_for_machine
    local preset
    for preset in win32 win64; do
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset" --target tallyra -j"$(nproc)"
    done
}

# Starts a session in DIR (on WINE_SESSION_DISPLAY if set), and in it the program for at most
# SECONDS, and waits for its main window.  Sets WINE_PROGRAM_PID and WINE_PROGRAM_WINDOW, or
# says that no window appeared and returns 1.  The program's output goes to DIR/tallyra.log.
wine_start_program() {
    local dir=$1 seconds=$2 program
    wine_session_start "$dir" || return 1
    program=$(wine_session_program)
    WINE_TIMEOUT=$seconds scripts/wine-exec "$program" >"$WINE_SESSION_DIR/tallyra.log" 2>&1 &
    WINE_PROGRAM_PID=$!
    WINE_PROGRAM_WINDOW=$(wine_wait_for_window '^Tallyra') && return 0
    _wine_session_log "no window of $program appeared"
    wine_stop_program
    return 1
}

wine_stop_program() {
    kill "$WINE_PROGRAM_PID" 2>/dev/null || true
    wait "$WINE_PROGRAM_PID" 2>/dev/null || true
}

# Waits up to 30 seconds for a visible window whose title matches the pattern; prints its X id.
wine_wait_for_window() {
    local window i
    for ((i = 0; i < 300; i++)); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [[ -n "$window" ]]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# The reviewed pictures of the windows for this session's Wine, under ROOT (tests/ui/pictures):
# each Wine version draws and spaces text a little differently, so each has a folder of its own,
# named as its `wine --version` begins (wine-8.0), whatever the packaging revision, with the full
# version they were made under kept inside.  Prints the folder and succeeds; prints why no folder
# fits this Wine and fails.
wine_reviewed_pictures() {
    local running
    running=$(timeout 60 "$WINE64" --version)
    if [[ ! -f "$1/${running%% *}/wine-version" ]]; then
        echo "no reviewed pictures show ${running%% *} ($running)"
        return 1
    fi
    echo "$1/${running%% *}"
}

# Kill a process we started earlier (pid read from our own pid file), but only
# if that pid still belongs to the expected program.
_wine_session_kill_pidfile() {
    local pidfile=$1 name=$2 pid cmd
    [[ -f "$pidfile" ]] || return 0
    pid=$(<"$pidfile")
    rm -f "$pidfile"
    [[ "$pid" =~ ^[0-9]+$ ]] || return 0
    cmd=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
    if [[ "$cmd" == *"$name"* ]]; then
        kill "$pid" 2>/dev/null || true
        local i
        for ((i = 0; i < 50; i++)); do
            kill -0 "$pid" 2>/dev/null || return 0
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
}

# Start our own Xvfb on a free display.  Sets WINE_SESSION_XVFB_PID and DISPLAY.
_wine_session_start_xvfb() {
    local dir=$1 dispfile="$1/xvfb.display" num="" i
    rm -f "$dispfile"
    # -displayfd lets Xvfb pick the first free display number itself and
    # write it to fd 3 once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$dispfile" </dev/null >"$dir/xvfb.log" 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    echo "$WINE_SESSION_XVFB_PID" >"$dir/xvfb.pid"
    for ((i = 0; i < 200; i++)); do
        if [[ -s "$dispfile" ]]; then
            num=$(tr -dc '0-9' <"$dispfile")
            [[ -n "$num" ]] && break
        fi
        if ! kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null; then
            _wine_session_log "Xvfb exited; see $dir/xvfb.log"
            return 1
        fi
        sleep 0.05
    done
    if [[ -z "$num" ]]; then
        _wine_session_log "Xvfb did not report a display; see $dir/xvfb.log"
        return 1
    fi
    export DISPLAY=":$num"
    export WINE_SESSION_XVFB_PID
}

# Does the prefix's user.reg already hold the virtual desktop settings?
_wine_session_desktop_set() {
    local reg="$WINEPREFIX/user.reg"
    [[ -f "$reg" ]] || return 1
    awk '
        /^\[/ { sec = $0 }
        sec ~ /^\[Software\\\\Wine\\\\Explorer\]/ && /^"Desktop"="Default"/ { a = 1 }
        sec ~ /^\[Software\\\\Wine\\\\Explorer\\\\Desktops\]/ && /^"Default"="1280x1024"/ { b = 1 }
        END { exit !(a && b) }
    ' "$reg"
}

# Runs a command with the session's Russian locale: Wine takes its ANSI code page from it.
wine_in_locale() { env LOCPATH="$WINE_SESSION_LOCPATH" LC_ALL="$WINE_SESSION_LC_ALL" "$@"; }

# Runs Wine's loader (wineboot, reg, ...) in the session, for at most SECONDS, its output to LOG.
_wine_session_wine() {
    local seconds=$1 log=$2
    shift 2
    wine_in_locale timeout "$seconds" "${WINE_SESSION_RUN[@]}" "$@" </dev/null >>"$log" 2>&1
}

# Stops the session's wineserver, and with it every Wine process of the prefix, and waits until
# it is gone (at once if none is running).
_wine_session_stop_server() {
    timeout 30 "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    timeout 30 "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
}

# Starts the persistent server: system processes (services.exe, explorer.exe, ...) stay up
# between runs, so a program starts in a fraction of a second.  Called directly, because
# Debian's /usr/bin/wineserver wrapper adds -p0.
_wine_session_start_server() {
    wine_in_locale timeout 30 "$WINESERVER" -p </dev/null >>"$WINE_SESSION_DIR/wineserver.log" 2>&1 && return
    _wine_session_log "wineserver -p failed; see $WINE_SESSION_DIR/wineserver.log"
    return 1
}

_wine_session_install_fonts() {
    local src=/usr/share/wine/fonts dst="$WINEPREFIX/drive_c/windows/Fonts" f
    if [[ ! -d "$src" ]]; then
        _wine_session_log "$src missing (install fonts-wine)"
        return 1
    fi
    mkdir -p "$dst" || return 1
    for f in "$src"/*; do
        [[ -e "$dst/${f##*/}" ]] || cp "$f" "$dst/" || return 1
    done
}

# wine_session_start DIR
wine_session_start() {
    local dir=${1:?usage: wine_session_start DIR}
    mkdir -p "$dir" || return 1
    dir=$(cd "$dir" && pwd) || return 1

    if [[ -n "${WINE_SESSION_XVFB_PID:-}" ]] && kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null; then
        _wine_session_log "a session is already running (Xvfb pid $WINE_SESSION_XVFB_PID)"
        return 1
    fi

    if [[ ! -x "$WINE_SESSION_WINE64" ]]; then
        _wine_session_log "$WINE_SESSION_WINE64 not found (install wine64)"
        return 1
    fi
    local wineserver=/usr/lib/wine/wineserver64
    [[ -x "$wineserver" ]] || wineserver=$(command -v wineserver) || {
        _wine_session_log "wineserver not found"
        return 1
    }

    # Russian locale: Wine derives its ANSI code page (1251) from it.
    local locdir="$dir/locale"
    if [[ ! -f "$locdir/ru_RU.UTF-8/LC_CTYPE" ]]; then
        mkdir -p "$locdir"
        # localedef exits 1 on mere warnings; judge it by the result.
        localedef -i ru_RU -f UTF-8 "$locdir/ru_RU.UTF-8" >"$dir/localedef.log" 2>&1 || true
        if [[ ! -f "$locdir/ru_RU.UTF-8/LC_CTYPE" ]]; then
            _wine_session_log "localedef failed; see $dir/localedef.log"
            return 1
        fi
    fi

    export WINE_SESSION_DIR="$dir"
    export WINEPREFIX="$dir/prefix"
    export WINEARCH=win64
    export WINESERVER="$wineserver"
    export WINE64="$WINE_SESSION_WINE64"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINE_SESSION_LOCPATH="$locdir"
    export WINE_SESSION_LC_ALL=ru_RU.UTF-8

    # 32-bit programs run where the kernel runs 32-bit code and 32-bit Wine is installed;
    # otherwise WINE_SESSION_NO_32BIT says why not, and wine-exec skips them.
    local why wine32=/usr/lib/wine/wine
    if ! why=$(wine_machine_runs_32bit); then
        export WINE_SESSION_NO_32BIT="$why"
    elif [[ ! -x "$wine32" ]]; then
        export WINE_SESSION_NO_32BIT="32-bit Wine (wine32:i386) is not installed"
    else
        export WINE_SESSION_NO_32BIT=
    fi

    [[ ${WINE_SESSION_RUN[0]} == setarch ]] ||
        _wine_session_log "addresses cannot be kept from randomization here: now and then Wine may fail to start"

    # Leftovers of an earlier run in the same folder that did not stop cleanly.
    _wine_session_kill_pidfile "$dir/xvfb.pid" Xvfb
    [[ ! -d "$WINEPREFIX" ]] || _wine_session_stop_server
    # With 32-bit Wine installed a new prefix is a WoW64 one; one made before it was
    # installed (or removed) is made anew.
    local kind=win64
    [[ -x "$wine32" ]] && kind=wow64
    if [[ -d "$WINEPREFIX" && "$(cat "$dir/prefix.kind" 2>/dev/null)" != "$kind" ]]; then
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$dir" && echo "$kind" >"$dir/prefix.kind"

    # A caller with a screen of its own names it; otherwise the session brings its own.
    if [[ -n "${WINE_SESSION_DISPLAY:-}" ]]; then
        export DISPLAY="$WINE_SESSION_DISPLAY"
    else
        _wine_session_start_xvfb "$dir" || { wine_session_stop; return 1; }
    fi

    # The server chdirs into the prefix, so it has to exist first; an empty
    # folder is fine for wineboot -i.
    mkdir -p "$WINEPREFIX"

    _wine_session_start_server || { wine_session_stop; return 1; }

    # Create the prefix, or bring it up to date.  The processes wineboot
    # leaves behind write to the log, not to our caller's pipes.
    local boot=(wineboot)
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        _wine_session_log "creating Wine prefix in $WINEPREFIX"
        boot+=(-i)
    fi
    _wine_session_wine 600 "$dir/wineboot.log" "${boot[@]}" || {
        _wine_session_log "${boot[*]} failed; see $dir/wineboot.log"
        wine_session_stop
        return 1
    }

    # Wine's own fonts (Tahoma for MS Shell Dlg, Marlett for the caption
    # buttons, MS Sans Serif, ...).  This Wine build does not pick them up from
    # /usr/share/wine/fonts by itself, so dialogs would come out in DejaVu and
    # the caption buttons as the letters "0 1 r".  Copies in C:\windows\Fonts
    # are found.
    _wine_session_install_fonts || { wine_session_stop; return 1; }

    # Virtual desktop on the session's own Xvfb: bare Xvfb has no window manager, so without it
    # windows get no caption and focus goes astray.  On a caller's screen the windows are
    # top-level windows of their own, as any other program's.
    if [[ -z "${WINE_SESSION_DISPLAY:-}" ]] && ! _wine_session_desktop_set; then
        local key='HKCU\Software\Wine\Explorer'
        if ! _wine_session_wine 60 "$dir/reg.log" reg add "$key" /v Desktop /d Default /f ||
            ! _wine_session_wine 60 "$dir/reg.log" reg add "$key\Desktops" /v Default /d 1280x1024 /f; then
            _wine_session_log "setting the virtual desktop failed; see $dir/reg.log"
            wine_session_stop
            return 1
        fi
        # The desktop process that wineboot left running has no virtual desktop;
        # a fresh server starts the next one with it.
        _wine_session_stop_server
        _wine_session_start_server || { wine_session_stop; return 1; }
    fi
    return 0
}

# Stop the session: kill our wineserver (and with it every Wine process of the
# prefix) and our Xvfb.  Safe to call twice, or without a session.
wine_session_stop() {
    local dir=${WINE_SESSION_DIR:-}
    if [[ -n "$dir" ]]; then
        [[ ! -d "$WINEPREFIX" ]] || _wine_session_stop_server
        _wine_session_kill_pidfile "$dir/xvfb.pid" Xvfb
        rm -f "$dir/xvfb.display"
    fi
    [[ -z "${WINE_SESSION_XVFB_PID:-}" ]] || wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=
    WINE_SESSION_DIR=
    return 0
}
