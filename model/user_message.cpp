#include "model/user_message.h"

namespace tagmora {

namespace {
UserMessageSink& InstalledSink() {
    static UserMessageSink sink;
    return sink;
}

bool Present(const UserMessage& message) {
    if (const auto& sink = InstalledSink())
        return sink(message);
    return ShowPlatformMessage(message);
}

}  // namespace

void ShowUserMessage(const std::string& text, void* owner) {
    Present(UserMessage{text, kProductCaption, owner, false});
}

bool AskUserYesNo(const std::string& question, void* owner) {
    return Present(UserMessage{question, kProductCaption, owner, true});
}

UserMessageSink SetUserMessageSink(UserMessageSink sink) {
    UserMessageSink previous = std::move(InstalledSink());
    InstalledSink() = std::move(sink);
    return previous;
}

}  // namespace tagmora
