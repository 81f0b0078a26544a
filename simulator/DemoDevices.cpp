#include "simulator/DemoDevices.h"

#include <charconv>
#include <optional>
#include <vector>

namespace korvelt {

namespace {

// One setting: the device it is for (-1: every one) and its words.
struct DemoSetting {
    int Device = -1;
    std::vector<std::string> Words;
};

std::vector<std::string> SplitWords(std::string_view text, char separator)
{
    std::vector<std::string> words;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(separator, from), text.size());
        std::string_view word = text.substr(from, end - from);
        while (!word.empty() && (word.front() == ' ' || word.front() == '\t')) {
            word.remove_prefix(1);
        }
        while (!word.empty() && (word.back() == ' ' || word.back() == '\t')) {
            word.remove_suffix(1);
        }
        if (!word.empty()) {
            words.emplace_back(word);
        }
        from = end + 1;
    }
    return words;
}

std::optional<int> Number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The settings of `text`, those for every device first; an empty list and `problem` set when
// one names no demo device.
std::vector<DemoSetting> Settings(std::string_view text, int count, std::string &problem)
{
    std::vector<DemoSetting> general;
    std::vector<DemoSetting> own;
    for (const std::string &entry : SplitWords(text, ';')) {
        DemoSetting setting{-1, SplitWords(entry, ' ')};
        if (setting.Words.front().starts_with("sim:")) {
            const std::optional<int> device = Number(std::string_view(setting.Words.front()).substr(4));
            if (!device || *device < 0 || *device >= count) {
                problem = "\"" + setting.Words.front() + "\" is not one of the " + std::to_string(count) +
                          " demo KORVELTs (sim:0 to sim:" + std::to_string(count - 1) + ")";
                return {};
            }
            setting.Device = *device;
            setting.Words.erase(setting.Words.begin());
            own.push_back(std::move(setting));
        } else {
            general.push_back(std::move(setting));
        }
    }
    general.insert(general.end(), own.begin(), own.end());
    return general;
}

} // namespace

std::string AddDemoDevices(SimulatedHidBackend &backend, int count, std::string_view delays, std::string_view faults)
{
    std::string problem;
    std::vector<int> delay(static_cast<std::size_t>(count), 1);
    std::vector<std::pair<SimulatedFault, int>> fault(static_cast<std::size_t>(count), {SimulatedFault::None, 0});
    const auto each = [count](const DemoSetting &setting, auto apply) {
        for (int k = 0; k < count; ++k) {
            if (setting.Device < 0 || setting.Device == k) {
                apply(static_cast<std::size_t>(k));
            }
        }
    };
    for (const DemoSetting &setting : Settings(delays, count, problem)) {
        const std::optional<int> ms = setting.Words.size() == 1 ? Number(setting.Words.front()) : std::nullopt;
        if (!ms || *ms < 0) {
            return "KORVELT_DEMO_DELAY_MS: a number of milliseconds is needed, optionally after sim:K";
        }
        each(setting, [&](std::size_t k) { delay.at(k) = *ms; });
    }
    if (!problem.empty()) {
        return "KORVELT_DEMO_DELAY_MS: " + problem;
    }
    for (const DemoSetting &setting : Settings(faults, count, problem)) {
        std::string name;
        for (std::size_t w = 0; w + 1 < setting.Words.size(); ++w) {
            name += (w == 0 ? "" : " ") + setting.Words.at(w);
        }
        const std::optional<int> request = setting.Words.size() >= 2 ? Number(setting.Words.back()) : std::nullopt;
        std::optional<SimulatedFault> chosen;
        for (const SimulatedFault candidate : AllSimulatedFaults) {
            if (SimulatedFaultName(candidate) == name) {
                chosen = candidate;
            }
        }
        if (!request || *request < 1 || !chosen) {
            std::string names;
            for (const SimulatedFault candidate : AllSimulatedFaults) {
                names += std::string(names.empty() ? "" : ", ") + std::string(SimulatedFaultName(candidate));
            }
            return "KORVELT_DEMO_FAULT: \"[sim:K] FAULT REQUEST\" is needed, FAULT one of " + names +
                   ", REQUEST counted from 1";
        }
        each(setting, [&](std::size_t k) { fault.at(k) = {*chosen, *request}; });
    }
    if (!problem.empty()) {
        return "KORVELT_DEMO_FAULT: " + problem;
    }
    for (int k = 0; k < count; ++k) {
        const auto device = backend.AddKorvelt();
        device->SetSerialNumber(static_cast<std::uint32_t>(k + 1));
        device->SetReplyDelay(std::chrono::milliseconds(delay.at(static_cast<std::size_t>(k))));
        if (const auto [what, request] = fault.at(static_cast<std::size_t>(k)); what != SimulatedFault::None) {
            device->InjectFault(what, request - 1);
        }
    }
    return {};
}

} // namespace korvelt
