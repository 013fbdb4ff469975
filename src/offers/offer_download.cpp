#include "offers/offer_download.h"

#include "offers/offer_file.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace plenwick {

OfferDownload::OfferDownload(QObject* parent)
    : QObject(parent)
{
}

void OfferDownload::start(const QUrl& offerFile, int timeoutMs)
{
    QNetworkRequest request(offerFile);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_tooLarge = false;
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &OfferDownload::checkSize);
    connect(m_reply, &QNetworkReply::finished, this, &OfferDownload::readReply);
}

void OfferDownload::checkSize(qint64 received)
{
    if (received > kMostBytes && m_reply) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void OfferDownload::readReply()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool succeeded = reply->error() == QNetworkReply::NoError && !m_tooLarge && status >= 200 && status < 300;
    // A body that arrives in one piece can finish before the abort in
    // checkSize takes effect, so the limit is checked here as well.
    const QByteArray body = succeeded ? reply->read(kMostBytes + 1) : QByteArray();
    if (body.size() > kMostBytes) {
        emit finished({});
        return;
    }
    emit finished(readOfferFile(body));
}

} // namespace plenwick
