# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# The screen reader for the case that listens: Orca on the case's own display and buses,
# speaking Italian through a private speech-dispatcher with espeak-ng, its sound sent to a
# null device, and every spoken string kept in its debug file (lines "SPEECH OUTPUT:").
#
# Sourced by run-e2e.sh after scripts/desktop.sh and speech.sh, with HOME and XDG_RUNTIME_DIR
# already private. `start_orca FILE` returns once Orca listens to the accessibility bus.
# shellcheck disable=SC2154 # work, mark and started belong to the sourcing script

orca_tools_missing() { # the first missing piece, if any
    local tool
    for tool in orca localedef; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "$tool"
            return
        }
    done
    speech_tools_missing
}

italian_locale() { # Orca's own words in Italian; compiled privately when the machine lacks it
    export LANG=it_IT.UTF-8 LANGUAGE=it
    unset LC_ALL
    if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
        mkdir -p "$work/locale"
        localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8" >"$work/localedef.log" 2>&1 || {
            echo "localedef could not compile it_IT.UTF-8" >&2
            return 1
        }
        export LOCPATH="$work/locale"
    fi
}

orca_settings() {
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
    mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    speech_settings 3
    # Orca's settings already saved: it starts with speech on and braille off, asking nothing.
    cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<'CONF'
{
    "general": {"enableSpeech": true, "enableBraille": false, "enableSound": false,
                "firstStart": false},
    "profiles": {"default": {"profile": ["Default", "default"]}},
    "pronunciations": {},
    "keybindings": {}
}
CONF
}

start_orca() { # start_orca DEBUG_FILE
    italian_locale || return 1
    orca_settings
    : >"$1"
    env "$mark" /usr/bin/python3 "$here/orca_logged.py" "$1" >"$work/orca.log" 2>&1 &
    started+=($!)
    wait_for 30 grep -q "ORCA: ATSPI registry initialized" "$1" || {
        echo "Orca did not start" >&2
        return 1
    }
}
