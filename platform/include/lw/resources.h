// The program's resources on Linux. On Windows they live in the executable,
// compiled from resources/lanxiu.rc; here the build generates this table from
// the same script and the same files, and LoadImageA looks names up in it.
#pragma once

#include <cstddef>

namespace lw {

enum class ResourceType { GroupIcon };

struct ResourceEntry {
  const char* name;  // as written in the resource script, e.g. "DEFAULT_ICON"
  ResourceType type;
  const unsigned char* data;  // the whole file the script names (an .ico file)
  size_t size;
};

// Defined by the generated source that the program links in.
extern const ResourceEntry kResourceTable[];
extern const size_t kResourceCount;

}  // namespace lw
