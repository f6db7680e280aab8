#pragma once
// Downloads the whole body of one URL into a text over WinINet, synchronously on the calling thread, and
// shows every step of the transfer as a short progress text in a status window. It knows nothing of what
// it downloads.

#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <memory>
#include <string>

#include "update/fetch_outcome.h"
#include "win/handle.h"

namespace tagmora {

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { InternetCloseHandle(handle); }
};
using InternetHandle = UniqueHandle<InternetHandleTraits>;

// The WinINet root handle with its status callback, and the window that shows the progress texts.
class FetchContext {
  public:
    // Takes over an open root handle and switches its status callback on.
    FetchContext(InternetHandle root, HWND statusWindow);
    // Switches the callback off before the root handle closes, so that no callback outlives the object.
    ~FetchContext();
    FetchContext(const FetchContext&) = delete;
    FetchContext& operator=(const FetchContext&) = delete;

    HINTERNET Root() const { return root_.Get(); }
    // The value WinINet hands back to the status callback for the requests opened with it.
    DWORD_PTR CallbackContext() { return reinterpret_cast<DWORD_PTR>(this); }
    HWND StatusWindow() const { return statusWindow_; }
    void SetStatusWindow(HWND window) { statusWindow_ = window; }
    const std::string& LastStatus() const { return lastStatus_; }

    // Formats a progress text (cut at 511 characters) and paints it in the status window at once: the
    // message loop does not run while a fetch blocks the thread.
    void ShowStatus(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void ClearStatus() { Show({}); }

  private:
    static void CALLBACK StatusCallback(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID information,
                                        DWORD length);
    void OnStatus(DWORD status, const void* information, DWORD length);
    void Show(std::string text);

    InternetHandle root_;
    HWND statusWindow_;
    std::string lastStatus_;
};

class HttpFetcher {
  public:
    // A version file is a few bytes; a body beyond this is dropped rather than allowed to fill memory.
    static constexpr std::size_t kBodyLimit = 64 * 1024;

    HttpFetcher() = default;
    virtual ~HttpFetcher() = default;
    HttpFetcher(const HttpFetcher&) = delete;
    HttpFetcher& operator=(const HttpFetcher&) = delete;

    // Milliseconds to wait for data before a transfer fails; 0 keeps WinINet's own.
    void SetTimeout(DWORD milliseconds) { timeoutMs_ = milliseconds; }
    // Replaces any Fetch Context by a new one; the agent name defaults to the program's own name. False
    // when WinINet cannot be opened.
    bool CreateContext(const char* agent, HWND statusWindow);
    // Reads the body of an http or https URL into the result, always from the server and never into the
    // local cache, and gives up past kBodyLimit bytes. The Fetch Context is created when there is none and
    // kept for further fetches; a status window given here replaces the earlier one.
    FetchOutcome Fetch(const std::string& url, std::string& result, const char* agent, HWND statusWindow);
    void Close() { context_.reset(); }
    FetchContext* Context() const { return context_.get(); }

  protected:
    // The WinINet root handle (InternetOpen); null when it cannot be opened.
    virtual InternetHandle OpenRoot(const char* agent) const;

  private:
    bool OpenRequest(const std::string& url, InternetHandle& connection, InternetHandle& request,
                     DWORD& error);

    std::unique_ptr<FetchContext> context_;
    DWORD timeoutMs_ = 0;
};

}  // namespace tagmora
