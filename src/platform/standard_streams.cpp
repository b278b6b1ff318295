#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tenrali {

void keepStandardStreamsTaken() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // open() gives the lowest free number: this one.
    const int taken = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
    if (taken >= 0 && taken != fd) ::close(taken);
  }
}

}  // namespace tenrali
