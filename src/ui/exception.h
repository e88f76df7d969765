// The exception types of the component layer. Like the class library the forms were written
// against, a failed conversion or a failed file step is reported by raising; handlers catch what
// the program guards and the dispatcher shows the rest.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A file that cannot be opened, read, created or written.
class EFileError : public Exception {
    using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
    using Exception::Exception;
};

} // namespace ui
