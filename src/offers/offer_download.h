#pragma once

#include "offers/offer_list.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <cstddef>

class QNetworkReply;

namespace plenwick {

// What of the offer file did not reach the list.
struct OfferFileShortfall {
    std::size_t linesLeftOut = 0; // offers past the most a card choice holds
    bool tooLarge{};              // the file was over OfferDownload::kMostBytes, and none was read

    bool operator==(const OfferFileShortfall&) const = default;
};

// Fetches the offer file once, without blocking the window. Any failure (no
// connection, an HTTP error, the time-out, a body over 1 MiB) gives an empty
// list, as no connection does; only a body too large is told apart. Relative
// offer addresses in the file are resolved against the file's own address.
class OfferDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMostBytes = qint64{1024} * 1024;
    static constexpr int kDefaultTimeoutMs = 120'000;

    explicit OfferDownload(QObject* parent = nullptr);

    // The time-out is for the whole download, however slowly the bytes come.
    void start(const QUrl& offerFile, int timeoutMs = kDefaultTimeoutMs);

signals:
    void finished(const plenwick::OfferList& offers, const plenwick::OfferFileShortfall& shortfall);

private:
    void readBody();
    void giveUp();
    void end();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    QUrl m_offerFile;
    QByteArray m_body;
    bool m_failed{}; // the download under way was given up; start() clears it
};

} // namespace plenwick
