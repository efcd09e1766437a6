#pragma once
// A message box that records each prompt and answers OK at once.
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace brenvik::testing {

class RecordingMessageBox final : public MessageBoxService {
public:
    void Show(const std::u16string& prompt) override { prompts.push_back(prompt); }
    std::vector<std::u16string> prompts;
};

}  // namespace brenvik::testing
