// The core of one find-box refill: the address file read again and compared with the book the
// list keeps, and the names filtered, at 10,000 and 200,000 contacts; `firstRead` decodes every
// contact, as after a change of the whole file. The whole keystroke, sort, window and repaint
// included, is in WindowBench.
#include "AddressBook.h"
#include "address/AddressList.h"
#include "support/FixedClock.h"

#include <benchmark/benchmark.h>

using namespace trevik;

namespace {

void RefillAddressListForFilter(benchmark::State& state, const bench::AddressBook& (*book)(),
                                const char* filter, bool firstRead = false) {
    const test::FixedClock clock(45000.5);
    std::size_t listed = 0;
    ContactBook kept;
    RefillAddressList(kept, readAddressFile(kept, book().path(), clock, 1), filter);
    for (auto _ : state) {
        ContactBook fresh;
        ContactBook& contacts = firstRead ? fresh : kept;
        const AddressListing listing =
            RefillAddressList(contacts, readAddressFile(contacts, book().path(), clock, 1), filter);
        listed = listing.positions.size();
        benchmark::DoNotOptimize(listing);
    }
    state.counters["listed"] = double(listed);
}

} // namespace

BENCHMARK_CAPTURE(RefillAddressListForFilter, empty, &bench::addressBook, "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, oneLetter, &bench::addressBook, "m")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, threeLetters, &bench::addressBook, "mar")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, oneLetterOf200k, &bench::largeAddressBook, "m")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, threeLettersOf200k, &bench::largeAddressBook, "mar")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, firstRead, &bench::addressBook, "", true)
    ->Unit(benchmark::kMillisecond);
