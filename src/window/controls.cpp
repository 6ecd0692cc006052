#include "window/controls.h"

#include <cctype>

namespace mj {

char Button::mnemonic() const {
    const auto amp = Caption.find('&');
    if (amp == std::string::npos || amp + 1 >= Caption.size())
        return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(Caption[amp + 1])));
}

} // namespace mj
