#include "reading_record.h"

namespace modPeachBlossom {
ReadingRecord& Record() {
    static ReadingRecord record;
    return record;
}
} // namespace modPeachBlossom
