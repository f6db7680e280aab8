#include "print/address_run.h"

#include "print/printed_log.h"

namespace tagmora {

std::vector<RunPage> PlanAddressRun(const LabelSheet& sheet, std::size_t addressCount) {
    std::vector<RunPage> pages;
    const int shown = sheet.LabelCount();
    if (shown <= 0)
        return pages;
    std::size_t next = 0;
    bool firstPage = true;
    while (next < addressCount) {
        RunPage page;
        for (int slot = 0; slot < shown && next < addressCount; ++slot) {
            if (!firstPage || sheet.Slot(slot).enabled)
                page.labels.push_back({slot, next++});
        }
        if (!page.labels.empty())
            pages.push_back(std::move(page));
        firstPage = false;
    }
    return pages;
}

std::string RunLogText(const std::vector<RunPage>& pages, const std::vector<std::string>& addresses,
                       int first, int last) {
    std::string log;
    for (int number = std::max(first, 1); number <= last && number <= static_cast<int>(pages.size());
         ++number) {
        if (number > 1)
            log += "Page " + std::to_string(number) + "\r\n";
        for (const RunLabel& label : pages[static_cast<std::size_t>(number - 1)].labels)
            AppendPrintedLogEntry(log, label.address < addresses.size() ? addresses[label.address] : "");
    }
    return log;
}

std::vector<int> SlotsUsedOnLastPage(const std::vector<RunPage>& pages) {
    std::vector<int> slots;
    if (!pages.empty()) {
        for (const RunLabel& label : pages.back().labels)
            slots.push_back(label.slot);
    }
    return slots;
}

}  // namespace tagmora
