// The errors every layer raises and the windows and the CLI catch by type: a text that
// cannot be read as the value asked for, and an input the program refuses with a message
// to the user. Their texts are the ones the user sees.
#pragma once

#include <stdexcept>

namespace qinghe {

// A value that cannot be read as the number or date asked for ("'abc' is not a valid integer
// value", "'2021-2-30' is not a valid date").
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An input the program refuses with a message to the user (the text of the information box).
class InputRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace qinghe
