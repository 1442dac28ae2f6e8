#pragma once

class QUrl;

// Hands an address to the desktop, which shows it in the user's browser. A
// seam, so tests can see what would be opened.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Fire and forget: returns at once, reports nothing.
    virtual void open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override;
};
