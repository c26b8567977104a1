// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the history file's reader: any text either reads as a history within its bounds or is
// refused with a reason; a history read is written and read back the same, and every recall in it
// can be put into words.
#include "fuzz_check.h"
#include "platform/history_json.h"
#include "ui/texts/recall_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zantaro;
    QString problem;
    const auto history = historyFromJson(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), problem);
    if (!history) {
        FUZZ_CHECK(!problem.isEmpty());
        return 0;
    }
    FUZZ_CHECK(history->recalls().size() <= GameHistory::RecallCount);
    FUZZ_CHECK(history->chart().size() <= GameHistory::ChartLength);
    const auto again = historyFromJson(historyToJson(*history), problem);
    FUZZ_CHECK(again && *again == *history);
    for (const SpinRecall& recall : history->recalls())
        FUZZ_CHECK(!recallHeading(recall).isEmpty() && !recallLines(recall).isEmpty());
    return 0;
}
