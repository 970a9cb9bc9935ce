// The reasons both halves of the file layer give, as the desk tells them: one Swedish text and one runtime
// error number each, whichever system the reason came from.
#include "FileFailure.h"
#include "RuntimeError.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(FailureReasons, EachReasonOfTheFileLayerHasTheDesksTextAndNumber) {
    using namespace runtime_error_numbers;
    const std::tuple<int, int, const char*> cases[] = {
        {ENOSPC, DiskFull, "Disken är full"},
        {EFBIG, DiskFull, "Filen har nått största tillåtna storlek"},
        {EACCES, PathFileAccess, "Behörighet saknas"},
        {EROFS, PathFileAccess, "Disken är skrivskyddad"},
        {EISDIR, PathFileAccess, "Det är en mapp, inte en fil"},
        {EBUSY, PermissionDenied, "Filen används av ett annat program"},
        {ENOENT, FileNotFound, "Filen finns inte längre"},
        {ENOTDIR, FileNotFound, "Mappen finns inte längre"},
        {EIO, DeviceIO, "Läs- eller skrivfel på disken"}};
    for (const auto& [errnoValue, number, reason] : cases) {
        const RuntimeError error = base::fileFailure("C:/Tävlingar/Höst.dat", errnoValue);
        EXPECT_EQ(error.number(), number) << reason;
        EXPECT_EQ(error.reason(), reason);
    }
}
