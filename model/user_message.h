#pragma once
// Every message box of the program goes through ShowUserMessage, so that tests can capture what a user
// would have seen instead of blocking on a modal window.

#include <functional>
#include <string>

namespace tagmora {

constexpr const char* kProductCaption = "Tagmora Professional";

struct UserMessage {
    std::string text;
    std::string caption;
    void* owner;            // the owning window's handle, or null
    bool question = false;  // Yes and No buttons, rather than OK
};

// Takes a message in place of the platform's box; for a question, returns the answer (true for Yes).
using UserMessageSink = std::function<bool(const UserMessage&)>;

// Shows an OK box with the information icon (or hands the message to the installed sink).
void ShowUserMessage(const std::string& text, void* owner = nullptr);

// Asks with Yes and No buttons, No the default so that Enter never agrees by accident; true for Yes.
bool AskUserYesNo(const std::string& question, void* owner = nullptr);

// Installs a sink in place of the platform's message box; returns the previous one. An empty sink restores
// the platform's.
UserMessageSink SetUserMessageSink(UserMessageSink sink);

// The platform's own presentation (MessageBoxA on Windows, standard error elsewhere, where every question
// is answered No); the answer to a question.
bool ShowPlatformMessage(const UserMessage& message);

}  // namespace tagmora
