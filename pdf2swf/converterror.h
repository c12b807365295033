#pragma once
// The one kind of failure the tool reports to its user: a one-line message that names the
// file concerned and the cause. Thrown anywhere below main, caught only there.

#include <stdexcept>
#include <string>

namespace pdf2swf {

class ConvertError : public std::runtime_error {
public:
    ConvertError(const std::string& file, const std::string& cause)
        : std::runtime_error(file.empty() ? cause : "'" + file + "': " + cause)
    {
    }
};

} // namespace pdf2swf
