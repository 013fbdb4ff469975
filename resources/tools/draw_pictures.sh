#!/usr/bin/env bash
# Redraws resources/tile_strip.png, resources/splash_cards.png and the icon sizes
# in resources/icons/ from resources/icons/org.plenwick.Plenwick.svg.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build/pictures -G Ninja -DPLENWICK_BUILD_PICTURE_TOOL=ON -DPLENWICK_BUILD_TESTS=OFF -DPLENWICK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/pictures --target draw_pictures
QT_QPA_PLATFORM=offscreen build/pictures/resources/tools/draw_pictures resources
