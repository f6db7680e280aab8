#include <windows.h>

#include "model/user_message.h"

namespace tagmora {

void ShowPlatformMessage(const UserMessage& message) {
    MessageBoxA(static_cast<HWND>(message.owner), message.text.c_str(), message.caption.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace tagmora
