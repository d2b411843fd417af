#include <cstdlib>

// Tests play on OpenAL Soft's silent output unless the caller chose another.
static const int kNullOutput = setenv("ALSOFT_DRIVERS", "null", 0);
