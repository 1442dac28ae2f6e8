#include "shell_fakes.h"
#include "site_hosts.h"
#include "web_links.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

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

TEST(WebLinks, EveryAddressIsAValidPlainHttpUrl) {
    for (Link link : {Link::HomePage, Link::OnlineHelpPage, Link::DownloadPage, Link::DonationPage,
                      Link::FullBrandPage, Link::CoBrandPage}) {
        const QUrl url(linkAddress(link), QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << linkAddress(link).toStdString();
        EXPECT_EQ(url.scheme(), "http");
    }
}

namespace {
// Runs `body` with PATH holding only `folder`, so that xdg-open is whatever lies there.
void withPath(const QString& folder, const std::function<void()>& body) {
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", folder.toLocal8Bit());
    body();
    qputenv("PATH", saved);
}
} // namespace

TEST(DesktopUrlOpener, MissingOrFailingBrowserShowsNothingAndLeavesTheWindowWorking) {
    QTemporaryDir noBrowser;
    QTemporaryDir failingBrowser;
    QFile script(failingBrowser.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho 'no browser' >&2\nexit 3\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QWidget window;
    QPushButton button("Still here", &window);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();

    DesktopUrlOpener opener;
    WebLinks links(opener);
    for (const QString& folder : {noBrowser.path(), failingBrowser.path()}) {
        withPath(folder, [&] {
            for (Link link : {Link::HomePage, Link::OnlineHelpPage, Link::DownloadPage,
                              Link::DonationPage, Link::FullBrandPage, Link::CoBrandPage}) {
                links.open(link);
                EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            }
        });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}
