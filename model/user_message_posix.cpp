#include <cstdio>

#include "model/user_message.h"

namespace tagmora {

bool ShowPlatformMessage(const UserMessage& message) {
    std::fprintf(stderr, "[%s] %s\n", message.caption.c_str(), message.text.c_str());
    return false;
}

}  // namespace tagmora
