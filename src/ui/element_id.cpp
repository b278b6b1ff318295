#include "ui/element_id.h"

#include <cstring>

namespace tenrali {

namespace {
const char* const kNames[] = {
#define NAMED(name) #name,
#define UNNAMED(name) "",
#include "ui/element_list.h"
#undef NAMED
#undef UNNAMED
};
static_assert(sizeof(kNames) / sizeof(kNames[0]) == kElementCount);
}  // namespace

const char* elementName(E e) { return kNames[index(e)]; }

E findElement(const char* name) {
  if (!name || !*name) return E::count;
  for (int i = 0; i < kElementCount; ++i)
    if (std::strcmp(kNames[i], name) == 0) return elementAt(i);
  return E::count;
}

}  // namespace tenrali
