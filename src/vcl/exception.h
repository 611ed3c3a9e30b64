#pragma once
// The error classes of the class-library layer: one message text each.
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string message_;
};

// Raised by TRegistry; the message names the value or key concerned.
class ERegistryException : public Exception {
  public:
    using Exception::Exception;
};

// Replaces the first "%s" of a message template with the given name.
std::string WithName(const std::string& templ, const std::string& name);

} // namespace vcl
