#include "offers/offer_download.h"

#include "offers/offer_file.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace plenwick {

namespace {

// Qt holds no more than this for us to read; the rest waits in the network,
// so a body without end costs no memory beyond the limit and one buffer.
constexpr qint64 kReadBufferBytes = qint64{64} * 1024;

} // namespace

OfferDownload::OfferDownload(QObject* parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &OfferDownload::giveUp);
}

void OfferDownload::start(const QUrl& offerFile, int timeoutMs)
{
    QNetworkRequest request(offerFile);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_offerFile = offerFile;
    m_failed = false;
    m_reply = m_network.get(request);
    m_reply->setReadBufferSize(kReadBufferBytes);
    connect(m_reply, &QNetworkReply::readyRead, this, &OfferDownload::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &OfferDownload::end);
    m_deadline.start(timeoutMs);
}

void OfferDownload::readBody()
{
    if (!m_reply || m_failed)
        return;
    m_body += m_reply->readAll(); // at most the read buffer past the limit
    if (m_body.size() > kMostBytes)
        giveUp();
}

void OfferDownload::giveUp()
{
    m_failed = true;
    if (m_reply)
        m_reply->abort(); // finishes the reply
}

void OfferDownload::end()
{
    readBody(); // what is still waiting in the read buffer
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply.clear();
    reply->deleteLater();
    m_deadline.stop();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool succeeded = !m_failed && reply->error() == QNetworkReply::NoError && status >= 200 && status <= 299;
    const QByteArray body = std::exchange(m_body, {});
    OfferFileShortfall shortfall{.tooLarge = body.size() > kMostBytes};
    emit finished(succeeded ? readOfferFile(body, m_offerFile, &shortfall.linesLeftOut) : OfferList(), shortfall);
}

} // namespace plenwick
