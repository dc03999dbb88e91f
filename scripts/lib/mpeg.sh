# shellcheck shell=bash
# MPEG audio helpers for the generator scripts: the first-frame-header scan
# that the playing-time estimate uses, and the size of a leading ID3v2 tag.

# How many bytes of a file the scan looks at.
readonly VL_HEADER_BYTES=4100

# Bit rates (kbit/s) of the MPEG audio frame header, bit-rate index 1 to 14,
# one string per column: MPEG-1 Layer I, II, III; MPEG-2 Layer I; MPEG-2
# Layers II and III (MPEG-2.5 uses the MPEG-2 values).
readonly -a VL_KBPS_TABLE=(
	'32 64 96 128 160 192 224 256 288 320 352 384 416 448'
	'32 48 56 64 80 96 112 128 160 192 224 256 320 384'
	'32 40 48 56 64 80 96 112 128 160 192 224 256 320'
	'32 48 56 64 80 96 112 128 144 160 176 192 224 256'
	'8 16 24 32 40 48 56 64 80 96 112 128 144 160'
)

# vl_id3v2_size FILE: size in bytes of a leading ID3v2 tag (its 10-byte
# header included), or 0 when the file does not start with one
vl_id3v2_size() {
	local b
	read -r -a b <<<"$(od -An -v -tu1 -N10 "$1")"
	if ((${#b[@]} == 10 && b[0] == 73 && b[1] == 68 && b[2] == 51)); then
		echo $(((b[6] << 21 | b[7] << 14 | b[8] << 7 | b[9]) + 10))
	else
		echo 0
	fi
}

# vl_mpeg_first_header FILE: looks for the first frame header in the first
# 4100 bytes (a byte 255, then a byte >= 226, then a byte from 16 to 235; a
# shorter file counts as padded with zeros) and prints
# "VERSION LAYER KBPS" (version 1, 2 or 2.5), or "none"
vl_mpeg_first_header() {
	local -a b row
	read -r -a b <<<"$(od -An -v -tu1 -N"$VL_HEADER_BYTES" "$1" | tr -s ' \n' '  ')"
	while ((${#b[@]} < VL_HEADER_BYTES)); do b+=(0); done
	local i b1 b2 version layer col
	for ((i = 0; i <= VL_HEADER_BYTES - 3; i++)); do
		((b[i] == 255 && b[i + 1] >= 226 && b[i + 2] >= 16 && b[i + 2] <= 235)) || continue
		b1=${b[i + 1]}
		b2=${b[i + 2]}
		case $(((b1 >> 3) & 3)) in
		3) version=1 ;;
		2) version=2 ;;
		0) version=2.5 ;;
		*) echo none && return ;;
		esac
		layer=$((4 - ((b1 >> 1) & 3)))
		((layer <= 3)) || { echo none && return; }
		if [[ $version == 1 ]]; then
			col=$((layer - 1))
		elif ((layer == 1)); then
			col=3
		else
			col=4
		fi
		read -r -a row <<<"${VL_KBPS_TABLE[col]}"
		echo "$version $layer ${row[(b2 >> 4) - 1]}"
		return
	done
	echo none
}
