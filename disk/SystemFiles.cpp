#include "disk/SystemFiles.h"

#include <cerrno>

namespace disk {

std::error_code LastErrno() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

}  // namespace disk
