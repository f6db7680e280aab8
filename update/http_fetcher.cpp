#include "update/http_fetcher.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace tagmora {
namespace {

constexpr std::size_t kMaxErrorText = 255;
// Always from the server, never from or into the local cache, byte for byte.
constexpr DWORD kOpenFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_TRANSFER_BINARY;
constexpr DWORD kChunkBytes = 4095;

std::string TrimmedTail(const char* text, std::size_t length) {
    std::string trimmed(text, std::min(length, kMaxErrorText));
    while (!trimmed.empty() && (trimmed.back() == '\r' || trimmed.back() == '\n' || trimmed.back() == ' '))
        trimmed.pop_back();
    return trimmed;
}

// WinINet's own words for its error; the server's reply for an extended error.
std::string InternetErrorText(DWORD error) {
    char text[1024] = {};
    DWORD length = 0;
    if (error == ERROR_INTERNET_EXTENDED_ERROR) {
        DWORD detail = 0;
        length = sizeof text;
        if (!InternetGetLastResponseInfoA(&detail, text, &length))
            length = 0;
    } else {
        length = FormatMessageA(
            FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            GetModuleHandleA("wininet.dll"), error, 0, text, sizeof text, nullptr);
    }
    std::string message = TrimmedTail(text, length);
    return message.empty() ? "Internet error " + std::to_string(error) : message;
}

// The status information as text: a host name or an address, not necessarily terminated.
std::string InformationText(const void* information, DWORD length) {
    if (!information)
        return {};
    const char* text = static_cast<const char*>(information);
    const std::size_t bound = std::min<std::size_t>(length, kMaxErrorText);
    return std::string(text, strnlen(text, bound));
}

// The file name of the program without its folder and extension.
std::string ProgramName() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    name.erase(0, name.find_last_of("\\/") + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

}  // namespace

FetchContext::FetchContext(InternetHandle root, HWND statusWindow)
    : root_(std::move(root)), statusWindow_(statusWindow) {
    InternetSetStatusCallbackA(root_.Get(), &StatusCallback);
}

FetchContext::~FetchContext() {
    InternetSetStatusCallbackA(root_.Get(), nullptr);
}

void FetchContext::ShowStatus(const char* format, ...) {
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    Show(written < 0 ? std::string() : std::string(text));
}

void FetchContext::Show(std::string text) {
    lastStatus_ = std::move(text);
    if (statusWindow_) {
        SetWindowTextA(statusWindow_, lastStatus_.c_str());
        RedrawWindow(statusWindow_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CALLBACK FetchContext::StatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information,
                                           DWORD length) {
    // Synchronous WinINet calls back on the fetching thread, inside the call, with the value the request
    // was opened with.
    if (auto* self = reinterpret_cast<FetchContext*>(context))
        self->OnStatus(status, information, length);
}

void FetchContext::OnStatus(DWORD status, const void* information, DWORD length) {
    switch (status) {
        case INTERNET_STATUS_RESOLVING_NAME:
            ShowStatus("Resolving name for %s", InformationText(information, length).c_str());
            break;
        case INTERNET_STATUS_NAME_RESOLVED:
            ShowStatus("Resolved name for %s", InformationText(information, length).c_str());
            break;
        case INTERNET_STATUS_CONNECTING_TO_SERVER:
            ShowStatus("Connecting to socket address ");
            break;
        case INTERNET_STATUS_CONNECTED_TO_SERVER:
            ShowStatus("Connected to socket address");
            break;
        case INTERNET_STATUS_SENDING_REQUEST:
            ShowStatus("Sending request...");
            break;
        case INTERNET_STATUS_REQUEST_SENT:
            ShowStatus("Request sent");
            break;
        case INTERNET_STATUS_RESPONSE_RECEIVED:
            ShowStatus("Response received");
            break;
        case INTERNET_STATUS_CLOSING_CONNECTION:
            ShowStatus("Closing the connection to the server");
            break;
        case INTERNET_STATUS_CONNECTION_CLOSED:
            ShowStatus("Connection to the server closed");
            break;
        case INTERNET_STATUS_HANDLE_CREATED:
            ClearStatus();
            break;
        case INTERNET_STATUS_RECEIVING_RESPONSE:
        case INTERNET_STATUS_HANDLE_CLOSING:
            break;  // the text of the step before stays
        case INTERNET_STATUS_REQUEST_COMPLETE:
            if (information && length == 2 * sizeof(DWORD)) {
                DWORD values[2];
                std::memcpy(values, information, sizeof values);
                ShowStatus("Request complete, dwResult = %8.8X, dwError = %8.8X",
                           static_cast<unsigned>(values[0]), static_cast<unsigned>(values[1]));
            } else {
                ShowStatus("Request complete");
            }
            break;
        default:
            ShowStatus("Unknown status: %d", static_cast<int>(status));
            break;
    }
}

InternetHandle HttpFetcher::OpenRoot(const char* agent) const {
    const std::string name = agent ? agent : ProgramName();
    return InternetHandle(InternetOpenA(name.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
}

bool HttpFetcher::CreateContext(const char* agent, HWND statusWindow) {
    context_.reset();
    InternetHandle root = OpenRoot(agent);
    if (!root)
        return false;
    if (timeoutMs_ != 0) {
        DWORD timeout = timeoutMs_;
        InternetSetOptionExA(root.Get(), INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, &timeout, sizeof timeout, 0);
    }
    context_ = std::make_unique<FetchContext>(std::move(root), statusWindow);
    return true;
}

// The request as InternetOpenUrl would make it, but opened step by step so that the time-out reaches it
// before it is sent: Windows hands the root handle's time-outs down to its requests, Wine does not. On
// failure the handles are closed and the error is WinINet's.
bool HttpFetcher::OpenRequest(const std::string& url, InternetHandle& connection, InternetHandle& request,
                              DWORD& error) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
    char path[INTERNET_MAX_PATH_LENGTH + 1] = {};
    char extra[INTERNET_MAX_PATH_LENGTH + 1] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof extra;
    const bool web = InternetCrackUrlA(url.c_str(), 0, 0, &parts) &&
                     (parts.nScheme == INTERNET_SCHEME_HTTP || parts.nScheme == INTERNET_SCHEME_HTTPS);
    if (!web) {
        error = GetLastError();
        if (error == ERROR_SUCCESS)
            error = ERROR_INTERNET_UNRECOGNIZED_SCHEME;
        return false;
    }
    const std::string target = std::string(path[0] ? path : "/") + extra;
    const DWORD flags = kOpenFlags | (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    const DWORD_PTR callback = context_->CallbackContext();
    connection.Reset(InternetConnectA(context_->Root(), host, parts.nPort, nullptr, nullptr,
                                      INTERNET_SERVICE_HTTP, 0, callback));
    if (connection)
        request.Reset(HttpOpenRequestA(connection.Get(), "GET", target.c_str(), nullptr, nullptr, nullptr,
                                       flags, callback));
    // The data-receive option of the root governs FTP data channels; an HTTP request waits for its answer
    // and its body as long as its own receive time-out says.
    if (request && timeoutMs_ != 0) {
        DWORD timeout = timeoutMs_;
        InternetSetOptionA(request.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
    }
    if (request && HttpSendRequestA(request.Get(), nullptr, 0, nullptr, 0))
        return true;
    error = GetLastError();
    request.Reset();
    connection.Reset();
    return false;
}

FetchOutcome HttpFetcher::Fetch(const std::string& url, std::string& result, const char* agent,
                                HWND statusWindow) {
    result.clear();
    if (!context_ && !CreateContext(agent, statusWindow))
        return FetchOutcome::Failed;
    if (statusWindow)
        context_->SetStatusWindow(statusWindow);

    InternetHandle connection;
    InternetHandle file;
    DWORD error = 0;
    if (!OpenRequest(url, connection, file, error)) {
        context_->ShowStatus("%s", InternetErrorText(error).c_str());
        return FetchOutcome::Failed;
    }
    // The handles close before the last status is shown, so that their closing texts do not cover it.
    const auto closeRequest = [&] {
        file.Reset();
        connection.Reset();
    };
    char buffer[kChunkBytes + 1];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(file.Get(), buffer, kChunkBytes, &read)) {
            error = GetLastError();
            closeRequest();
            context_->ShowStatus("%s", InternetErrorText(error).c_str());
            return FetchOutcome::Failed;
        }
        if (read == 0)
            break;
        if (result.size() + read > kBodyLimit) {
            // The rest of the answer is given up: WinINet may still take in what has already arrived, but
            // nothing of it is kept.
            closeRequest();
            std::string().swap(result);
            context_->ShowStatus("Answer larger than %u bytes: not read", static_cast<unsigned>(kBodyLimit));
            return FetchOutcome::TooLarge;
        }
        // HTTP status codes are not examined: an error page is returned like any other body.
        result.append(buffer, read);
        context_->ShowStatus("Read %d bytes", static_cast<int>(result.size()));
    }
    closeRequest();
    context_->ClearStatus();
    return FetchOutcome::Complete;
}

}  // namespace tagmora
