// The core of one find-box refill: the address list filtered from 10,000 and 200,000 contacts
// and sorted by name. The whole keystroke, window and repaint included, is in FindBoxBench.
#include "AddressBook.h"
#include "address/AddressList.h"
#include "common/Locale.h"
#include "support/FixedClock.h"

#include <benchmark/benchmark.h>

using namespace trevik;

namespace {

void RefillAddressListForFilter(benchmark::State& state, const bench::AddressBook& (*book)(),
                                const char* filter) {
    const EnglishLocale locale;
    const test::FixedClock clock(45000.5);
    std::size_t listed = 0;
    book();
    for (auto _ : state) {
        AddressListing listing = RefillAddressList(book().path(), filter, clock, 1);
        sortAddressItems(listing.contacts, 0, locale);
        listed = listing.contacts.size();
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
