#pragma once
// The one exception type of the desk's file and printer operations. It carries the runtime error
// number where there is one (75 = access refused, 52 = bad file number, 53 = file not found).
#include <stdexcept>
#include <string>

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "runtime error " + std::to_string(number) : what),
          number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

namespace runtime_error_numbers {
constexpr int BadFileNumber = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileName = 64;
constexpr int PathFileAccess = 75;
constexpr int DeviceIO = 57;
} // namespace runtime_error_numbers
