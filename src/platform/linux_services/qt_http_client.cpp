#include "platform/linux_services/qt_http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace voltaro::platform::linux_services {

namespace {
// How often the abort request is looked at while the request runs.
constexpr int kAbortPollMilliseconds = 20;
// What Qt may hold unread before it stops reading the socket.
constexpr std::size_t kReadBufferBytes = 16 * 1024;
}  // namespace

std::optional<std::string> QtHttpClient::get(const std::string& host, const std::string& path,
                                             std::size_t maxBytes, const std::atomic<bool>& abort) {
  if (abort || maxBytes == 0) return std::nullopt;
  const QUrl url(QString::fromStdString("http://" + host + path), QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return std::nullopt;

  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("HTTPGet"));
  request.setRawHeader("Accept", "*/*");
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
  request.setTransferTimeout(static_cast<int>(timeout_.count()));

  QNetworkAccessManager manager;
  std::unique_ptr<QNetworkReply> reply(manager.get(request));
  // Qt stops reading the socket while this much waits unread.
  reply->setReadBufferSize(static_cast<qint64>(std::min<std::size_t>(maxBytes, kReadBufferBytes)));
  std::string body;
  QEventLoop loop;
  const auto take = [&] {
    const auto room = static_cast<qint64>(maxBytes - body.size());
    const QByteArray part = reply->read(room);
    body.append(part.constData(), static_cast<std::size_t>(part.size()));
    if (body.size() < maxBytes) return;
    // Enough: whatever else the server sends is never read.
    reply->abort();
    loop.quit();
  };
  QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer abortPoll;
  abortPoll.setInterval(kAbortPollMilliseconds);
  bool aborted = false;
  QObject::connect(&abortPoll, &QTimer::timeout, &loop, [&] {
    if (!abort) return;
    aborted = true;
    reply->abort();
    loop.quit();
  });
  abortPoll.start();
  if (!reply->isFinished()) loop.exec();
  abortPoll.stop();
  if (body.size() < maxBytes && reply->isOpen()) take();

  if (aborted || abort) return std::nullopt;
  if (body.empty()) return std::nullopt;
  return body;
}

}  // namespace voltaro::platform::linux_services
