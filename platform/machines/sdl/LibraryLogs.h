#pragma once
// The libraries under the desktop write their own complaints on standard error: the
// Wayland client when no compositor can be reached, ALSA when there is no sound card,
// SDL's log. The album speaks for itself instead (its own line when there is no display,
// silence when it runs without sound), so their logs go nowhere. Done before any of them
// starts, as some speak at their first call.

namespace LibraryLogs {

void Silence();

}  // namespace LibraryLogs
