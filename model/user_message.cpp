#include "model/user_message.h"

namespace tagmora {

namespace {
UserMessageSink& InstalledSink() {
    static UserMessageSink sink;
    return sink;
}
}  // namespace

void ShowUserMessage(const std::string& text, void* owner) {
    const UserMessage message{text, kProductCaption, owner};
    if (const auto& sink = InstalledSink()) {
        sink(message);
    } else {
        ShowPlatformMessage(message);
    }
}

UserMessageSink SetUserMessageSink(UserMessageSink sink) {
    UserMessageSink previous = std::move(InstalledSink());
    InstalledSink() = std::move(sink);
    return previous;
}

}  // namespace tagmora
