#include "reading_print.h"

#include "captions.h"
#include "colours.h"
#include "fonts.h"
#include "reading_record.h"
#include "reading_texts.h"
#include "result_rows.h"
#include "sign_pictures.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <string>

namespace {

// Paper is read closer than a screen but at a lower effective resolution, so
// the page uses somewhat larger type than the window's 8.25 pt.
constexpr qreal kTitlePoints = 16;
constexpr qreal kTextPoints = 10;

constexpr int kWrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// Lays the page out in a box of the given width and returns the height used;
// paints only when `paint` is set, so the same code measures and draws.
class PageLayout {
public:
    PageLayout(QPainter& painter, const engine::ReadingRecord& record, const QPixmap& picture)
        : painter_(painter), record_(record), picture_(picture) {}

    qreal run(qreal width, bool paint) {
        paint_ = paint;
        const QFont titleFont = look::font(kTitlePoints, true);
        const QFont captionFont = look::font(kTextPoints, true);
        const QFont valueFont = look::font(kTextPoints);
        const QFontMetricsF captionMetrics(captionFont, painter_.device());
        const qreal line = QFontMetricsF(valueFont, painter_.device()).lineSpacing();
        const qreal rowGap = line * 0.6;

        qreal y = 0;
        y += block(QRectF(0, y, width, 0), look::windowCaption(), titleFont, look::kLinkBlue);
        y += line * 0.4;
        if (paint_) {
            painter_.setPen(QPen(QColor(look::kPurple), line / 12));
            painter_.drawLine(QPointF(0, y), QPointF(width, y));
        }
        y += line * 1.2;

        qreal captionWidth = 0;
        for (const ResultRow& row : kResultRows) {
            if (row.caption) {
                captionWidth =
                    std::max(captionWidth, captionMetrics.horizontalAdvance(captionText(row)));
            }
        }
        const qreal valueX = captionWidth + line * 1.5;

        // Picture as wide as the value column allows, up to two inches.
        const qreal inch = painter_.device()->logicalDpiX();
        const qreal pictureSide =
            picture_.isNull() ? 0 : std::min(2.0 * inch, (width - valueX) / 2);
        const qreal pictureGap = picture_.isNull() ? 0 : line;
        qreal pictureTop = -1;

        for (const ResultRow& row : kResultRows) {
            const QString value = reading_texts::shown(record_, row.field);
            if (!row.caption) {
                y += block(QRectF(0, y, width, 0), value, valueFont, look::kDarkPurple);
                y += rowGap * 2;
                continue;
            }
            if (besidePicture(row) && pictureTop < 0) {
                pictureTop = y;
            }
            const qreal right = besidePicture(row) ? width - pictureSide - pictureGap : width;
            block(QRectF(0, y, valueX, 0), captionText(row), captionFont, look::kPurple);
            y += block(QRectF(valueX, y, right - valueX, 0), value, valueFont, look::kDarkPurple);
            y += rowGap;
        }

        if (pictureSide > 0 && pictureTop >= 0) {
            const QRectF target(width - pictureSide, pictureTop, pictureSide, pictureSide);
            if (paint_) {
                painter_.setRenderHint(QPainter::SmoothPixmapTransform);
                painter_.drawPixmap(target, picture_, QRectF(picture_.rect()));
            }
            y = std::max(y, target.bottom());
        }
        return y;
    }

private:
    // Draws wrapped text from the top of `box` (its height is ignored) and
    // returns the height it takes.
    qreal block(const QRectF& box, const QString& s, const QFont& font, QRgb color) {
        painter_.setFont(font);
        const QRectF open(box.topLeft(), QSizeF(box.width(), 1e9));
        const QRectF used = painter_.boundingRect(open, kWrap, s);
        if (paint_) {
            painter_.setPen(QColor(color));
            painter_.drawText(open, kWrap, s);
        }
        return std::max(used.height(), QFontMetricsF(font, painter_.device()).height());
    }

    QPainter& painter_;
    const engine::ReadingRecord& record_;
    const QPixmap& picture_;
    bool paint_ = false;
};

} // namespace

void printReading(QPagedPaintDevice& printer, const engine::ReadingRecord& record) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    // The painter's origin is the top left of the printable area. PDF output
    // has next to no margin, so keep the reading at least 15 mm off the edge.
    const int resolution = printer.logicalDpiX();
    const QRectF paper = printer.pageLayout().fullRectPixels(resolution);
    const QRectF printable = printer.pageLayout().paintRectPixels(resolution);
    const qreal minMargin = 15.0 / 25.4 * resolution;
    const QMarginsF inset(std::max(0.0, minMargin - (printable.left() - paper.left())),
                          std::max(0.0, minMargin - (printable.top() - paper.top())),
                          std::max(0.0, minMargin - (paper.right() - printable.right())),
                          std::max(0.0, minMargin - (paper.bottom() - printable.bottom())));
    QRectF area(QPointF(0, 0), printable.size());
    if (area.marginsRemoved(inset).width() > area.width() / 2) {
        area = area.marginsRemoved(inset);
    }
    if (area.isEmpty()) {
        return;
    }
    const QSizeF page = area.size();
    painter.translate(area.topLeft());
    // Paper has far more dots than a screen: print the picture at its full
    // stored resolution rather than the window's 200 pixels.
    const QPixmap picture =
        signPicture(record.SignNumber, QSize(kSignPictureSourceSide, kSignPictureSourceSide));
    PageLayout layout(painter, record, picture);

    // One page always: a reading too tall for the sheet is scaled down, by
    // the largest factor that fits. Shrinking widens the box the text wraps
    // in, so the height is measured anew for each trial.
    const auto fits = [&](qreal scale) {
        return layout.run(page.width() / scale, false) * scale <= page.height();
    };
    qreal scale = 1;
    if (!fits(scale)) {
        qreal low = 0.05;
        qreal high = 1;
        for (int trial = 0; trial < 16; ++trial) {
            const qreal middle = (low + high) / 2;
            (fits(middle) ? low : high) = middle;
        }
        scale = low;
    }
    painter.scale(scale, scale);
    layout.run(page.width() / scale, true);
    painter.end();
}
