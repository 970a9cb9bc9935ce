#pragma once
// What both halves of the file layer promise: run natively on POSIX and, cross-compiled, under Wine on
// Win32. Each case runs in a fresh folder whose path holds Swedish letters and blanks.
#include "SystemFile.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace file_contract {

using namespace race_data::sysfile;
namespace fs = std::filesystem;

// The file-size limit the runner sets for the full-disk case (`ulimit -f 1` around Wine).
constexpr std::int64_t FullDiskLimit = 1024;

inline fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

struct Check {
    std::string failed;
    template <typename T, typename U> void operator()(const char* what, const T& got, const U& wanted) {
        if (!(got == wanted)) failed += std::string(what) + "; ";
    }
};

inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(pathOf(folder))) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

inline void writesAtOffsets(Check& check, const std::string& folder) {
    const std::string path = folder + "/Höst regatta.dat";
    File file;
    check("open", file.open(path, Access::ReadWrite), 0);
    check("write at 0", file.writeAt(0, "abc"), 0);
    check("write past the end", file.writeAt(10, "xyz"), 0);
    check("size", file.size(), 13);
    check("bytes", file.readAt(0, 100), std::string("abc\0\0\0\0\0\0\0xyz", 13));
    check("overwrite", file.writeAt(1, "B"), 0);
    check("read inside", file.readAt(0, 3), "aBc");
    check("cut", file.resize(2), 0);
    check("sync", file.sync(), 0);
    check("read back", readRegularFile(path), "aB");
    check("same file", file.identity(), identityAt(path));
    check("name on disk", namesIn(folder), std::vector<std::string>{"Höst regatta.dat"});
}

inline void replacesWhole(Check& check, const std::string& folder) {
    const std::string path = folder + "/Vindo.ini";
    check("first write", replaceWhole(path, "[Brisrundan]\r\nLast=gammal\r\n"), 0);
    check("over the old", replaceWhole(path, "ny"), 0);
    check("content", readRegularFile(path), "ny");
    check("no temporary left", namesIn(folder).size(), 1u);
}

inline void refusesReadOnly(Check& check, const std::string& folder) {
    const std::string path = folder + "/Exempel.dat";
    check("write", replaceWhole(path, "exempel"), 0);
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(pathOf(path), writable, fs::perm_options::remove);
    File file;
    check("open to write", file.open(path, Access::ReadWrite), EACCES);
    check("replace", replaceWhole(path, "ändrad"), EACCES);
    check("open to read", file.open(path, Access::Read), 0);
    check("content", readRegularFile(path), "exempel");
    fs::permissions(pathOf(path), fs::perms::owner_write, fs::perm_options::add);
}

// One writer at a time, in either order; readers open beside it.
inline void oneWriterAtATime(Check& check, const std::string& folder) {
    const std::string path = folder + "/Vår cup.dat";
    File desk, other, reader;
    check("desk opens", desk.open(path, Access::ReadWrite), 0);
    check("desk writes", desk.writeAt(0, "post"), 0);
    check("another writer", other.open(path, Access::ReadWrite), EBUSY);
    check("a reader", reader.open(path, Access::Read), 0);
    check("the reader reads", reader.readAt(0, 10), "post");
    check("a copy reads it", readRegularFile(path), "post");
    desk.close();
    check("after the desk", other.open(path, Access::ReadWrite), 0);
    check("desk while another holds it", desk.open(path, Access::ReadWrite), EBUSY);
}

// What fits is written; a replacement that does not fit leaves the old file and no temporary one.
inline void fullDiskIsTold(Check& check, const std::string& folder) {
    const std::string settings = folder + "/Vindo.ini";
    File file;
    check("open", file.open(folder + "/Full.dat", Access::ReadWrite), 0);
    check("what fits", file.writeAt(0, std::string(FullDiskLimit - 10, 'k')), 0);
    const int error = file.writeAt(FullDiskLimit - 10, std::string(93, 'p'));
#ifdef _WIN32
    const int limitError = EIO; // Wine gives a file-size limit as a general failure
#else
    const int limitError = EFBIG;
#endif
    check("past the limit", error == ENOSPC || error == limitError, true);
    check("size", file.size(), FullDiskLimit);
    check("small replace", replaceWhole(settings, "gammal"), 0);
    check("replace refused", replaceWhole(settings, std::string(2 * FullDiskLimit, 'x')) != 0, true);
    check("old settings", readRegularFile(settings), "gammal");
    check("no temporary left", namesIn(folder).size(), 2u);
}

inline void tellsWhatIsGone(Check& check, const std::string& folder) {
    const std::string path = folder + "/Borta.dat";
    File file;
    check("kind of a missing file", kindAt(path), Kind::Missing);
    check("kind of a folder", kindAt(folder), Kind::Other);
    check("open in a missing folder", file.open(folder + "/saknas/Höst.dat", Access::ReadWrite), ENOENT);
    check("read a missing file", file.open(path, Access::Read), ENOENT);
    check("open a folder", file.open(folder, Access::ReadWrite), EISDIR);
    check("a folder is no file to read", readRegularFile(folder).has_value(), false);
    check("create", createEmpty(path), 0);
    check("identity", identityAt(path).has_value(), true);
    fs::remove(pathOf(path));
    check("identity after delete", identityAt(path).has_value(), false);
}

// Past 260 characters Windows needs the \\?\ form of the path.
inline void opensLongPaths(Check& check, const std::string& folder) {
    const std::string path = folder + "/" + std::string(200, 'a') + " " + std::string(40, 'o') + "ö.dat";
    File file;
    check("open", file.open(path, Access::ReadWrite), 0);
    check("write", file.writeAt(0, "lång"), 0);
    file.close();
    check("replace", replaceWhole(path, "längre"), 0);
    check("content", readRegularFile(path), "längre");
}

struct Case {
    const char* name;
    void (*run)(Check& check, const std::string& folder);
};

inline const Case Cases[] = {
    {"writes at offsets", writesAtOffsets},        {"replaces whole", replacesWhole},
    {"refuses a read-only file", refusesReadOnly}, {"one writer at a time", oneWriterAtATime},
    {"tells what is gone", tellsWhatIsGone},       {"opens long paths", opensLongPaths},
};

inline const Case FullDisk = {"full disk", fullDiskIsTold};

// The checks of the case that failed, or an empty text.
inline std::string outcomeOf(const Case& c) {
    const fs::path folder = fs::temp_directory_path() / pathOf(std::string("Brisrundan prov åäö ") + c.name +
                                                               " " + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    Check check;
    const std::u8string utf8 = folder.u8string();
    try {
        c.run(check, std::string(utf8.begin(), utf8.end()));
    } catch (const std::exception& e) {
        check.failed += e.what();
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return check.failed;
}

} // namespace file_contract
