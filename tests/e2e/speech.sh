# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# A private speech-dispatcher for the cases that listen: Italian through espeak-ng, its sound
# sent to a null device, its log in the case's folder. Whoever speaks first spawns it on a
# socket under the private XDG_RUNTIME_DIR; it carries the case's mark, so the clean-up stops it.
#
# Sourced by run-e2e.sh after scripts/desktop.sh, with HOME and XDG_RUNTIME_DIR already private.
# shellcheck disable=SC2154 # work belongs to the sourcing script

speech_tools_missing() { # the first missing piece, if any
    command -v speech-dispatcher >/dev/null 2>&1 || {
        echo speech-dispatcher
        return
    }
    command -v espeak-ng >/dev/null 2>&1 || {
        echo espeak-ng
        return
    }
    [ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || echo speech-dispatcher-espeak-ng
}

# speech_settings LEVEL: at level 5 the log records every text asked for ("Queueing message").
speech_settings() {
    export XDG_CONFIG_HOME="$HOME/.config"
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/speechd"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel $1
LogDir "$work/speechd"
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "it"
Timeout 0
CONF
}
