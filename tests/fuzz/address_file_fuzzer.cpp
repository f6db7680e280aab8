// Feeds arbitrary bytes to the address file reader and stops at the first input that breaks what the
// import relies on: every read ends with a refusal or a plan that fits its table (one meaning per column
// by role, column indices inside the table otherwise), every composed address is free of empty lines and
// of blanks around them, and every stored text has its ampersands doubled.

#include <cstddef>
#include <cstdint>
#include <string>

#include "addresses/address_file.h"

namespace tagmora {
namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckAddress(const std::string& address) {
    Require(!address.empty());
    Require(address.find("\r\n\r\n") == std::string::npos);
    Require(address.front() != ' ' && address.back() != ' ' && address.front() != '\r' &&
            address.back() != '\n');
}

}  // namespace
}  // namespace tagmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tagmora;
    const AddressFile file =
        ReadAddressBytes(std::string(reinterpret_cast<const char*>(data), size), "fuzz.csv");
    if (!file.refusal.empty())
        return 0;
    Require(file.columnNames.size() ==
            (file.plan.byRole ? file.plan.meanings.size() : file.plan.order.size()));
    for (std::size_t r = 0; r < file.table.RecordCount(); ++r) {
        const std::string address = ComposeAddress(file.table, r, file.plan);
        if (!address.empty())
            CheckAddress(address);
    }
    const ComposedAddresses composed = ComposeAddresses(file.table, file.plan, 8);
    Require(composed.count >= 1 && composed.dests.size() <= 8 && composed.lostCount <= composed.count);
    for (const std::string& dest : composed.dests) {
        std::size_t run = 0;
        for (const char c : dest + '.') {
            if (c == '&') {
                ++run;
            } else {
                Require(run % 2 == 0);
                run = 0;
            }
        }
    }
    return 0;
}
