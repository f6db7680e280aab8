#include <cstdio>

#include "model/user_message.h"

namespace tagmora {

void ShowPlatformMessage(const UserMessage& message) {
    std::fprintf(stderr, "[%s] %s\n", message.caption.c_str(), message.text.c_str());
}

}  // namespace tagmora
