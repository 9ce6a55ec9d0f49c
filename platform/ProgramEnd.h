#pragma once

// Ends the process at once with `status`: no further event handler, destructor or unload
// runs. Everything worth keeping has been written as it changed.
[[noreturn]] void endProgramNow(int status);
