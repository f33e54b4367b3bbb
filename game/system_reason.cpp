#include "game/system_reason.h"

#include <cerrno>

#include "game/gbk.h"
#include "game/record_import.h"

namespace {

struct Reason {
    int error;
    const char* text;
};

constexpr Reason REASONS[] = {
    {EACCES, GBK_REASON_NO_PERMISSION}, {EPERM, GBK_REASON_NO_PERMISSION},
    {ENOSPC, GBK_REASON_DISK_FULL},     {EDQUOT, GBK_REASON_DISK_FULL},
    {EROFS, GBK_REASON_READ_ONLY},      {ENOTDIR, GBK_REASON_NO_FOLDER},
    {EISDIR, GBK_REASON_IS_FOLDER},     {ENAMETOOLONG, GBK_REASON_NAME_TOO_LONG},
};

}  // namespace

std::string systemReason(int error, FileUse use) {
    if (error == 0) return GBK_REASON_UNKNOWN;
    if (error == ENOENT) return use == FileUse::Reading ? GBK_REASON_NO_FILE : GBK_REASON_NO_FOLDER;
    for (const Reason& r : REASONS)
        if (r.error == error) return r.text;
    return formatMessage(GBK_REASON_SYSTEM, error);
}
