#!/bin/bash
# Long fuzzing runs on demand; the test suite runs a short seeded corpus of every reader already.
#
#   scripts/fuzz.sh [SECONDS]        native libFuzzer targets, SECONDS each (default 60)
#   scripts/fuzz.sh --wine SCALE     the Windows fuzz drivers under Wine with SCALE times their
#                                    corpus and a fresh seed (OSTREL_FUZZ_SCALE, OSTREL_FUZZ_SEED)
#
# Native targets, built with clang, libFuzzer and the address and undefined-behaviour sanitizers:
#   texture_record  a stored texture block through the control library's block reader
#                   (ostrel/gradient/TextureBlock.cpp), then the texture module's recipe check and
#                   painter (host/texture/TexturePaint.cpp); seeded with the blocks of the texture
#                   sample file when the x86_64 build has written it.
# Not native: the item-list file reader (platform/vendor/Drevnic/list_file.cpp) takes its record
# layouts from Drevnic.h, which stands on the framework's afxwin.h and so on windows.h; the
# gradient renderer, the tip mark-up and the image decoders need windows.h as well. They are
# fuzzed under Wine only, by tests/fuzz (run longer with --wine).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--wine" ]; then
  scale=${2:-10}
  cmake --build build/x86_64 --target fuzz_tests
  export WINEPREFIX="$PWD/build/x86_64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export OSTREL_FUZZ_SCALE=$scale OSTREL_FUZZ_SEED=$RANDOM
  echo "fuzz: Wine drivers at $scale x, seed $OSTREL_FUZZ_SEED"
  cd build/x86_64/bin
  exec ../../../scripts/with-display.sh ../wine-run.sh ./fuzz_tests.exe
fi

seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: installing clang"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends clang
fi

out=build/fuzz-native
mkdir -p "$out/texture_record.corpus"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I tests/fuzz/native -I ostrel -I host/texture \
  tests/fuzz/native/texture_record_fuzz.cpp ostrel/gradient/TextureBlock.cpp host/texture/TexturePaint.cpp \
  -o "$out/texture_record"

# Seeds: the data blocks of the texture sample file (an item list: see Drevnic.h for the layout).
sample=build/x86_64/bin/Tarvik.dat/Sordune.smp
if [ -f "$sample" ]; then
  python3 - "$sample" "$out/texture_record.corpus" <<'PY'
import struct, sys
b = open(sys.argv[1], 'rb').read()
word = lambda at: struct.unpack_from('<I', b, at)[0]
at = 8 + 4 + 96
items = word(at); at += 8
for i in range(items):
    flags, name = word(at + 4), word(at + 8)
    at += 12 + name
    if flags & 1:
        bits, w, h = word(at), word(at + 4), word(at + 8)
        at += 12 + (w * bits + 7) // 8 * h
    if flags & 2:
        at += 4 + 4 * word(at)
    if flags & 4:
        n = word(at)
        open('%s/block%02d' % (sys.argv[2], i), 'wb').write(b[at + 4:at + 4 + n])
        at += 4 + n
PY
fi

echo "fuzz: texture_record for ${seconds} s"
"$out/texture_record" -max_total_time="$seconds" -max_len=1024 "$out/texture_record.corpus"
