// The WinInet GET against a one-shot HTTP server that the test runs itself on
// 127.0.0.1 (a Winsock listener on a thread of its own): what is asked, what
// comes back, and the failures.
#include "platform/windows/win32_http.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

// winsock2.h before windows.h.
#include <winsock2.h>
#include <ws2tcpip.h>

namespace voltaro::platform::windows {
namespace {

// Accepts one connection, reads the request head, answers `reply` and closes.
class OneShotServer {
 public:
  explicit OneShotServer(std::string reply) : reply_(std::move(reply)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // any free port
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 1);
    thread_ = std::thread([this] { serve(); });
  }
  ~OneShotServer() {
    closesocket(listener_);  // ends an accept that never got a client
    if (thread_.joinable()) thread_.join();
    WSACleanup();
  }

  std::uint16_t port() const { return port_; }
  // The request as received, after the one answer has gone out.
  const std::string& request() {
    thread_.join();
    return request_;
  }

 private:
  void serve() {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos) {
      const int got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      request_.append(buffer, got);
    }
    send(client, reply_.data(), static_cast<int>(reply_.size()), 0);
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  std::string reply_;
  std::string request_;
  SOCKET listener_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
  std::thread thread_;
};

const std::atomic<bool> kRun{false};
constexpr std::size_t kBound = 64 * 1024;

TEST(HttpAddressTest, SchemeHostAndPath) {
  const auto plain = splitHttpAddress("http://updates.example/vtversion.txt");
  EXPECT_EQ(plain.host, "updates.example");
  EXPECT_EQ(plain.path, "/vtversion.txt");
  const auto upper = splitHttpAddress("HTTP://Host.Example/a/b.txt");
  EXPECT_EQ(upper.host, "Host.Example");
  EXPECT_EQ(upper.path, "/a/b.txt");
  const auto bare = splitHttpAddress("host.example");
  EXPECT_EQ(bare.host, "host.example");
  EXPECT_EQ(bare.path, "/");
  EXPECT_EQ(splitHttpAddress("host.example/").host, "host.example");
}

TEST(Win32HttpTest, TheBodyComesBackUnchangedForAPlainGet) {
  OneShotServer server("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n 9.3 \r\n");
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, kRun), " 9.3 \r\n") << "no trimming";
  const std::string& request = server.request();
  EXPECT_EQ(request.rfind("GET /vtversion.txt HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
  EXPECT_NE(request.find("\r\nUser-Agent: HTTPGet\r\n"), std::string::npos) << request;
}

TEST(Win32HttpTest, ALongBodyArrivesWholeAcrossBlocks) {
  std::string body;
  for (int i = 0; i < 700; ++i) body += std::to_string(i) + ",";  // 2,590 bytes
  OneShotServer server("HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                       "\r\n\r\n" + body);
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/long", kBound, kRun), body);
}

TEST(Win32HttpTest, ReadingStopsAtTheBound) {
  const std::string body(5000, 'x');
  OneShotServer server("HTTP/1.0 200 OK\r\n\r\n" + body);
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/big", 2000, kRun), std::string(2000, 'x'));
}

TEST(Win32HttpTest, TheStatusIsNotExamined) {
  OneShotServer server("HTTP/1.0 404 Not Found\r\n\r\n<html>gone</html>");
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, kRun), "<html>gone</html>");
}

TEST(Win32HttpTest, AnEmptyBodyIsAFailure) {
  OneShotServer server("HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n");
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, kRun), std::nullopt);
}

TEST(Win32HttpTest, NoServerIsAFailure) {
  std::uint16_t port = 0;
  { port = OneShotServer("").port(); }  // a port that was free and is closed again
  Win32Http http(port);
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, kRun), std::nullopt);
}

TEST(Win32HttpTest, AnAbortedRequestFailsEvenWithAnAnswer) {
  OneShotServer server("HTTP/1.0 200 OK\r\n\r\n9.2");
  const std::atomic<bool> abort{true};
  Win32Http http(server.port());
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, abort), std::nullopt);
  EXPECT_EQ(http.get("127.0.0.1", "/vtversion.txt", kBound, kRun), "9.2") << "the server was there";
}

}  // namespace
}  // namespace voltaro::platform::windows
