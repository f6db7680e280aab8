#pragma once
// An HTTP server of the tests' own on 127.0.0.1, at a free port, on a thread of its own: every request gets
// the same reply, so downloads are tested without anything leaving the machine.

// Winsock 2 before windows.h, which would otherwise bring the old winsock.h along.
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on

#include <string>
#include <thread>

namespace tagmora::testing {

struct HttpReply {
    std::string body;
    int status = 200;
    std::size_t repeat = 1;  // the body sent this many times: a big answer the server never holds whole
    DWORD bytePauseMs = 0;   // a pause before every byte, headers included: a server that trickles
};

class LocalHttpServer {
  public:
    explicit LocalHttpServer(HttpReply reply) : reply_(std::move(reply)) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
        listen(listener_, 4);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    // Closing the listener ends the thread's wait for the next request; the event ends a reply.
    ~LocalHttpServer() {
        SetEvent(stop_);
        closesocket(listener_);
        thread_.join();
        CloseHandle(stop_);
        WSACleanup();
    }

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/ver.txt"; }
    // A port that was free a moment ago and has nobody listening on it now.
    static std::string ClosedPortUrl() { return LocalHttpServer(HttpReply{}).Url(); }

  private:
    void Serve() {
        for (SOCKET client; (client = accept(listener_, nullptr, nullptr)) != INVALID_SOCKET;
             closesocket(client)) {
            std::string request;
            char buffer[1024];
            for (int got = 1; got > 0 && request.find("\r\n\r\n") == std::string::npos;) {
                got = recv(client, buffer, sizeof buffer, 0);
                request.append(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
            }
            const std::string head =
                "HTTP/1.0 " + std::to_string(reply_.status) +
                " Answer\r\nContent-Length: " + std::to_string(reply_.body.size() * reply_.repeat) +
                "\r\n\r\n";
            bool sending = Send(client, head);
            for (std::size_t i = 0; sending && i < reply_.repeat; ++i)
                sending = Send(client, reply_.body);
        }
    }
    bool Send(SOCKET client, const std::string& bytes) {
        const std::size_t step = reply_.bytePauseMs ? 1 : bytes.size();
        for (std::size_t at = 0; at < bytes.size(); at += step) {
            const bool stopping = WaitForSingleObject(stop_, reply_.bytePauseMs) != WAIT_TIMEOUT;
            if (stopping ||
                send(client, bytes.data() + at, static_cast<int>(step), 0) != static_cast<int>(step))
                return false;
        }
        return true;
    }

    HttpReply reply_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    HANDLE stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

}  // namespace tagmora::testing
