# shellcheck shell=bash
# Shared helpers for the generator scripts in scripts/.
# Source it from bash after `set -euo pipefail`; it defines functions and a few
# read-only values and changes nothing on disk by itself.

# Fixed environment, so that every tool behaves the same on every run.
export LC_ALL=C.UTF-8
export TZ=UTC
export SOURCE_DATE_EPOCH=315532800 # 1980-01-01 00:00:00 UTC
umask 022

VL_REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck disable=SC2034 # used by the scripts that source this file
readonly VL_REPO_ROOT

# The line that separates a track text from its side block:
# 16 blanks, then -+----+---------+----+-
readonly VL_SEPARATOR='                -+----+---------+----+-'

vl_die() {
	printf '%s: %s\n' "${0##*/}" "$*" >&2
	exit 1
}

vl_say() {
	printf '%s: %s\n' "${0##*/}" "$*" >&2
}

# vl_need_packages PKG...
# Installs the Debian packages that are not installed yet. An argument of the
# form "a|b" is satisfied by either package; "a" is installed when neither is.
vl_need_packages() {
	local want missing=() alt found
	for want in "$@"; do
		found=
		IFS='|' read -r -a alt <<<"$want"
		local p
		for p in "${alt[@]}"; do
			if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
				found=1
				break
			fi
		done
		[[ -n $found ]] || missing+=("${alt[0]}")
	done
	((${#missing[@]} == 0)) && return 0
	vl_say "installing: ${missing[*]}"
	local sudo=()
	if ((EUID != 0)); then
		command -v sudo >/dev/null || vl_die "need root (or sudo) to install: ${missing[*]}"
		sudo=(sudo)
	fi
	"${sudo[@]}" apt-get update -qq
	DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# ImageMagick 6 command; the packaged one is preferred over anything earlier
# on PATH.
vl_convert() {
	if [[ -x /usr/bin/convert ]]; then
		/usr/bin/convert "$@"
	else
		convert "$@"
	fi
}

# vl_text ENCODING EOL FILE
# Writes standard input (UTF-8, LF line ends) to FILE.
#   ENCODING: cp1252 | utf8 | utf8bom
#   EOL:      crlf | lf
# A line that is exactly "@@" becomes the side-block separator line.
vl_text() {
	local enc=$1 eol=$2 file=$3 body
	body="$(sed "s/^@@\$/${VL_SEPARATOR}/")"$'\n'
	if [[ $eol == crlf ]]; then
		body="${body//$'\n'/$'\r\n'}"
	fi
	case $enc in
	cp1252) printf '%s' "$body" | iconv -f UTF-8 -t WINDOWS-1252 >"$file" ;;
	utf8) printf '%s' "$body" >"$file" ;;
	utf8bom) { printf '\xEF\xBB\xBF'; printf '%s' "$body"; } >"$file" ;;
	*) vl_die "unknown text encoding: $enc" ;;
	esac
}

# vl_tune OUT.wav RATE CHANNELS SECONDS CHORD...
# Synthesises a short plucked-string piece: every chord (notes joined by "+",
# e.g. A2+A3+C#4+E4) is strummed in turn, each for SECONDS / number of chords,
# with a little reverb. Deterministic: SoX runs with its fixed random seed
# (-R) and without dither (-D).
vl_tune() {
	local out=$1 rate=$2 chans=$3 secs=$4
	shift 4
	local n=$# dur work i=0 chord notes note voices delays d
	dur=$(awk -v s="$secs" -v n="$n" 'BEGIN { printf "%.6f", s / n }')
	work=$(mktemp -d)
	local parts=()
	for chord in "$@"; do
		IFS='+' read -r -a notes <<<"$chord"
		voices=()
		delays=()
		d=0
		for note in "${notes[@]}"; do
			voices+=(pluck "$note")
			delays+=("$(awk -v k="$d" 'BEGIN { printf "%.3f", k * 0.045 }')")
			d=$((d + 1))
		done
		i=$((i + 1))
		sox -R -D -r 48000 -c "${#notes[@]}" -n -b 16 -c 1 "$work/$i.wav" \
			synth "$dur" "${voices[@]}" delay "${delays[@]}" remix - trim 0 "$dur"
		parts+=("$work/$i.wav")
	done
	sox -R -D "${parts[@]}" -b 16 -c "$chans" "$out" \
		reverb 30 50 60 gain -n -3 fade t 0.01 "$secs" 0.3 rate -v "$rate" trim 0 "$secs"
	rm -rf "$work"
}
