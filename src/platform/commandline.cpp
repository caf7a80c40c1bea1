#include "platform/commandline.h"

#include <cstring>
#include <initializer_list>

namespace tildora {

bool asksOnlyForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *text : {"--help", "-h", "-?", "--help-all", "--version", "-v"})
            if (std::strcmp(argv[i], text) == 0)
                return true;
    return false;
}

} // namespace tildora
