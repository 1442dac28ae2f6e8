#pragma once

#include <QDate>

// Today's date; a seam, so tests can choose the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
};
