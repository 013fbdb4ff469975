#pragma once

#include "offers/browser.h"

#include <QList>
#include <QUrl>

#include <ostream>

inline void PrintTo(const QUrl& url, std::ostream* os) { *os << url.toString().toStdString(); }

namespace plenwick::testing_support {

// Stands in for the person's browser, which may refuse to start: keeps the pages it was asked to open.
struct RecordingOpener : UrlOpener {
    bool open(const QUrl& page) override
    {
        opened << page;
        return browserAnswers;
    }
    QList<QUrl> opened;
    bool browserAnswers = true;
};

} // namespace plenwick::testing_support
