#include "core/services/oversized_file.h"

#include "core/services/atomic_file.h"
#include "core/services/error.h"

namespace {

constexpr int FileTooLargeMessage = 440;

}  // namespace

bool RefuseOversizedFile(const char* path)
{
    if (path == nullptr || !IsTooLargeToRead(path)) return false;
    Error(FileTooLargeMessage, path, int(WholeFileReadLimit >> 20));
    return true;
}
