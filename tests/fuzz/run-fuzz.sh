#!/usr/bin/env bash
# A short fuzz run over a scratch copy of the seed corpus, so the repository's
# corpus stays as committed. Usage: run-fuzz.sh TARGET SEED_DIR SCRATCH_DIR SECONDS
set -euo pipefail
target=$1 seeds=$2 scratch=$3 seconds=$4
rm -rf "$scratch"
mkdir -p "$scratch/corpus" "$scratch/findings"
cp "$seeds"/* "$scratch/corpus/"
cd "$scratch"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$scratch/findings/" "$scratch/corpus"
