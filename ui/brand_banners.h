#pragma once

#include "links.h"

#include <QFrame>

class LinkLabel;

// Which of the two banners lies in front; Unchanged leaves them as they lie.
enum class Banner { FullBrand, CoBrand, Unchanged };

// The framed foot of a working window: two banner links share one place, the
// offer of a full-brand edition and of a co-brand edition. Only the one in
// front is seen, clicked, reached with Tab and known to assistive technology.
class BrandBanners final : public QFrame {
    Q_OBJECT
public:
    explicit BrandBanners(QWidget* parent = nullptr);

    // Takes one of its two links, made by the window's form as its child;
    // the link's design name, lblFullBrand or lblCobrand, says which.
    void adopt(LinkLabel* banner);

    void bringToFront(Banner banner);

signals:
    void linkActivated(Link link);

private:
    LinkLabel* fullBrand_ = nullptr;
    LinkLabel* coBrand_ = nullptr;
};
