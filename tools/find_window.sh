# Sourced by the desktop session scripts.
# find_window NAME: the id of the window titled exactly NAME, waiting up to
# 10 s for it to appear; nothing and a failure when it does not.
find_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] && echo "$id"
}
