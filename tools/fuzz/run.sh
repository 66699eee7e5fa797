#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, 32-bit like the product) and runs each for
# SECONDS, one after another on one core. Corpora and findings stay under
# build-fuzz/. A tool, not a test: tools/test.sh does not run it.
#   bash tools/fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
shift || true
out="$top/build-fuzz"

# Not among the test command's packages: only this tool needs them.
need=(clang-14 libclang-rt-14-dev libc6-dev-i386 lib32stdc++-12-dev lib32gcc-12-dev)
installed=$(dpkg-query -W -f='${Status}\n' "${need[@]}" 2>/dev/null | grep -c 'install ok installed' || true)
if ((installed < ${#need[@]})); then
    if [ "$(id -u)" != 0 ]; then
        echo "As root run: apt-get install -y --no-install-recommends ${need[*]}" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
mkdir -p "$out"

# The product files each target is built from, beside the shim and the
# memory and text functions every one of them may use.
declare -A sources=(
    [bitmap_header]="wizard/BitmapHeader.cpp"
    [compressed_header]="payload/CompressedHeader.cpp"
    [format_text]="util/Format.cpp"
    [path_join]="util/Path.cpp"
    [queue_lines]="payload/RestartQueueText.cpp"
    [pending_pairs]="payload/RestartQueueText.cpp"
    [proxy_server]="pages/ProxyServerText.cpp"
    [country_match]="pages/Countries.cpp"
    [layout]="pages/PageLayout.cpp core/BackdropGradient.cpp wizard/PanelPicture.cpp"
)
order=(bitmap_header compressed_header format_text path_join queue_lines pending_pairs proxy_server country_match layout)
if (($#)); then order=("$@"); fi

# The x86 kernel headers serve both widths; only the 64-bit ones are installed.
flags=(-m32 -std=c++17 -g -O1 -fno-omit-frame-pointer
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -idirafter /usr/include/x86_64-linux-gnu -Wall -Wno-unused-result -I "$top/tools/fuzz/shim" -I "$top" -I "$top/tools/fuzz")
status=0
for target in "${order[@]}"; do
    [[ -n ${sources[$target]:-} ]] || { echo "unknown target: $target" >&2; exit 2; }
    work="$out/$target"
    mkdir -p "$work/corpus" "$work/findings"
    files=()
    for f in ${sources[$target]} util/Memory.cpp util/Text.cpp; do files+=("$top/$f"); done
    clang++ "${flags[@]}" -o "$work/$target" "$top/tools/fuzz/$target.cpp" "$top/tools/fuzz/shim/shim.cpp" \
        $(printf '%s\n' "${files[@]}" | sort -u)
    before=$(ls "$work/findings" | wc -l)
    (cd "$work" && "./$target" -jobs=1 -max_total_time="$seconds" -print_final_stats=1 \
        -use_value_profile=1 -artifact_prefix="$work/findings/" corpus >/dev/null 2>&1) || true
    log="$work/fuzz-0.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    found=$(ls "$work/findings" | wc -l)
    if ((found > before)); then
        verdict="FOUND $(ls -t "$work/findings" | head -1) (see $log)"
        status=1
    else
        verdict="nothing found"
    fi
    printf '%-18s %4ss  %12s executions  corpus %5s  %s\n' "$target" "$seconds" "${runs:-?}" \
        "$(ls "$work/corpus" | wc -l)" "$verdict"
    cp "$log" "$work/last-run.log"
done
exit $status
