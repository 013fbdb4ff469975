#pragma once

#include "offers/offer_list.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkReply;

namespace plenwick {

// Fetches the offer file once, without blocking the window. Any failure (no
// connection, an HTTP error, a time-out, a body over 1 MiB) gives an empty
// list, as no connection does.
class OfferDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMostBytes = qint64{1024} * 1024;
    static constexpr int kDefaultTimeoutMs = 120'000;

    explicit OfferDownload(QObject* parent = nullptr);

    void start(const QUrl& offerFile, int timeoutMs = kDefaultTimeoutMs);

signals:
    void finished(const plenwick::OfferList& offers);

private:
    void readReply();
    void checkSize(qint64 received);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    bool m_tooLarge = false;
};

} // namespace plenwick
