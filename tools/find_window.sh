# Sourced by the desktop session scripts.
# find_window NAME: the id of the window titled exactly NAME, waiting for it
# to appear as long as a busy machine may take (120 s, or
# KARARION_WINDOW_PATIENCE seconds); nothing and a failure when it does not.
find_window() {
  local id="" end=$((SECONDS + ${KARARION_WINDOW_PATIENCE:-120}))
  while [ "$SECONDS" -lt "$end" ]; do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] && echo "$id"
}
