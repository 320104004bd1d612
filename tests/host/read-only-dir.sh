#!/usr/bin/env bash
# Makes (or removes) a directory that nobody, root included, can write into, with a
# settings file in its Plugins folder: a read-only current directory for the Wine
# suite. Where the file system has no immutable flag nothing is made, and the test
# that needs it skips.  Usage: read-only-dir.sh make|remove DIR
set -uo pipefail
action=$1 dir=$2
chattr -R -i "$dir" 2>/dev/null
rm -rf "$dir"
[ "$action" = make ] || exit 0
mkdir -p "$dir/Plugins"
printf '[Settings]\r\nName=Ivan\r\n' > "$dir/Plugins/KOVRA.ini"
if ! chattr +i "$dir/Plugins/KOVRA.ini" "$dir/Plugins" "$dir" 2>/dev/null; then
  chattr -R -i "$dir" 2>/dev/null
  rm -rf "$dir"
fi
exit 0
