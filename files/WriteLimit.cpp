#include "files/WriteLimit.h"

#ifndef _WIN32
#include <csignal>
#endif

namespace tesmarik {

void SurviveFileSizeLimit() {
#ifndef _WIN32
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace tesmarik
