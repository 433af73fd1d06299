#pragma once
// Picture object (a mouse icon, say) passed by reference between the host and
// the components: the bytes of the image file it was loaded from.

#include <string>

namespace gridkit::host {

struct StdPicture {
  std::string Data;  // the image file's bytes

  bool operator==(const StdPicture&) const = default;
};

}  // namespace gridkit::host
