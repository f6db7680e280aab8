#include <windows.h>

#include "model/user_message.h"

namespace tagmora {

bool ShowPlatformMessage(const UserMessage& message) {
    const UINT buttons =
        message.question ? MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION;
    return MessageBoxA(static_cast<HWND>(message.owner), message.text.c_str(), message.caption.c_str(),
                       buttons) == IDYES;
}

}  // namespace tagmora
