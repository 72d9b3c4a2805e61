// The system libraries under SDL, X11, FluidSynth (with its OpenMP threads) and CUPS
// keep allocations for the life of the process and share state between their own
// threads in ways the sanitizers cannot see; reports from inside them say nothing about the album.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libX11\nleak:libxcb\nleak:libSDL2\nleak:libdbus\nleak:libfluidsynth\n"
           "leak:libglib\nleak:libcups\nleak:libfontconfig\nleak:libcairo\nleak:libpulse\n"
           "leak:libasound\n";
}

extern "C" const char* __tsan_default_suppressions() {
    return "race:libSDL2\nrace:libfluidsynth\nrace:libgomp\nrace:libX11\nrace:libpulse\n"
           "race:libasound\nrace:libglib\nrace:libdbus\nrace:libcups\ndeadlock:libSDL2\n";
}
