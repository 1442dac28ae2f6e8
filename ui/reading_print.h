#pragma once

class QPagedPaintDevice;
namespace engine {
struct ReadingRecord;
}

// Prints one page with the reading as the result window shows it: the
// program's title, the sign's picture and the fourteen captioned values.
void printReading(QPagedPaintDevice& printer, const engine::ReadingRecord& record);
