#include "platform/linux_services/qt_http_client.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux_services/http_module.h"
#include "platform/linux_services/lazy_http_client.h"

namespace voltaro::platform::linux_services {
namespace {

class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "qt_http_client_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

// Answers every request with a fixed response once its header has arrived
// (or never, with `silent`), and keeps the last request's header.
class TinyServer {
 public:
  TinyServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        received_ += socket->readAll();
        if (!received_.contains("\r\n\r\n") || silent) return;
        socket->write(response);
        socket->disconnectFromHost();
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    });
  }
  std::string host() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
  const QByteArray& received() const { return received_; }

  QByteArray response;
  bool silent = false;

 private:
  QTcpServer server_;
  QByteArray received_;
};

// Runs the request on a worker thread, as the update check does, while this
// thread serves.
std::optional<std::string> fetchWith(HttpClient& client, const std::string& host,
                                     const std::string& path, std::atomic<bool>& abort,
                                     int abortAfterRounds = -1, std::size_t maxBytes = 64 * 1024) {
  auto result =
      std::async(std::launch::async, [&] { return client.get(host, path, maxBytes, abort); });
  for (int round = 0; result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready;
       ++round) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (round == abortAfterRounds) abort = true;
  }
  return result.get();
}

std::optional<std::string> fetch(const std::string& host, const std::string& path,
                                 std::atomic<bool>& abort, int abortAfterRounds = -1,
                                 std::size_t maxBytes = 64 * 1024) {
  QtHttpClient client(std::chrono::seconds(5));
  return fetchWith(client, host, path, abort, abortAfterRounds, maxBytes);
}

TEST(QtHttpClient, ReturnsTheBodyUnchangedWhateverTheStatus) {
  TinyServer server;
  std::atomic<bool> abort{false};
  server.response = "HTTP/1.0 200 OK\r\nContent-Length: 6\r\n\r\nv9.3\r\n";
  EXPECT_EQ(fetch(server.host(), "/vtversion.txt", abort), "v9.3\r\n");
  EXPECT_TRUE(server.received().startsWith("GET /vtversion.txt HTTP/1."));
  EXPECT_TRUE(server.received().contains("User-Agent: HTTPGet\r\n"));
  EXPECT_TRUE(server.received().contains("Accept: */*\r\n"));

  TinyServer missing;
  missing.response = "HTTP/1.0 404 Not Found\r\n\r\n<html>gone</html>";
  EXPECT_EQ(fetch(missing.host(), "/vtversion.txt", abort), "<html>gone</html>");
}

TEST(QtHttpClient, AHugeReplyIsReadOnlyUpToTheBound) {
  TinyServer server;
  std::atomic<bool> abort{false};
  const QByteArray body(64 * 1024 * 1024, 'x');
  server.response = "HTTP/1.0 200 OK\r\nContent-Length: 67108864\r\n\r\n" + body;
  EXPECT_EQ(fetch(server.host(), "/vtversion.txt", abort, -1, 65536), std::string(65536, 'x'));
  EXPECT_FALSE(abort);
}

TEST(QtHttpClient, AnEmptyBodyARefusedConnectionOrAnAbortFails) {
  std::atomic<bool> abort{false};
  TinyServer empty;
  empty.response = "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n";
  EXPECT_EQ(fetch(empty.host(), "/vtversion.txt", abort), std::nullopt);

  std::string closedHost;
  {
    TinyServer gone;
    closedHost = gone.host();
  }
  EXPECT_EQ(fetch(closedHost, "/vtversion.txt", abort), std::nullopt);

  TinyServer silent;
  silent.silent = true;
  EXPECT_EQ(fetch(silent.host(), "/vtversion.txt", abort, 10), std::nullopt);
  EXPECT_TRUE(abort);
}

// The client the program uses: the same code, in a module loaded by the
// first request.
TEST(LazyHttpClient, LoadsTheModuleAtTheFirstRequestAndFetches) {
  std::vector<std::string> reports;
  LazyHttpClient client(
      {"/nonexistent/voltaro-test/" VOLTARO_HTTP_MODULE, VOLTARO_HTTP_MODULE_PATH},
      std::chrono::seconds(5), [&](const std::string& line) { reports.push_back(line); });
  EXPECT_EQ(dlopen(VOLTARO_HTTP_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
  TinyServer server;
  std::atomic<bool> abort{false};
  server.response = "HTTP/1.0 200 OK\r\nContent-Length: 6\r\n\r\nv9.4\r\n";
  EXPECT_EQ(fetchWith(client, server.host(), "/vtversion.txt", abort), "v9.4\r\n");
  EXPECT_TRUE(server.received().contains("User-Agent: HTTPGet\r\n"));
  EXPECT_TRUE(client.loaded());
  void* mapped = dlopen(VOLTARO_HTTP_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(mapped, nullptr);
  if (mapped != nullptr) dlclose(mapped);
  EXPECT_TRUE(reports.empty());
}

TEST(LazyHttpClient, WithoutItsModuleEveryRequestFailsAndItSaysSoOnce) {
  std::vector<std::string> reports;
  LazyHttpClient client({"/nonexistent/voltaro-test/" VOLTARO_HTTP_MODULE}, std::chrono::seconds(5),
                        [&](const std::string& line) { reports.push_back(line); });
  TinyServer server;
  std::atomic<bool> abort{false};
  server.response = "HTTP/1.0 200 OK\r\nContent-Length: 6\r\n\r\nv9.4\r\n";
  EXPECT_EQ(fetchWith(client, server.host(), "/vtversion.txt", abort), std::nullopt);
  EXPECT_EQ(fetchWith(client, server.host(), "/vtversion.txt", abort), std::nullopt);
  EXPECT_FALSE(client.loaded());
  EXPECT_TRUE(server.received().isEmpty());
  ASSERT_EQ(reports.size(), 1U);
  EXPECT_NE(reports[0].find("/nonexistent/voltaro-test/" VOLTARO_HTTP_MODULE), std::string::npos);
}

}  // namespace
}  // namespace voltaro::platform::linux_services
