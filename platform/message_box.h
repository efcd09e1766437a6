#pragma once
// The modal message box: a prompt, an OK button only, no icon, and the
// application's title ("Brenvik") as caption.
#include <string>

namespace brenvik {

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns when the user has closed the box.
    virtual void Show(const std::u16string& prompt) = 0;
};

}  // namespace brenvik
