#include "capi/ErrnoStatus.h"

#include <cerrno>

#include "perforex/perforex_c.h"

int ErrnoStatus::Of(int error, int otherwise) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return PFX_ERROR_NOT_FOUND;
        case EISDIR:
            return PFX_ERROR_IS_DIRECTORY;
        case EACCES:
        case EPERM:
        case EROFS:
            return PFX_ERROR_PERMISSION;
        default:
            return otherwise;
    }
}
