// One keystroke in the find box: refilling the address list from 10,000 contacts.
#include "address/AddressList.h"
#include "common/Locale.h"
#include "storage/AddrSet.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace trevik;

namespace {

class AddressBook {
public:
    explicit AddressBook(int contacts) {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> letter('a', 'z');
        AddrSet set(dir_.path());
        set.Open();
        for (int i = 1; i <= contacts; ++i) {
            set.NewRecord();
            set.id = i;
            std::string name(8, ' ');
            for (char& c : name) {
                c = char(letter(random));
            }
            name[0] = char(name[0] - 32);
            set.name = name + " " + std::to_string(i);
            set.home = "030 " + std::to_string(100000 + i);
            set.email = name + "@example.org";
            set.address = "Street " + std::to_string(i) + "\r\nTown";
            set.Write();
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

void RefillAddressListForFilter(benchmark::State& state, const char* filter) {
    static const AddressBook book(10000);
    const EnglishLocale locale;
    const test::FixedClock clock(45000.5);
    std::size_t listed = 0;
    for (auto _ : state) {
        AddressListing listing = RefillAddressList(book.path(), filter, clock, 1);
        SortAddressItems(listing.contacts, 0, locale);
        listed = listing.contacts.size();
        benchmark::DoNotOptimize(listing);
    }
    state.counters["listed"] = double(listed);
}

} // namespace

BENCHMARK_CAPTURE(RefillAddressListForFilter, empty, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, oneLetter, "m")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefillAddressListForFilter, threeLetters, "mar")->Unit(benchmark::kMillisecond);
