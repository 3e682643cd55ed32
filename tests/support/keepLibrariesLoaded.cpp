// Preloaded into sanitized runs (LD_PRELOAD): libraries stay mapped until the process ends, so
// that the leak report at exit can still name the GL driver's frames and the suppressions match
// them. Mesa unloads its driver when the display closes, which comes before that report.
extern "C" int dlclose(void*) { return 0; }
