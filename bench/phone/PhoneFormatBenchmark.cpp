// Formatting speed of the bundled phone rules side by side with libphonenumber's
// as-you-type formatter, on equal work: every keystroke of the same numbers, with the
// layout after each one. The SMS page lays out the whole text again after a keystroke;
// the as-you-type formatter takes one more digit. Both report the time per keystroke
// (counter "keystroke"), so their ratio reads straight off. Also the cost of loading
// the rules file.
#include "signers/KWPhoneFormat.h"

#include <benchmark/benchmark.h>
#include <phonenumbers/asyoutypeformatter.h>
#include <phonenumbers/phonenumberutil.h>

#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

struct Sample {
    const char* region;
    const char* number;
};

// National and international numbers of 10 to 15 digits.
constexpr std::array kSamples{
    Sample{"US", "6502530000"},         Sample{"GB", "02079460018"},       Sample{"US", "+442079460018"},
    Sample{"US", "+4930123456789"},     Sample{"US", "+919876543210"},     Sample{"US", "+61412345678"},
    Sample{"US", "+8613912345678"},     Sample{"US", "+79161234567"},      Sample{"US", "011447911123456"},
    Sample{"GB", "00989123456789"},
};

const std::filesystem::path& rulesFile()
{
    static const auto path = std::filesystem::path(VELTRA_RESOURCE_DIR) / "PhoneFormats.dat";
    return path;
}

std::vector<std::uint8_t> rulesBytes()
{
    std::ifstream stream(rulesFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string lowercase(std::string region)
{
    for (auto& c : region)
        c = static_cast<char>(c - 'A' + 'a');
    return region;
}

const KWPhoneFormat& formatterFor(const Sample& sample)
{
    static const KWPhoneFormat us(rulesBytes(), std::string("us"));
    static const KWPhoneFormat gb(rulesBytes(), std::string("gb"));
    return lowercase(sample.region) == "us" ? us : gb;
}

// The time of one keystroke: the iteration types the whole number.
void countKeystrokes(benchmark::State& state, const Sample& sample)
{
    state.counters["keystroke"] = benchmark::Counter(static_cast<double>(std::string_view(sample.number).size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    state.SetLabel(std::string(sample.region) + " " + sample.number);
}

void BM_KWPhoneFormatEveryKeystroke(benchmark::State& state)
{
    const Sample& sample = kSamples[static_cast<std::size_t>(state.range(0))];
    const KWPhoneFormat& phone = formatterFor(sample);
    const std::string_view number = sample.number;
    phone.format(number); // parse and cache the calling code's record first
    for (auto _ : state) {
        for (std::size_t length = 1; length <= number.size(); ++length)
            benchmark::DoNotOptimize(phone.format(number.substr(0, length)));
    }
    countKeystrokes(state, sample);
}

void BM_AsYouTypeEveryKeystroke(benchmark::State& state)
{
    const Sample& sample = kSamples[static_cast<std::size_t>(state.range(0))];
    const auto& util = *i18n::phonenumbers::PhoneNumberUtil::GetInstance();
    const std::unique_ptr<i18n::phonenumbers::AsYouTypeFormatter> formatter(util.GetAsYouTypeFormatter(sample.region));
    const std::string_view number = sample.number;
    std::string result;
    for (auto _ : state) {
        formatter->Clear();
        for (const char digit : number) {
            formatter->InputDigit(static_cast<unsigned char>(digit), &result);
            benchmark::DoNotOptimize(result);
        }
    }
    countKeystrokes(state, sample);
}

void BM_ConstructFromBytes(benchmark::State& state)
{
    const auto bytes = rulesBytes();
    for (auto _ : state) {
        const KWPhoneFormat phone(bytes, std::string("us"));
        benchmark::DoNotOptimize(phone.defaultCallingCode());
    }
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}

void BM_ConstructFromFile(benchmark::State& state)
{
    for (auto _ : state) {
        const KWPhoneFormat phone(rulesFile(), std::string("us"));
        benchmark::DoNotOptimize(phone.defaultCallingCode());
    }
}

void eachSample(benchmark::internal::Benchmark* benchmark)
{
    benchmark->DenseRange(0, static_cast<int>(kSamples.size()) - 1)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_KWPhoneFormatEveryKeystroke)->Apply(eachSample);
BENCHMARK(BM_AsYouTypeEveryKeystroke)->Apply(eachSample);
BENCHMARK(BM_ConstructFromBytes)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConstructFromFile)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
