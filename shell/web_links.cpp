#include "web_links.h"

#include "url_opener.h"

#include <QUrl>

void WebLinks::OpenHomePage() {
    open(Link::HomePage);
}
void WebLinks::OpenOnlineHelpPage() {
    open(Link::OnlineHelpPage);
}
void WebLinks::OpenDownloadPage() {
    open(Link::DownloadPage);
}
void WebLinks::OpenDonationPage() {
    open(Link::DonationPage);
}
void WebLinks::OpenFullBrandPage() {
    open(Link::FullBrandPage);
}
void WebLinks::OpenCoBrandPage() {
    open(Link::CoBrandPage);
}

void WebLinks::open(Link link) {
    OpenWebPage(linkAddress(link));
}

void WebLinks::OpenWebPage(const QString& address) {
    opener_.open(QUrl(address, QUrl::StrictMode));
}
