#pragma once
// A run: an address list printed across as many sheets as it needs, starting on the partly used sheet in
// the printer. Page k of a run always holds the same addresses at the same labels, so a spoiled page can
// be printed again on its own.

#include <cstddef>
#include <string>
#include <vector>

#include "model/label_sheet.h"

namespace tagmora {

struct RunLabel {
    int slot;
    std::size_t address;  // index into the list
};

struct RunPage {
    std::vector<RunLabel> labels;
};

// The first page takes the sheet's enabled shown labels in slot order, every later page every shown
// label, until the list ends. A first sheet with no enabled label is used up: the run starts on a new one.
std::vector<RunPage> PlanAddressRun(const LabelSheet& sheet, std::size_t addressCount);

// The run's Printed Log for pages first to last (1-based, inclusive): every address as stored, each
// followed by the separator, in print order, with "Page N" CR LF before the first address of every page
// after the run's first.
std::string RunLogText(const std::vector<RunPage>& pages, const std::vector<std::string>& addresses,
                       int first, int last);

// The slots of the last page that the run used, for "are these labels gone?".
std::vector<int> SlotsUsedOnLastPage(const std::vector<RunPage>& pages);

}  // namespace tagmora
