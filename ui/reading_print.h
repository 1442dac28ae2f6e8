#pragma once

class QPrinter;
struct ReadingRecord;

// Prints one page with the reading as the result window shows it: the
// program's title, the sign's picture and the fourteen captioned values.
void printReading(QPrinter& printer, const ReadingRecord& record);
