#include "platform/linux_services/qt_http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace voltaro::platform::linux_services {

namespace {
// How often the abort request is looked at while the request runs.
constexpr int kAbortPollMilliseconds = 20;
}  // namespace

std::optional<std::string> QtHttpClient::get(const std::string& host, const std::string& path,
                                             const std::atomic<bool>& abort) {
  if (abort) return std::nullopt;
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
  QEventLoop loop;
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

  if (aborted || abort) return std::nullopt;
  const QByteArray body = reply->readAll();
  if (body.isEmpty()) return std::nullopt;
  return std::string(body.constData(), static_cast<std::size_t>(body.size()));
}

}  // namespace voltaro::platform::linux_services
