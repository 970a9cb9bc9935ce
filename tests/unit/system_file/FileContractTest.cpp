// The file-layer contract on this build's half, and the desk's words for the reasons.
#include "FileContract.h"
#include "FileFailure.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

using namespace file_contract;

TEST(FileContract, EveryCaseHolds) {
    for (const Case& c : Cases)
        EXPECT_EQ(outcomeOf(c), "") << c.name;
}

#ifndef _WIN32
TEST(FileContract, AFullDiskIsTold) {
    const FileSizeLimit limit(FullDiskLimit);
    EXPECT_EQ(outcomeOf(FullDisk), "");
}
#endif

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
