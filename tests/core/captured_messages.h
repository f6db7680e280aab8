#pragma once
// Collects the messages the code under test would have shown in a message box, for as long as it lives.

#include <string>
#include <vector>

#include "model/user_message.h"

namespace tagmora::testing {

class CapturedMessages {
  public:
    CapturedMessages() {
        previous_ = SetUserMessageSink([this](const UserMessage& message) {
            texts_.push_back(message.text);
            return false;
        });
    }
    ~CapturedMessages() { SetUserMessageSink(std::move(previous_)); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    const std::vector<std::string>& Texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
    UserMessageSink previous_;
};

}  // namespace tagmora::testing
