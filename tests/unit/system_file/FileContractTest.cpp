// The file-layer contract against the half this build chose.
#include "FileContract.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

using namespace file_contract;

TEST(FileContract, EveryCaseHolds) {
    for (const Case& c : Cases) {
        const CaseFolder folder(c.name);
        EXPECT_EQ(c.run(folder.utf8()), "") << c.name;
    }
}

#ifndef _WIN32
TEST(FileContract, AFullDiskIsTold) {
    const CaseFolder folder(FullDisk.name);
    const FileSizeLimit limit(FullDiskLimit);
    EXPECT_EQ(FullDisk.run(folder.utf8()), "");
}
#endif
