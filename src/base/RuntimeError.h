#pragma once
// The one exception type of the desk's file and printer operations. It carries the runtime error
// number where there is one (75 = access refused, 52 = bad file number, 53 = file not found, 57 = device
// I/O error, 61 = disk full) and, for a failing file operation, the file's path and the system's reason
// as a short Swedish text, so the desk can tell the operator which file was not written and why.
#include <QString>
#include <stdexcept>
#include <string>

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "runtime error " + std::to_string(number) : what),
          number_(number) {}
    RuntimeError(int number, const QString& path, const QString& reason)
        : std::runtime_error("runtime error " + std::to_string(number) + ": " + path.toStdString() + ": " +
                             reason.toStdString()),
          number_(number), path_(path), reason_(reason) {}

    int number() const { return number_; }
    // Empty unless the error belongs to one file.
    QString path() const { return path_; }
    QString reason() const { return reason_; }

private:
    int number_;
    QString path_;
    QString reason_;
};

namespace runtime_error_numbers {
constexpr int BadFileNumber = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileName = 64;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70; // a file that another program holds open
constexpr int PathFileAccess = 75;
} // namespace runtime_error_numbers
