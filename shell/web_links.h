#pragma once

#include "links.h"

class QString;
class UrlOpener;

// The maker's pages, each opened by one operation and all by OpenWebPage.
class WebLinks {
public:
    explicit WebLinks(UrlOpener& opener) : opener_(opener) {}

    void OpenHomePage();
    void OpenOnlineHelpPage();
    void OpenDownloadPage();
    void OpenDonationPage();
    void OpenFullBrandPage();
    void OpenCoBrandPage();

    // The page a window asked for.
    void open(Link link);

    void OpenWebPage(const QString& address);

private:
    UrlOpener& opener_;
};
