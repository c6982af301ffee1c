// The image view's title.
#include "imageview/image_texts.h"

#include "core/path.h"

std::string ImageTitle(const char* path) {
  PathParts parts;
  std::string name = SplitPath(path, &parts) == 0 ? parts.name + parts.ext : std::string(path);
  return name + " のｲﾒｰｼﾞ";
}
