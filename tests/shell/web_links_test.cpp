#include "shell_fakes.h"
#include "site_hosts.h"
#include "web_links.h"

#include <gtest/gtest.h>

namespace {
const QString kMain = QStringLiteral("http://") + kMainHost;
const QString kHelp = QStringLiteral("http://") + kHelpHost;
const QString kProduct = QStringLiteral("http://") + kProductHost;
} // namespace

TEST(WebLinks, EachOperationOpensExactlyItsAddressOnce) {
    FakeUrlOpener opener;
    WebLinks links(opener);
    links.OpenHomePage();
    links.OpenOnlineHelpPage();
    links.OpenDownloadPage();
    links.OpenDonationPage();
    links.OpenFullBrandPage();
    links.OpenCoBrandPage();
    EXPECT_EQ(opener.opened,
              (QStringList{kMain, kProduct + "/qy-free-amoret-chart-help.html",
                           kProduct + "/download-qy-free-amoret-chart.html", kHelp + "/donate.html",
                           kHelp + "/fully-branded.html", kHelp + "/co-brand.html"}));
}

TEST(WebLinks, HomePageIsTheBareHostWithoutATrailingSlash) {
    FakeUrlOpener opener;
    WebLinks(opener).OpenHomePage();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_FALSE(opener.opened[0].endsWith('/'));
    EXPECT_EQ(QUrl(opener.opened[0]).path(), "");
}

TEST(WebLinks, OpeningTwiceOpensTwice) {
    FakeUrlOpener opener;
    WebLinks links(opener);
    links.open(Link::DownloadPage);
    links.open(Link::DownloadPage);
    EXPECT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened[0], opener.opened[1]);
}

TEST(WebLinks, DefaultHostsAreReservedExampleNames) {
    for (const char* host : {kMainHost, kHelpHost, kProductHost}) {
        EXPECT_TRUE(QString(host).endsWith(".example")) << host;
    }
}

TEST(WebLinks, EveryAddressIsAValidPlainHttpUrl) {
    for (Link link : {Link::HomePage, Link::OnlineHelpPage, Link::DownloadPage, Link::DonationPage,
                      Link::FullBrandPage, Link::CoBrandPage}) {
        const QUrl url(linkAddress(link), QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << linkAddress(link).toStdString();
        EXPECT_EQ(url.scheme(), "http");
    }
}
