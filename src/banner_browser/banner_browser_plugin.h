#pragma once

#include "banner_browser/banner_browser.h"

#include <QObject>

namespace plenwick {

class BannerBrowserPlugin : public QObject, public BannerBrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.plenwick.BannerBrowserModule/1")
    Q_INTERFACES(plenwick::BannerBrowserModule)
public:
    QWidget* createBrowser(const QUrl& page, Hooks hooks, int timeoutMs, QWidget* parent) override;
};

} // namespace plenwick
