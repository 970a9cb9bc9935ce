#pragma once
// What both halves of the file layer promise, as one table of cases: run natively against the POSIX half
// and, cross-compiled, under Wine against the Win32 half. A case gets a fresh folder whose path holds
// Swedish letters and blanks, and answers with what went wrong, or nothing.
#include "SystemFile.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace file_contract {

using namespace race_data::sysfile;
namespace fs = std::filesystem;

// The largest file the runner lets a case write in the full-disk case: the file-size limit on POSIX,
// `ulimit -f 1` around Wine.
constexpr std::int64_t FullDiskLimit = 1024;

inline fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// What differs from the expected, in a line; empty when equal.
template <typename T, typename U> std::string differs(const char* what, const T& got, const U& wanted) {
    if (got == wanted) return {};
    return std::string(what) + ": " + std::to_string(got) + ", not " + std::to_string(wanted) + "; ";
}

inline std::string differsText(const char* what, const std::optional<std::string>& got,
                               const std::string& wanted) {
    if (got == wanted) return {};
    return std::string(what) + ": \"" + got.value_or("<none>") + "\", not \"" + wanted + "\"; ";
}

// The file names in the folder, as UTF-8.
inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(pathOf(folder)))
        names.push_back(utf8Of(entry.path().filename()));
    return names;
}

inline std::string writesAtOffsets(const std::string& folder) {
    const std::string path = folder + "/Höst regatta.dat";
    File file;
    if (const int error = file.open(path, Access::ReadWrite)) return differs("open", error, 0);
    std::string problem = differs("write at 0", file.writeAt(0, "abc"), 0);
    problem += differs("write past the end", file.writeAt(10, "xyz"), 0);
    problem += differs("size", file.size(), 13);
    problem += differsText("bytes", file.readAt(0, 100), std::string("abc\0\0\0\0\0\0\0xyz", 13));
    problem += differs("overwrite", file.writeAt(1, "B"), 0);
    problem += differsText("read inside", file.readAt(0, 3), "aBc");
    problem += differs("cut", file.resize(2), 0);
    problem += differs("sync", file.sync(), 0);
    problem += differsText("read back", readRegularFile(path), "aB");
    problem += differs("same file", file.identity() == identityAt(path), true);
    problem += differs("name on disk", namesIn(folder) == std::vector<std::string>{"Höst regatta.dat"}, true);
    return problem;
}

inline std::string replacesWhole(const std::string& folder) {
    const std::string path = folder + "/Vindo.ini";
    std::string problem = differs("first write", replaceWhole(path, "[Brisrundan]\r\nLast=gammal\r\n"), 0);
    problem += differs("over the old", replaceWhole(path, "ny"), 0);
    problem += differsText("content", readRegularFile(path), "ny");
    problem += differs("no temporary left", namesIn(folder).size(), 1u);
    return problem;
}

inline std::string refusesReadOnly(const std::string& folder) {
    const std::string path = folder + "/Exempel.dat";
    std::string problem = differs("write", replaceWhole(path, "exempel"), 0);
    fs::permissions(pathOf(path), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    File file;
    problem += differs("open to write", file.open(path, Access::ReadWrite), EACCES);
    problem += differs("replace", replaceWhole(path, "ändrad"), EACCES);
    problem += differs("open to read", file.open(path, Access::Read), 0);
    problem += differsText("content", readRegularFile(path), "exempel");
    fs::permissions(pathOf(path), fs::perms::owner_write, fs::perm_options::add);
    return problem;
}

// One writer at a time: a second handle that would write is refused while the first holds the file, in
// either order; readers open beside a writer.
inline std::string oneWriterAtATime(const std::string& folder) {
    const std::string path = folder + "/Vår cup.dat";
    File desk, other, reader;
    std::string problem = differs("desk opens", desk.open(path, Access::ReadWrite), 0);
    problem += differs("desk writes", desk.writeAt(0, "post"), 0);
    problem += differs("another writer", other.open(path, Access::ReadWrite), EBUSY);
    problem += differs("a reader", reader.open(path, Access::Read), 0);
    problem += differsText("the reader reads", reader.readAt(0, 10), "post");
    problem += differsText("a copy reads it", readRegularFile(path), "post");
    desk.close();
    problem += differs("after the desk", other.open(path, Access::ReadWrite), 0);
    problem += differs("desk while another holds it", desk.open(path, Access::ReadWrite), EBUSY);
    return problem;
}

// The runner caps the file size at FullDiskLimit bytes. A write that does not fit is refused after what
// fits, and a replacement that does not fit leaves the old file and no temporary one.
inline std::string fullDiskIsTold(const std::string& folder) {
    const std::string path = folder + "/Full.dat";
    const std::string settings = folder + "/Vindo.ini";
    File file;
    std::string problem = differs("open", file.open(path, Access::ReadWrite), 0);
    problem += differs("what fits", file.writeAt(0, std::string(FullDiskLimit - 10, 'k')), 0);
    const int error = file.writeAt(FullDiskLimit - 10, std::string(93, 'p'));
#ifdef _WIN32
    // Wine gives a file-size limit as a general failure; Windows gives a full disk as ENOSPC.
    if (error != ENOSPC && error != EIO) problem += differs("past the limit", error, ENOSPC);
#else
    if (error != ENOSPC && error != EFBIG) problem += differs("past the limit", error, EFBIG);
#endif
    problem += differs("size", file.size(), FullDiskLimit);
    problem += differs("small replace", replaceWhole(settings, "gammal"), 0);
    problem +=
        differs("replace refused", replaceWhole(settings, std::string(2 * FullDiskLimit, 'x')) != 0, true);
    problem += differsText("old settings", readRegularFile(settings), "gammal");
    problem += differs("no temporary left", namesIn(folder).size(), 2u);
    return problem;
}

inline std::string tellsWhatIsGone(const std::string& folder) {
    const std::string path = folder + "/Borta.dat";
    File file;
    std::string problem = differs("kind of a missing file", int(kindAt(path)), int(Kind::Missing));
    problem += differs("kind of a folder", int(kindAt(folder)), int(Kind::Other));
    problem += differs("open in a missing folder", file.open(folder + "/saknas/Höst.dat", Access::ReadWrite),
                       ENOENT);
    problem += differs("read a missing file", file.open(path, Access::Read), ENOENT);
    problem += differs("open a folder", file.open(folder, Access::ReadWrite), EISDIR);
    problem += differs("a folder is no file to read", readRegularFile(folder).has_value(), false);
    problem += differs("create", createEmpty(path), 0);
    const std::optional<Identity> before = identityAt(path);
    fs::remove(pathOf(path));
    problem += differs("identity after delete", identityAt(path).has_value() || !before, false);
    return problem;
}

// Past 260 characters Windows needs the \\?\ form of the path.
inline std::string opensLongPaths(const std::string& folder) {
    const std::string path = folder + "/" + std::string(200, 'a') + " " + std::string(40, 'o') + "ö.dat";
    File file;
    std::string problem = differs("open", file.open(path, Access::ReadWrite), 0);
    problem += differs("write", file.writeAt(0, "lång"), 0);
    file.close();
    problem += differs("replace", replaceWhole(path, "längre"), 0);
    problem += differsText("content", readRegularFile(path), "längre");
    return problem;
}

struct Case {
    const char* name;
    std::string (*run)(const std::string& folder);
};

inline const Case Cases[] = {
    {"writes at offsets", writesAtOffsets},        {"replaces whole", replacesWhole},
    {"refuses a read-only file", refusesReadOnly}, {"one writer at a time", oneWriterAtATime},
    {"tells what is gone", tellsWhatIsGone},       {"opens long paths", opensLongPaths},
};

inline const Case FullDisk = {"full disk", fullDiskIsTold};

// A folder of its own for one case, below the system's temporary folder, removed afterwards.
class CaseFolder {
public:
    explicit CaseFolder(const std::string& name)
        : path_(fs::temp_directory_path() /
                pathOf("Brisrundan prov åäö " + name + " " + std::to_string(std::random_device()()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~CaseFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    CaseFolder(const CaseFolder&) = delete;
    CaseFolder& operator=(const CaseFolder&) = delete;
    std::string utf8() const { return utf8Of(path_); }

private:
    fs::path path_;
};

} // namespace file_contract
