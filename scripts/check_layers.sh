#!/usr/bin/env bash
# Dependencies run one way: platform < core < enemy < species < field <
# fieldmap, app. A file may include its own folder and the folders below it,
# never one above. The composite Enemy (the class that derives from every
# species, its pool and its spawner) is the one place in enemy/ that includes
# species/.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case $1 in
    platform) echo 0 ;; core) echo 1 ;; enemy) echo 2 ;; species) echo 3 ;;
    field) echo 4 ;; fieldmap) echo 5 ;; app) echo 6 ;; *) echo -1 ;;
  esac
}
composite_enemy="src/enemy/enemy.h src/enemy/enemy.cpp src/enemy/enemy_pool.cpp src/enemy/spawn_enemy.cpp"

bad=0
while IFS= read -r file; do
  own=$(echo "$file" | cut -d/ -f2)
  own_rank=$(rank "$own")
  while IFS= read -r folder; do
    [ -n "$folder" ] || continue
    inc_rank=$(rank "$folder")
    [ "$inc_rank" -ge 0 ] || continue
    [ "$inc_rank" -gt "$own_rank" ] || continue
    # fieldmap and app are side by side at the top; neither includes the other
    # except app, which holds the Game and its scenes.
    [ "$own:$folder" = "app:fieldmap" ] && continue
    if [ "$folder" = species ] && [[ " $composite_enemy " == *" $file "* ]]; then continue; fi
    echo "$file includes $folder/ (a folder above its own)"
    bad=1
  done < <(grep -oE '^\s*#\s*include\s*"[a-z_]+/' "$file" | sed -E 's/.*"([a-z_]+)\//\1/' | sort -u)
done < <(find src -name '*.cpp' -o -name '*.h' | sort)

if [ "$bad" -ne 0 ]; then
  echo "Layering check failed: dependencies must run platform, core, enemy, species, field, fieldmap/app."
  exit 1
fi
echo "Layering check passed."
