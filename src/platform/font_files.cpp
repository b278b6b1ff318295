#include "platform/font_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tenrali {

namespace {

// One face's stream over a shared file: where it reads next.
struct Reader {
  int fd;
  Sint64 size, at;
};

Reader& reader(SDL_RWops* rw) { return *static_cast<Reader*>(rw->hidden.unknown.data1); }

}  // namespace

FontFile::FontFile(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st;
  if (fd_ >= 0 && !(fstat(fd_, &st) == 0 && S_ISREG(st.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
  if (fd_ >= 0) size_ = st.st_size;
}

FontFile::~FontFile() {
  if (fd_ >= 0) ::close(fd_);
}

SDL_RWops* FontFile::stream() const {
  if (fd_ < 0) return nullptr;
  SDL_RWops* rw = SDL_AllocRW();
  if (!rw) return nullptr;
  rw->type = SDL_RWOPS_UNKNOWN;
  rw->hidden.unknown.data1 = new Reader{fd_, size_, 0};
  rw->size = [](SDL_RWops* rw) -> Sint64 { return reader(rw).size; };
  rw->seek = [](SDL_RWops* rw, Sint64 offset, int whence) -> Sint64 {
    Reader& r = reader(rw);
    const Sint64 to = offset + (whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? r.at : r.size);
    if (to < 0) return SDL_SetError("seek before the start of a font file");
    return r.at = to;
  };
  rw->read = [](SDL_RWops* rw, void* out, size_t size, size_t count) -> size_t {
    Reader& r = reader(rw);
    if (size == 0 || count == 0) return 0;
    size_t got = 0, want = size * count;
    while (got < want) {
      const ssize_t n = pread(r.fd, static_cast<char*>(out) + got, want - got, r.at + static_cast<Sint64>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    r.at += static_cast<Sint64>(got);
    return got / size;
  };
  rw->write = [](SDL_RWops*, const void*, size_t, size_t) -> size_t { return 0; };
  rw->close = [](SDL_RWops* rw) -> int {
    delete &reader(rw);
    SDL_FreeRW(rw);
    return 0;
  };
  return rw;
}

}  // namespace tenrali
