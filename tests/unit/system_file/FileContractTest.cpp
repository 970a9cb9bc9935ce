// The file-layer contract against the half this build chose.
#include "FileContract.h"

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
