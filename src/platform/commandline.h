#pragma once

namespace tildora {

// Whether the command line asks only for help or the version: they are
// answered without a display, so they work over ssh and in scripts.
bool asksOnlyForText(int argc, char *argv[]);

} // namespace tildora
