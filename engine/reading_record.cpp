#include "reading_record.h"

namespace engine {

namespace modPeachBlossom {
ReadingRecord& Record() {
    static ReadingRecord record;
    return record;
}
} // namespace modPeachBlossom

} // namespace engine
