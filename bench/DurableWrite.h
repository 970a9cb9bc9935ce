#pragma once
// The write that a registered finish waits for: one 93-byte record at its place in a race of 100 boats,
// flushed to the device. Timed on both halves of the file layer by file_bench.
#include "SystemFile.h"

#include <filesystem>
#include <string>

namespace durable_write {

constexpr int Boats = 100;
constexpr int RecordLength = 93;

// A race file of its own below the system's temporary folder, open for writing.
class RaceFile {
public:
    RaceFile() : path_(std::filesystem::temp_directory_path() / u8"Brisrundan mät åäö.dat") {
        const std::u8string name = path_.u8string();
        file_.open(std::string(name.begin(), name.end()), race_data::sysfile::Access::ReadWrite);
        file_.resize(std::int64_t(Boats) * RecordLength);
    }
    ~RaceFile() {
        file_.close();
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    RaceFile(const RaceFile&) = delete;
    RaceFile& operator=(const RaceFile&) = delete;

    // The n-th write: record n % Boats, written and flushed; the system's error number, 0 when stored.
    int write(int n) {
        const std::string record(RecordLength, char('A' + n % 26));
        const int error = file_.writeAt(std::int64_t(n % Boats) * RecordLength, record);
        return error ? error : file_.sync();
    }

private:
    std::filesystem::path path_;
    race_data::sysfile::File file_;
};

} // namespace durable_write
